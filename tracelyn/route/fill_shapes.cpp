#include "tracelyn/route/fill_shapes.h"

#include "tracelyn/core/arc_trace_bend.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/placed_pads.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLayerLimit = 32;
// Steps of an ellipse's edge; its chords stay within the sagitta added to the reach.
constexpr int kEllipseSteps = 120;

int objectLayer(const BoardObject& o)
{
    const int layer = o.layer();
    return std::abs(layer) > kLayerLimit ? kLayerTop : layer;
}

bool onFillLayer(int objectLayer, int layer)
{
    return layer == kLayerAll || objectLayer == layer || objectLayer == kLayerAll;
}

void addCapsule(std::vector<FillShape>& out, double x1, double y1, double x2, double y2, double r)
{
    out.push_back({FillShape::kCapsule, x1, y1, x2, y2, r});
}

void addChain(std::vector<FillShape>& out, const std::vector<double>& p, double r, bool closed)
{
    const size_t n = p.size() / 2;
    const size_t segments = closed ? n : (n == 0 ? 0 : n - 1);
    for (size_t k = 0; k < segments; ++k) {
        const size_t next = (k + 1) % n;
        addCapsule(out, p[2 * k], p[2 * k + 1], p[2 * next], p[2 * next + 1], r);
    }
}

// An arc trace bends about (x2, y1) after a straight run that makes both ends equally far from
// that corner, as the painter draws it.
void addArcTrace(std::vector<FillShape>& out, const BoardObject& o, double r)
{
    const double x1 = o.w[0], y1 = o.w[1], x2 = o.w[2], y2 = o.w[3];
    const double dx = x1 - x2, dy = y1 - y2;
    if (dx == 0 || dy == 0) {
        addCapsule(out, x1, y1, x2, y2, r);
        return;
    }
    const ArcTraceBend bend = ArcTraceBendOf(o.w[0], o.w[1], o.w[2], o.w[3]);
    const double bx = static_cast<double>(bend.x), by = static_cast<double>(bend.y);
    if (bend.run != 0)
        addCapsule(out, x1, y1, bx, by, r);
    double slack = 0;
    addChain(out, ArcPointsBetween(x2, by, bx, by, x2, y2, slack), r + slack, false);
}

std::vector<double> ellipsePoints(const BoardObject& o, double& slack)
{
    const double rx = std::fabs(double(o.w[2])), ry = std::fabs(double(o.w[3]));
    std::vector<double> p;
    p.reserve(2 * kEllipseSteps);
    for (int k = 0; k < kEllipseSteps; ++k) {
        const double a = 2 * M_PI * k / kEllipseSteps;
        p.push_back(o.w[0] + rx * std::cos(a));
        p.push_back(o.w[1] + ry * std::sin(a));
    }
    slack = std::max(rx, ry) * (1 - std::cos(M_PI / kEllipseSteps));
    return p;
}

std::vector<double> polygonPoints(const BoardObject& o)
{
    std::vector<double> p;
    const int n = o.w[2];
    if (o.points() == nullptr || n < 1)
        return p;
    for (int k = 0; k < 2 * n; ++k)
        p.push_back(o.points()[k]);
    return p;
}

// A pad's copper grown by the clearance. rotation: the pad's own turn plus its part's, in
// tenths of a degree; a turn that is not a quarter turn is bounded by the pad's circle.
void addPad(std::vector<FillShape>& out, double x, double y, int shape, double xs, double ys,
            int rotation, const FillReach& reach)
{
    const double mask = reach.mask + reach.pen;
    if ((shape == kPadVia || shape == kPadLayerPair) && g_boardSettings.RoundVias != 0)
        shape = kPadRound;
    rotation = ((rotation % 3600) + 3600) % 3600;
    const bool orthogonal = rotation % 900 == 0;
    if (!orthogonal && shape != kPadRound && shape != kPadCross)
        addCapsule(out, x, y, x, y, std::hypot(xs, ys) / 2 + mask);
    switch (shape) {
    case kPadRound:
    case kPadCross:
        addCapsule(out, x, y, x, y, xs / 2 + mask);
        break;
    case kPadOblong:
    case kPadRect:
    case kPadRectHole:
        if (!orthogonal)
            break;
        if (rotation == 900 || rotation == 2700)
            std::swap(xs, ys);
        out.push_back({FillShape::kBox, x - xs / 2, y - ys / 2, x + xs / 2, y + ys / 2, mask});
        break;
    case kPadFinger:
        if (orthogonal)
            out.push_back({FillShape::kBox, x - xs / 2, y, x + xs / 2, y + ys, mask});
        break;
    case kPadVia:
    case kPadLayerPair: {
        const double half = xs < 1 ? 5 : (xs + ys) / 4;
        out.push_back({FillShape::kBox, x - half, y - half, x + half, y + half,
                       reach.clearTraces ? mask : reach.pen});
        break;
    }
    default:
        break;   // thermal pads belong to the plane being filled
    }
}

// A pad's own turn in tenths of a degree (word 5 from bit 3; below 8 it is not turned).
int padRotation(const BoardObject& pad)
{
    const int rotation = pad.w[5] >> 3;
    return rotation < 8 ? 0 : rotation;
}

void addPartPads(std::vector<FillShape>& out, const BoardObject& part, int layer, const FillReach& reach)
{
    const bool partOnLayer = onFillLayer(objectLayer(part), layer);
    const int partRotation = part.w[6] & 0xFFF;
    ForEachPlacedPad(part, [&](const PlacedPad& p) {
        // A drilled pad reaches every layer; a surface pad only its part's.
        if (partOnLayer || IsThroughHolePad(*p.pad)) {
            const int shape = p.pad->w[5] & 15;
            // The placed sizes already follow a quarter turn of the part.
            const int padTurn = padRotation(*p.pad);
            const int turn = partRotation % 900 == 0 ? padTurn : partRotation + padTurn;
            addPad(out, p.x, p.y, shape, p.xSize, p.ySize, turn, reach);
        }
        return true;
    });
}

}  // namespace

std::vector<FillShape> ObstacleShapes(const BoardObject& o, int layer, const FillReach& reach)
{
    std::vector<FillShape> out;
    const int kind = o.kind();
    if (kind > kKindPart) {
        addPartPads(out, o, layer, reach);
        return out;
    }
    if (!onFillLayer(objectLayer(o), layer))
        return out;
    const double halfWidth = std::max(o.w[7], 0) / 2.0 + reach.pen;
    const double traceReach = halfWidth + (reach.clearTraces ? reach.mask : 0);
    switch (kind) {
    case kKindLine:
        addCapsule(out, o.w[0], o.w[1], o.w[2], o.w[3], traceReach);
        break;
    case kKindArc:
        addArcTrace(out, o, traceReach);
        break;
    case kKindRectangle: {
        if (((o.w[5] >> 2) & 0xFFF) > 6)
            break;
        const double x2 = (o.w[5] >> 15) & 1 ? double(o.w[0]) - o.w[2] : double(o.w[0]) + o.w[2];
        out.push_back({FillShape::kBox, double(o.w[0]), double(o.w[1]), x2, double(o.w[1]) + o.w[3], halfWidth});
        break;
    }
    case kKindEllipse: {
        double slack = 0;
        addChain(out, ellipsePoints(o, slack), halfWidth + slack, true);
        break;
    }
    case kKindPolygon:
        addChain(out, polygonPoints(o), traceReach, true);
        break;
    case kKindPad:
        addPad(out, o.w[0], o.w[1], o.w[5] & 15, o.w[2], o.w[3], padRotation(o), reach);
        break;
    default:
        break;
    }
    return out;
}

FillExtent ExtentOf(const std::vector<FillShape>& shapes)
{
    FillExtent e{1e18, 1e18, -1e18, -1e18};
    for (const FillShape& s : shapes) {
        e.x1 = std::min(e.x1, std::min(s.x1, s.x2) - s.r);
        e.y1 = std::min(e.y1, std::min(s.y1, s.y2) - s.r);
        e.x2 = std::max(e.x2, std::max(s.x1, s.x2) + s.r);
        e.y2 = std::max(e.y2, std::max(s.y1, s.y2) + s.r);
    }
    return e;
}

void MarkShapes(FillGrid& grid, const std::vector<FillShape>& shapes, uint8_t value)
{
    for (const FillShape& s : shapes) {
        if (s.kind == FillShape::kCapsule) {
            grid.markCapsule(s.x1, s.y1, s.x2, s.y2, s.r, value);
        } else {
            // A box grown by r: the box widened and heightened, and its rounded corners.
            const double x1 = std::min(s.x1, s.x2), x2 = std::max(s.x1, s.x2);
            const double y1 = std::min(s.y1, s.y2), y2 = std::max(s.y1, s.y2);
            grid.markBox(x1 - s.r, y1, x2 + s.r, y2, value);
            grid.markBox(x1, y1 - s.r, x2, y2 + s.r, value);
            grid.markCapsule(x1, y1, x2, y1, s.r, value);
            grid.markCapsule(x1, y2, x2, y2, s.r, value);
        }
    }
}

std::optional<FillExtent> EnclosingExtent(const BoardObject& o)
{
    switch (o.kind()) {
    case kKindRectangle: {
        if (((o.w[5] >> 2) & 0xFFF) > 6)
            return std::nullopt;
        const double x2 = (o.w[5] >> 15) & 1 ? double(o.w[0]) - o.w[2] : double(o.w[0]) + o.w[2];
        const double y2 = double(o.w[1]) + o.w[3];
        return FillExtent{std::min<double>(o.w[0], x2), std::min<double>(o.w[1], y2),
                          std::max<double>(o.w[0], x2), std::max<double>(o.w[1], y2)};
    }
    case kKindEllipse: {
        const double rx = std::fabs(double(o.w[2])), ry = std::fabs(double(o.w[3]));
        if (rx < 1 || ry < 1)
            return std::nullopt;
        return FillExtent{o.w[0] - rx, o.w[1] - ry, o.w[0] + rx, o.w[1] + ry};
    }
    case kKindPolygon: {
        const std::vector<double> p = polygonPoints(o);
        if (p.size() < 6)
            return std::nullopt;
        FillExtent e{1e18, 1e18, -1e18, -1e18};
        for (size_t k = 0; k + 1 < p.size(); k += 2) {
            e.x1 = std::min(e.x1, p[k]);
            e.x2 = std::max(e.x2, p[k]);
            e.y1 = std::min(e.y1, p[k + 1]);
            e.y2 = std::max(e.y2, p[k + 1]);
        }
        return e;
    }
    default:
        return std::nullopt;
    }
}

void MarkEnclosingEdge(FillGrid& grid, const BoardObject& o, double pen)
{
    const double r = std::max(o.w[7], 0) / 2.0 + pen;
    switch (o.kind()) {
    case kKindRectangle: {
        const std::optional<FillExtent> e = EnclosingExtent(o);
        if (e)
            grid.markClosedChain({e->x1, e->y1, e->x2, e->y1, e->x2, e->y2, e->x1, e->y2}, r, kCellOutline);
        break;
    }
    case kKindEllipse: {
        double slack = 0;
        const std::vector<double> p = ellipsePoints(o, slack);
        grid.markClosedChain(p, r + slack, kCellOutline);
        break;
    }
    case kKindPolygon:
        grid.markClosedChain(polygonPoints(o), r, kCellOutline);
        break;
    default:
        break;
    }
}

std::vector<double> InteriorAt(const BoardObject& o, double y)
{
    std::vector<double> ranges;
    switch (o.kind()) {
    case kKindRectangle: {
        const std::optional<FillExtent> e = EnclosingExtent(o);
        if (e && y > e->y1 && y < e->y2)
            ranges = {e->x1, e->x2};
        break;
    }
    case kKindEllipse: {
        const double rx = std::fabs(double(o.w[2])), ry = std::fabs(double(o.w[3]));
        const double dy = (y - o.w[1]) / ry;
        if (std::fabs(dy) < 1) {
            const double half = rx * std::sqrt(1 - dy * dy);
            ranges = {o.w[0] - half, o.w[0] + half};
        }
        break;
    }
    case kKindPolygon: {
        // Non-zero winding: crossings of the line with their direction, ordered along it.
        const std::vector<double> p = polygonPoints(o);
        const size_t n = p.size() / 2;
        std::vector<std::pair<double, int>> crossings;
        for (size_t k = 0; k < n; ++k) {
            const size_t next = (k + 1) % n;
            const double y0 = p[2 * k + 1], y1 = p[2 * next + 1];
            if ((y0 <= y) == (y1 <= y))
                continue;
            const double x0 = p[2 * k], x1 = p[2 * next];
            crossings.push_back({x0 + (x1 - x0) * (y - y0) / (y1 - y0), y1 > y0 ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (const auto& [x, direction] : crossings) {
            const int before = winding;
            winding += direction;
            if (before == 0 && winding != 0)
                ranges.push_back(x);
            else if (before != 0 && winding == 0)
                ranges.push_back(x);
        }
        if (ranges.size() % 2 != 0)
            ranges.pop_back();
        break;
    }
    default:
        break;
    }
    return ranges;
}
