#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
// Paths are code page 936 text, as the tool handles them.
#include <string>

namespace varnetto::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // The full path of `relative`, whose parts are joined with '/'.
    std::string pathOf(const std::string& relative) const;

    // Creates a folder or a file holding `content`; false on failure.
    bool makeFolder(const std::string& relative) const;
    bool makeFile(const std::string& relative, const std::string& content) const;
    bool exists(const std::string& relative) const;
    // The file's content; empty when it cannot be read.
    std::string read(const std::string& relative) const;

private:
    std::string path_;
};

// The system's path separator.
char separator();

}  // namespace varnetto::testing
