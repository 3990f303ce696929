#include "convert/map_to_simplified.h"

#include <gtest/gtest.h>

#include "convert/cp936.h"
#include "convert/simplified_table.h"

namespace varnetto {
namespace {

struct MappingCase {
    const char* name;
    const char* path;
    const char* expected;
};

const MappingCase kCases[] = {
    {"ascii only", "C:\\Users\\me\\report-2024 (final).txt",
     "C:\\Users\\me\\report-2024 (final).txt"},
    {"folders and file", "D:\\資料夾\\體育\\運動會.txt", "D:\\资料夹\\体育\\运动会.txt"},
    {"already simplified", "C:\\简体\\中文说明.doc", "C:\\简体\\中文说明.doc"},
    {"no simplified form", "C:\\日本\\東京\\写真.jpg", "C:\\日本\\东京\\写真.jpg"},
    {"mixed", "E:\\photos 2023\\臺北 trip\\IMG_0001.JPG",
     "E:\\photos 2023\\台北 trip\\IMG_0001.JPG"},
    // 運, 淺 and 誠 end in byte 0x5C, the backslash.
    {"second byte 0x5C", "C:\\運\\淺誠.txt", "C:\\运\\浅诚.txt"},
    {"0x5C before a separator", "運\\淺\\", "运\\浅\\"},
    {"empty", "", ""},
};

TEST(MapToSimplified, MapsEveryCharacterAndKeepsTheRest) {
    for (const MappingCase& c : kCases) {
        const Text mapped = mapToSimplified(c.path);
        EXPECT_EQ(mapped.view(), c.expected) << c.name;
        EXPECT_EQ(mapped.size(), Text(c.path).size()) << c.name;
    }
}

TEST(MapToSimplified, LeavesItsInputAlone) {
    const Text path = "C:\\體育\\運動.txt";
    const Text before = path;
    (void)mapToSimplified(path);
    EXPECT_EQ(path, before);
}

TEST(MapToSimplified, KeepsBytesThatAreNoWholeCharacter) {
    // A lead byte at the end, and a lead byte before a byte that cannot follow it.
    const char* cases[] = {"abc\x81",
                           "\x81\x7F"
                           "a",
                           "\xFF\xFF"};
    for (const char* path : cases) EXPECT_EQ(mapToSimplified(path).view(), path);
}

TEST(OwnTable, MapsEveryCharacterToAWholeDoubleByteCharacter) {
    int mapped = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const auto character = static_cast<unsigned short>(lead << 8 | trail);
            const unsigned short simplified = simplifiedCharacter(character);
            if (simplified == character) continue;
            ++mapped;
            ASSERT_TRUE(cp936::isLeadByte(static_cast<unsigned char>(simplified >> 8)) &&
                        cp936::isTrailByte(static_cast<unsigned char>(simplified & 0xFF)))
                << std::hex << character << " -> " << simplified;
            // A Simplified character is never mapped again: a second run changes nothing.
            ASSERT_EQ(simplifiedCharacter(simplified), simplified) << std::hex << character;
        }
    }
    // OpenCC's character table has a few thousand such pairs.
    EXPECT_GT(mapped, 2000);
}

}  // namespace
}  // namespace varnetto
