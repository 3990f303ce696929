#include "e2e/open_dialog.h"

#include <commctrl.h>

namespace varnetto::testing {
namespace {

// The file name box: an edit inside the combo box cmb13 in some versions of
// the dialog, the plain edit edt1 in others (Wine 8 among them).
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

}  // namespace

OpenDialog::OpenDialog(const RunningProgram& program, const char* title) {
    waitFor([&] {
        HWND candidate = waitForWindow(program.id(), "#32770", 100);
        if (candidate != nullptr && windowText(candidate) == title) dialog_ = candidate;
        return dialog_ != nullptr;
    });
}

void OpenDialog::open(const std::string& typed) const {
    HWND combo = GetDlgItem(dialog_, kFileNameCombo);
    HWND edit = combo != nullptr ? FindWindowExA(combo, nullptr, "Edit", nullptr)
                                 : GetDlgItem(dialog_, kFileNameEdit);
    const std::wstring wide = toWide(typed);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    pressOpen();
}

void OpenDialog::pressOpen() const { PostMessageA(GetDlgItem(dialog_, IDOK), BM_CLICK, 0, 0); }

void OpenDialog::cancel() const { PostMessageA(GetDlgItem(dialog_, IDCANCEL), BM_CLICK, 0, 0); }

bool OpenDialog::openFolder(const std::string& folder, int files) const {
    open(folder);
    return waitFor([&] {
        HWND view = findDescendant(dialog_, "SysListView32");
        return view != nullptr && SendMessageW(view, LVM_GETITEMCOUNT, 0, 0) == files;
    });
}

bool OpenDialog::selectAllFiles() const {
    HWND view = findDescendant(dialog_, "SysListView32");
    if (view == nullptr) return false;
    RECT area;
    GetWindowRect(view, &area);
    // A click on an item gives the view the focus; Home selects the first.
    RunningProgram::clickAt(area.left + 30, area.top + 10);
    if (!waitFor([&] { return SendMessageW(view, LVM_GETSELECTEDCOUNT, 0, 0) == 1; })) return false;
    RunningProgram::press(VK_HOME);
    RunningProgram::press(VK_END, true);
    const LRESULT count = SendMessageW(view, LVM_GETITEMCOUNT, 0, 0);
    // Wine's dialog takes its time over a long selection.
    return waitFor([&] { return SendMessageW(view, LVM_GETSELECTEDCOUNT, 0, 0) == count; },
                   5 * kPatience);
}

bool OpenDialog::waitUntilClosed() const {
    return waitFor([&] { return !IsWindow(dialog_) || !IsWindowVisible(dialog_); });
}

}  // namespace varnetto::testing
