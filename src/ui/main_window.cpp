#include "ui/main_window.h"

#include "convert/batch_run.h"
#include "convert/fatal_error.h"
#include "ui/add_files.h"

namespace varnetto {
namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 409;

enum ControlId : int { kAddFiles = 101, kStartConversion, kFileList, kClearList };

constexpr int kButtonTop = 341;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 32;

MainWindow* current = nullptr;
bool loopRunning = false;

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

bool registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, MainWindow::kClassName, &existing)) return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = nullptr;  // the window paints its own background
    windowClass.lpszClassName = MainWindow::kClassName;
    return RegisterClassExA(&windowClass) != 0;
}

HICON loadIcon(HINSTANCE instance, int size) {
    return static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
}

}  // namespace

void MainWindow::setLoopRunning(bool running) noexcept { loopRunning = running; }

MainWindow* MainWindow::instance() noexcept {
    return current != nullptr && current->window_ != nullptr ? current : nullptr;
}

bool MainWindow::create() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (current == nullptr) current = new MainWindow;
    if (!registerClass(instance, &windowProc)) return false;

    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    HWND window = CreateWindowExA(0, kClassName, "Varnetto", kStyle, left, top, kWidth, kHeight,
                                  nullptr, nullptr, instance, current);
    if (window == nullptr) return false;

    RECT outer;
    GetWindowRect(window, &outer);
    if (outer.left != left || outer.top != top || outer.right - outer.left != kWidth ||
        outer.bottom - outer.top != kHeight) {
        MoveWindow(window, left, top, kWidth, kHeight, FALSE);
    }

    current->bigIcon_.reset(loadIcon(instance, 32));
    current->smallIcon_.reset(loadIcon(instance, 16));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(current->bigIcon_.get()));
    SendMessageA(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(current->smallIcon_.get()));
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);

    if (!current->createControls()) {
        DestroyWindow(window);
        return false;
    }
    for (HWND control : {current->按钮_添加文件, current->按钮_开始转码, current->列表框1,
                         current->按钮_清空列表}) {
        ShowWindow(control, SW_SHOWNA);
    }
    ShowWindow(window, SW_SHOW);
    return true;
}

void MainWindow::destroy() noexcept {
    if (current == nullptr) return;
    if (current->window_ != nullptr) DestroyWindow(current->window_);
    delete current;  // releases the icons and the list's brush
    current = nullptr;
}

HWND MainWindow::createButton(int id, const char* text, int left) const {
    constexpr DWORD kStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER |
                             BS_VCENTER | BS_MULTILINE;
    HWND button = CreateWindowExA(
        0, "BUTTON", text, kStyle, left, kButtonTop, kButtonWidth, kButtonHeight, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (button != nullptr)
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    return button;
}

bool MainWindow::createControls() {
    按钮_添加文件 = createButton(kAddFiles, "添加文件", 53);
    按钮_开始转码 = createButton(kStartConversion, "开始转码", 294);
    列表框1 = FileList::createListBox(window_, kFileList, 1, 4, 429, 328);
    listBackground_.reset(CreateSolidBrush(RGB(255, 255, 255)));
    按钮_清空列表 = createButton(kClearList, "清空列表", 173);
    return 按钮_添加文件 != nullptr && 按钮_开始转码 != nullptr && 列表框1 != nullptr &&
           按钮_清空列表 != nullptr;
}

bool MainWindow::owns(HWND window) const noexcept {
    return window != nullptr && window_ != nullptr &&
           (window == window_ || IsChild(window_, window));
}

// ---- keyboard

bool MainWindow::preTranslateKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    switch (message.wParam) {
        case VK_TAB:
            if (control || alt) return false;
            moveFocus(shift ? -1 : 1);
            return true;
        case VK_ESCAPE:
            if (shift || control || alt) return false;
            SendMessageA(window_, WM_CLOSE, 0, 0);
            return true;
        default:
            return false;  // Enter, F1 and Alt+letter do nothing here
    }
}

void MainWindow::moveFocus(int step) {
    const HWND sequence[] = {按钮_添加文件, 按钮_开始转码, 列表框1, 按钮_清空列表};
    constexpr int kCount = static_cast<int>(sizeof sequence / sizeof sequence[0]);
    const HWND focused = GetFocus();
    int position = step > 0 ? -1 : kCount;
    for (int i = 0; i < kCount; ++i) {
        if (sequence[i] == focused) position = i;
    }
    // Only a control that exists, is visible, enabled and a tab stop takes part.
    for (int tried = 0; tried < kCount; ++tried) {
        position = (position + step + kCount) % kCount;
        const HWND candidate = sequence[position];
        if (IsWindow(candidate) && IsWindowVisible(candidate) && IsWindowEnabled(candidate) &&
            (GetWindowLongA(candidate, GWL_STYLE) & WS_TABSTOP)) {
            SetFocus(candidate);
            return;
        }
    }
}

// ---- messages

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:  // the system then gives the window the focus when it is activated
            onActivate(wParam);
            return DefWindowProcA(window_, message, wParam, lParam);
        case WM_SETFOCUS:
            onSetFocus();
            return 0;
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_ERASEBKGND:
            return onEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLORLISTBOX:
            return onListBoxColours(reinterpret_cast<HDC>(wParam));
        case WM_HELP:
            return TRUE;  // no help: F1 does nothing
        case WM_NCDESTROY: {
            const HWND window = window_;
            onNcDestroy();
            return DefWindowProcA(window, message, wParam, lParam);
        }
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void MainWindow::onActivate(WPARAM state) {
    if (LOWORD(state) != WA_INACTIVE) return;
    const HWND focused = GetFocus();
    if (focused != window_ && owns(focused)) focusAtDeactivation_ = focused;
}

void MainWindow::onSetFocus() {
    const HWND remembered = focusAtDeactivation_;
    focusAtDeactivation_ = nullptr;
    SetFocus(remembered != nullptr && IsWindow(remembered) && owns(remembered) ? remembered
                                                                               : 按钮_添加文件);
}

void MainWindow::onCommand(int id, int notification) {
    if (notification != BN_CLICKED || fatalErrorReported()) return;
    FileList list(列表框1);
    switch (id) {
        case kAddFiles:
            addFiles(list);
            break;
        case kStartConversion:
            runBatchConversion(list);
            break;
        case kClearList:
            list.clear();
            break;
        default:
            break;
    }
}

bool MainWindow::onEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

LRESULT MainWindow::onListBoxColours(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(listBackground_.get());
}

void MainWindow::onNcDestroy() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    按钮_添加文件 = 按钮_开始转码 = 列表框1 = 按钮_清空列表 = nullptr;
    focusAtDeactivation_ = nullptr;
    if (loopRunning) PostQuitMessage(0);
}

}  // namespace varnetto
