#include "common/pcb/board_object_painter.h"

#include "common/pcb/board_primitives.h"
#include "common/pcb/object_painters.h"
#include "common/pcb/package_points.h"

#include <algorithm>

namespace pcb {
namespace {

constexpr int kMarkerWidth = 5;

const char* planeLabel(int layer)
{
    switch (layer) {
    case kLayerGround: return "g";
    case kLayerVcc: return "v";
    case 26: return "p1";
    case 27: return "p2";
    case 28: return "p3";
    case 29: return "p4";
    default: return nullptr;
    }
}

int scaledWidth(const PaintFrame& f, const BoardObject& o)
{
    return LogicalLength(f.zoomIndex, o.w[7]);
}

void paintBoardPad(const PaintFrame& f, plat::Dc& dc, const BoardObject& o, int x, int y, int color)
{
    int32_t xs = o.w[2], ys = o.w[3];
    ToLogical(f.zoomIndex, xs, ys);
    const int32_t hole = LogicalLength(f.zoomIndex, o.w[6]);
    int shape = o.w[5] & 15;
    const int c = f.currentLayer;
    if (c == kLayerVcc || c == kLayerGround) {
        if (o.w[6] <= 0)
            return;
        color = RoleColor(*f.colors, kRoleBackground);
    } else {
        const bool via = shape == kPadVia || shape == kPadLayerPair;
        if (via && f.mask && f.viaMode == kViaModeHideInMask)
            return;
        if (via && f.roundVias)
            shape = kPadRound;
    }
    if (shape == kPadThermal && !f.highlight)
        color = RoleColor(*f.colors, kRoleHighlight);
    DrawPad(f, dc, x, y, color, shape, xs, ys, hole, o.w[5] >> 3, 0);
    if (shape == kPadThermal) {
        if (const char* label = planeLabel(o.layer())) {
            DrawFontText(f, dc, x - hole / 8, y + hole / 8, label, f.pinFont * 256 + 1, 0,
                         RoleColor(*f.colors, kRoleText), 1);
        }
    }
}

}  // namespace

void PaintBoardObject(const PaintFrame& f, plat::Dc& dc, BoardObject& o, int sub, int layerColor)
{
    const int kind = o.kind();
    const bool plain = (sub == 0 || sub == 2) && !f.mask && !f.paste;
    int32_t x = o.w[0], y = o.w[1];
    ToLogical(f.zoomIndex, x, y);
    const int highlight = RoleColor(*f.colors, kRoleHighlight);
    int color = layerColor;
    switch (kind) {
    case kKindLine:
    case kKindNoRoute:
        if (plain) {
            int32_t x2 = o.w[2], y2 = o.w[3];
            ToLogical(f.zoomIndex, x2, y2);
            if (kind == kKindNoRoute && !f.printColor)
                color = RoleColor(*f.colors, kRoleNoRoute);
            if (f.highlight)
                color = highlight;
            DrawTrace(f, dc, x, y, x2, y2, color, o.w[5], scaledWidth(f, o));
        }
        break;
    case kKindRectangle:
        if (plain) {
            int32_t w = o.w[2], h = o.w[3];
            ToLogical(f.zoomIndex, w, h);
            const int style = o.w[5] & 3;
            const int rotation = (o.w[5] >> 2) & 0xFFF;
            const int mirror = (o.w[5] >> 15) & 1;
            if (rotation < 7)
                DrawBox(f, dc, x, y, mirror ? x - w : x + w, y + h, color, style, o.w[6], scaledWidth(f, o));
            else
                DrawRotatedRect(f, dc, x, y, w, h, color, style, o.w[6], scaledWidth(f, o), rotation * kTenthDegree,
                                mirror);
        }
        break;
    case kKindText:
        if ((sub == 1 || sub == 2) && !f.mask && !f.paste) {
            const int textColor = IsPlaneLayer(f.currentLayer) ? layerColor : RoleColor(*f.colors, kRoleText);
            o.w[7] = DrawStrokeText(f, dc, x, y, o.text() ? o.text() : "", o.w[2], o.w[3], textColor);
        }
        break;
    case kKindEllipse:
        if (plain) {
            int32_t rx = o.w[2], ry = o.w[3];
            ToLogical(f.zoomIndex, rx, ry);
            DrawEllipse(f, dc, x, y, rx, ry, color, o.w[5], o.w[6], scaledWidth(f, o));
        }
        break;
    case kKindArc:
        if (plain) {
            int32_t x2 = o.w[2], y2 = o.w[3];
            ToLogical(f.zoomIndex, x2, y2);
            DrawArcTrace(f, dc, x, y, x2, y2, f.highlight ? highlight : color, o.w[5], scaledWidth(f, o));
        }
        break;
    case kKindPad:
        if (sub == 1 || (sub == 2 && (o.w[5] & 15) == kPadThermal))
            paintBoardPad(f, dc, o, x, y, color);
        break;
    case kKindFixedRectangle:
        // Its two points are corners, as the design-rule marks, Find and moves take them.
        if (plain) {
            int32_t x2 = o.w[2], y2 = o.w[3];
            ToLogical(f.zoomIndex, x2, y2);
            DrawRect(f, dc, x, y, x2, y2, RoleColor(*f.colors, kRoleFixedRect), kStyleDot, kFillHollow, 1);
        }
        break;
    case kKindPolygon:
        if (plain && o.points() != nullptr) {
            const int n = std::max(o.w[2], 0);
            DrawPolygon(f, dc, std::span<const int32_t>(o.points(), static_cast<size_t>(2 * n)), n, color, o.w[5],
                        o.w[6], scaledWidth(f, o), 0, 0, 0);
        }
        break;
    case kKindMarker:
        DrawEllipse(f, dc, x, y, 20, 20, color, kStyleSolid, kFillHollow, kMarkerWidth);
        DrawEllipse(f, dc, x, y, 30, 30, color, kStyleSolid, kFillHollow, kMarkerWidth);
        break;
    default:
        break;
    }
}

void PaintInPasses(const PaintFrame& f, plat::Dc& dc, BoardObject* objects, std::span<const ObjectPasses> passes,
                   const PassHooks& hooks)
{
    const PassOrder order(passes);
    PaintFrame object = f;
    for (int pass = 0; pass < kLayerPasses; ++pass) {
        for (int sub = 0; sub < kSubPasses; ++sub) {
            const int step = pass * kSubPasses + sub;
            for (const int k : order.at(step)) {
                const ObjectPasses& p = passes[static_cast<size_t>(k)];
                BoardObject& o = objects[p.slot];
                const bool painted = p.paintedIn(step);
                // A part placed by name takes its package when its copper is painted: it has
                // silk from then on.
                const bool silk = step == kSilkStep && o.kind() > kKindPart;
                if (!painted && !silk)
                    continue;
                object.mask = p.mask;
                object.paste = p.paste && pass == kPastePass;
                if (painted && !o.isPart())
                    PaintBoardObject(object, dc, o, sub, p.color);
                else if (painted && sub == 1 && hooks.paintPart)
                    hooks.paintPart(object, o, p.color);
                if (silk && hooks.paintSilk)
                    hooks.paintSilk(object, o);
            }
        }
        if (hooks.afterPass)
            hooks.afterPass();
    }
}

}  // namespace pcb
