#pragma once
#include "convert/entry_list.h"
#include "convert/system_services.h"
#include "convert/text.h"

namespace varnetto {

// The system services the batch run calls; tests replace single ones (the
// notice, the code page) and keep the real renaming.
class BatchHost {
public:
    virtual bool renameFile(const Text& from, const Text& to) {
        return varnetto::renameFile(from, to);
    }
    virtual void showNotice(const Text& text, const Text& caption) {
        varnetto::showNotice(text, caption);
    }
    virtual bool systemUsesCodePage936() { return varnetto::systemUsesCodePage936(); }

protected:
    ~BatchHost() = default;
};

// Maps every entry of `list` to Simplified characters, renames its file and
// shows the new path in the entry; then tells the user how it went.
void runBatchConversion(EntryList& list, BatchHost& host);

// The same with the real system services.
void runBatchConversion(EntryList& list);

}  // namespace varnetto
