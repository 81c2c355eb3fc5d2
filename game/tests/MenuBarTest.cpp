#include "MenuBar1.h"

#include "rb/AppleMenuItem.h"
#include "rb/PrefsMenuItem.h"
#include "rb/QuitMenuItem.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Entry {
    const char* name;
    const char* text;
    const char* shortcut;
};

void ExpectMenu(const rb::Ref<rb::MenuItem>& menu, const std::vector<Entry>& entries)
{
    ASSERT_EQ(menu->Count(), static_cast<std::int32_t>(entries.size()));
    for (std::int32_t i = 0; i < menu->Count(); ++i) {
        const auto item = menu->Item(i);
        SCOPED_TRACE(entries[i].name);
        EXPECT_EQ(item->Name(), entries[i].name);
        EXPECT_EQ(item->Text(), entries[i].text);
        EXPECT_EQ(item->KeyboardShortcut(), entries[i].shortcut);
        EXPECT_TRUE(item->AutoEnable());
    }
}

TEST(MenuBar1, IsMadeOnceWithFileThenEdit)
{
    const auto bar = MenuBar1::Instance();
    EXPECT_EQ(MenuBar1::Instance(), bar);
    ExpectMenu(bar, {{"FileMenu", "&File", ""}, {"EditMenu", "&Edit", ""}});
    MenuBar1::Exit();
    EXPECT_NE(MenuBar1::Instance(), bar);
    MenuBar1::Exit();
}

TEST(MenuBar1, FileAndEditHoldTheirEntriesInOrder)
{
    const auto bar = MenuBar1::Instance();
    ExpectMenu(bar->Child("FileMenu"), {{"FileNew", "New Game", ""},
                                        {"FileShowPrefs", "ShowPrefs...", ""},
                                        {"FileQuit", "&Quit", "Cmd+Q"}});
    ExpectMenu(bar->Child("EditMenu"), {{"EditUndo", "&Undo", "Cmd+Z"},
                                        {"UntitledMenu1", "-", ""},
                                        {"EditCut", "Cu&t", "Cmd+X"},
                                        {"EditCopy", "&Copy", "Cmd+C"},
                                        {"EditPaste", "&Paste", "Cmd+V"},
                                        {"EditClear", "&Delete", ""},
                                        {"UntitledMenu0", "-", ""},
                                        {"EditSelectAll", "Select &All", "Cmd+A"},
                                        {"EditPreferences", "Preferences...", ""},
                                        {"EditAboutNubrello", "About Nubrello...", ""}});
    MenuBar1::Exit();
}

TEST(MenuBar1, TheApplicationsCommandsAreTheFrameworksItemClasses)
{
    const auto bar = MenuBar1::Instance();
    EXPECT_FALSE(bar->Child("FileMenu")->Child("FileQuit").As<rb::QuitMenuItem>().IsNil());
    EXPECT_FALSE(bar->Child("EditMenu")->Child("EditPreferences").As<rb::PrefsMenuItem>().IsNil());
    EXPECT_FALSE(bar->Child("EditMenu")->Child("EditAboutNubrello").As<rb::AppleMenuItem>().IsNil());
    MenuBar1::Exit();
}

} // namespace
