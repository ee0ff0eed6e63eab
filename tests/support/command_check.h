#pragma once
// The check mark a command's menu item gets: the target's update handlers run as the framework
// runs them before the menu opens (-1 when no handler touched the mark).

#include "platform/app/cmd_target.h"

inline int CommandCheck(plat::CmdTarget& target, unsigned id)
{
    plat::CmdUI ui(id);
    target.OnCmdMsg(id, &ui);
    return ui.check();
}
