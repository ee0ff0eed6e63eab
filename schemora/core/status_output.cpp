// Status-bar output of the schematic program: texts and icons in the main frame's panes.
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/workspace_services.h"

#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/resources.h"
#include "platform/app/win_app.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"

namespace {

plat::StatusBar* mainStatusBar()
{
    plat::FrameWnd* frame = plat::GetMainWnd();
    return frame ? frame->statusBar() : nullptr;
}

struct ActivityIcon {
    bool second = false;
};
ActivityIcon g_activityIcon;

void setMainPaneText(std::string_view text, int pane)
{
    if (plat::StatusBar* bar = mainStatusBar(); bar && pane >= 0 && pane < bar->GetCount())
        bar->SetPaneText(pane, text, true);
}

}  // namespace

void SetStatusText(std::string_view text, int pane)
{
    if (thePartEditor) {
        if (pane == 0 || pane == 1)
            SetPartEditorStatusLine(thePartEditor, pane, text);
        return;
    }
    setMainPaneText(text, pane);
}

void SetStatusTextId(unsigned stringId, int pane) { setMainPaneText(plat::LoadString(stringId), pane); }

void SetStatusIcon(int iconId, int pane)
{
    if (plat::StatusBar* bar = mainStatusBar(); bar && pane < bar->GetCount())
        bar->SetPaneIcon(pane, plat::LoadIcon(static_cast<unsigned>(iconId)));
}

void ToggleActivityIcon()
{
    g_activityIcon.second = !g_activityIcon.second;
    SetStatusIcon(g_activityIcon.second ? scm::kIconActivityA : scm::kIconActivityB, kStatusIconPane);
}

void ResetEditToolAndSelection()
{
    g_editState.CurrentTool = 0;
    g_editState.selectionCount = 0;
}
