#include "e2e/running_program.h"

namespace varnetto::testing {

RunningProgram::RunningProgram(const std::string& programName) : process_(programName) {
    if (process_.started()) window_ = waitForWindow(process_.id(), "VarnettoMainWindow");
}

HWND RunningProgram::button(const char* text) const {
    return findDescendant(window_, "Button", text);
}

HWND RunningProgram::listBox() const { return findDescendant(window_, "ListBox"); }

HWND RunningProgram::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window_, nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

void RunningProgram::press(WORD key, bool withShift) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (withShift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (withShift) add(VK_SHIFT, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void RunningProgram::clickAt(int x, int y) {
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

bool RunningProgram::activate(const std::function<bool()>& settled) const {
    // The spot is bare background left of the first button. A click on the
    // title bar would start a move, which could undo a later SetWindowPos.
    const RECT add = rectInParent(button("添加文件"));
    POINT spot{add.left / 2, (add.top + add.bottom) / 2};
    ClientToScreen(window_, &spot);
    // Under Wine without a window manager, a switch between two programs is
    // now and then undone a moment later (the desktop becomes the foreground
    // window); a person clicks again, and so does this.
    constexpr DWORD kClickAgainAfter = 2000;  // milliseconds
    bool clicked = false;
    DWORD lastClick = 0;
    return waitFor([&] {
        if (GetForegroundWindow() == window_) return settled();
        // Another window may lie over the spot until its move has been done.
        if (WindowFromPoint(spot) != window_) return false;
        if (!clicked || GetTickCount() - lastClick > kClickAgainAfter) {
            clickAt(spot.x, spot.y);
            clicked = true;
            lastClick = GetTickCount();
        }
        return false;
    });
}

std::vector<std::string> RunningProgram::entries() const {
    // Across processes the list box answers in UTF-16.
    const HWND list = listBox();
    std::vector<std::string> texts;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
        const LRESULT got =
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
        texts.push_back(toCodePage936(text));
    }
    return texts;
}

void RunningProgram::addEntry(const std::string& path) const {
    SendMessageA(listBox(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

RECT rectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace varnetto::testing
