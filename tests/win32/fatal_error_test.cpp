#include <gtest/gtest.h>

#include "support/process_windows.h"

namespace varnetto::testing {
namespace {

TEST(FatalError, OutOfMemoryShowsTheBoxAndExitsWithMinusOne) {
    ChildProcess child("out_of_memory_probe.exe");
    ASSERT_TRUE(child.started());

    const MessageBoxSeen box = takeMessageBox(child.id());
    EXPECT_EQ(box.caption, "错误");
    EXPECT_NE(box.text.find("运行时"), std::string::npos) << box.text;
    // The probe asks for all but 64 KiB of the address space.
    const std::string size = std::to_string(static_cast<std::size_t>(-1) - 0xFFFF);
    EXPECT_NE(box.text.find("分配 " + size + " 字节内存失败!"), std::string::npos) << box.text;
    EXPECT_EQ(child.waitForExit(), static_cast<DWORD>(-1));
}

}  // namespace
}  // namespace varnetto::testing
