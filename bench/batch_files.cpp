#include "batch_files.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "convert/map_to_simplified.h"

namespace varnetto::bench {

BatchFiles::BatchFiles(int count) {
    std::string pattern =
        std::filesystem::temp_directory_path().string() + "/varnetto-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    for (int i = 0; i < count; ++i) {
        // 資料 and 說明 in code page 936 around a number: 资料…说明 once converted.
        const std::string path =
            folder_ + "/\xD9\x59\xC1\xCF" + std::to_string(i) + "\xD5\x66\xC3\xF7.txt";
        const int file = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
        if (file < 0) std::abort();
        close(file);
        traditional_.push_back(path);
        simplified_.emplace_back(mapToSimplified(Text(std::string_view(path))).view());
    }
}

BatchFiles::~BatchFiles() { std::filesystem::remove_all(folder_); }

void BatchFiles::restore() const {
    for (std::size_t i = 0; i < traditional_.size(); ++i) {
        std::rename(simplified_[i].c_str(), traditional_[i].c_str());
    }
}

}  // namespace varnetto::bench
