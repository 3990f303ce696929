#pragma once
// Many real files with Traditional names in a fresh folder, and the way back
// to those names after a run has renamed them.
#include <string>
#include <vector>

#include "convert/entry_list.h"

namespace varnetto::bench {

class BatchFiles {
public:
    explicit BatchFiles(int count);
    ~BatchFiles();

    const std::vector<std::string>& traditional() const { return traditional_; }
    const std::vector<std::string>& simplified() const { return simplified_; }
    // Gives every file its Traditional name again.
    void restore() const;

private:
    std::string folder_;
    std::vector<std::string> traditional_;
    std::vector<std::string> simplified_;
};

// The file list as a plain vector of paths.
class VectorList final : public EntryList {
public:
    explicit VectorList(std::vector<std::string> entries) : entries_(std::move(entries)) {}
    int count() override { return static_cast<int>(entries_.size()); }
    Text itemText(int index) override { return Text(std::string_view(entries_[index])); }
    bool setItemText(int index, const Text& text) override {
        entries_[index] = std::string(text.view());
        return true;
    }

private:
    std::vector<std::string> entries_;
};

}  // namespace varnetto::bench
