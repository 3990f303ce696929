#include "app/program.h"

#include <ole2.h>

#include "convert/cp936.h"
#include "convert/fatal_error.h"
#include "ui/main_window.h"
#include "winapi.h"

namespace varnetto {
namespace {

// The program's files are found beside it, whoever started it from where.
void enterProgramFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::size_t cut = cp936::findLastCharacter(std::string_view(path, length), '\\');
    if (cut == std::string_view::npos) return;
    path[cut] = '\0';
    SetCurrentDirectoryA(path);
}

// The end of the program, orderly or fatal: windows, icons, COM.
void releaseAtEnd() {
    MainWindow::destroy();
    OleUninitialize();
}

}  // namespace

void runProgram() {
    OleInitialize(nullptr);
    setFatalErrorRelease(&releaseAtEnd);
    enterProgramFolder();
    if (!MainWindow::create()) reportFatalError("载入启动窗口失败");
    const int exitCode = runMessageLoop();
    releaseAtEnd();
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace varnetto
