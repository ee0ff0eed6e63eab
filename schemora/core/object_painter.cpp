// The object loop of a repaint: the objects of the current sheet and shown layers, graphics
// in a first pass and texts, dots and parts over them in a second.
#include "schemora/core/current_document.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/settings.h"
#include "schemora/core/shape_painters.h"
#include "schemora/core/sheet_overlays.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_painter.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr int kSmallCircleRadius = 12;
constexpr int kSmallCirclePen = 6;
constexpr int kDotRadius = 16;
constexpr int kBusWidth = 18;
constexpr int kRingInner = 20;
constexpr int kRingOuter = 30;
constexpr int kRingPen = 5;
constexpr int kVerticalLabelAngle = 900;
constexpr int kRectMirrorBit = 0x8000;
constexpr int kTriangleMirrorBit = 0x8000;

int layerOf(const DrawObject& o) { return (o.w[4] >> 10) & 3; }
int roleOf(const DrawObject& o) { return o.w[6] > kDirectColorWidth ? kDirectColor : layerOf(o) + 1; }
int styleOf(const DrawObject& o) { return o.w[5] & 3; }
int rotationOf(const DrawObject& o) { return (o.w[5] >> 2) & 0xFFF; }

bool passesFilter(const DrawObject& o)
{
    if (g_sheetView.layerFilter != 4 && g_sheetView.layerFilter != layerOf(o))
        return false;
    const int sheet = thePartEditor ? 1 : g_sheetView.currentSheet;
    return o.sheet() == sheet;
}

void drawWireLabel(plat::Dc& dc, const DrawObject& o, int x, int y, const std::string& label)
{
    const int angle = o.w[0] == o.w[2] ? kVerticalLabelAngle : 0;
    DrawTextString(dc, x, y, label, 0, angle, kRoleText);
}

void drawWire(plat::Dc& dc, const DrawObject& o, int role)
{
    const std::string first = InlineText(o, kFirstLabelWord, kFirstLabelBytes);
    if (first.empty()) {
        DrawLine(dc, o.w[0], o.w[1], o.w[2], o.w[3], g_drawModes.highlight ? kRoleEdit : role,
                 styleOf(o), o.w[6]);
        return;
    }
    DrawLine(dc, o.w[0], o.w[1], o.w[2], o.w[3], kRoleTerminal, plat::kPsSolid, o.w[6]);
    drawWireLabel(dc, o, o.w[11], o.w[12], first);
    if (o.w[5] != 0)
        DrawTerminalMark(dc, o.w[2], o.w[3]);
    else
        DrawTerminalMark(dc, o.w[0], o.w[1]);
    const std::string second = InlineText(o, kSecondLabelWord, kSecondLabelBytes);
    if (!second.empty() && (o.w[0] == o.w[2] || o.w[1] == o.w[3]))
        drawWireLabel(dc, o, o.w[16], o.w[17], second);
}

void drawRoundRectObject(plat::Dc& dc, const DrawObject& o, int role)
{
    const int x1 = o.w[0], y1 = o.w[1];
    const int x2 = x1 + o.w[2], y2 = y1 + o.w[3];
    const int angle = rotationOf(o);
    if (angle == 0) {
        DrawRoundRect(dc, x1, y1, x2, y2, std::min(std::abs(o.w[2]), std::abs(o.w[3])) / 4,
                      std::abs(o.w[3]) / 4, role, styleOf(o), o.w[7], o.w[6]);
        return;
    }
    DrawRotatedRoundRect(dc, x1, y1, x1, y1, x2, y2, role, styleOf(o), o.w[7], o.w[6],
                         angle * kTenthsToRadians, (o.w[5] & kTriangleMirrorBit) != 0);
}

void drawPolygonObject(plat::Dc& dc, const DrawObject& o, int role)
{
    // The point block holds kPolygonPoints pairs; a larger count in a damaged file must not
    // read past it.
    const int count = std::clamp(o.pointCount(), 0, kPolygonPoints);
    if (!o.text || count == 0)
        return;
    std::array<plat::Point, kPolygonPoints> points;
    for (int i = 0; i < count; ++i)
        points[static_cast<size_t>(i)] = {o.pointX(i), o.pointY(i)};
    DrawPolygon(dc, std::span<const plat::Point>(points.data(), static_cast<size_t>(count)), role,
                styleOf(o), o.w[7], o.w[6]);
}

// Kinds of the first pass: the graphics under the texts.
bool drawGraphic(plat::Dc& dc, DrawObject& o, int role)
{
    const int x1 = o.w[0], y1 = o.w[1];
    switch (o.type()) {
    case kObjLine: drawWire(dc, o, role); return true;
    case kObjRectangle: {
        const int x2 = (o.w[7] & kRectMirrorBit) ? x1 - o.w[2] : x1 + o.w[2];
        DrawRectObject(dc, x1, y1, x2, y1 + o.w[3], role, styleOf(o), o.w[7] & ~kRectMirrorBit, o.w[6]);
        return true;
    }
    case 3: DrawEllipse(dc, x1, y1, kSmallCircleRadius, kSmallCircleRadius, role, plat::kPsSolid, kFillHollow, kSmallCirclePen); return true;
    case kObjArrow: DrawArrowLine(dc, x1, y1, o.w[2], o.w[3], role, styleOf(o), o.w[7], o.w[6], 0); return true;
    case kObjEllipse: DrawEllipse(dc, x1, y1, o.w[2], o.w[3], role, styleOf(o), o.w[7], o.w[6]); return true;
    case kObjBus: DrawLine(dc, x1, y1, o.w[2], o.w[3], role, plat::kPsSolid, kBusWidth); return true;
    case kObjArc: DrawArc(dc, x1, y1, o.w[2], o.w[3], role, o.w[5], o.w[7], o.w[6]); return true;
    case kObjRoundRect: drawRoundRectObject(dc, o, role); return true;
    case kObjTriangle:
        DrawTriangle(dc, x1, y1, x1, y1, x1 + o.w[2], y1 + o.w[3], role, styleOf(o), o.w[7], o.w[6],
                     rotationOf(o), (o.w[5] & kTriangleMirrorBit) != 0);
        return true;
    case kObjPolygon: drawPolygonObject(dc, o, role); return true;
    default: return false;
    }
}

void drawRing(plat::Dc& dc, const DrawObject& o, int role)
{
    DrawEllipse(dc, o.w[0], o.w[1], kRingInner, kRingInner, role, plat::kPsSolid, kFillHollow, kRingPen);
    DrawEllipse(dc, o.w[0], o.w[1], kRingOuter, kRingOuter, role, plat::kPsSolid, kFillHollow, kRingPen);
}

// Kinds of the second pass: texts, junction dots and parts.
void drawOverlayKind(plat::Dc& dc, DrawObject& o)
{
    const int type = o.type();
    if (type == kObjText) {
        if (o.text && o.text == g_drawModes.textEntryBuffer)
            return;
        o.w[6] = DrawTextString(dc, o.w[0], o.w[1], o.text ? o.text : "", o.w[2], o.w[3], kRoleText);
    } else if (type == kObjDot) {
        DrawEllipse(dc, o.w[0], o.w[1], kDotRadius, kDotRadius, kRoleDot, plat::kPsSolid, kFillSolid, 1);
    } else if (type >= kObjPart && !thePartEditor) {
        DrawPartInstance(dc, o, kRolePart);
    }
}

// The box an object's painter can touch, in drawing units before its pen is added; nothing where
// the reach is not known without drawing (texts, parts, labelled wires, turned or curved
// shapes), and those always reach their painters.
std::optional<plat::Rect> paintReach(const DrawObject& o)
{
    const int x1 = o.w[0], y1 = o.w[1];
    auto box = [](int l, int t, int r, int b) { return plat::Rect{l, t, r, b}.normalized(); };
    switch (o.type()) {
    case kObjLine:
        if (!InlineText(o, kFirstLabelWord, kFirstLabelBytes).empty())
            return std::nullopt;
        return box(x1, y1, o.w[2], o.w[3]);
    case kObjBus: return GrowRect(box(x1, y1, o.w[2], o.w[3]), kBusWidth, kBusWidth);
    case kObjRectangle: {
        const int x2 = (o.w[7] & kRectMirrorBit) ? x1 - o.w[2] : x1 + o.w[2];
        return box(x1, y1, x2, y1 + o.w[3]);
    }
    case 3: return box(x1 - kSmallCircleRadius, y1 - kSmallCircleRadius, x1 + kSmallCircleRadius, y1 + kSmallCircleRadius);
    case kObjEllipse: return box(x1 - o.w[2], y1 - o.w[3], x1 + o.w[2], y1 + o.w[3]);
    case kObjDot: return box(x1 - kDotRadius, y1 - kDotRadius, x1 + kDotRadius, y1 + kDotRadius);
    case 25: return box(x1 - kRingOuter, y1 - kRingOuter, x1 + kRingOuter, y1 + kRingOuter);
    default: return std::nullopt;
    }
}

// Whether an object can touch the clip box (drawing units) of the DC it is painted on: its
// reach grown by its pen and a few pixels for rounding.
bool mayTouch(const DrawObject& o, const plat::Rect& clip)
{
    const std::optional<plat::Rect> reach = paintReach(o);
    if (!reach)
        return true;
    const int zoom = std::max(1, g_current.zoomFactor);
    const int grow = ((o.w[6] & 0xFF) + kRingPen + 4) * zoom;
    const plat::Rect r = GrowRect(*reach, grow, grow);
    return r.left <= clip.right && r.right >= clip.left && r.top <= clip.bottom && r.bottom >= clip.top;
}

}  // namespace

std::string InlineText(const DrawObject& object, int firstWord, int maxBytes)
{
    std::string text;
    for (int i = 0; i < maxBytes; ++i) {
        const int word = firstWord + i / 4;
        if (word >= kDrawObjectWords)
            break;
        const char c = static_cast<char>((static_cast<uint32_t>(object.w[static_cast<size_t>(word)]) >> (8 * (i % 4))) & 0xFF);
        if (c == 0)
            break;
        text.push_back(c);
    }
    return text;
}

int DrawObjects(int first, int last, plat::Dc& dc)
{
    if (g_current.objects.empty())
        return 0;
    first = std::max(first, 1);
    last = std::min(last, static_cast<int>(g_current.objects.size()) - 1);
    // Objects wholly outside the clip never reach their painters; they still count as drawn.
    plat::Rect clip;
    dc.GetClipBox(clip);
    int drawn = 0;
    for (int i = first; i <= last; ++i) {
        DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() == kObjDeleted || !passesFilter(o))
            continue;
        ++drawn;
        if (!mayTouch(o, clip))
            continue;
        if (o.type() == 25)
            drawRing(dc, o, roleOf(o));
        else
            drawGraphic(dc, o, roleOf(o));
    }
    for (int i = first; i <= last; ++i) {
        DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() == kObjDeleted || !passesFilter(o) || !mayTouch(o, clip))
            continue;
        if (o.type() == 25)
            drawRing(dc, o, roleOf(o));
        else
            drawOverlayKind(dc, o);
    }
    char message[64];
    std::snprintf(message, sizeof message, "objects drawn=%d,pc=%d", drawn, last);
    g_paintRecord.message = message;
    if (g_settings.breaks == 1)
        if (SheetOverlays* hooks = g_sheetPaintHooks.overlays)
            hooks->DrawPageBreaks(dc);
    return drawn;
}
