// The main frame's library commands: the drawing saved as a library part, parts copied
// between libraries.
#include "schemora/workspace/main_frame.h"

#include "resources/schemora/edit_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/workspace/library_save_dialogs.h"

void CMainFrame::registerLibraryCommands()
{
    onCommand(scm::kCmdSaveAsLibraryPart, &CMainFrame::OnSaveAsLibraryPart);
    onCommand(scm::kCmdCopyLibraryParts, &CMainFrame::OnCopyLibraryParts);
    onUpdateCommandUI(scm::kCmdSaveAsLibraryPart, &CMainFrame::OnUpdateNeedsDrawing);
}

void CMainFrame::OnSaveAsLibraryPart()
{
    // The part is written from the current object array: the active drawing's.
    if (!GetActiveDocument() || !g_current.activeDocument)
        return;
    CSaveLibPartDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnCopyLibraryParts()
{
    CCopyLibPartsDlg dialog(this);
    dialog.DoModal();
}
