// The main frame's library commands: the drawing saved as a library part, parts copied
// between libraries.
#include "schemora/workspace/main_frame.h"

#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/library_save_dialogs.h"
#include "schemora/workspace/part_editor.h"

void CMainFrame::registerLibraryCommands()
{
    onCommand(scm::kCmdSaveAsLibraryPart, &CMainFrame::OnSaveAsLibraryPart);
    onCommand(scm::kCmdCopyLibraryParts, &CMainFrame::OnCopyLibraryParts);
    onCommand(scm::kCmdNewLibraryPart, &CMainFrame::OnNewLibraryPart);
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

void CMainFrame::OnNewLibraryPart()
{
    // The editor lends the current-document values to its own store and gives them back when it
    // closes: the drawing's count is never taken from the editor's.
    RunNewLibraryPartEditor(this);
    RedrawActiveFrame();
}
