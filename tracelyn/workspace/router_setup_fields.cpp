#include "tracelyn/workspace/router_setup_fields.h"

#include "common/setup_pages.h"
#include "platform/app/dialog.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/setup_dialog_ids.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/route/maze_router.h"

#include <algorithm>

using namespace tly;

namespace {

constexpr int kMaxViaCount = 1000;
// The router holds its length limit in mils (a route may run ten times as many units).
constexpr int32_t kUnitsPerMil = 10;

}  // namespace

const char* RouterFields::lengthFormat() { return MetricUnits() ? "%.2f" : "%.0f"; }

void RouterFields::show(plat::Dialog& dialog)
{
    const MazeRouterSettings& s = g_mazeSettings;
    CheckRadioValue(dialog, kIdcRouteOneLayer, kIdcRouteTwoLayers, g_boardSettings.RouteMode);
    dialog.CheckDlgButton(kIdcRouteBuried, s.buried != 0 ? 1 : 0);
    dialog.CheckDlgButton(kIdcRouteBevels, s.bevels != 0 ? 1 : 0);
    lengths_.show(dialog, kIdcRouteViaSize, s.viaSize, lengthFormat());
    lengths_.show(dialog, kIdcRouteViaHole, s.viaHole, lengthFormat());
    lengths_.show(dialog, kIdcRouteClearance, s.clearance, lengthFormat());
    lengths_.show(dialog, kIdcRouteMaxLength, s.maxLength * kUnitsPerMil, lengthFormat());
    dialog.SetDlgItemInt(kIdcRouteMaxVias, s.maxVias);
    dialog.SetDlgItemText(kIdcRouteUnits, MetricUnits() ? "Units: mm" : "Units: mils");
}

void RouterFields::store(const plat::Dialog& dialog)
{
    MazeRouterSettings& s = g_mazeSettings;
    StoreRadio(dialog, kIdcRouteOneLayer, kIdcRouteTwoLayers, 0, g_boardSettings.RouteMode);
    s.buried = dialog.IsDlgButtonChecked(kIdcRouteBuried) != 0 ? 1 : 0;
    s.bevels = dialog.IsDlgButtonChecked(kIdcRouteBevels) != 0 ? 1 : 0;
    s.viaSize = lengths_.read(dialog, kIdcRouteViaSize);
    s.viaHole = lengths_.read(dialog, kIdcRouteViaHole);
    s.clearance = lengths_.read(dialog, kIdcRouteClearance);
    s.maxLength = (lengths_.read(dialog, kIdcRouteMaxLength) + kUnitsPerMil / 2) / kUnitsPerMil;
    s.maxVias = std::clamp(dialog.GetDlgItemInt(kIdcRouteMaxVias), 0, kMaxViaCount);
}

void WarnOnInsufficientClearance()
{
    const MazeRouterSettings& s = g_mazeSettings;
    const int64_t pitch = g_view.gridStepX;
    const int64_t gap = g_boardSettings.RouteMode == kRouteTwoLayers ? pitch - s.viaSize / 2 - s.traceWidth / 2
                                                                     : pitch - s.traceWidth;
    if (gap < s.clearance)
        plat::MessageBox(plat::LoadString(kStrInsufficientClearance), plat::kMbIconStop);
}
