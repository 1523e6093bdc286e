#include "core/commands/command_ids.h"
#include "core/commands/command_table.h"

#include <gtest/gtest.h>

#include <set>

namespace pictra {
namespace {

TEST(CommandTable, EveryMenuAndToolbarIdHasOneEntryWithPromptAndTooltip)
{
    std::set<int> ids;
    for (const CommandInfo& c : commandTable()) {
        EXPECT_TRUE(ids.insert(c.id).second) << "duplicate " << c.id;
        EXPECT_FALSE(commandPrompt(c).empty()) << c.id;
        EXPECT_FALSE(commandTooltip(c).empty()) << c.id;
    }
    int depth = 0;
    for (const MenuItem& m : menuBarLayout()) {
        depth += m.kind == MenuItemKind::SubmenuBegin ? 1 : m.kind == MenuItemKind::SubmenuEnd ? -1 : 0;
        EXPECT_GE(depth, 0);
        if (m.kind == MenuItemKind::Command) {
            EXPECT_NE(findCommand(m.id), nullptr) << m.id;
        }
    }
    EXPECT_EQ(depth, 0);
    for (int id : toolbarLayout()) {
        if (id != 0) {
            ASSERT_NE(findCommand(id), nullptr) << id;
            EXPECT_FALSE(findCommand(id)->icon.empty()) << id;
        }
    }
}

TEST(CommandTable, ToolbarHasTwentyFourButtonsInEightGroups)
{
    int buttons = 0;
    int separators = 0;
    for (int id : toolbarLayout())
        (id == 0 ? separators : buttons)++;
    EXPECT_EQ(buttons, 24);
    EXPECT_EQ(separators, 7);
    EXPECT_EQ(toolbarLayout().front(), cmd::kNewAlbum);
    EXPECT_EQ(toolbarLayout().back(), cmd::kInputTwain);
}

TEST(CommandTable, PromptIsFirstLineAndTooltipSecond)
{
    const CommandInfo* next = findCommand(cmd::kNextPage);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(commandPrompt(*next), "次のページにする");
    EXPECT_EQ(commandTooltip(*next), "ページ送り(PageDown)");
    EXPECT_EQ(findCommand(cmd::kNewAlbum)->shortcut, "Ctrl+N");
    EXPECT_EQ(findCommand(cmd::kEnlargedView)->shortcut, "Return");
}

TEST(CommandTable, FilePopupListsAlbumCommandsThenSeparatorThenPrint)
{
    const auto menu = menuBarLayout();
    ASSERT_EQ(menu[0].kind, MenuItemKind::SubmenuBegin);
    EXPECT_EQ(menu[1].id, cmd::kNewAlbum);
    EXPECT_EQ(menu[4].id, cmd::kSaveAs);
    EXPECT_EQ(menu[5].kind, MenuItemKind::Separator);
    EXPECT_EQ(menu[1 + kRecentMenuPosition].kind, MenuItemKind::SubmenuBegin);
    EXPECT_EQ(menu[1 + kRecentMenuPosition].text, "印刷(&P)");
}

} // namespace
} // namespace pictra
