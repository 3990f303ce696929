#pragma once
// The file list as a plain vector of paths: the batch run on its own, with
// no list box behind it.
#include <string>
#include <utility>
#include <vector>

#include "convert/entry_list.h"

namespace varnetto::testing {

class VectorList final : public EntryList {
public:
    VectorList() = default;
    explicit VectorList(std::vector<std::string> paths) : entries(std::move(paths)) {}

    int count() override { return static_cast<int>(entries.size()); }
    Text itemText(int index) override {
        return index >= 0 && index < count() ? Text(std::string_view(entries[index])) : Text();
    }
    bool setItemText(int index, const Text& text) override {
        if (index < 0 || index >= count()) return false;
        entries[index] = std::string(text.view());
        return true;
    }

    std::vector<std::string> entries;
};

}  // namespace varnetto::testing
