#pragma once
// A hidden top-level window of a plain class of its own, to hold controls
// under test; destroyed with them at the end of the test.
#include "winapi.h"

namespace varnetto::testing {

class ParentWindow {
public:
    ParentWindow();
    ~ParentWindow() {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    ParentWindow(const ParentWindow&) = delete;
    ParentWindow& operator=(const ParentWindow&) = delete;

    HWND handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

inline ParentWindow::ParentWindow() {
    static const char kClass[] = "VarnettoTestParent";
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    window_ = CreateWindowExA(0, kClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 440, 409, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
}

}  // namespace varnetto::testing
