// The Setup toolbar's switches (and Setup > Page Breaks Display): each turns one display or
// editing setting on or off and redraws the board.
#include "tracelyn/workspace/main_frame.h"

#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"

#include <cstdint>

namespace {

using namespace tly;

constexpr unsigned kSetupToggles[] = {kCmdRubberBand, kCmdLimit90,    kCmdSnapGridVisible, kCmdPageBreaks,
                                      kCmdPinNumbers, kCmdTopSilk,    kCmdBottomSilk,      kCmdPadSnap};

int32_t* settingOf(unsigned id)
{
    BoardSettings& s = g_boardSettings;
    switch (id) {
    case kCmdRubberBand: return &s.rubber;
    case kCmdLimit90: return &s.limit;
    case kCmdSnapGridVisible: return &s.visible;
    case kCmdPageBreaks: return &s.breaks;
    case kCmdPinNumbers: return &s.hidden;
    case kCmdTopSilk: return &s.layerDisplay[0];
    case kCmdBottomSilk: return &s.layerDisplay[1];
    case kCmdPadSnap: return &s.padsnap;
    default: return nullptr;
    }
}

}  // namespace

void CMainFrame::registerSetupToggles()
{
    for (unsigned id : kSetupToggles) {
        onCommandRange(id, id, &CMainFrame::OnSetupToggle);
        onUpdateCommandUI(id, &CMainFrame::OnUpdateSetupToggle);
    }
}

void CMainFrame::OnSetupToggle(unsigned id)
{
    int32_t* setting = settingOf(id);
    if (setting == nullptr || g_openDocuments.count <= 0)
        return;
    *setting = *setting != 0 ? 0 : 1;
    RedrawActiveFrame();
}

void CMainFrame::OnUpdateSetupToggle(plat::CmdUI& ui)
{
    const int32_t* setting = settingOf(ui.id());
    ui.Enable(setting != nullptr && g_openDocuments.count > 0);
    ui.SetCheck(setting != nullptr && *setting != 0 ? 1 : 0);
}
