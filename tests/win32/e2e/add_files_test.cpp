// "添加文件" through the real open-file dialog, then "开始转码" on what was added.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/open_dialog.h"
#include "e2e/running_program.h"
#include "e2e/screenshot.h"
#include "support/temp_folder.h"

namespace varnetto::testing {
namespace {

constexpr const char* kTitle = "请选择要更改为简体名的文件";

class AddFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(program.window(), nullptr);
        ASSERT_FALSE(folder.path().empty());
    }

    // Presses "添加文件" and waits for the dialog.
    OpenDialog pressAddFiles() {
        PostMessageA(program.button("添加文件"), BM_CLICK, 0, 0);
        return OpenDialog(program, kTitle);
    }
    // Adds through the dialog what `typed` names, as a person types it.
    void addByTyping(const std::string& typed) {
        OpenDialog dialog = pressAddFiles();
        ASSERT_NE(dialog.window(), nullptr);
        dialog.open(typed);
        ASSERT_TRUE(dialog.waitUntilClosed());
        ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(program.window()) != FALSE; }));
    }
    static std::string quoted(const std::string& name) { return "\"" + name + "\""; }

    RunningProgram program;
    TempFolder folder;
};

TEST_F(AddFilesTest, DialogIsCentredOverTheDisabledWindowAndCancelAddsNothing) {
    program.addEntry("C:\\already listed.txt");
    OpenDialog dialog = pressAddFiles();
    ASSERT_NE(dialog.window(), nullptr) << "no dialog titled " << kTitle;
    EXPECT_FALSE(IsWindowEnabled(program.window()));

    RECT box, main;
    GetWindowRect(dialog.window(), &box);
    GetWindowRect(program.window(), &main);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(program.window(), MONITOR_DEFAULTTONEAREST), &monitor);
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    const LONG left = std::max(
        monitor.rcWork.left,
        std::min(main.left + (main.right - main.left - width) / 2, monitor.rcWork.right - width));
    const LONG top = std::max(
        monitor.rcWork.top,
        std::min(main.top + (main.bottom - main.top - height) / 2, monitor.rcWork.bottom - height));
    EXPECT_EQ(box.left, left);
    EXPECT_EQ(box.top, top);
    // Painted in full before the picture is taken.
    RedrawWindow(dialog.window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    saveScreenshot(dialog.window(), "add-files-dialog.bmp");

    dialog.cancel();
    ASSERT_TRUE(dialog.waitUntilClosed());
    EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(program.window()) != FALSE; }));
    EXPECT_EQ(program.entries(), std::vector<std::string>{"C:\\already listed.txt"});
}

TEST_F(AddFilesTest, AddsChosenFilesInOrderBehindWhatWasThereAndConvertsThem) {
    ASSERT_TRUE(folder.makeFile("體育.txt", "1"));
    ASSERT_TRUE(folder.makeFile("運動會.doc", "2"));  // 運 ends in byte 0x5C
    ASSERT_TRUE(folder.makeFile("說明.txt", "3"));
    ASSERT_TRUE(folder.makeFile("plain.txt", "4"));

    addByTyping(folder.pathOf("plain.txt"));
    EXPECT_EQ(program.entries(), std::vector<std::string>{folder.pathOf("plain.txt")});

    OpenDialog dialog = pressAddFiles();
    ASSERT_NE(dialog.window(), nullptr);
    ASSERT_TRUE(dialog.openFolder(folder.path(), 4));
    dialog.open(quoted("說明.txt") + " " + quoted("體育.txt") + " " + quoted("運動會.doc"));
    ASSERT_TRUE(dialog.waitUntilClosed());
    EXPECT_EQ(program.entries(),
              (std::vector<std::string>{folder.pathOf("plain.txt"), folder.pathOf("說明.txt"),
                                        folder.pathOf("體育.txt"), folder.pathOf("運動會.doc")}));

    PostMessageA(program.button("开始转码"), BM_CLICK, 0, 0);
    const MessageBoxSeen notice = takeMessageBox(program.id());
    EXPECT_EQ(notice.text, "转换成功，共有4个文件");
    EXPECT_EQ(program.entries(),
              (std::vector<std::string>{folder.pathOf("plain.txt"), folder.pathOf("说明.txt"),
                                        folder.pathOf("体育.txt"), folder.pathOf("运动会.doc")}));
    EXPECT_EQ(folder.read("说明.txt"), "3");
    EXPECT_EQ(folder.read("体育.txt"), "1");
    EXPECT_EQ(folder.read("运动会.doc"), "2");
    EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(program.window()) != FALSE; }));
    saveScreenshot(program.window(), "after-conversion.bmp");
}

TEST_F(AddFilesTest, NameThatDoesNotExistKeepsTheDialogOpen) {
    OpenDialog dialog = pressAddFiles();
    ASSERT_NE(dialog.window(), nullptr);
    dialog.open(folder.pathOf("不存在.txt"));
    // The system's warning, over the dialog that stays open.
    HWND warning = nullptr;
    ASSERT_TRUE(waitFor([&] {
        warning = waitForWindow(program.id(), "#32770", 100);
        return warning != nullptr && warning != dialog.window();
    }));
    EXPECT_TRUE(IsWindowVisible(dialog.window()));
    PostMessageA(warning, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitFor([&] { return !IsWindow(warning); }));
    dialog.cancel();
    ASSERT_TRUE(dialog.waitUntilClosed());
    EXPECT_TRUE(program.entries().empty());
}

TEST_F(AddFilesTest, SelectionFarBeyondTheFirstBufferAddsEveryFile) {
    // 640 names of 200 bytes: twice the 61440 bytes the dialog starts with.
    // (Wine's dialog takes time that grows with the square of the selection.)
    constexpr int kFiles = 640;
    const std::string padding(192, 'x');
    std::vector<std::string> expected;
    for (int i = 0; i < kFiles; ++i) {
        char number[8];
        wsprintfA(number, "%04d", i);
        const std::string name = std::string(number) + padding + ".txt";
        ASSERT_TRUE(folder.makeFile(name, ""));
        expected.push_back(folder.pathOf(name));
    }
    OpenDialog dialog = pressAddFiles();
    ASSERT_NE(dialog.window(), nullptr);
    ASSERT_TRUE(dialog.openFolder(folder.path(), kFiles));
    ASSERT_TRUE(dialog.selectAllFiles());
    dialog.pressOpen();
    ASSERT_TRUE(dialog.waitUntilClosed());

    std::vector<std::string> entries = program.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries.size(), expected.size());
    EXPECT_EQ(entries, expected);
}

}  // namespace
}  // namespace varnetto::testing
