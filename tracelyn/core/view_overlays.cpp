// What the board painter draws over the objects: the draw-to-fit box, the page lines of the
// large work areas and the net names on the rats nest.
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/draw_to_fit.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/route_services.h"

#include <cmath>
#include <cstdlib>
#include <tuple>

FitState g_fit;

namespace {

constexpr double kMetricFit = 0.1606942;
constexpr int kNetNameMaxZoom = 6;
constexpr int32_t kDefaultTextSize = 6;
constexpr int kPageLineStyle = 3;

int32_t boardTenUnitsOnScreen()
{
    return std::max(ScreenLength(10), 1);
}

// A pin's name shows on its own layer, on every layer when all are shown, and on the layer
// below the current one while the view shows a layer pair.
bool netNameLayerShown(int layer)
{
    const int current = g_edit.currentLayer;
    return layer == current || current == kLayerAll ||
           (g_edit.layerViewMode == kViewLayerPair && layer == current - 1);
}

}  // namespace

void ComputeFitFactors(int cw, int ch)
{
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const double k = boardTenUnitsOnScreen();
    const int32_t d = g_view.zoomDivisor;
    int32_t first = static_cast<int32_t>(double(ch) * ch / (area.height * k) * 0.5) * d;
    int32_t second = static_cast<int32_t>(double(cw) * cw / (area.width * k) * 0.5) * d;
    first = std::max(first, 1);
    second = std::max(second, 2);
    if (MetricUnits()) {
        first = static_cast<int32_t>(first * kMetricFit);
        second = static_cast<int32_t>(second * kMetricFit);
    }
    g_fit.halfHeight = first;
    g_fit.halfWidth = second;
}

void FitOriginFor(int px, int py, const plat::Rect& r, int32_t& originX, int32_t& originY)
{
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const double k = boardTenUnitsOnScreen();
    const double w = std::max(std::abs(r.right - r.left), 1), h = std::max(std::abs(r.bottom - r.top), 1);
    double x = (2.0 * px - (r.left + r.right) - (g_fit.halfWidth % 2)) * area.width * k / (2 * w);
    double y = (2.0 * py - (r.top + r.bottom) - (g_fit.halfHeight % 2)) * area.height * k / (2 * h);
    originX = static_cast<int32_t>(x);
    originY = static_cast<int32_t>(y);
    if (MetricUnits()) {
        originX = static_cast<int32_t>(originX * 2.54);
        originY = static_cast<int32_t>(originY * 2.54);
    }
}

void DrawFitBox(plat::Dc& dc)
{
    const int32_t d = std::max(g_view.zoomDivisor, 1);
    const int saved = BeginPixelDrawing(dc, plat::kR2Not);
    dc.SelectObject(plat::Brush::hollow());
    const int x = g_view.cursorX / d, y = g_view.cursorY / d;
    dc.Rectangle(x - g_fit.halfWidth / d, y - g_fit.halfHeight / d, x + g_fit.halfWidth / d, y + g_fit.halfHeight / d);
    dc.RestoreDC(saved);
    g_fit.boxShown = !g_fit.boxShown;
    g_fit.boxX = g_view.cursorX;
    g_fit.boxY = g_view.cursorY;
}

void DrawFitFrame(plat::Dc& dc)
{
    // A fresh paint holds no box: draw it anew about the cursor, when the pointer is over the
    // window; a box about a point off the window would stay where the pointer is not.
    g_fit.boxShown = false;
    const int32_t d = std::max(g_view.zoomDivisor, 1);
    if (g_view.clientRect.contains(g_view.cursorX / d, g_view.cursorY / d))
        DrawFitBox(dc);
}

void DrawPageBreaks(plat::Dc& dc)
{
    const int32_t letter = g_board.sizeLetter;
    if (letter < 'D' || letter > 'G')
        return;
    const WorkAreaSize area = WorkAreaOf(letter);
    const int32_t hw = ScreenLength(area.width * 10) / 2, hh = ScreenLength(area.height * 10) / 2;
    const int saved = dc.SaveDC();
    dc.SetROP2(plat::kR2CopyPen);
    dc.SelectObject(plat::Pen(kPageLineStyle, 0, GetLayerColor(RoleColor(kRoleRuler))));
    dc.MoveTo(0, -hh);
    dc.LineTo(0, hh);
    if (letter != 'D') {
        dc.MoveTo(-hw, 0);
        dc.LineTo(hw, 0);
    }
    dc.RestoreDC(saved);
}

void DrawNetNames(plat::Dc& dc)
{
    if (g_board.zoomIndex > kNetNameMaxZoom || g_netlist.netCount <= 0)
        return;
    // The router tables hold the nets of one board; another board's window must not show them.
    if (g_board.objects == nullptr || g_netlist.loadedBoard != g_board.objects)
        return;
    const std::span<NetRecord> nets = NetTable();
    const std::span<NetConnection> connections = ConnectionTable();
    if (nets.empty() || connections.empty())
        return;
    const int32_t size = g_boardSettings.net_font == kDefaultTextSize ? 0 : g_boardSettings.net_font * 256 + 1;
    const int color = RoleColor(kRoleText);
    const int netCount = std::min<int>(g_netlist.netCount, static_cast<int>(nets.size()));
    const int connectionCount = std::min<int>(g_router.ratsNestCount, static_cast<int>(connections.size()));
    for (int n = 0; n < netCount; ++n) {
        const NetRecord& net = nets[static_cast<size_t>(n)];
        if (net.name == nullptr)
            continue;
        int c = net.firstConnection;
        for (int steps = 0; c >= 0 && c < connectionCount && steps < connectionCount; ++steps) {
            const NetConnection& link = connections[static_cast<size_t>(c)];
            for (const auto& [x, y, layer] : {std::tuple{link.x1, link.y1, int{link.key1}},
                                              std::tuple{link.x2, link.y2, int{link.key2}}}) {
                if (!netNameLayerShown(layer))
                    continue;
                int32_t sx = x * kNetlistUnit, sy = y * kNetlistUnit;
                WorldToScreen(sx, sy);
                DrawFontText(dc, sx, sy, net.name, size, 0, color, 0);
            }
            c = link.next;
        }
    }
}
