#pragma once
// The tool's one window: a fixed-size top-level window centred on the screen
// with the file list and three buttons, each button running one command.
#include "ui/file_list.h"
#include "ui/unique_handle.h"
#include "winapi.h"

namespace varnetto {

class MainWindow {
public:
    static constexpr const char* kClassName = "VarnettoMainWindow";

    // Builds the window and its controls hidden, then shows them. False when
    // the system refused to create the window.
    static bool create();
    // The window while it exists, else null.
    static MainWindow* instance() noexcept;
    // Destroys the window if it still exists, and releases the icons.
    static void destroy() noexcept;
    // While the message loop runs, the window's end also ends the loop.
    static void setLoopRunning(bool running) noexcept;

    // Offered every key message for the window or a control before it is
    // translated; true when the window consumed it (Tab, Shift+Tab, Esc).
    bool preTranslateKey(const MSG& message);
    // True when `window` is this window or one of its controls.
    bool owns(HWND window) const noexcept;
    HWND handle() const noexcept { return window_; }

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

private:
    MainWindow() = default;
    ~MainWindow() = default;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool createControls();
    HWND createButton(int id, const char* text, int left) const;
    void moveFocus(int step);

    void onActivate(WPARAM state);
    void onSetFocus();
    void onCommand(int id, int notification);
    bool onEraseBackground(HDC dc);
    LRESULT onListBoxColours(HDC dc);
    void onNcDestroy();

    HWND window_ = nullptr;
    HWND 按钮_添加文件 = nullptr;
    HWND 按钮_开始转码 = nullptr;
    HWND 列表框1 = nullptr;
    HWND 按钮_清空列表 = nullptr;
    HWND focusAtDeactivation_ = nullptr;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    UniqueBrush listBackground_;
};

}  // namespace varnetto
