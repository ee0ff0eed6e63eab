#include "tracelyn/core/board_grid.h"

#include "common/logical_palette.h"
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
#include <span>
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

// Sets the pixels from (left, top) to (right, bottom), both included, of a context mapped in
// pixels to one palette entry: what a rectangle with a one-pixel pen and a solid fill of that
// colour sets there, filled as one area instead of tracing the outline pixel by pixel as well
// (without a pen a rectangle leaves out its right column and bottom row).
void fillPixelBox(plat::Dc& dc, int left, int top, int right, int bottom, int paletteEntry)
{
    const plat::Pen keptPen = dc.SelectObject(plat::stockPen(plat::kNullPen));
    const plat::Brush keptBrush = dc.SelectObject(plat::Brush::solid(GetLayerColor(paletteEntry)));
    dc.Rectangle(left, top, right + 2, bottom + 2);
    dc.SelectObject(keptPen);
    dc.SelectObject(keptBrush);
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


struct RulerTick {
    int pixel;
    int length;
    double value;
    bool labelled;   // a tick of the step itself at the zooms that show the step's value
};

// The ticks of the top (horizontal) or left ruler in the order of their logical positions, in
// device pixels along the ruler. At the coarse zooms several ticks fall on one pixel. Their
// lines all run from the base line, in one colour each, and each tick's face line lies on the
// next pixel, so the longest tick of a pixel paints what all of them would: it alone is kept.
std::vector<RulerTick> rulerTicks(const plat::Dc& dc, int zoom, bool horizontal)
{
    const int stepMils = kRulerSteps[zoom] * RulerDivisor;
    // Logical units per mil at this zoom: 1, or 2, 5 and 10 at the finest zooms.
    const int perMil = ScreenLengthAt(10, zoom);
    const int64_t stepLogical = int64_t{stepMils} * perMil;
    const int minorDivisions = zoom == 7 ? 5 : zoom > 7 ? 10 : 1;
    const plat::Rect v = visibleLogical(dc);
    const int64_t lo = horizontal ? v.left : v.top;
    const int64_t hi = horizontal ? v.right : v.bottom;
    const int64_t minor = std::max<int64_t>(1, stepLogical / minorDivisions);
    std::vector<RulerTick> out;
    for (int64_t t = firstMultiple(lo, minor); t <= hi; t += minor) {
        const bool onStep = t % stepLogical == 0;
        const int64_t n = t / stepLogical;
        int length = 2;
        if (onStep)
            length = n % 10 == 0 ? 10 : n % 5 == 0 ? 7 : 4;
        const plat::Point p = dc.LPtoDP(horizontal ? plat::Point{static_cast<int>(t), 0}
                                                   : plat::Point{0, static_cast<int>(t)});
        const double mils = static_cast<double>(t) / perMil;
        const RulerTick tick{horizontal ? p.x : p.y, length, mils / (10.0 * stepMils), zoom > 5 && onStep};
        if (!out.empty() && out.back().pixel == tick.pixel && !out.back().labelled && !tick.labelled)
            out.back().length = std::max(out.back().length, tick.length);
        else
            out.push_back(tick);
    }
    return out;
}

// Where a ruler's ticks go: each runs from the base line (a row of the top ruler, a column of
// the left one) towards the window's edge by its length.
struct RulerSide {
    bool horizontal;
    int base;
    int corner;   // ticks on or before this pixel would lie in the rulers' corner
};

// A connected line along a ruler, built point by point: along the ruler in pixels, and depth
// from the base line out towards the window's edge.
class RulerPath {
public:
    explicit RulerPath(const RulerSide& side) : side_(side) {}
    void clear() { points_.clear(); }
    void to(int along, int depth)
    {
        const int across = side_.base - depth;
        const plat::Point p = side_.horizontal ? plat::Point{along, across} : plat::Point{across, along};
        if (points_.empty() || points_.back() != p)
            points_.push_back(p);
    }
    // Out from one depth to another and back, at one pixel along the ruler.
    void excursion(int along, int nearDepth, int farDepth)
    {
        to(along, nearDepth);
        to(along, farDepth);
        to(along, nearDepth);
    }
    std::span<const plat::Point> points() const { return points_; }

private:
    RulerSide side_;
    std::vector<plat::Point> points_;
};

// The face lines of a run of ticks on consecutive pixels. Each tick's face line lies on the
// next tick's pixel, where that tick's mark, drawn later, covers all of it but the part beyond
// the mark's length; only the last tick's face line is not covered. The marks all reach the
// shortest tick's length, so one line along that depth, with an excursion out to each face
// line's end where it reaches beyond the next mark, sets every face pixel left visible and
// otherwise only pixels the marks cover.
void drawFaceLines(plat::Dc& dc, RulerPath& path, std::span<const RulerTick> run, int shortest)
{
    path.clear();
    for (size_t k = 0; k + 1 < run.size(); ++k) {
        if (run[k].length > run[k + 1].length)
            path.excursion(run[k].pixel + 1, shortest, run[k].length);
    }
    const RulerTick& last = run.back();
    path.to(last.pixel + 1, shortest);
    path.to(last.pixel + 1, 0);
    path.to(last.pixel + 1, last.length);
    // The platform leaves out a line's last point: one step back sets the face line's end.
    path.to(last.pixel + 1, last.length - 1);
    DrawPointPolyline(dc, path.points(), kDirectColor, kStyleSolid, (7 << 8) | 1);
}

// The marks of a run of ticks on consecutive pixels: a solid band out to the shortest tick's
// length, then one line along that depth out to each longer tick's end and back.
void drawMarks(plat::Dc& dc, const RulerSide& side, RulerPath& path, std::span<const RulerTick> run,
               int shortest, int mark)
{
    const int first = run.front().pixel, last = run.back().pixel;
    const int edge = side.base - shortest;
    if (side.horizontal)
        fillPixelBox(dc, first, edge, last, side.base, ColorMapEntry(mark));
    else
        fillPixelBox(dc, edge, first, side.base, last, ColorMapEntry(mark));
    path.clear();
    for (const RulerTick& t : run) {
        if (t.length > shortest)
            path.excursion(t.pixel, shortest, t.length);
    }
    if (path.points().size() >= 2)
        DrawPointPolyline(dc, path.points(), mark, kStyleSolid, 1);
}

// Each tick is a line in the mark colour from the base line with a face-coloured line on the
// next pixel, drawn tick after tick: a tick's mark covers the face line of the tick before it
// and a label covers the ticks before it. Within a run of ticks on consecutive pixels (ending
// at a labelled tick) the marks cover the face lines where they meet and nothing else
// overlaps, so the run's face lines are drawn first and its marks after them: the same pixels
// as tick after tick, in three calls per run instead of two per tick.
void drawRulerTicks(plat::Dc& dc, const RulerSide& side, const std::vector<RulerTick>& ticks, int mark)
{
    const plat::Rect& r = g_view.clientRect;
    RulerPath path(side);
    for (size_t first = 0; first < ticks.size();) {
        if (ticks[first].pixel <= side.corner) {
            ++first;
            continue;
        }
        size_t end = first + 1;
        while (end < ticks.size() && !ticks[end - 1].labelled && ticks[end].pixel == ticks[end - 1].pixel + 1)
            ++end;
        const std::span<const RulerTick> run(ticks.data() + first, end - first);
        const int shortest = std::min_element(run.begin(), run.end(), [](const RulerTick& a, const RulerTick& b) {
                                 return a.length < b.length;
                             })->length;
        drawFaceLines(dc, path, run, shortest);
        drawMarks(dc, side, path, run, shortest, mark);
        const RulerTick& last = run.back();
        if (last.labelled) {
            const int x = side.horizontal ? last.pixel + 2 : r.left + 1;
            const int y = side.horizontal ? r.top : last.pixel + 2;
            DrawFontText(dc, x, y, RulerLabel(last.value), kRulerLabelStyle, 0, mark, 0);
        }
        first = end;
    }
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
    const std::vector<RulerTick> top = rulerTicks(dc, zoom, true);
    const std::vector<RulerTick> left = rulerTicks(dc, zoom, false);

    // The board's clip keeps painting off the rulers; the rulers themselves lie outside it.
    const int saved = BeginPixelDrawing(dc, kModeCopy);
    const int32_t keptPixel = g_paint.pixelSize;
    g_paint.pixelSize = 1;
    const plat::Rect& r = g_view.clientRect;
    const int face = kDirectColor;
    const int mark = RoleColor(kRoleRuler);
    // The faces, their edges towards the board, and the base lines the ticks stand on.
    fillPixelBox(dc, r.left, r.top, r.right - 1, r.top + kRulerWidth - 1, kButtonFaceEntry);
    fillPixelBox(dc, r.left, r.top, r.left + kRulerWidth - 1, r.bottom - 1, kButtonFaceEntry);
    DrawLine(dc, r.left, r.top + kRulerWidth, r.right, r.top + kRulerWidth, face, kStyleSolid, (8 << 8) | 2);
    DrawLine(dc, r.left + kRulerWidth, r.top, r.left + kRulerWidth, r.bottom, face, kStyleSolid, (8 << 8) | 2);
    fillPixelBox(dc, r.left + kRulerWidth, r.top + kRulerWidth - 2, r.right, r.top + kRulerWidth - 2, ColorMapEntry(mark));
    fillPixelBox(dc, r.left + kRulerWidth - 2, r.top + kRulerWidth, r.left + kRulerWidth - 2, r.bottom, ColorMapEntry(mark));
    drawRulerTicks(dc, RulerSide{true, r.top + kRulerWidth - 2, r.left + kRulerWidth}, top, mark);
    drawRulerTicks(dc, RulerSide{false, r.left + kRulerWidth - 2, r.top + kRulerWidth}, left, mark);
    g_paint.pixelSize = keptPixel;
    dc.RestoreDC(saved);
}
