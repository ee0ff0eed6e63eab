// The object loop of a repaint: the objects of the current sheet and shown layers, graphics
// in a first pass and texts, dots and parts over them in a second.
#include "schemora/core/current_document.h"
#include "schemora/core/object_reach.h"
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
#include <utility>
#include <vector>

namespace {

constexpr int kVerticalLabelAngle = 900;

int layerOf(const DrawObject& o) { return (o.w[4] >> 10) & 3; }
int roleOf(const DrawObject& o) { return o.w[6] > kDirectColorWidth ? kDirectColor : layerOf(o) + 1; }
int styleOf(const DrawObject& o) { return o.w[5] & 3; }

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

void drawWire(plat::Dc& dc, const DrawObject& o, int role, int index)
{
    std::string first = InlineText(o, kFirstLabelWord, kFirstLabelBytes);
    if (first.empty()) {
        DrawLine(dc, o.w[0], o.w[1], o.w[2], o.w[3], g_drawModes.highlight ? kRoleEdit : role,
                 styleOf(o), o.w[6]);
        return;
    }
    DrawLine(dc, o.w[0], o.w[1], o.w[2], o.w[3], kRoleTerminal, plat::kPsSolid, o.w[6]);
    if (const SheetOverlays* hooks = g_sheetPaintHooks.overlays)
        first = hooks->ShownPinText(index, std::move(first));
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
    const int angle = o.rotation();
    if (angle == 0) {
        DrawRoundRect(dc, x1, y1, x2, y2, std::min(std::abs(o.w[2]), std::abs(o.w[3])) / 4,
                      std::abs(o.w[3]) / 4, role, styleOf(o), o.w[7], o.w[6]);
        return;
    }
    DrawRotatedRoundRect(dc, x1, y1, x1, y1, x2, y2, role, styleOf(o), o.w[7], o.w[6],
                         angle * kTenthsToRadians, o.mirrored());
}

// Kinds of the first pass: the graphics under the texts.
bool drawGraphic(plat::Dc& dc, DrawObject& o, int role, int index)
{
    const int x1 = o.w[0], y1 = o.w[1];
    switch (o.type()) {
    case kObjLine: drawWire(dc, o, role, index); return true;
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
                     o.rotation(), o.mirrored());
        return true;
    case kObjPolygon: DrawPolygonRecord(dc, o, role); return true;
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

bool candidate(const DrawObject& o, const plat::Rect& clip)
{
    return o.type() != kObjDeleted && passesFilter(o) && WithinDrawableRange(o) && MayTouchClip(o, clip);
}

// Fills `slots` with the objects of first..last that pass the filter and may touch the clip, in
// slot order, and returns how many objects pass the filter. A walk over the whole drawing asks
// the store's paint index, which takes in every change of any record first; printing (its own
// scale) and part ranges (one object drawn in a mode) test every object.
int collectCandidates(plat::Dc& dc, int first, int last, const plat::Rect& clip, std::vector<int>& slots)
{
    slots.clear();
    int drawn = 0;
    ExtentIndex* index = PaintIndexOf(g_current.objects.data());
    if (!index || g_sheetView.printing || first != 1 || last < g_current.count) {
        for (int i = first; i <= last; ++i) {
            const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
            drawn += o.type() != kObjDeleted && passesFilter(o);
            if (candidate(o, clip))
                slots.push_back(i);
        }
        return drawn;
    }
    const uint64_t scale = MeasureScaleOf(dc);
    index->refresh(
        last,
        [&](int slot) {
            const DrawObject& o = g_current.objects[static_cast<size_t>(slot)];
            drawn += o.type() != kObjDeleted && passesFilter(o);
            return PaintFingerprint(o, scale);
        },
        [&](int slot) { return PaintExtent(dc, g_current.objects[static_cast<size_t>(slot)]); });
    index->query(ExtentBoxOf(clip), slots);
    std::erase_if(slots, [&](int i) { return !candidate(g_current.objects[static_cast<size_t>(i)], clip); });
    return drawn;
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
    std::vector<int> slots;
    const int drawn = collectCandidates(dc, first, last, clip, slots);
    for (const int i : slots) {
        DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() == kObjRing)
            drawRing(dc, o, roleOf(o));
        else
            drawGraphic(dc, o, roleOf(o), i);
    }
    for (const int i : slots) {
        DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (!candidate(o, clip))
            continue;
        if (o.type() == kObjRing)
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

void DrawPolygonRecord(plat::Dc& dc, const DrawObject& o, int role)
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
