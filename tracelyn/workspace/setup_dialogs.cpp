#include "tracelyn/workspace/setup_dialogs.h"

#include "common/setup_pages.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/setup_dialog_ids.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/route/maze_router.h"
#include "tracelyn/workspace/router_setup_fields.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>

using namespace tly;

namespace {

// Only the copper layers 0 to 15 have boxes; the flags of the other layers (outline, planes,
// all-layer pads) are not the dialog's to change.
constexpr int kCopperLayers = 16;
constexpr double kMinScalePercent = 1;
constexpr double kMaxScalePercent = 10'000;

// A scale typed in percent as a factor; nothing when it is no number or lies outside the
// range a printout can be mapped with.
std::optional<double> scaleTyped(const plat::Dialog& dialog, unsigned id)
{
    const std::string text = dialog.GetDlgItemText(id, 20);
    char* end = nullptr;
    const double percent = std::fabs(std::strtod(text.c_str(), &end));
    if (end == text.c_str() || !std::isfinite(percent) || percent < kMinScalePercent || percent > kMaxScalePercent)
        return std::nullopt;
    return percent * 0.01;
}

std::span<const CheckSetting> printFlags()
{
    BoardSettings& s = g_boardSettings;
    static const CheckSetting checks[] = {{kIdcPrintMirror, &s.PrMirror},
                                          {kIdcPrintInvert, &s.PrInvert},
                                          {kIdcPrintPaginate, &s.PrPaged},
                                          {kIdcPrintColor, &s.PrColor}};
    return checks;
}

}  // namespace

// ---- Layer Setup ----

CLayerSetupDlg::CLayerSetupDlg() : plat::Dialog(kIddLayerSetup) {}

bool CLayerSetupDlg::OnInitDialog()
{
    const BoardSettings& s = g_boardSettings;
    for (int n = 0; n < kCopperLayers; ++n)
        CheckDlgButton(kIdcLayerFirst + static_cast<unsigned>(n), s.layerSwitches[static_cast<size_t>(n)] != 0 ? 1 : 0);
    CheckDlgButton(kIdcTopSilk, s.layerDisplay[0] != 0 ? 1 : 0);
    CheckDlgButton(kIdcBottomSilk, s.layerDisplay[1] != 0 ? 1 : 0);
    CheckRadioValue(*this, kIdcViewOneLayer, kIdcViewLayerPair, g_edit.layerViewMode);
    return true;
}

// The view mode is stored as the opposite of the choice: the Layers command flips it once more
// when it brings the toolbar up to date.
void CLayerSetupDlg::OnOK()
{
    BoardSettings& s = g_boardSettings;
    for (int n = 0; n < kCopperLayers; ++n)
        s.layerSwitches[static_cast<size_t>(n)] = IsDlgButtonChecked(kIdcLayerFirst + static_cast<unsigned>(n)) != 0 ? 1 : 0;
    s.layerDisplay[0] = IsDlgButtonChecked(kIdcTopSilk) != 0 ? 1 : 0;
    s.layerDisplay[1] = IsDlgButtonChecked(kIdcBottomSilk) != 0 ? 1 : 0;
    g_edit.layerViewMode = IsDlgButtonChecked(kIdcViewOneLayer) != 0 ? kViewLayerPair : kViewOneLayer;
    plat::Dialog::OnOK();
}

// ---- Printout Settings ----

CPrintoutSettingsDlg::CPrintoutSettingsDlg() : plat::Dialog(kIddPrintoutSettings) {}

bool CPrintoutSettingsDlg::OnInitDialog()
{
    SetDlgItemText(kIdcPrintScaleX, Formatted("%2.1f", g_boardSettings.fXp * 100));
    SetDlgItemText(kIdcPrintScaleY, Formatted("%2.1f", g_boardSettings.fYp * 100));
    FillChecks(*this, printFlags());
    return true;
}

// A scale of 0 would map the whole board onto nothing: the dialog stays open until both
// factors can be printed with, and stores nothing before.
void CPrintoutSettingsDlg::OnOK()
{
    const std::optional<double> x = scaleTyped(*this, kIdcPrintScaleX);
    const std::optional<double> y = scaleTyped(*this, kIdcPrintScaleY);
    if (!x || !y) {
        plat::MessageBox(kPrintScaleRefused, plat::kMbIconExclamation);
        return;
    }
    StoreChecks(*this, printFlags());
    g_boardSettings.fXp = *x;
    g_boardSettings.fYp = *y;
    plat::Dialog::OnOK();
}

// ---- Incremental Router ----

CIncrementalRouterDlg::CIncrementalRouterDlg() : plat::Dialog(kIddIncrementalRouter) {}

bool CIncrementalRouterDlg::OnInitDialog()
{
    OpenAtLastClick();
    fields_.show(*this);
    fields_.lengths().show(*this, kIdcRouteTraceWidth, g_mazeSettings.traceWidth, RouterFields::lengthFormat());
    return true;
}

void CIncrementalRouterDlg::OnOK()
{
    fields_.store(*this);
    g_mazeSettings.traceWidth = fields_.lengths().read(*this, kIdcRouteTraceWidth);
    WarnOnInsufficientClearance();
    plat::Dialog::OnOK();
}
