// What the board core asks of the board workspace: status output in the main frame, sounds,
// and opening a board through the framework.
#include "tracelyn/core/workspace_services.h"

#include "common/sound_playing.h"

#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/app/wnd.h"
#include "platform/core/ui_host.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/workspace/child_frame.h"
#include "tracelyn/workspace/main_frame.h"
#include "tracelyn/workspace/package_editor.h"
#include "tracelyn/core/board_state.h"

#include <string>

namespace {

plat::StatusBar* mainStatusBar()
{
    plat::FrameWnd* frame = plat::GetMainWnd();
    return frame ? frame->statusBar() : nullptr;
}

}  // namespace

void SetStatusText(std::string_view text, int pane)
{
    if (thePartEditor != nullptr) {
        thePartEditor->SetStatusLine(pane, text);
        return;
    }
    if (plat::StatusBar* bar = mainStatusBar(); bar && pane >= 0 && pane < bar->GetCount())
        bar->SetPaneText(pane, text, true);
}

void SetStatusIcon(int iconId, int pane)
{
    if (plat::StatusBar* bar = mainStatusBar(); bar && pane >= 0 && pane < bar->GetCount())
        bar->SetPaneIcon(pane, plat::LoadIcon(static_cast<unsigned>(iconId)));
}

void PlaySoundFile(std::string_view name) { quill::PlaySoundFrom(g_boardFolders.soundFolder, g_boardSettings.sound != 0, name); }

void OpenBoardDocument(std::string_view path)
{
    if (plat::WinApp* app = plat::GetApp())
        app->OpenDocumentFile(std::string(path));
}

void ClampScaleForSheetSize()
{
    if (g_boardSettings.units != 726)
        return;
    int limit = 4;
    switch (g_board.sizeLetter) {
    case 'A': limit = 8; break;
    case 'B': case 'C': limit = 7; break;
    case 'D': case 'E': limit = 5; break;
    default: break;
    }
    if (g_board.zoomIndex > limit)
        g_board.zoomIndex = limit;
}

std::unique_ptr<quill::EditorMainFrame> CreateMainFrame() { return std::make_unique<CMainFrame>(); }

std::unique_ptr<plat::MDIChildWnd> CreateChildFrame() { return std::make_unique<CChildFrame>(); }
