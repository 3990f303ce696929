#include "convert/text.h"

#include <gtest/gtest.h>

#include "convert/cp936.h"

namespace varnetto {
namespace {

TEST(Text, EmptyTextIsNeverANullPointer) {
    const Text empty;
    ASSERT_NE(empty.c_str(), nullptr);
    EXPECT_STREQ(empty.c_str(), "");
    EXPECT_TRUE(Text("").empty());
    EXPECT_TRUE(Text(nullptr).empty());
}

TEST(Text, CopiesOwnTheirBytes) {
    Text original("運動");
    const Text copy = original;
    original.append("x");
    EXPECT_EQ(copy.view(), "運動");
    EXPECT_EQ(original.view(), "運動x");
    EXPECT_EQ(copy.size(), 4u);  // two double-byte characters
}

TEST(Text, JoinsAndAppendsToItself) {
    Text text = "共有" + Text::decimal(3) + "个";
    EXPECT_EQ(text.view(), "共有3个");
    text += text;
    EXPECT_EQ(text.view(), "共有3个共有3个");
}

TEST(Text, WritesDecimalNumbers) {
    const struct {
        long long value;
        const char* expected;
    } cases[] = {{0, "0"}, {7, "7"}, {10000, "10000"}, {-1, "-1"}, {2147483647, "2147483647"}};
    for (const auto& c : cases) EXPECT_EQ(Text::decimal(c.value).view(), c.expected);
}

TEST(Cp936, FindsTheLastBackslashByCharacters) {
    const struct {
        const char* text;
        std::size_t expected;
    } cases[] = {
        {"C:\\", 2},
        {"C:\\運", 2},  // 運 ends in 0x5C, which is not a backslash
        {"C:\\運\\", 5},
        {"C:\\a\\淺誠", 4},  // both end in 0x5C
        {"no separator", std::string_view::npos},
        {"", std::string_view::npos},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp936::findLastCharacter(c.text, '\\'), c.expected) << c.text;
    }
}

}  // namespace
}  // namespace varnetto
