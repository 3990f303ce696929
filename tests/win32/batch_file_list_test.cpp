// The batch run over the real list box, renaming real files with MoveFileA.
#include <gtest/gtest.h>

#include "convert/batch_run.h"
#include "support/parent_window.h"
#include "support/recording_host.h"
#include "support/temp_folder.h"
#include "ui/file_list.h"

namespace varnetto {
namespace {

TEST(BatchRunOverListBox, RewritesOnlyEntriesWhoseFilesWereRenamed) {
    testing::TempFolder folder;
    ASSERT_TRUE(folder.makeFile("體育.txt", "a"));
    ASSERT_TRUE(folder.makeFile("體.txt", "kept"));
    ASSERT_TRUE(folder.makeFile("体.txt", "already here"));

    testing::ParentWindow parent;
    FileList list(FileList::createListBox(parent.handle(), 1, 1, 4, 429, 328));
    ASSERT_NE(list.handle(), nullptr);
    list.addItem(folder.pathOf("體育.txt").c_str());
    list.addItem(folder.pathOf("體.txt").c_str());
    SendMessageA(list.handle(), LB_SETCURSEL, 1, 0);

    testing::RecordingHost host;
    runBatchConversion(list, host);

    EXPECT_EQ(list.itemText(0).view(), folder.pathOf("体育.txt"));
    EXPECT_EQ(list.itemText(1).view(), folder.pathOf("體.txt"));
    EXPECT_EQ(SendMessageA(list.handle(), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(folder.read("体育.txt"), "a");
    EXPECT_EQ(folder.read("體.txt"), "kept");
    EXPECT_EQ(folder.read("体.txt"), "already here");
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.notices[0].text,
              "转换完成，成功1个文件，失败1个文件：\n" + folder.pathOf("體.txt"));
}

}  // namespace
}  // namespace varnetto
