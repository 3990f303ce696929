#include "convert/batch_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_host.h"
#include "support/temp_folder.h"
#include "support/vector_list.h"

namespace varnetto {
namespace {

using testing::RecordingHost;
using testing::TempFolder;
using testing::VectorList;

class BatchRun : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder.path().empty()); }

    void add(const std::string& relative) { list.entries.push_back(folder.pathOf(relative)); }
    void run() { runBatchConversion(list, host); }
    std::string onlyNotice() const {
        EXPECT_EQ(host.notices.size(), 1u);
        if (host.notices.empty()) return {};
        EXPECT_EQ(host.notices[0].caption, "信息：");
        return host.notices[0].text;
    }

    TempFolder folder;
    VectorList list;
    RecordingHost host;
};

TEST_F(BatchRun, EmptyListOnlyAsksForFiles) {
    run();
    EXPECT_EQ(onlyNotice(), "请添加繁体文件");
}

TEST_F(BatchRun, RenamesTraditionalNamesAndReportsTheCount) {
    ASSERT_TRUE(folder.makeFile("體育.txt", "a"));
    ASSERT_TRUE(folder.makeFile("運動會.doc", "b"));  // 運 ends in byte 0x5C
    ASSERT_TRUE(folder.makeFile("plain.txt", "c"));   // nothing to map: renamed onto itself
    add("體育.txt");
    add("運動會.doc");
    add("plain.txt");
    run();

    EXPECT_EQ(onlyNotice(), "转换成功，共有3个文件");
    EXPECT_EQ(list.entries,
              (std::vector<std::string>{folder.pathOf("体育.txt"), folder.pathOf("运动会.doc"),
                                        folder.pathOf("plain.txt")}));
    EXPECT_EQ(folder.read("体育.txt"), "a");
    EXPECT_EQ(folder.read("运动会.doc"), "b");
    EXPECT_EQ(folder.read("plain.txt"), "c");
    EXPECT_FALSE(folder.exists("體育.txt"));
    EXPECT_FALSE(folder.exists("運動會.doc"));
}

TEST_F(BatchRun, PathListedTwiceIsOneFileWithItsNewPath) {
    ASSERT_TRUE(folder.makeFile("說明.txt", "x"));
    add("說明.txt");
    add("說明.txt");
    run();

    EXPECT_EQ(onlyNotice(), "转换成功，共有2个文件");
    EXPECT_EQ(list.entries, std::vector<std::string>(2, folder.pathOf("说明.txt")));
    EXPECT_EQ(folder.read("说明.txt"), "x");
}

TEST_F(BatchRun, SecondRunMapsEveryEntryToItself) {
    ASSERT_TRUE(folder.makeFile("體.txt", "x"));
    add("體.txt");
    run();
    run();

    ASSERT_EQ(host.notices.size(), 2u);
    EXPECT_EQ(host.notices[1].text, "转换成功，共有1个文件");
    EXPECT_EQ(list.entries[0], folder.pathOf("体.txt"));
}

TEST_F(BatchRun, TraditionalFolderMovesTheFileOnlyWhenItsTwinExists) {
    ASSERT_TRUE(folder.makeFolder("資料"));
    ASSERT_TRUE(folder.makeFolder("资料"));
    ASSERT_TRUE(folder.makeFile("資料/檔案.txt", "moved"));
    ASSERT_TRUE(folder.makeFolder("報告"));  // no 报告 beside it
    ASSERT_TRUE(folder.makeFile("報告/說明.txt", "stays"));
    add("資料/檔案.txt");
    add("報告/說明.txt");
    run();

    EXPECT_EQ(folder.read("资料/档案.txt"), "moved");
    EXPECT_FALSE(folder.exists("資料/檔案.txt"));
    EXPECT_EQ(folder.read("報告/說明.txt"), "stays");
    // The failed entry keeps the path its file still has.
    EXPECT_EQ(list.entries, (std::vector<std::string>{folder.pathOf("资料/档案.txt"),
                                                      folder.pathOf("報告/說明.txt")}));
    EXPECT_EQ(onlyNotice(),
              "转换完成，成功1个文件，失败1个文件：\n" + folder.pathOf("報告/說明.txt"));
}

TEST_F(BatchRun, NeverOverwritesAnExistingTarget) {
    ASSERT_TRUE(folder.makeFile("體.txt", "traditional"));
    ASSERT_TRUE(folder.makeFile("体.txt", "simplified"));
    add("體.txt");
    add("不存在的檔案.txt");  // gone before the run
    run();

    EXPECT_EQ(folder.read("體.txt"), "traditional");
    EXPECT_EQ(folder.read("体.txt"), "simplified");
    EXPECT_EQ(list.entries, (std::vector<std::string>{folder.pathOf("體.txt"),
                                                      folder.pathOf("不存在的檔案.txt")}));
    EXPECT_EQ(onlyNotice(), "转换完成，成功0个文件，失败2个文件：\n" + folder.pathOf("體.txt") +
                                "\n" + folder.pathOf("不存在的檔案.txt"));
}

TEST_F(BatchRun, NamesAtMostTenFailedPaths) {
    for (int i = 0; i < 12; ++i) add("不存在" + std::to_string(i) + ".txt");
    run();

    const std::string notice = onlyNotice();
    EXPECT_EQ(notice.rfind("转换完成，成功0个文件，失败12个文件：", 0), 0u) << notice;
    EXPECT_NE(notice.find(folder.pathOf("不存在9.txt")), std::string::npos);
    EXPECT_EQ(notice.find(folder.pathOf("不存在10.txt")), std::string::npos);
    EXPECT_NE(notice.find("\n……另有2个失败的文件"), std::string::npos) << notice;
}

TEST_F(BatchRun, RenamesNothingWhenPathsAreNotCodePage936) {
    ASSERT_TRUE(folder.makeFile("體.txt", "x"));
    add("體.txt");
    host.codePageIs936 = false;
    run();

    EXPECT_TRUE(folder.exists("體.txt"));
    EXPECT_EQ(list.entries[0], folder.pathOf("體.txt"));
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.notices[0].caption, "Varnetto");
    for (char ch : host.notices[0].text) {
        EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << "the notice must read in any code page";
    }
    EXPECT_NE(host.notices[0].text.find("936"), std::string::npos);
}

}  // namespace
}  // namespace varnetto
