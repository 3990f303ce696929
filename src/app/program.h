#pragma once
// The process frame: start-up, message loop and the orderly end.

namespace varnetto {

// Runs the tool from start-up to its end; never returns (the process exits
// with the code of the loop's end, or -1 after a fatal error).
[[noreturn]] void runProgram();

// Takes and dispatches the thread's messages until WM_QUIT; its wParam.
int runMessageLoop();

}  // namespace varnetto
