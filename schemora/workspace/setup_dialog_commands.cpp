// Setup > Selective Editing, Font and Page of the main frame.
#include "schemora/workspace/main_frame.h"

#include "common/selective_edit_dialog.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "resources/schemora/setup_dialog_resources.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/workspace_services.h"

void CMainFrame::registerSetupDialogCommands()
{
    onCommand(scm::kCmdSelectiveEditing, &CMainFrame::OnSelectiveEditing);
}

void CMainFrame::OnSelectiveEditing()
{
    CSelEditDlg dialog(scm::SelectiveEditDialogIds(), {.switches = g_editFilter.on, .mode = &g_selection.filterId, .presets = {}},
                       this);
    dialog.DoModal();
    RedrawActiveFrame();
}

void CMainFrame::OnTextFont() {}

void CMainFrame::OnPageSetup() {}
