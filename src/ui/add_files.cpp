#include "ui/add_files.h"

#include <cderr.h>
#include <commdlg.h>

#include "convert/system_services.h"
#include "ui/selection.h"

namespace varnetto {
namespace {

constexpr DWORD kInitialNameBufferSize = 61440;
constexpr DWORD kFlags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ALLOWMULTISELECT |
                         OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
static_assert(kFlags == 0x00881A24);

// The names the dialog writes; it grows while the dialog is open, so that a
// selection of any size fits.
struct NameBuffer {
    std::vector<char> bytes = std::vector<char>(kInitialNameBufferSize, '\0');
};

// Centres the dialog on the owner, then keeps it inside the work area of the
// owner's monitor.
void centreOnOwner(HWND dialog, HWND owner) {
    RECT box, around;
    if (!GetWindowRect(dialog, &box) || owner == nullptr || !GetWindowRect(owner, &around)) return;
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    LONG left = around.left + (around.right - around.left - width) / 2;
    LONG top = around.top + (around.bottom - around.top - height) / 2;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (left < work.left) {
            left = work.left;
        } else if (left + width > work.right) {
            left = work.right - width;
        }
        if (top < work.top) {
            top = work.top;
        } else if (top + height > work.bottom) {
            top = work.bottom - height;
        }
    }
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Before the dialog writes the chosen names, makes room for them: the folder,
// and every name of the selection with its NUL, and the final NUL.
void makeRoomForSelection(HWND dialog, OPENFILENAMEA& request) {
    auto* buffer = reinterpret_cast<NameBuffer*>(request.lCustData);
    const LRESULT folder = SendMessageA(dialog, CDM_GETFOLDERPATH, 0, 0);
    const LRESULT names = SendMessageA(dialog, CDM_GETSPEC, 0, 0);
    if (buffer == nullptr || folder < 0 || names < 0) return;
    const std::size_t needed =
        static_cast<std::size_t>(folder) + static_cast<std::size_t>(names) + 2;
    if (needed <= request.nMaxFile) return;
    buffer->bytes.assign(needed + needed / 2, '\0');
    request.lpstrFile = buffer->bytes.data();
    request.nMaxFile = static_cast<DWORD>(buffer->bytes.size());
}

UINT_PTR CALLBACK dialogHook(HWND hookDialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY) return 0;
    const auto* notice = reinterpret_cast<const OFNOTIFYA*>(lParam);
    const HWND dialog = GetParent(hookDialog);
    switch (notice->hdr.code) {
        case CDN_INITDONE:
            centreOnOwner(dialog, notice->lpOFN->hwndOwner);
            return 0;
        case CDN_SELCHANGE:
            makeRoomForSelection(dialog, *notice->lpOFN);
            return 0;
        case CDN_FILEOK:  // every name is accepted
            makeRoomForSelection(dialog, *notice->lpOFN);
            SetWindowLongPtrA(hookDialog, DWLP_MSGRESULT, 0);
            return 0;
        case CDN_SHAREVIOLATION:  // the system's standard warning
            SetWindowLongPtrA(hookDialog, DWLP_MSGRESULT, OFN_SHAREWARN);
            return TRUE;
        default:
            return 0;
    }
}

}  // namespace

std::vector<Text> chooseFiles(const Text& title) {
    NameBuffer names;
    char fileTitle[64] = {};

    OPENFILENAMEA request{};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    HWND owner = GetActiveWindow();
    if (owner != nullptr) owner = GetLastActivePopup(owner);
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleA(nullptr);
    request.lpstrFile = names.bytes.data();
    request.nMaxFile = static_cast<DWORD>(names.bytes.size());
    request.lpstrFileTitle = fileTitle;
    request.nMaxFileTitle = sizeof fileTitle;
    request.lpstrTitle = title.c_str();
    request.Flags = kFlags;
    request.lpfnHook = &dialogHook;
    request.lCustData = reinterpret_cast<LPARAM>(&names);

    const HWND focused = GetFocus();
    const bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disabledOwner) EnableWindow(owner, FALSE);
    const BOOL chosen = GetOpenFileNameA(&request);
    const DWORD failure = chosen ? 0 : CommDlgExtendedError();
    if (disabledOwner) EnableWindow(owner, TRUE);
    if (focused != nullptr && IsWindow(focused)) SetFocus(focused);

    if (!chosen) {
        // Cancel is silent; a selection that still did not fit is not.
        if (failure == FNERR_BUFFERTOOSMALL) {
            showNotice("选择的文件太多，无法一次添加。请分几次选择。", "信息：");
        }
        return {};
    }
    return parseSelection(request.lpstrFile, request.nMaxFile);
}

void addFiles(FileList& list) {
    for (const Text& path : chooseFiles("请选择要更改为简体名的文件")) list.addItem(path);
}

}  // namespace varnetto
