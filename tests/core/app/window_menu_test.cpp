#include "core/app/window_menu.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(WindowMenu, NumbersTheWindowsAndChecksTheActiveOne)
{
    std::vector<OpenWindow> windows;
    for (int i = 1; i <= 11; ++i) {
        std::string title = "w";
        title += std::to_string(i);
        windows.push_back({title, i == 2});
    }
    windows[0].title = "サンプル.abm *";
    windows[2].title = "R&D.abm";
    const std::vector<WindowMenuItem> items = windowMenuItems(windows);
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items[0], (WindowMenuItem{"&1 サンプル.abm *", false}));
    EXPECT_EQ(items[1], (WindowMenuItem{"&2 w2", true}));
    EXPECT_EQ(items[2], (WindowMenuItem{"&3 R&&D.abm", false}));
    EXPECT_EQ(items[8].text, "&9 w9");
    EXPECT_EQ(items[9].text, "1&0 w10");
    EXPECT_EQ(items[10].text, "1&1 w11");
    EXPECT_TRUE(windowMenuItems({}).empty());
}

} // namespace
} // namespace pictra
