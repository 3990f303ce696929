#include "ui/file_list.h"

#include <gtest/gtest.h>

#include <string>

#include "support/parent_window.h"

namespace varnetto {
namespace {

// A real list box, made as the main window makes it, on a hidden parent.
class FileListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(parent.handle(), nullptr);
        listBox = FileList::createListBox(parent.handle(), 1, 1, 4, 429, 328);
        ASSERT_NE(listBox, nullptr);
        list = FileList(listBox);
        // Count the deletions and insertions the list box receives.
        spied = this;
        original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(listBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&spy)));
    }
    void TearDown() override { spied = nullptr; }

    static LRESULT CALLBACK spy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == LB_DELETESTRING || message == LB_INSERTSTRING) ++spied->edits;
        return CallWindowProcA(spied->original, window, message, wParam, lParam);
    }

    void fill(int entries) {
        for (int i = 0; i < entries; ++i)
            list.addItem(Text(("C:\\entry " + std::to_string(i)).c_str()));
    }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(listBox, message, wParam, lParam);
    }

    static inline FileListTest* spied = nullptr;
    testing::ParentWindow parent;
    HWND listBox = nullptr;
    WNDPROC original = nullptr;
    FileList list{nullptr};
    int edits = 0;
};

TEST_F(FileListTest, IsCreatedAsTheFileListWantsIt) {
    const LONG style = GetWindowLongA(listBox, GWL_STYLE);
    const LONG wanted = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | LBS_NOTIFY | LBS_USETABSTOPS |
                        LBS_NOINTEGRALHEIGHT;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL | LBS_MULTICOLUMN | WS_HSCROLL |
                       LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS),
              0);
    EXPECT_TRUE(GetWindowLongA(listBox, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(reinterpret_cast<HFONT>(send(WM_GETFONT)), GetStockObject(DEFAULT_GUI_FONT));

    // One pixel more than a list box reports for the same font.
    HWND plain = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 100, 100, parent.handle(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    EXPECT_EQ(send(LB_GETITEMHEIGHT), SendMessageA(plain, LB_GETITEMHEIGHT, 0, 0) + 1);

    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(send(LB_GETCURSEL), LB_ERR);
    EXPECT_FALSE(IsWindowVisible(listBox));  // the main window shows it

    // The scroll bar shows (and WS_VSCROLL is set) once the entries need it.
    fill(60);
    EXPECT_TRUE(GetWindowLongA(listBox, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(FileListTest, KeepsTheOrderOfAddingAndEveryDuplicate) {
    EXPECT_EQ(list.addItem("C:\\b.txt"), 0);
    EXPECT_EQ(list.addItem("C:\\a.txt"), 1);
    EXPECT_EQ(list.addItem("C:\\a.txt"), 2);
    EXPECT_EQ(list.addItem(""), 3);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.itemText(0).view(), "C:\\b.txt");
    EXPECT_EQ(list.itemText(1).view(), "C:\\a.txt");
    EXPECT_EQ(list.itemText(2).view(), "C:\\a.txt");
    EXPECT_TRUE(list.itemText(3).empty());
    EXPECT_EQ(send(LB_GETITEMDATA, 1), 0);
}

TEST_F(FileListTest, KeepsDoubleByteTextByteForByte) {
    // 運, 淺 and 誠 end in 0x5C, the backslash.
    const Text paths[] = {"D:\\資料夾\\運動會.txt", "C:\\淺\\誠.doc", "E:\\简体\\中文 name.txt"};
    for (const Text& path : paths) list.addItem(path);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list.itemText(i), paths[i]) << i;
    EXPECT_TRUE(list.setItemText(1, "C:\\浅\\诚.doc"));
    EXPECT_EQ(list.itemText(1).view(), "C:\\浅\\诚.doc");
}

TEST_F(FileListTest, IgnoresIndicesOutOfRange) {
    fill(3);
    for (int index : {-1, 3, 1000}) {
        EXPECT_FALSE(list.setItemText(index, "C:\\x")) << index;
        EXPECT_TRUE(list.itemText(index).empty()) << index;
    }
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(edits, 0);
    EXPECT_TRUE(list.itemText(0).view() == "C:\\entry 0");

    FileList empty(listBox);
    empty.clear();
    EXPECT_TRUE(empty.itemText(0).empty());
    EXPECT_FALSE(empty.setItemText(0, "C:\\x"));
}

TEST_F(FileListTest, SameTextTouchesNothing) {
    fill(60);
    send(LB_SETTOPINDEX, 20);
    send(LB_SETCURSEL, 25);
    const LRESULT top = send(LB_GETTOPINDEX);
    edits = 0;
    EXPECT_TRUE(list.setItemText(30, "C:\\entry 30"));
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(send(LB_GETCURSEL), 25);
    EXPECT_EQ(send(LB_GETTOPINDEX), top);
}

TEST_F(FileListTest, NewTextKeepsViewStateAndItemValue) {
    fill(60);  // more than the list box shows at once
    send(LB_SETTOPINDEX, 20);
    send(LB_SETCURSEL, 25);
    send(LB_SETITEMDATA, 25, 0x5A5A);
    const LRESULT top = send(LB_GETTOPINDEX);
    ASSERT_GT(top, 0);
    const LRESULT caret = send(LB_GETCARETINDEX);

    EXPECT_TRUE(list.setItemText(25, "C:\\新的路径"));
    EXPECT_EQ(list.itemText(25).view(), "C:\\新的路径");
    EXPECT_EQ(list.itemText(24).view(), "C:\\entry 24");
    EXPECT_EQ(list.itemText(26).view(), "C:\\entry 26");
    EXPECT_EQ(list.count(), 60);
    EXPECT_EQ(send(LB_GETITEMDATA, 25), 0x5A5A);
    EXPECT_EQ(send(LB_GETCURSEL), 25);
    EXPECT_EQ(send(LB_GETTOPINDEX), top);
    EXPECT_EQ(send(LB_GETCARETINDEX), caret);
}

TEST_F(FileListTest, NewTextWithoutSelectionLeavesNoneSelected) {
    fill(5);
    EXPECT_TRUE(list.setItemText(2, "C:\\x"));
    EXPECT_EQ(send(LB_GETCURSEL), LB_ERR);
    EXPECT_TRUE(list.setItemText(0, "C:\\y"));
    EXPECT_EQ(send(LB_GETCURSEL), LB_ERR);
}

TEST_F(FileListTest, ClearEmptiesAnyList) {
    list.clear();
    EXPECT_EQ(list.count(), 0);
    fill(5);
    send(LB_SETCURSEL, 3);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(send(LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(list.addItem("C:\\again"), 0);
}

}  // namespace
}  // namespace varnetto
