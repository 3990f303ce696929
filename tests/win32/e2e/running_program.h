#pragma once
// The real varnetto.exe, started as its own process and driven from outside
// as a person would: keys, clicks on buttons, what the screen shows.
#include <functional>
#include <string>
#include <vector>

#include "support/process_windows.h"

namespace varnetto::testing {

class RunningProgram {
public:
    explicit RunningProgram(const std::string& programName = "varnetto.exe");

    // The main window once it is shown, else null.
    HWND window() const { return window_; }
    DWORD id() const { return process_.id(); }
    // A control of the main window: the button with `text`, or the list box.
    HWND button(const char* text) const;
    HWND listBox() const;
    // The window that has the keyboard focus in the program.
    HWND focus() const;

    // Keys as typed on the keyboard; they go to the active window.
    static void press(WORD key, bool withShift = false);
    // A left click at a point of the screen.
    static void clickAt(int x, int y);
    // Makes the main window the active one by clicking it, as a person would,
    // and waits until `settled` holds while it is active.
    bool activate(const std::function<bool()>& settled = [] { return true; }) const;

    // The list as shown: its entries in code page 936, read across processes.
    std::vector<std::string> entries() const;
    void addEntry(const std::string& path) const;

    DWORD waitForExit() { return process_.waitForExit(); }

private:
    ChildProcess process_;
    HWND window_ = nullptr;
};

// The client rectangle of `control` in its parent's client coordinates.
RECT rectInParent(HWND control);

}  // namespace varnetto::testing
