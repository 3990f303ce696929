#pragma once
// The file list as the batch run sees it: entries addressed by 0-based index,
// each a full path. On Windows this is the list box of the main window.
#include "convert/text.h"

namespace varnetto {

class EntryList {
public:
    virtual int count() = 0;
    // The entry's text, or the empty text for an index out of range.
    virtual Text itemText(int index) = 0;
    // False, and nothing changed, for an index out of range.
    virtual bool setItemText(int index, const Text& text) = 0;

protected:
    ~EntryList() = default;
};

}  // namespace varnetto
