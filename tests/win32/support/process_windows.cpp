#include "support/process_windows.h"

#include <vector>

#include "convert/cp936.h"

namespace varnetto::testing {

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);  // polling interval, not a wait for the outcome
    }
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
    int count;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64];
    if (owner == search->processId && IsWindowVisible(window) &&
        GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, search->className) == 0) {
        if (search->found == nullptr) search->found = window;
        ++search->count;
    }
    return TRUE;
}

}  // namespace

HWND waitForWindow(DWORD processId, const char* className, DWORD timeoutMs) {
    WindowSearch search{processId, className, nullptr, 0};
    waitFor(
        [&] {
            EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

int countWindows(DWORD processId, const char* className) {
    WindowSearch search{processId, className, nullptr, 0};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

std::string toCodePage936(std::wstring_view wide) {
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(936, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(936, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

std::wstring toWide(std::string_view text) {
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(936, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(936, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string windowText(HWND window) {
    // Read as UTF-16 and convert here: texts of other processes' windows are
    // not always handed to ANSI callers in the right code page.
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> wide(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextW(window, wide.data(), length + 1);
    if (got <= 0) return {};
    return toCodePage936(std::wstring_view(wide.data(), static_cast<std::size_t>(got)));
}

namespace {

struct DescendantSearch {
    const char* className;
    const char* text;  // null: any
    HWND found;
};

BOOL CALLBACK matchDescendant(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<DescendantSearch*>(param);
    char name[64];
    if (GetClassNameA(child, name, sizeof name) && lstrcmpiA(name, search->className) == 0 &&
        (search->text == nullptr || windowText(child) == search->text)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND findDescendant(HWND parent, const char* className, const char* text) {
    DescendantSearch search{className, text, nullptr};
    // EnumChildWindows walks the children's children too.
    if (parent != nullptr)
        EnumChildWindows(parent, matchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MessageBoxSeen takeMessageBox(DWORD processId) {
    HWND box = waitForWindow(processId, "#32770");
    if (box == nullptr) return {};
    MessageBoxSeen seen{windowText(box), windowText(GetDlgItem(box, 0xFFFF))};
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return seen;
}

ChildProcess::ChildProcess(const std::string& programName) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string_view self(path, length);
    std::string commandLine(1, '"');
    commandLine.append(self.substr(0, cp936::findLastCharacter(self, '\\') + 1));
    commandLine.append(programName);
    commandLine.push_back('"');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        process_ = {};
    }
}

ChildProcess::~ChildProcess() {
    if (!started()) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kPatience);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

DWORD ChildProcess::waitForExit(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (started() && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
}

}  // namespace varnetto::testing
