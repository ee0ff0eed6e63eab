#include "common/library_editor_menus.h"

#include "platform/app/keys.h"

#include <gtest/gtest.h>

namespace {

// A library editor's key table: the keys its shared menus name, then its own keys, its
// selective-editing letters and the keyboard cursor's keys, in that order.
TEST(LibraryEditorMenus, AnEditorsOwnKeysFollowTheMenusKeys)
{
    const quill::LibraryEditorMenuIds ids{.editing = {.select = 10, .erase = 11, .rotate = 12, .mirror = 13, .undo = 14},
                                          .redraw = 15, .copy = 16, .paste = 17, .center = 18};
    constexpr plat::Accelerator kOwn[] = {{plat::kFVirtKey, 'K', 40}};
    const std::vector<plat::Accelerator> keys =
        quill::LibraryEditorKeys(ids, {.keys = kOwn, .selectiveFirst = 50, .selectiveLetters = "A C", .selectiveFlags = 0,
                                       .cursor = {.left = 60, .enter = 64, .home = 65}});

    const std::vector<plat::Accelerator> shared = quill::LibraryEditorKeys(ids);
    ASSERT_EQ(keys.size(), shared.size() + 1 + 2 + 6);
    std::vector<unsigned> commands;
    for (size_t i = shared.size(); i < keys.size(); ++i)
        commands.push_back(keys[i].command);
    EXPECT_EQ(commands, (std::vector<unsigned>{40, 50, 52, 60, 61, 62, 63, 64, 65}));
    EXPECT_EQ(keys[shared.size() + 2].key, 'C');
    EXPECT_EQ(keys[shared.size() + 2].flags, 0);
}

}  // namespace
