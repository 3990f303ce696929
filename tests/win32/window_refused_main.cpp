// A test build of the program in which the system refuses to create the main
// window, as it may when resources run out.
#include "app/program.h"
#include "ui/main_window.h"
#include "winapi.h"

namespace {

HHOOK hook = nullptr;

LRESULT CALLBACK refuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (!IS_INTRESOURCE(create->lpszClass) &&
            lstrcmpA(create->lpszClass, varnetto::MainWindow::kClassName) == 0) {
            return 1;  // refused
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    hook = SetWindowsHookExA(WH_CBT, refuseMainWindow, nullptr, GetCurrentThreadId());
    varnetto::runProgram();
}
