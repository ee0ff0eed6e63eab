// The board frame's ways into the package editor: Utilities > New Package Part (Main toolbar)
// and Utilities > Package Wizard, which opens a new part with the wizard running.
#include "tracelyn/workspace/main_frame.h"

#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/workspace/package_editor.h"

void CMainFrame::registerPackageEditorCommands()
{
    onCommand(tly::kCmdNewPackagePart, &CMainFrame::OnNewPackagePart);
    onCommand(tly::kCmdPackageWizard, &CMainFrame::OnPackageWizard);
}

void CMainFrame::OnNewPackagePart()
{
    RunPackageEditor(this, 0);
}

void CMainFrame::OnPackageWizard()
{
    RunPackageEditor(this, 0, {}, {}, true);
}
