#include "ui/selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnetto {
namespace {

// The dialog's answer as it lies in the buffer: strings, NULs, a final NUL.
std::string answer(const std::vector<std::string>& strings) {
    std::string buffer;
    for (const std::string& s : strings) buffer += s + '\0';
    return buffer + '\0';
}

std::vector<std::string> parsed(const std::string& buffer) {
    std::vector<std::string> paths;
    for (const Text& path : parseSelection(buffer.data(), buffer.size()))
        paths.emplace_back(path.view());
    return paths;
}

TEST(ParseSelection, ReadsEveryShapeOfAnswer) {
    const struct {
        const char* name;
        std::vector<std::string> strings;
        std::vector<std::string> expected;
    } cases[] = {
        {"one file", {"C:\\資料\\體育.txt"}, {"C:\\資料\\體育.txt"}},
        {"three files",
         {"D:\\photos", "b.jpg", "a.jpg", "c.jpg"},
         {"D:\\photos\\b.jpg", "D:\\photos\\a.jpg", "D:\\photos\\c.jpg"}},
        {"root of a drive", {"C:\\", "a.txt", "b.txt"}, {"C:\\a.txt", "C:\\b.txt"}},
        // 運 ends in byte 0x5C: the folder still needs its backslash.
        {"folder ending in 0x5C", {"C:\\運", "x.txt", "y.txt"}, {"C:\\運\\x.txt", "C:\\運\\y.txt"}},
        {"double-byte names",
         {"E:\\文件", "說明.doc", "淺誠.txt"},
         {"E:\\文件\\說明.doc", "E:\\文件\\淺誠.txt"}},
        {"network share",
         {"\\\\server\\share", "a.txt", "b.txt"},
         {"\\\\server\\share\\a.txt", "\\\\server\\share\\b.txt"}},
        {"nothing chosen", {}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(parsed(answer(c.strings)), c.expected) << c.name;
}

TEST(ParseSelection, NeverReadsPastTheBuffer) {
    const std::string full = answer({"C:\\dir", "a.txt", "b.txt"});
    // Cut inside the second name: the names cut off are not taken.
    EXPECT_EQ(parsed(full.substr(0, full.find("b.txt") + 2)),
              std::vector<std::string>{"C:\\dir\\a.txt"});
    // No NUL at all: nothing is taken.
    EXPECT_TRUE(parsed("C:\\no terminator").empty());
    EXPECT_TRUE(parseSelection(nullptr, 100).empty());
}

}  // namespace
}  // namespace varnetto
