#include "ui/file_list.h"

namespace varnetto {

HWND FileList::createListBox(HWND parent, int id, int left, int top, int width, int height) {
    constexpr DWORD kStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                             LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
    HWND listBox = CreateWindowExA(0, "LISTBOX", "", kStyle, left, top, width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (listBox == nullptr) return nullptr;
    SetWindowLongA(listBox, GWL_EXSTYLE, GetWindowLongA(listBox, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(listBox, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessageA(listBox, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    const LRESULT itemHeight = SendMessageA(listBox, LB_GETITEMHEIGHT, 0, 0);
    if (itemHeight > 0) SendMessageA(listBox, LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight + 1, 0));
    SendMessageA(listBox, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    return listBox;
}

LRESULT FileList::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(listBox_, message, wParam, lParam);
}

int FileList::count() { return static_cast<int>(send(LB_GETCOUNT)); }

Text FileList::readEntry(int index) const {
    const LRESULT length = send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0) return Text();
    Text text = Text::filled(static_cast<std::size_t>(length), '\0');
    const LRESULT copied =
        send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.mutableData()));
    if (copied <= 0) return Text();
    // The list box may store fewer bytes than it announced.
    return copied < length ? Text(text.c_str(), static_cast<std::size_t>(copied)) : text;
}

Text FileList::itemText(int index) {
    if (index < 0 || index >= count()) return Text();
    return readEntry(index);
}

bool FileList::setItemText(int index, const Text& text) {
    if (index < 0 || index >= count()) return false;
    const LRESULT selected = send(LB_GETCURSEL);
    const LRESULT top = send(LB_GETTOPINDEX);
    const LRESULT caret = send(LB_GETCARETINDEX);
    if (readEntry(index) == text) return true;

    const LRESULT itemValue = send(LB_GETITEMDATA, static_cast<WPARAM>(index));
    send(LB_DELETESTRING, static_cast<WPARAM>(index));
    const LRESULT inserted =
        send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    if (inserted >= 0) send(LB_SETITEMDATA, static_cast<WPARAM>(inserted), itemValue);

    if (selected != LB_ERR) send(LB_SETCURSEL, static_cast<WPARAM>(selected));
    if (top != LB_ERR) send(LB_SETTOPINDEX, static_cast<WPARAM>(top));
    if (caret != LB_ERR) send(LB_SETCARETINDEX, static_cast<WPARAM>(caret), TRUE);
    return true;
}

int FileList::addItem(const Text& text) {
    const LRESULT added = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (added < 0) return -1;
    send(LB_SETITEMDATA, static_cast<WPARAM>(added), 0);
    return static_cast<int>(added);
}

void FileList::clear() { send(LB_RESETCONTENT); }

}  // namespace varnetto
