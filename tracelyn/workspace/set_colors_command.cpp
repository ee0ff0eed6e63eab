// Setup > Colors: the shared Set Colors dialog over the board's colour map and its schemes.
// "colorscheme" counts schemes from 1 (0 for none); the dialog numbers them from 0, so that
// the first scheme is the one that holds the user's own colours.
#include "tracelyn/workspace/main_frame.h"

#include "common/set_colors_dialog.h"
#include "platform/gdi/dc.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/set_colors_resources.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/frame_services.h"

#include <utility>
#include <vector>

namespace {

int g_setColorsSlot = 0;   // the slot chosen last, kept between runs of the dialog

}  // namespace

void CMainFrame::OnColors()
{
    if (g_boardPalette.palette.size() == 0)
        BuildBoardPalette();
    int scheme = g_boardSettings.colorscheme - 1;
    SetColorsTarget target{.live = g_boardColors.colorMap,
                           .schemes = PresentColorSchemes(g_boardSettings.schemes, &BoardColorScheme::colors),
                           .currentScheme = &scheme,
                           .selectedSlot = &g_setColorsSlot,
                           .colorOf = [](int entry) { return GetLayerColor(entry); },
                           .selectPalette =
                               [](plat::Dc& dc) {
                                   dc.SelectPalette(g_boardPalette.palette);
                                   dc.RealizePalette();
                               },
                           .afterOk = {}};
    CSetColorsDlg dialog(tly::BoardSetColorsIds(), std::move(target), this);
    if (dialog.DoModal() == plat::kIdOk && scheme >= 0 && scheme < kColorSchemes)
        g_boardSettings.colorscheme = scheme + 1;
    RedrawActiveFrame();
}
