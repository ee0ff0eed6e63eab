// The main frame's library commands: the drawing saved as a library part, parts copied
// between libraries, and the build utility.
#include "schemora/workspace/main_frame.h"

#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/current_document.h"
#include "resources/schemora/part_dialog_ids.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/build_part_dialog.h"
#include "schemora/workspace/library_save_dialogs.h"
#include "schemora/workspace/part_editor.h"

void CMainFrame::registerLibraryCommands()
{
    onDocumentCommand(scm::kCmdSaveAsLibraryPart, &CMainFrame::OnSaveAsLibraryPart);
    onCommand(scm::kCmdCopyLibraryParts, &CMainFrame::OnCopyLibraryParts);
    onCommand(scm::kCmdBuildUtility, &CMainFrame::OnBuildUtility);
    onCommand(scm::kCmdNewLibraryPart, &CMainFrame::OnNewLibraryPart);
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

void CMainFrame::OnBuildUtility()
{
    CBuildPartDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnNewLibraryPart()
{
    // The editor lends the current-document values to its own store and gives them back when it
    // closes: the drawing's count is never taken from the editor's.
    RunNewLibraryPartEditor(this);
    RedrawActiveFrame();
}
