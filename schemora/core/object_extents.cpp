#include "schemora/core/object_extents.h"

#include "platform/gdi/raster_dc.h"
#include "schemora/core/current_document.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_transforms.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int kArrowGrowth = 36;
constexpr int kBusGrowth = 12;
constexpr int kDotHalf = 16;
constexpr int kUprightTextTenths = 6;
constexpr long long kTurnedBoxLimit = 1 << 20;   // far beyond any sheet, well inside int

plat::Rect box(int x1, int y1, int x2, int y2) { return plat::Rect{x1, y1, x2, y2}.normalized(); }

plat::Rect pointsBox(const DrawObject& o)
{
    const int n = o.pointCount();
    if (n == 0)
        return box(o.x(), o.y(), o.x(), o.y());
    plat::Rect r{o.pointX(0), o.pointY(0), o.pointX(0), o.pointY(0)};
    for (int i = 1; i < n; ++i)
        r = UnionRect(r, {o.pointX(i), o.pointY(i), o.pointX(i), o.pointY(i)});
    return r;
}

plat::Rect triangleBox(const DrawObject& o)
{
    int x = o.x() + o.w[2];
    int y = o.y() + o.w[3];
    const int angle = o.rotation();
    RotatePointByAngle(o.x(), o.y(), &x, &y, angle * kTenthsToRadians, o.mirrored());
    return box(o.x(), o.y(), x, y);
}

}  // namespace

plat::Rect UnionRect(const plat::Rect& a, const plat::Rect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

plat::Rect GrowRect(const plat::Rect& r, int dx, int dy) { return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy}; }

plat::Rect TextBox(const DrawObject& text)
{
    // Measured at one unit per pixel: the fonts' sizes are in drawing units.
    plat::RasterDc scratch(1, 1);
    const std::string_view s = text.text ? std::string_view(text.text) : std::string_view();
    const plat::Font old = scratch.SelectObject(MakeTextFont(text.w[2], 0, kRoleText));
    const plat::Size extent = scratch.GetTextExtent(s);
    const int height = scratch.GetTextMetrics().tmHeight;
    scratch.SelectObject(old);
    return {text.x(), text.y() - height, text.x() + extent.cx, text.y()};
}

int TextDrawnAngle(const DrawObject& text)
{
    const int angle = text.w[3] & 0xFFF;
    return angle < kUprightTextTenths ? 0 : angle;
}

std::array<plat::Point, 4> TextCorners(const DrawObject& text)
{
    const plat::Rect b = TextBox(text);
    std::array<plat::Point, 4> corners{{{b.left, b.bottom}, {b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}}};
    const int angle = TextDrawnAngle(text);
    if (angle != 0)
        for (plat::Point& p : corners)
            RotatePointByAngle(text.x(), text.y(), &p.x, &p.y, (3600 - angle) * kTenthsToRadians, false);
    return corners;
}

plat::Rect RotatedTextBox(const DrawObject& text)
{
    if (TextDrawnAngle(text) == 0)
        return TextBox(text);
    const auto corners = TextCorners(text);
    plat::Rect r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const plat::Point& p : corners)
        r = UnionRect(r, {p.x, p.y, p.x, p.y});
    return r;
}

plat::Rect PartExtent(const DrawObject& part)
{
    const int symbol = part.symbolIndex();
    if (symbol < 1 || symbol >= kPartSymbolSlots)
        return box(part.x(), part.y(), part.x(), part.y());
    g_partOrigin = {part.x(), part.y()};
    int x1, y1, x2, y2;
    TransformPartExtent(g_partSymbols.entries[static_cast<size_t>(symbol)], &x1, &y1, &x2, &y2,
                        PartOrientation(part.w[7]), PartMirror(part.w[7]) != 0);
    return box(x1, y1, x2, y2);
}

plat::Point PartLabelAnchor(const DrawObject& part)
{
    g_partOrigin = {part.x(), part.y()};
    int x, y;
    TransformPartPoint(part.w[2], part.w[3], &x, &y, PartOrientation(part.w[7]), PartMirror(part.w[7]));
    return {x, y};
}

plat::Rect GetObjectExtent(int index)
{
    const DrawObject& o = g_current.at(index);
    switch (o.type()) {
    case kObjLine: case kObjArc: return box(o.x(), o.y(), o.w[2], o.w[3]);
    case kObjRectangle: case kObjRoundRect: return box(o.x(), o.y(), o.x() + o.w[2], o.y() + o.w[3]);
    case kObjText: return RotatedTextBox(o);
    case kObjArrow: return GrowRect(box(o.x(), o.y(), o.w[2], o.w[3]), kArrowGrowth, kArrowGrowth);
    case kObjDot: return box(o.x() - kDotHalf, o.y() - kDotHalf, o.x() + kDotHalf, o.y() + kDotHalf);
    case kObjEllipse: return box(o.x() - o.w[2], o.y() - o.w[3], o.x() + o.w[2], o.y() + o.w[3]);
    case kObjBus: return GrowRect(box(o.x(), o.y(), o.w[2], o.w[3]), kBusGrowth, kBusGrowth);
    case kObjTriangle: return triangleBox(o);
    case kObjPolygon: return pointsBox(o);
    default: break;
    }
    if (o.isPart()) {
        const plat::Point label = PartLabelAnchor(o);
        return UnionRect(PartExtent(o), {label.x, label.y, label.x, label.y});
    }
    return box(o.x(), o.y(), o.x(), o.y());
}

plat::Rect GetSelectionExtent(int index)
{
    const DrawObject& o = g_current.at(index);
    const int width = o.w[6] & 0xFF;
    const int zoom = g_current.zoom();
    plat::Rect r;
    if (o.type() == kObjLine || o.type() == kObjArc)
        r = GrowRect(GetObjectExtent(index), width * zoom, width * zoom);
    else if (o.isPart())
        r = PartExtent(o);
    else if ((o.type() == kObjRectangle || o.type() == kObjRoundRect) && o.rotation() != 0) {
        // Turned about its anchor it may reach out to any side: a square holding every angle.
        const long long half = 3LL * std::max(std::llabs(o.w[2]), std::llabs(o.w[3])) / 2;
        const int h = static_cast<int>(std::min<long long>(half, kTurnedBoxLimit));
        r = {o.x() - h, o.y() - h, o.x() + h, o.y() + h};
    } else
        r = GetObjectExtent(index);
    const int grow = std::max(1, std::max(width * zoom, zoom) / zoom);
    return GrowRect(r, grow, grow);
}
