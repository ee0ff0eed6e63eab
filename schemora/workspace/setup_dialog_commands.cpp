// Setup > Selective Editing, Font and Page of the main frame.
#include "schemora/workspace/main_frame.h"

#include "common/selective_edit_dialog.h"
#include "resources/schemora/setup_dialog_ids.h"
#include "resources/schemora/setup_dialog_resources.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/font_choice.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/workspace/page_setup_dialog.h"
#include "schemora/core/workspace_services.h"

void CMainFrame::registerSetupDialogCommands()
{
    onDocumentCommand(scm::kCmdSelectiveEditing, &CMainFrame::OnSelectiveEditing);
    onCommand(scm::kCmdTextFont, &CMainFrame::OnTextFont);
    onDocumentCommand(scm::kCmdPageSetup, &CMainFrame::OnPageSetup);
}

void CMainFrame::OnSelectiveEditing()
{
    if (!GetActiveDocument())
        return;
    CSelEditDlg dialog(scm::SelectiveEditDialogIds(), {.switches = g_editFilter.on, .mode = &g_selection.filterId, .presets = {}},
                       this);
    // Its mode buttons act at once, so the combo follows whether or not the dialog is confirmed.
    dialog.DoModal();
    showSelectiveEditMode();
    RedrawActiveFrame();
}

void CMainFrame::OnTextFont()
{
    ChooseTextFont();
    RedrawActiveFrame();
}

void CMainFrame::OnPageSetup()
{
    auto* doc = dynamic_cast<CSchemoraDoc*>(GetActiveDocument());
    if (!doc)
        return;
    CPageSetupDlg dialog(*doc, this);
    if (dialog.DoModal() == plat::kIdOk)
        RedrawActiveFrame();
}
