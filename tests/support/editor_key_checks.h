#pragma once
// Checks of a program's registered key tables: that the keys a menu item's label names run that
// item's command, and that two windows move the keyboard cursor by the same keys.

#include "platform/app/keys.h"
#include "platform/app/resources.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quill_test {

// The command `table` runs for the key, 0 for none.
inline unsigned CommandOfKey(const plat::AcceleratorResource& table, uint8_t flags, uint16_t key)
{
    for (const plat::Accelerator& a : table.entries)
        if (a.flags == flags && a.key == key)
            return a.command;
    return 0;
}

// "Ctrl+Z", "F9", "Del", "X" as an accelerator's flags and key; nothing for a name not known here.
inline std::optional<plat::Accelerator> KeyOfLabel(std::string_view label)
{
    plat::Accelerator a{};
    constexpr std::string_view kCtrl = "Ctrl+";
    if (label.starts_with(kCtrl)) {
        a.flags |= plat::kFControl;
        label.remove_prefix(kCtrl.size());
    }
    static const std::map<std::string_view, uint16_t> named = {
        {"Del", plat::kVkDelete}, {"Esc", plat::kVkEscape}, {"PgUp", plat::kVkPrior}, {"PgDn", plat::kVkNext},
        {"Home", plat::kVkHome},  {"F1", plat::kVkF1},      {"F4", plat::kVkF4},      {"F9", plat::kVkF9},
        {"F10", plat::kVkF10}};
    if (const auto it = named.find(label); it != named.end())
        a.key = it->second;
    else if (label.size() == 1 && label[0] >= 'A' && label[0] <= 'Z')
        a.key = static_cast<uint16_t>(label[0]);
    else
        return std::nullopt;
    return a;
}

// Every item of menu `menuId` whose label names a key (after the tab) runs its command by that
// key in table `keysId`, but for the labels in `boundElsewhere`.
inline void ExpectMenuKeysRunTheirItems(unsigned menuId, unsigned keysId, const std::set<std::string>& boundElsewhere)
{
    const plat::MenuResource* menu = plat::findMenu(menuId);
    const plat::AcceleratorResource* keys = plat::findAccelerators(keysId);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(keys, nullptr);
    int checked = 0;
    for (const plat::MenuItem& popup : menu->items)
        for (const plat::MenuItem& item : popup.items) {
            const std::size_t tab = item.text.find('\t');
            if (tab == std::string::npos)
                continue;
            const std::string label = item.text.substr(tab + 1);
            SCOPED_TRACE(item.text);
            const std::optional<plat::Accelerator> key = KeyOfLabel(label);
            ASSERT_TRUE(key.has_value()) << "a key name this check does not know";
            if (boundElsewhere.count(label) == 0) {
                EXPECT_EQ(CommandOfKey(*keys, key->flags, key->key), item.id);
                ++checked;
            }
        }
    EXPECT_GE(checked, 8);
}

// Windows `a` and `b` move the keyboard cursor (arrows, Enter, Home) by the same commands, each
// key its own.
inline void ExpectSameCursorKeys(unsigned a, unsigned b)
{
    const plat::AcceleratorResource* first = plat::findAccelerators(a);
    const plat::AcceleratorResource* second = plat::findAccelerators(b);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    std::set<unsigned> commands;
    for (const uint16_t key : {plat::kVkLeft, plat::kVkRight, plat::kVkUp, plat::kVkDown, plat::kVkReturn, plat::kVkHome}) {
        SCOPED_TRACE(key);
        const unsigned command = CommandOfKey(*first, plat::kFVirtKey, key);
        EXPECT_NE(command, 0u);
        EXPECT_EQ(CommandOfKey(*second, plat::kFVirtKey, key), command);
        commands.insert(command);
    }
    EXPECT_EQ(commands.size(), 6u);
}

}  // namespace quill_test
