// The two fatal ends of the program, each met in a program of its own: the
// error box with its message, then exit code -1.
#include <gtest/gtest.h>

#include "support/process_windows.h"

namespace varnetto::testing {
namespace {

TEST(FatalError, ShowsTheBoxAndExitsWithMinusOne) {
    // The probe asks for all but 64 KiB of the address space.
    const std::string size = std::to_string(static_cast<std::size_t>(-1) - 0xFFFF);
    const struct {
        const char* program;
        std::string message;
    } cases[] = {
        {"out_of_memory_probe.exe", "分配 " + size + " 字节内存失败!"},
        // A test build of Varnetto in which the system refuses its window.
        {"varnetto_window_refused.exe", "载入启动窗口失败"},
    };
    for (const auto& c : cases) {
        ChildProcess child(c.program);
        ASSERT_TRUE(child.started()) << c.program;

        const MessageBoxSeen box = takeMessageBox(child.id());
        EXPECT_EQ(box.caption, "错误") << c.program;
        EXPECT_NE(box.text.find("运行时"), std::string::npos) << box.text;
        EXPECT_NE(box.text.find(c.message), std::string::npos) << box.text;
        EXPECT_EQ(child.waitForExit(), static_cast<DWORD>(-1)) << c.program;
    }
}

}  // namespace
}  // namespace varnetto::testing
