#pragma once
// Many real files with Traditional names in a fresh folder, and the way back
// to those names after a run has renamed them.
#include <string>
#include <vector>

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

}  // namespace varnetto::bench
