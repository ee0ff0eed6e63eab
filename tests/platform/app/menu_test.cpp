#include "platform/app/command_ids.h"
#include "platform/app/keys.h"
#include "platform/app/menu.h"
#include "platform/app/recent_files.h"
#include "platform/app/wnd_state.h"
#include "platform/core/test_ui_host.h"

#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

void registerMenus()
{
    plat::ResourceSet set;
    set.menus.push_back({129, {plat::menuPopup("Se&tup", {plat::menuPopup("G&rid", {plat::menuItem(698, ".5"), plat::menuItem(699, "1"),
                                                                                   plat::menuItem(700, "5")}),
                                                        plat::menuSeparator(), plat::menuItem(42, "&Cross\tF10")})}});
    set.menus.push_back({245, {plat::menuPopup("Outline", {plat::menuItem(1119, "Insert Line"), plat::menuItem(1121, "Delete Vertex")})}});
    plat::registerResources(std::move(set));
}

TEST(Menus, ItemsAreRewrittenCheckedAndRemoved)
{
    registerMenus();
    plat::Menu menu;
    ASSERT_TRUE(menu.LoadMenu(129));
    EXPECT_FALSE(plat::Menu().LoadMenu(1));

    // By command: found in nested popups; the id is kept.
    EXPECT_TRUE(menu.ModifyMenu(699, plat::kMfByCommand | plat::kMfString, 699, "1 mils"));
    EXPECT_EQ(menu.GetMenuString(699), "1 mils");
    plat::Menu* setup = menu.GetSubMenu(0);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->GetMenuItemCount(), 3);
    EXPECT_EQ(setup->GetMenuItemID(0), -1);   // a popup
    EXPECT_EQ(setup->GetMenuItemID(1), 0);    // a separator
    EXPECT_EQ(setup->GetMenuItemID(2), 42);
    EXPECT_EQ(setup->GetSubMenu(0)->GetMenuString(2, plat::kMfByPosition), "5");

    EXPECT_TRUE(menu.CheckMenuRadioItem(698, 700, 700, plat::kMfByCommand));
    EXPECT_EQ(menu.GetMenuState(700) & plat::kMfChecked, plat::kMfChecked);
    EXPECT_EQ(menu.GetMenuState(698) & plat::kMfChecked, 0u);
    EXPECT_EQ(menu.CheckMenuItem(42, plat::kMfChecked), plat::kMfUnchecked);
    EXPECT_EQ(menu.CheckMenuItem(42, plat::kMfUnchecked), plat::kMfChecked);
    EXPECT_EQ(menu.CheckMenuItem(4242, plat::kMfChecked), 0xFFFFFFFFu);

    const unsigned before = menu.revision();
    EXPECT_TRUE(menu.DeleteMenu(698, plat::kMfByCommand));
    EXPECT_EQ(menu.findCommand(698), nullptr);
    EXPECT_GT(menu.revision(), before);
    EXPECT_TRUE(setup->InsertMenu(0xFFFFFFFFu, plat::kMfByPosition, 900, "Appended"));
    EXPECT_EQ(setup->GetMenuItemID(3), 900);
}

TEST(Menus, ContextMenusAnswerFromTheScriptInTests)
{
    registerMenus();
    plat::TestUiHost host;
    plat::Menu outline;
    ASSERT_TRUE(outline.LoadMenu(245));
    plat::Menu::chooseNextPopupCommand(1121);
    EXPECT_EQ(outline.GetSubMenu(0)->TrackPopupMenu(plat::kTpmReturnCmd | plat::kTpmRightButton, 10, 10, nullptr), 1121);
    EXPECT_EQ(outline.GetSubMenu(0)->TrackPopupMenu(plat::kTpmReturnCmd, 10, 10, nullptr), 0) << "dismissed";
}

// The texts of a menu's or menu bar's actions, "-" for a separator and "[...]" around a popup's.
QString shownItems(const QList<QAction*>& actions)
{
    QStringList shown;
    for (const QAction* a : actions)
        shown << (a->isSeparator() ? QStringLiteral("-")
                                   : a->menu() ? a->text() + "[" + shownItems(a->menu()->actions()) + "]" : a->text());
    return shown.join(' ');
}

// Menus and menu bars are built from the same items alike, but for separators at the top of a
// bar; each command goes through the caller's routine and each menu filled is reported.
TEST(Menus, QtMenusAndMenuBarsShowTheSameItems)
{
    const std::vector<plat::MenuItem> items = {
        plat::menuPopup("&File", {plat::menuItem(57601, "&Open...\tCtrl+O"), plat::menuSeparator(),
                                  plat::menuPopup("&Recent", {plat::menuItem(57616, "amp")})}),
        plat::menuSeparator(), plat::menuItem(42, "&Cross")};
    std::vector<unsigned> commands;
    QStringList filled;
    const auto addCommand = [&](QAction*, const plat::MenuItem& item) { commands.push_back(item.id); };
    const auto onPopup = [&](QMenu* menu) { filled << menu->title(); };

    QMenuBar bar;
    plat::fillMenuBarItems(&bar, items, addCommand, onPopup);
    EXPECT_EQ(shownItems(bar.actions()), "&File[&Open...\tCtrl+O - &Recent[amp]] &Cross");
    EXPECT_EQ(commands, (std::vector<unsigned>{57601, 57616, 42}));
    EXPECT_EQ(filled, (QStringList{"&Recent", "&File"}));

    commands.clear();
    filled.clear();
    QMenu menu(QStringLiteral("Context"));
    plat::fillQtMenu(&menu, items, addCommand, onPopup);
    EXPECT_EQ(shownItems(menu.actions()), "&File[&Open...\tCtrl+O - &Recent[amp]] - &Cross");
    EXPECT_EQ(commands, (std::vector<unsigned>{57601, 57616, 42}));
    EXPECT_EQ(filled, (QStringList{"&Recent", "&File", "Context"}));
}

TEST(Accelerators, VirtualKeysNeedTheirModifiersAndCharactersMatchExactly)
{
    using plat::Accelerator;
    plat::AcceleratorTable table({{plat::kFVirtKey | plat::kFControl, 'Z', 216},
                                  {plat::kFVirtKey, plat::kVkAdd, 56},
                                  {plat::kFVirtKey, plat::kVkOemPlus, 999},
                                  {plat::kFVirtKey | plat::kFShift, plat::kVkInsert, 57637},
                                  {0, '1', 1040},
                                  {0, 'w', 318}});
    struct Case {
        unsigned message, key;
        bool ctrl, shift, alt;
        unsigned command;
    };
    const Case cases[] = {
        {plat::kWmKeyDown, 'Z', true, false, false, 216},
        {plat::kWmKeyDown, 'Z', false, false, false, 0},
        {plat::kWmKeyDown, 'Z', true, true, false, 0},
        {plat::kWmKeyDown, plat::kVkAdd, false, false, false, 56},   // keypad + is its own key
        {plat::kWmKeyDown, plat::kVkOemPlus, false, false, false, 999},
        {plat::kWmKeyDown, plat::kVkInsert, false, true, false, 57637},
        {plat::kWmChar, '1', false, false, false, 1040},
        {plat::kWmChar, 'w', false, false, false, 318},
        {plat::kWmChar, 'W', false, true, false, 0},
        {plat::kWmKeyDown, '1', false, false, false, 0},   // character entries do not fire on key-down
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.message) + " " + std::to_string(c.key));
        EXPECT_EQ(table.translate(c.message, c.key, c.ctrl, c.shift, c.alt), c.command);
    }
}

TEST(RecentFiles, KeepsNewestFirstWithoutDuplicates)
{
    plat::MemoryProfileStore store;
    plat::RecentFileList list("Recent File List", "File%d", 4);
    for (const char* f : {"/a/one.pic", "/a/two.pic", "/a/three.pic", "/a/ONE.PIC", "/a/four.pic", "/a/five.pic"})
        list.Add(f);
    EXPECT_EQ(list.files(), (std::vector<std::string>{"/a/five.pic", "/a/four.pic", "/a/ONE.PIC", "/a/three.pic"}));
    list.WriteList(store);
    std::string value;
    ASSERT_TRUE(store.getString("recent file list", "file3", value));
    EXPECT_EQ(value, "/a/ONE.PIC");

    plat::RecentFileList shorter("Recent File List", "File%d", 2);
    shorter.ReadList(store);
    EXPECT_EQ(shorter.count(), 2);
    shorter.Remove(0);
    shorter.WriteList(store);
    EXPECT_FALSE(store.getString("Recent File List", "File2", value)) << "entries beyond the list are removed";

    plat::RecentFileList longNames("Recent File List", "File%d", 4);
    longNames.Add("/home/ann/projects/amplifiers/stage2/output.pic");
    EXPECT_EQ(longNames.displayName(0), "/home/.../output.pic");
}

}  // namespace
