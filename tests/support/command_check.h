#pragma once
// The check marks of a menu group's items, as the target's update handlers set them before the
// menu opens.

#include "platform/app/cmd_target.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace quill_test {

// -1 when no handler touched the mark.
inline int CommandCheck(plat::CmdTarget& target, unsigned id)
{
    plat::CmdUI ui(id);
    target.OnCmdMsg(id, &ui);
    return ui.check();
}

// Choosing each item moves its group's check mark to it: afterwards the chosen item is checked
// and `other`, another item of the same group, is not.
template <class Harness>
void ExpectChoosingChecksTheItem(Harness& harness, plat::CmdTarget& target,
                                 std::initializer_list<std::pair<unsigned, unsigned>> chosenAndOther)
{
    for (const auto& [chosen, other] : chosenAndOther) {
        SCOPED_TRACE(chosen);
        EXPECT_TRUE(harness.command(chosen));
        EXPECT_EQ(CommandCheck(target, chosen), 1);
        EXPECT_EQ(CommandCheck(target, other), 0);
    }
}

}  // namespace quill_test
