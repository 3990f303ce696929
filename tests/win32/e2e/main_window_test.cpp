// The started program as a person meets it: window, keyboard, buttons, end.
#include <gtest/gtest.h>

#include "e2e/running_program.h"
#include "e2e/screenshot.h"
#include "support/temp_folder.h"

namespace varnetto::testing {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(program.window(), nullptr) << "varnetto.exe showed no window";
        ASSERT_TRUE(program.activate([&] { return program.focus() == addButton(); }));
    }

    HWND addButton() const { return program.button("添加文件"); }
    HWND startButton() const { return program.button("开始转码"); }
    HWND clearButton() const { return program.button("清空列表"); }

    // Clicks a button the way its BN_CLICKED arrives; returns at once even
    // when the command opens a modal box.
    static void click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

    bool focusReaches(HWND control) const {
        return waitFor([&] { return program.focus() == control; });
    }

    // Reads the notice, checks its caption, dismisses it.
    std::string takeNotice() {
        const MessageBoxSeen notice = takeMessageBox(program.id());
        EXPECT_EQ(notice.caption, "信息：");
        EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(program.window()) != FALSE; }));
        return notice.text;
    }

    RunningProgram program;
};

TEST_F(MainWindowTest, StartsCentredFixedAndEmpty) {
    const HWND window = program.window();
    EXPECT_EQ(windowText(window), "Varnetto");

    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 440);
    EXPECT_EQ(outer.bottom - outer.top, 409);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 440) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 409) / 2);

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN),
              WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);

    const struct {
        HWND control;
        const char* className;
        const char* text;
        RECT rect;
    } controls[] = {
        {program.listBox(), "ListBox", "", {1, 4, 430, 332}},
        {addButton(), "Button", "添加文件", {53, 341, 133, 373}},
        {clearButton(), "Button", "清空列表", {173, 341, 253, 373}},
        {startButton(), "Button", "开始转码", {294, 341, 374, 373}},
    };
    for (const auto& c : controls) {
        ASSERT_NE(c.control, nullptr) << c.text;
        char className[32];
        GetClassNameA(c.control, className, sizeof className);
        EXPECT_STRCASEEQ(className, c.className);
        EXPECT_EQ(windowText(c.control), c.text);
        const RECT rect = rectInParent(c.control);
        EXPECT_EQ(rect.left, c.rect.left) << c.text;
        EXPECT_EQ(rect.top, c.rect.top) << c.text;
        EXPECT_EQ(rect.right, c.rect.right) << c.text;
        EXPECT_EQ(rect.bottom, c.rect.bottom) << c.text;
        const LONG controlStyle = GetWindowLongA(c.control, GWL_STYLE);
        EXPECT_EQ(controlStyle & (WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE),
                  WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE)
            << c.text;
        EXPECT_TRUE(IsWindowEnabled(c.control)) << c.text;
    }
    for (HWND button : {addButton(), clearButton(), startButton()}) {
        const LONG buttonStyle = GetWindowLongA(button, GWL_STYLE);
        EXPECT_EQ(buttonStyle & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_EQ(buttonStyle & (BS_CENTER | BS_VCENTER | BS_MULTILINE),
                  BS_CENTER | BS_VCENTER | BS_MULTILINE);
    }
    EXPECT_TRUE(program.entries().empty());
    EXPECT_EQ(program.focus(), addButton());

    saveScreenshot(window, "main-window.bmp");
}

TEST_F(MainWindowTest, TabAndShiftTabWalkTheTabSequence) {
    for (HWND next : {startButton(), program.listBox(), clearButton(), addButton()}) {
        RunningProgram::press(VK_TAB);
        EXPECT_TRUE(focusReaches(next));
    }
    RunningProgram::press(VK_TAB, true);
    EXPECT_TRUE(focusReaches(clearButton()));
    RunningProgram::press(VK_TAB, true);
    EXPECT_TRUE(focusReaches(program.listBox()));
}

TEST_F(MainWindowTest, EnterOnStartDoesNothingAndSpaceRunsTheBatch) {
    TempFolder folder;
    ASSERT_TRUE(folder.makeFile("體.txt", "x"));
    program.addEntry(folder.pathOf("體.txt"));

    RunningProgram::press(VK_TAB);
    ASSERT_TRUE(focusReaches(startButton()));
    RunningProgram::press(VK_RETURN);
    // Keys are taken in order: once the Tab after Enter has moved the focus,
    // Enter has been handled.
    RunningProgram::press(VK_TAB);
    ASSERT_TRUE(focusReaches(program.listBox()));
    EXPECT_TRUE(folder.exists("體.txt"));
    EXPECT_TRUE(IsWindowEnabled(program.window())) << "no notice may be up";

    RunningProgram::press(VK_TAB, true);
    ASSERT_TRUE(focusReaches(startButton()));
    RunningProgram::press(VK_SPACE);
    EXPECT_EQ(takeNotice(), "转换成功，共有1个文件");
    EXPECT_TRUE(folder.exists("体.txt"));
}

TEST_F(MainWindowTest, StartWithAnEmptyListAsksForFiles) {
    click(startButton());
    ASSERT_NE(waitForWindow(program.id(), "#32770"), nullptr);
    EXPECT_FALSE(IsWindowEnabled(program.window())) << "the notice is task-modal";
    EXPECT_EQ(takeNotice(), "请添加繁体文件");
}

TEST_F(MainWindowTest, ConvertsListedFilesAndShowsTheirNewPaths) {
    TempFolder folder;
    ASSERT_TRUE(folder.makeFile("運動會.txt", "a"));  // 運 ends in byte 0x5C
    ASSERT_TRUE(folder.makeFolder("資料"));
    ASSERT_TRUE(folder.makeFolder("资料"));
    ASSERT_TRUE(folder.makeFile("資料/說明.doc", "b"));
    program.addEntry(folder.pathOf("運動會.txt"));
    program.addEntry(folder.pathOf("資料/說明.doc"));

    click(startButton());
    EXPECT_EQ(takeNotice(), "转换成功，共有2个文件");
    EXPECT_EQ(program.entries(), (std::vector<std::string>{folder.pathOf("运动会.txt"),
                                                           folder.pathOf("资料/说明.doc")}));
    EXPECT_EQ(folder.read("运动会.txt"), "a");
    EXPECT_EQ(folder.read("资料/说明.doc"), "b");
}

TEST_F(MainWindowTest, ClearEmptiesTheList) {
    program.addEntry("C:\\a.txt");
    program.addEntry("C:\\b.txt");
    ASSERT_EQ(program.entries().size(), 2u);
    click(clearButton());
    EXPECT_TRUE(waitFor([&] { return program.entries().empty(); }));
}

TEST_F(MainWindowTest, FocusComesBackAfterAnotherWindowWasActive) {
    RunningProgram::press(VK_TAB);
    RunningProgram::press(VK_TAB);
    ASSERT_TRUE(focusReaches(program.listBox()));

    RunningProgram other;  // a second copy, which takes the foreground
    ASSERT_NE(other.window(), nullptr);
    ASSERT_NE(other.window(), program.window());
    ASSERT_TRUE(other.activate());
    // Moved aside, as a person would drag it, so the first copy can be clicked.
    SetWindowPos(other.window(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // Active again, the window gives the focus back to the list box.
    EXPECT_TRUE(program.activate([&] { return program.focus() == program.listBox(); }));
    EXPECT_TRUE(program.entries().empty());

    // The copies do not interact: closing one leaves the other running.
    PostMessageA(other.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(other.waitForExit(), 0u);
    EXPECT_TRUE(IsWindow(program.window()));
}

TEST_F(MainWindowTest, EscClosesAtOnceEvenWithEntries) {
    program.addEntry("C:\\still listed.txt");
    RunningProgram::press(VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 0u);
}

TEST(MainWindowFailure, ClickWhileTheErrorBoxIsUpRunsNoCommand) {
    RunningProgram program("varnetto_fatal_while_running.exe");
    ASSERT_NE(program.window(), nullptr);
    HWND box = nullptr;
    ASSERT_TRUE(waitFor([&] {
        box = waitForWindow(program.id(), "#32770", 100);
        return box != nullptr && windowText(box) == "错误";
    }));
    EXPECT_TRUE(IsWindowEnabled(program.window())) << "the window stays enabled";

    // A click returns once its command has run; "开始转码" on the empty list
    // would hold it in the modal notice "请添加繁体文件".
    DWORD_PTR ignored = 0;
    EXPECT_NE(SendMessageTimeoutA(program.button("开始转码"), BM_CLICK, 0, 0, SMTO_NORMAL,
                                  kPatience, &ignored),
              0)
        << "the click ran the batch";
    EXPECT_EQ(countWindows(program.id(), "#32770"), 1) << "only the error box is up";

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.waitForExit(), static_cast<DWORD>(-1));
}

}  // namespace
}  // namespace varnetto::testing
