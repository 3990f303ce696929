// A test build of the program that reports a fatal error once its window is
// up, so that a test can click while the error box is shown.
#include "app/program.h"
#include "convert/fatal_error.h"
#include "winapi.h"

namespace {

void CALLBACK failOnce(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    varnetto::reportFatalError("测试用的致命错误");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Fires from the message loop, after the window has been shown.
    SetTimer(nullptr, 0, 0, &failOnce);
    varnetto::runProgram();
}
