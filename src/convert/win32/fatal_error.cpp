#include "winapi.h"

namespace varnetto {

void showFatalErrorReport(const char* message) {
    // No heap here: the report may be about the heap.
    static const char kIntro[] = "程序运行时发生错误：\n\n";
    char text[1024];
    lstrcpynA(text, kIntro, sizeof text);
    lstrcpynA(text + sizeof kIntro - 1, message, static_cast<int>(sizeof text - sizeof kIntro + 1));
    MessageBoxA(nullptr, text, "错误", MB_OK | MB_ICONERROR);
}

[[noreturn]] void exitAfterFatalError() { ExitProcess(static_cast<UINT>(-1)); }

}  // namespace varnetto
