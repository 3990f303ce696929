// Which code page the tests run in. The whole Windows suite runs in code page
// 936; one run goes in another code page on purpose, to see the tool refuse.
#include <gtest/gtest.h>

#include <cstring>

#include "convert/batch_run.h"
#include "support/recording_host.h"
#include "support/temp_folder.h"
#include "support/vector_list.h"
#include "winapi.h"

namespace varnetto {
namespace {

bool expectingCodePage936() {
    const char* expected = std::getenv("VARNETTO_TEST_CODE_PAGE");
    return expected == nullptr || std::strcmp(expected, "936") == 0;
}

TEST(CodePage, IsTheOneThisRunIsMeantFor) {
    if (expectingCodePage936()) {
        ASSERT_EQ(GetACP(), 936u) << "Wine must run with LC_ALL=zh_CN.UTF-8";
    } else {
        ASSERT_NE(GetACP(), 936u);
    }
}

TEST(CodePage, BatchRunRenamesNothingOutsideCodePage936) {
    if (expectingCodePage936()) GTEST_SKIP() << "runs in another code page only";
    testing::TempFolder folder;
    // An ASCII name whose mapping changes nothing would pass anyway; a byte
    // pair that is 體 in code page 936 shows that nothing was mapped.
    const std::string name = "\xF3\x77.txt";
    ASSERT_TRUE(folder.makeFile(name, "x"));

    testing::VectorList list({folder.pathOf(name)});

    testing::RecordingHost host;  // the real code page, the real rename
    runBatchConversion(list, host);

    EXPECT_TRUE(folder.exists(name));
    EXPECT_EQ(list.entries[0], folder.pathOf(name));
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.notices[0].caption, "Varnetto");
    EXPECT_NE(host.notices[0].text.find("936"), std::string::npos);
}

}  // namespace
}  // namespace varnetto
