#include <ftw.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace varnetto::testing {

char separator() { return '/'; }

TempFolder::TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/varnetto-test-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
    if (path_.empty()) return;
    nftw(
        path_.c_str(),
        [](const char* path, const struct stat*, int, struct FTW*) { return remove(path); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

std::string TempFolder::pathOf(const std::string& relative) const { return path_ + "/" + relative; }

bool TempFolder::makeFolder(const std::string& relative) const {
    return mkdir(pathOf(relative).c_str(), 0700) == 0;
}

bool TempFolder::makeFile(const std::string& relative, const std::string& content) const {
    std::ofstream file(pathOf(relative), std::ios::binary);
    file << content;
    return static_cast<bool>(file);
}

bool TempFolder::exists(const std::string& relative) const {
    struct stat status;
    return lstat(pathOf(relative).c_str(), &status) == 0;
}

std::string TempFolder::read(const std::string& relative) const {
    std::ifstream file(pathOf(relative), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

}  // namespace varnetto::testing
