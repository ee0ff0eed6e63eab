// What the drawing core asks of the schematic workspace.
#include "schemora/core/workspace_services.h"
#include "common/sound_playing.h"
#include "common/maximised_child_frame.h"
#include "platform/app/doc_template.h"
#include "platform/app/win_app.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/settings.h"
#include "schemora/workspace/edit_part_dialog.h"
#include "schemora/workspace/main_frame.h"
#include "schemora/workspace/style_dialogs.h"
#include "schemora/netlist/net_pin_display.h"
#include "schemora/netlist/signal_sources.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/paint_style.h"

#include <algorithm>
#include <initializer_list>

PartsBinState thePartsBinDlg;

void ClosePartsBinMarker() { thePartsBinDlg.open = false; }

void PlaySoundFile(std::string_view name) { quill::PlaySoundFrom(g_folders.soundFolder, g_settings.sound != 0, name); }

void OpenDrawingFromSettings(const std::string& path)
{
    if (plat::WinApp* app = plat::GetApp())
        app->OpenDocumentFile(path);
}

void SyncDotToolButton()
{
    auto* frame = static_cast<CMainFrame*>(plat::GetMainWnd());
    if (!frame)
        return;
    plat::ToolBar& bar = frame->drawToolBar();
    static bool firstCall = true;
    const bool present = bar.CommandToIndex(scm::kCmdPlaceDot) >= 0;
    if (g_settings.AutoDots == 0) {
        // The first call finds the button of the resource in place.
        if (!firstCall && !present)
            bar.InsertButton(5, {scm::kCmdPlaceDot, plat::kTbbsButton, 4});
    } else if (present) {
        bar.DeleteButton(bar.CommandToIndex(scm::kCmdPlaceDot));
    }
    firstCall = false;
    bar.Invalidate();
    frame->redockSecondRow();
    frame->RecalcLayout();
}

void SyncDrawingCombos()
{
    if (auto* frame = static_cast<CMainFrame*>(plat::GetMainWnd()))
        frame->SyncDrawingCombos();
}

std::unique_ptr<quill::EditorMainFrame> CreateMainFrame() { return std::make_unique<CMainFrame>(); }

std::unique_ptr<plat::MDIChildWnd> CreateChildFrame() { return std::make_unique<quill::MaximisedChildFrame>(); }

bool OpenSignalSourceFor(int index) { return OpenSignalSourceDialog(index); }

bool RunStyleDialogFor(int type) { return RunStyleDialogForKind(type); }

void RunEditSetupDialog() { CEditSetupDlg(plat::GetMainWnd()).DoModal(); }

bool EditPartFor(int index) { return RunEditPartDialog(index); }

void ShowNetPinsFor(plat::Dc& dc, int index)
{
    ShowNetPins(index);
    for (int object : g_netPins.highlight)
        DrawObjectInMode(dc, object, kModeHighlight);
}
