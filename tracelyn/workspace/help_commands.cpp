// Help: the help file's contents and context help.
#include "tracelyn/workspace/main_frame.h"

#include "platform/app/command_ids.h"
#include "platform/app/win_app.h"
#include "resources/tracelyn/frame_ids.h"
#include "tracelyn/core/board_edit.h"

namespace {

// The help viewer's commands: a topic by context number, and the contents.
constexpr unsigned kHelpContext = 0x1;
constexpr unsigned kHelpIndex = 0x3;
// Topics of commands are numbered from this base plus the command id.
constexpr unsigned long kCommandTopicBase = 0x10000;

void showHelp(unsigned long topic, unsigned command)
{
    if (plat::WinApp* app = plat::GetApp())
        app->WinHelp(topic, command);
}

}  // namespace

void CMainFrame::registerHelpCommands()
{
    onCommand(tly::kCmdHelpContents, &CMainFrame::OnHelpContents);
    onCommand(plat::kIdContextHelp, &CMainFrame::OnContextHelp);
}

void CMainFrame::OnHelpContents() { showHelp(0, kHelpIndex); }

// The topic of the tool in hand, or the contents when no tool is chosen.
void CMainFrame::OnContextHelp()
{
    if (g_gesture.tool > 0)
        showHelp(kCommandTopicBase + static_cast<unsigned long>(g_gesture.tool), kHelpContext);
    else
        OnHelpContents();
}
