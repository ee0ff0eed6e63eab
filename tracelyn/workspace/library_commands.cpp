// The main frame's package library commands.
#include "tracelyn/workspace/main_frame.h"

#include "resources/tracelyn/frame_ids.h"
#include "tracelyn/workspace/package_library_dialogs.h"

using namespace tly;

void CMainFrame::registerLibraryCommands()
{
    onCommand(kCmdCopyLibraryParts, &CMainFrame::OnCopyLibraryParts);
}

void CMainFrame::OnCopyLibraryParts()
{
    CCopyLibPartDlg dialog(this);
    dialog.DoModal();
}
