#pragma once
// The system's open-file dialog of a running program, driven from outside:
// typing into its file name box, pressing Open or Cancel, selecting in its
// file view with mouse and keys.
#include <string>

#include "e2e/running_program.h"

namespace varnetto::testing {

class OpenDialog {
public:
    // The program's open-file dialog titled `title` once it is up; check window().
    OpenDialog(const RunningProgram& program, const char* title);

    HWND window() const { return dialog_; }
    // Types into the file name box (code page 936 text) and presses Open.
    void open(const std::string& typed) const;
    void cancel() const;
    // Selects every file of the folder shown: a click, Home, then Shift+End.
    bool selectAllFiles() const;
    // Opens `folder` in the dialog and waits until its `files` are listed.
    bool openFolder(const std::string& folder, int files) const;
    // Presses Open with whatever is selected.
    void pressOpen() const;
    bool waitUntilClosed() const;

private:
    HWND dialog_ = nullptr;
};

}  // namespace varnetto::testing
