#include "tracelyn/core/board_grid.h"

#include "platform/gdi/dc.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kAlignment = 10000;
constexpr int kRulerLabelStyle = (9 << 8) | 1;   // Arial, 9 pixels high

// The first multiple of step at or after value (steps are positive).
int64_t firstMultiple(int64_t value, int64_t step)
{
    int64_t q = value / step;
    if (q * step < value)
        ++q;
    return q * step;
}

plat::Rect visibleLogical(const plat::Dc& dc)
{
    return dc.DPtoLP(g_view.clientRect).normalized();
}

void drawPolarGrid(plat::Dc& dc)
{
    const int color = RoleColor(kRoleGrid);
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int32_t limit = ScreenLength(std::max(area.width, area.height) * 10 / 2);
    const int32_t step = ScreenLength(4 * g_polarGrid.radius);
    const int cx = g_polarGrid.centreX, cy = g_polarGrid.centreY;
    if (step > 0) {
        for (int32_t r = step; r <= limit; r += step)
            DrawEllipse(dc, cx, cy, r, r, color, kStyleSolid, kFillHollow, 0);
    }
    for (int quarter = 0; quarter < 2; ++quarter) {
        const double a = (g_polarGrid.startAngle + 900 * quarter) * kTenthDegree;
        const int dx = static_cast<int>(limit * std::cos(a));
        const int dy = static_cast<int>(limit * std::sin(a));
        DrawLine(dc, cx - dx, cy - dy, cx + dx, cy + dy, color, kStyleSolid, 0);
    }
}

void drawDots(plat::Dc& dc, int32_t sx, int32_t sy, int32_t alignment)
{
    const plat::ColorRef color = GetLayerColor(ColorMapEntry(RoleColor(kRoleGrid)));
    const plat::Rect v = visibleLogical(dc);
    // Rows and columns are counted from a multiple of the alignment step so that the dots keep
    // their places as the view scrolls.
    const int64_t ax = firstMultiple(v.left, alignment) - alignment;
    const int64_t ay = firstMultiple(v.top, alignment) - alignment;
    int64_t x0 = ax + firstMultiple(v.left - ax, sx);
    int64_t y0 = ay + firstMultiple(v.top - ay, sy);
    int64_t x1 = v.right, y1 = v.bottom;
    // Dots outside the clip (a strip being repainted) would set nothing: the walk starts and
    // stops a step beyond the clip box, on the same lattice.
    plat::Rect clip;
    dc.GetClipBox(clip);
    clip = clip.normalized();
    const int64_t clipLeft = int64_t{clip.left} - sx, clipTop = int64_t{clip.top} - sy;
    if (clipLeft > x0)
        x0 += (clipLeft - x0) / sx * sx;
    if (clipTop > y0)
        y0 += (clipTop - y0) / sy * sy;
    x1 = std::min<int64_t>(x1, int64_t{clip.right} + sx);
    y1 = std::min<int64_t>(y1, int64_t{clip.bottom} + sy);
    std::vector<int> columns, rows;
    for (int64_t x = x0; x <= x1; x += sx)
        columns.push_back(static_cast<int>(x));
    for (int64_t y = y0; y <= y1; y += sy)
        rows.push_back(static_cast<int>(y));
    dc.SetPixelGrid(columns, rows, color);
}

}  // namespace

void DrawGrid(plat::Dc& dc)
{
    if (g_boardSettings.visible == 0 || g_view.drawToFit)
        return;
    if (g_board.gridCommand == kGridPolar) {
        drawPolarGrid(dc);
        return;
    }
    int32_t sx = g_view.gridStepX, sy = g_view.gridStepY;
    if (sx < 5 || sy < 5)
        return;
    if (g_board.zoomIndex <= 1)
        sx = sy = 1000;
    const bool variable = g_board.gridCommand == kGridVariable;
    if (!variable)
        WorldToScreen(sx, sy);
    int32_t alignment = kAlignment;
    if (MetricUnits())
        alignment = 100 * sx;
    else if (variable)
        alignment = 10 * sx;
    const int32_t fine = 4 * g_view.zoomDivisor;
    if (sx < fine)
        sx *= fine;
    if (sy < fine)
        sy *= fine;
    if (sx <= 0 || sy <= 0 || alignment <= 0)
        return;
    drawDots(dc, sx, sy, alignment);
}

std::string RulerLabel(double value)
{
    char buffer[32];
    if (value > 0 && value < 1)
        std::snprintf(buffer, sizeof buffer, ".%.0f", value * 10);
    else if (value < 0 && value > -1)
        std::snprintf(buffer, sizeof buffer, "-.%.0f", -value * 10);
    else
        std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

void DrawRulers(plat::Dc& dc)
{
    if (g_boardSettings.rulers == 0 || g_view.drawToFit)
        return;
    const int zoom = std::clamp(static_cast<int>(g_board.zoomIndex), 0, 9);
    const int stepMils = kRulerSteps[zoom] * RulerDivisor;
    // Logical units per mil at this zoom: 1, or 2, 5 and 10 at the finest zooms.
    const int perMil = ScreenLengthAt(10, zoom);
    const int64_t stepLogical = int64_t{stepMils} * perMil;
    const int minorDivisions = zoom == 7 ? 5 : zoom > 7 ? 10 : 1;
    const plat::Rect v = visibleLogical(dc);

    struct Tick {
        int pixel;
        int length;
        double value;
        bool onStep;      // a tick of the step itself, which carries its value
    };
    const auto labelled = [zoom](const Tick& t) { return zoom > 5 && t.onStep; };
    // At the coarse zooms several ticks fall on one pixel. Their lines all run from the base
    // line, in one colour each, and each tick's face line lies on the next pixel, so the longest
    // tick of a pixel paints what all of them would: it alone is drawn.
    auto ticks = [&](bool horizontal) {
        std::vector<Tick> out;
        const int64_t lo = horizontal ? v.left : v.top;
        const int64_t hi = horizontal ? v.right : v.bottom;
        const int64_t minor = std::max<int64_t>(1, stepLogical / minorDivisions);
        for (int64_t t = firstMultiple(lo, minor); t <= hi; t += minor) {
            const bool onStep = t % stepLogical == 0;
            const int64_t n = t / stepLogical;
            int length = 2;
            if (onStep)
                length = n % 10 == 0 ? 10 : n % 5 == 0 ? 7 : 4;
            const plat::Point p = dc.LPtoDP(horizontal ? plat::Point{static_cast<int>(t), 0}
                                                       : plat::Point{0, static_cast<int>(t)});
            const double mils = static_cast<double>(t) / perMil;
            const Tick tick{horizontal ? p.x : p.y, length, mils / (10.0 * stepMils), onStep};
            if (!out.empty() && out.back().pixel == tick.pixel && !labelled(out.back()) && !labelled(tick))
                out.back().length = std::max(out.back().length, tick.length);
            else
                out.push_back(tick);
        }
        return out;
    };
    const std::vector<Tick> top = ticks(true);
    const std::vector<Tick> left = ticks(false);

    const int saved = dc.SaveDC();
    dc.SetMapMode(plat::kMmText);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.SetROP2(kModeCopy);
    // The board's clip keeps painting off the rulers; the rulers themselves lie outside it.
    dc.SelectClipRgn(nullptr);
    const int32_t keptPixel = g_paint.pixelSize;
    g_paint.pixelSize = 1;
    const plat::Rect& r = g_view.clientRect;
    const int face = kDirectColor;
    const int mark = RoleColor(kRoleRuler);
    DrawRect(dc, r.left, r.top, r.right - 1, r.top + kRulerWidth - 1, face, kStyleSolid, kFillSolid, (15 << 8) | 1);
    DrawRect(dc, r.left, r.top, r.left + kRulerWidth - 1, r.bottom - 1, face, kStyleSolid, kFillSolid, (15 << 8) | 1);
    DrawLine(dc, r.left, r.top + kRulerWidth, r.right, r.top + kRulerWidth, face, kStyleSolid, (8 << 8) | 2);
    DrawLine(dc, r.left + kRulerWidth, r.top, r.left + kRulerWidth, r.bottom, face, kStyleSolid, (8 << 8) | 2);
    DrawLine(dc, r.left + kRulerWidth, r.top + kRulerWidth - 2, r.right, r.top + kRulerWidth - 2, mark, kStyleSolid, 1);
    DrawLine(dc, r.left + kRulerWidth - 2, r.top + kRulerWidth, r.left + kRulerWidth - 2, r.bottom, mark, kStyleSolid, 1);
    // A tick's face line lies on the next pixel, where the next tick's mark, drawn right after
    // it from the same base line, covers it when that tick is at least as long: it is left out.
    auto faceCovered = [&](const std::vector<Tick>& ticks, size_t k) {
        return !labelled(ticks[k]) && k + 1 < ticks.size() && ticks[k + 1].pixel == ticks[k].pixel + 1
               && ticks[k + 1].length >= ticks[k].length;
    };
    const int base = r.top + kRulerWidth - 2;
    for (size_t k = 0; k < top.size(); ++k) {
        const Tick& t = top[k];
        if (t.pixel <= r.left + kRulerWidth)
            continue;
        DrawLine(dc, t.pixel, base - t.length, t.pixel, base, mark, kStyleSolid, 1);
        if (!faceCovered(top, k))
            DrawLine(dc, t.pixel + 1, base - t.length, t.pixel + 1, base, face, kStyleSolid, (7 << 8) | 1);
        if (labelled(t))
            DrawFontText(dc, t.pixel + 2, r.top, RulerLabel(t.value), kRulerLabelStyle, 0, mark, 0);
    }
    const int side = r.left + kRulerWidth - 2;
    for (size_t k = 0; k < left.size(); ++k) {
        const Tick& t = left[k];
        if (t.pixel <= r.top + kRulerWidth)
            continue;
        DrawLine(dc, side - t.length, t.pixel, side, t.pixel, mark, kStyleSolid, 1);
        if (!faceCovered(left, k))
            DrawLine(dc, side - t.length, t.pixel + 1, side, t.pixel + 1, face, kStyleSolid, (7 << 8) | 1);
        if (labelled(t))
            DrawFontText(dc, r.left + 1, t.pixel + 2, RulerLabel(t.value), kRulerLabelStyle, 0, mark, 0);
    }
    g_paint.pixelSize = keptPixel;
    dc.RestoreDC(saved);
}
