#pragma once
// Looking at another process's windows from outside, as a person would see
// them: find a window, read its texts, press its buttons. Every wait is for
// a condition, with a generous deadline.
#include <functional>
#include <string>
#include <string_view>

#include "winapi.h"

namespace varnetto::testing {

constexpr DWORD kPatience = 30000;  // milliseconds

// Polls `condition` until it holds or `timeoutMs` has passed.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = kPatience);

// A visible top-level window of process `processId` with class `className`,
// or null once the deadline has passed.
HWND waitForWindow(DWORD processId, const char* className, DWORD timeoutMs = kPatience);

// How many visible top-level windows of class `className` process `processId` has now.
int countWindows(DWORD processId, const char* className);

// Texts of other processes' windows travel as UTF-16; the tests speak code
// page 936, as the program does.
std::string toCodePage936(std::wstring_view wide);
std::wstring toWide(std::string_view text);

// A window's text in code page 936, whichever process owns the window.
std::string windowText(HWND window);

// The first window below `parent`, at any depth, of class `className` and,
// unless `text` is null, with that text; null when there is none.
HWND findDescendant(HWND parent, const char* className, const char* text = nullptr);

// The next message box of process `processId`: its caption and text, read
// before it is dismissed with OK. Empty texts when none appeared.
struct MessageBoxSeen {
    std::string caption;
    std::string text;
};
MessageBoxSeen takeMessageBox(DWORD processId);

// A program from the test program's folder, started; killed at the end of
// the test if it still runs.
class ChildProcess {
public:
    explicit ChildProcess(const std::string& programName);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return process_.hProcess != nullptr; }
    DWORD id() const { return process_.dwProcessId; }
    // The exit code once the process has ended, or STILL_ACTIVE after the deadline.
    DWORD waitForExit(DWORD timeoutMs = kPatience);

private:
    PROCESS_INFORMATION process_{};
};

}  // namespace varnetto::testing
