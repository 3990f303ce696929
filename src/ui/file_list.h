#pragma once
// The file list: a thin wrapper over the main window's list box, which holds
// the entries itself. Every call goes straight to the list box, so what the
// user sees is always what the commands work on.
#include "convert/entry_list.h"
#include "convert/text.h"
#include "winapi.h"

namespace varnetto {

class FileList final : public EntryList {
public:
    explicit FileList(HWND listBox) noexcept : listBox_(listBox) {}

    // Creates the list box hidden, as the file list wants it: unsorted, single
    // selection, sunken edge, the GUI font and one pixel more per item.
    // Null when the system refuses.
    static HWND createListBox(HWND parent, int id, int left, int top, int width, int height);

    int count() override;
    Text itemText(int index) override;
    // Replaces the entry's text in place, keeping its item value, the
    // selection, the top entry and the focus entry; nothing is touched when
    // the text is already the entry's.
    bool setItemText(int index, const Text& text) override;
    // The index of the new last entry, or -1 when the list box refused it.
    int addItem(const Text& text);
    void clear();

    HWND handle() const noexcept { return listBox_; }

private:
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    Text readEntry(int index) const;

    HWND listBox_;
};

}  // namespace varnetto
