// The main frame's start of a new library part with the part wizard: a new part editor opens
// and the wizard draws into it; cancelling the wizard closes that editor again.
#include "schemora/workspace/main_frame.h"

#include "resources/schemora/part_wizard_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/part_editor.h"

void CMainFrame::registerPartWizardCommands() { onCommand(scm::kCmdPartWizard, &CMainFrame::OnPartWizard); }

void CMainFrame::OnPartWizard()
{
    if (thePartEditor)
        return;
    {
        CPartEditorDlg editor(this);
        editor.StartWithWizard();
        editor.DoModal();
    }
    g_editState.CurrentTool = 0;
    RedrawActiveFrame();
}
