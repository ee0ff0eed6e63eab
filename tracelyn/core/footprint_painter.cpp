// Placed packages: the package's objects about the part, its pads, and the reference label.
#include "tracelyn/core/object_painters.h"

#include "common/string_helpers.h"
#include "platform/gdi/dc.h"
#include "platform/system/ascii_case.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool isSilkColor(int color)
{
    return color == RoleColor(kRoleTopSilk) || color == RoleColor(kRoleBottomSilk);
}

bool showTopSilk()
{
    return g_boardSettings.layerDisplay[0] != 0;
}

bool showBottomSilk()
{
    return g_boardSettings.layerDisplay[1] != 0;
}

bool onPowerPlane()
{
    return g_edit.currentLayer == kLayerVcc || g_edit.currentLayer == kLayerGround;
}

// Whether a silk-colour paint of the part draws anything: the part must have silk on the side
// asked for, and that side must be shown (or be the current layer). A part on all layers has
// top silk, and bottom silk as well when its word 5 carries the bottom-silk flag (a part
// without sections stores -1 there, which is not the flag).
bool silkShown(const BoardObject& part, int color)
{
    const int layer = part.layer();
    if (layer < 0)
        return false;
    const bool topShown = showTopSilk() || g_edit.currentLayer == kLayerSilkTop;
    const bool bottomShown = showBottomSilk() || g_edit.currentLayer == kLayerSilkBottom;
    const bool topAsked = color == RoleColor(kRoleTopSilk);
    if (layer == kLayerAll) {
        if (topAsked)
            return topShown;
        return part.w[5] != -1 && (part.w[5] & 0x20) != 0 && bottomShown;
    }
    if (layer == kLayerTop)
        return topAsked && topShown;
    return !topAsked && bottomShown;
}

// Parts placed by name (kind 64) take their package when it is loaded and its number fits the
// kind field; else they are not drawn, but stay as they are, to be saved with the board.
bool resolvePackage(BoardObject& part)
{
    if (part.kind() != kKindPart)
        return true;
    int package = 0;
    if (!FindPackageByName(1, part.text() ? part.text() : "", package) || package > kMaxPartPackage)
        return false;
    part.setKind(kKindPart + package);
    SetPartLabelAnchor(part, nullptr);
    if (char* name = part.text(); name != nullptr) {
        if (char* bang = std::strchr(name, '!'))
            *bang = '\0';
    }
    return true;
}

// The dotted extent box that stands for a part while it is dragged.
void drawDragBox(plat::Dc& dc, int package, int rotation, int mirror)
{
    if (package < 1 || package > std::min(g_packages.count, kMaxPackages))
        return;
    const int32_t* e = g_packages.defs[static_cast<size_t>(package)].extent();
    if (IsOrthogonalRotation(rotation)) {
        int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        GetPackageExtent(package, x1, y1, x2, y2, rotation, mirror);
        DrawRect(dc, x1, y1, x2, y2, kMarkColor, kStyleDot, kFillHollow, 1);
        return;
    }
    const int32_t corners[4][2] = {{e[0], e[1]}, {e[2], e[1]}, {e[2], e[3]}, {e[0], e[3]}};
    std::array<plat::Point, 4> points;
    for (size_t i = 0; i < 4; ++i) {
        int32_t x = corners[i][0], y = corners[i][1];
        WorldToScreen(x, y);
        TransformPoint(x, y, x, y, rotation, mirror);
        points[i] = {x, y};
    }
    DrawPointPolygon(dc, points, kMarkColor, kStyleDot, kFillHollow, 1);
}

}  // namespace

std::string PartReferenceLabel(const BoardObject& part, int sections, int section, bool& valueOnlyEmpty)
{
    const std::string name = part.text() ? part.text() : "";
    const int number = part.w[7];
    const size_t colon = name.find(':');
    char buffer[256];
    valueOnlyEmpty = false;
    if (colon == std::string::npos) {
        if (sections <= 1)
            std::snprintf(buffer, sizeof buffer, "%.200s%d", name.c_str(), number);
        else
            std::snprintf(buffer, sizeof buffer, "%.200s%d%c", name.c_str(), number, 'a' + section - 1);
        return buffer;
    }
    const std::string prefix = name.substr(0, colon);
    const std::string value = name.substr(colon + 1);
    // A part without sections stores -1 in word 5, which is not the value-only mark.
    const bool valueOnly = part.w[5] != -1 && (part.w[5] & 0x8000) != 0;
    if (valueOnly) {
        valueOnlyEmpty = value.empty();
        return value;
    }
    if (!value.empty() && value[0] == '\\')
        std::snprintf(buffer, sizeof buffer, "%.120s%d", prefix.c_str(), number);
    else
        std::snprintf(buffer, sizeof buffer, "%.120s%d %.120s", prefix.c_str(), number, value.c_str());
    return buffer;
}

bool PartSectionRange(const BoardObject& part, PartSection& range)
{
    if (!part.isPart() || part.kind() == kKindPart || part.package() > std::min(g_packages.count, kMaxPackages))
        return false;
    const bool noSections = part.w[5] == -1;
    range.section = noSections ? 1 : (part.w[5] & 7) + 1;
    int count = 0, first = 0, value = 0;
    range.sections = 1;
    // A part without sections has no key bits in its -1; its package has the one header.
    FindPartPin(part.package(), range.sections, count, first, noSections ? 0 : (part.w[5] >> 3) & 3, value);
    if (count > kMaxSectionObjects || count < 1)
        return false;
    count /= range.sections;
    first += (range.section - 1) * count;
    // Every section but the last ends in the records that start the next one.
    if (!noSections && range.sections > 1)
        count -= 4;
    range.first = first;
    range.last = std::min(first + count - 1, kPackageStoreSize - 1);
    range.count = count;
    return true;
}

void DrawFootprint(plat::Dc& dc, BoardObject& part, int color, int show)
{
    const int labelStyle = g_boardSettings.lib_font * 256 + 1;
    int32_t px = part.w[0], py = part.w[1];
    WorldToScreen(px, py);
    g_partPosition = {px, py};
    if (part.kind() == kKindDeleted || part.text() == nullptr)
        return;
    if (isSilkColor(color) && !silkShown(part, color))
        return;
    if (!resolvePackage(part))
        return;

    const int package = part.package();
    PartSection range;
    if (!PartSectionRange(part, range))
        return;
    const int count = range.count, first = range.first;
    bool valueOnlyEmpty = false;
    std::string label = PartReferenceLabel(part, range.sections, range.section, valueOnlyEmpty);

    const int rotation = part.w[6] & 0xFFF;
    const int mirror = (part.w[6] >> 12) & 1;
    const bool upright = (part.w[4] & 0x100) != 0;
    const bool copy = g_paint.rasterMode == kModeCopy;
    if (copy && count >= 1) {
        DrawPackageObjects(dc, color, first, range.last, rotation, mirror, upright, part.layer(), show);
    }
    int labelWidth = 0;
    // A part without a reference text yet (an empty name) shows no label.
    const bool named = part.text() != nullptr && part.text()[0] != '\0';
    if (copy && named && !label.empty() && count >= 1 && !valueOnlyEmpty && isSilkColor(color)) {
        label = plat::upperCaseAscii(label);
        int32_t lx = part.w[2], ly = part.w[3];
        WorldToScreen(lx, ly);
        TransformPoint(lx, ly, lx, ly, rotation, mirror);
        labelWidth = DrawStrokeText(dc, lx, ly, label, labelStyle, PartLabelAngle(part), color);
    } else if (g_paint.rasterMode == kModeInvert) {
        drawDragBox(dc, package, rotation, mirror);
    }
    part.w[8] = labelWidth;
}

void DrawPackageObjects(plat::Dc& dc, int color, int first, int last, int rotation, int mirror,
                        int upright, int partLayer, int show)
{
    first = std::max(first, 0);
    last = std::min(last, kPackageStoreSize - 1);
    const bool silk = isSilkColor(color);
    const int current = g_edit.currentLayer;
    const double angle = rotation * kTenthDegree;
    // Package arcs bend about (x2, y1); a quarter or three-quarter turn moves the bend to the
    // other corner, which exchanging the ends restores.
    const bool swapArcEnds = (rotation >= 450 && rotation < 1350) || (rotation >= 2250 && rotation < 3150);
    for (int i = first; i <= last; ++i) {
        const BoardObject& o = g_packages.objects[static_cast<size_t>(i)];
        int32_t x = o.w[0], y = o.w[1];
        WorldToScreen(x, y);
        TransformPoint(x, y, x, y, rotation, mirror);
        auto second = [&](int32_t& sx, int32_t& sy) {
            sx = o.w[2];
            sy = o.w[3];
            WorldToScreen(sx, sy);
            TransformPoint(sx, sy, sx, sy, rotation, mirror);
        };
        switch (o.kind()) {
        case kKindLine:
            if (silk) {
                int32_t x2 = 0, y2 = 0;
                second(x2, y2);
                DrawTrace(dc, x, y, x2, y2, color, kStyleSolid, kPackageLineWidth);
            }
            break;
        case kKindRectangle:
            if (silk) {
                int32_t w = o.w[2], h = o.w[3];
                WorldToScreen(w, h);
                if (rotation >= 8) {
                    DrawRotatedRect(dc, x, y, w, h, color, kStyleSolid, o.w[6], kPackageLineWidth,
                                    angle, mirror);
                } else {
                    int32_t x2 = o.w[0] + o.w[2], y2 = o.w[1] + o.w[3];
                    WorldToScreen(x2, y2);
                    TransformPoint(x2, y2, x2, y2, rotation, mirror);
                    DrawBox(dc, x, y, x2, y2, color, kStyleSolid, o.w[6], kPackageLineWidth);
                }
            }
            break;
        case kKindEllipse:
            if (silk) {
                int32_t rx = o.w[2], ry = o.w[3];
                WorldToScreen(rx, ry);
                if (std::abs(rotation - 900) < 300 || std::abs(rotation - 2700) < 300)
                    std::swap(rx, ry);
                DrawEllipse(dc, x, y, rx, ry, color, kStyleSolid, kFillHollow, kPackageLineWidth);
            }
            break;
        case kKindArc:
            if (silk) {
                int32_t x2 = 0, y2 = 0;
                second(x2, y2);
                if (swapArcEnds)
                    DrawArcTrace(dc, x2, y2, x, y, color, kStyleSolid, kPackageLineWidth);
                else
                    DrawArcTrace(dc, x, y, x2, y2, color, kStyleSolid, kPackageLineWidth);
            }
            break;
        case kKindPolygon:
            if (silk && o.points() != nullptr) {
                const int n = std::max(o.w[2], 0);
                DrawPolygon(dc, std::span<const int32_t>(o.points(), static_cast<size_t>(2 * n)), n,
                            color, kStyleSolid, o.w[6], o.w[7], 1, rotation, mirror);
            }
            break;
        case kKindText: {
            const char* text = o.text();
            if (text == nullptr || g_boardSettings.pin_font == kPinFontHidesTexts || IsNamePlaceholder(o))
                break;
            if (o.w[6] == 3) {
                const bool onLayer = partLayer == current || partLayer == kLayerAll || current == kLayerAll;
                if (g_boardSettings.hidden != 0 && !silk && onLayer) {
                    const int angleWord = upright ? 0 : (rotation == 0 ? 0 : 3600 - rotation);
                    DrawFontText(dc, x, y, text, g_boardSettings.pin_font * 256 + 1, angleWord,
                                 color, 1);
                }
            } else if (silk) {
                const int sizeIndex = (o.w[2] >> 8) & 0x7F;
                const int style = sizeIndex == 3 || sizeIndex == 6 ? 0 : o.w[2];
                int angleWord = rotation == 0 ? 0 : 3600 - rotation;
                if (mirror)
                    angleWord |= 0x1000;
                DrawStrokeText(dc, x, y, text, style, angleWord, color);
            }
            break;
        }
        case kKindPad: {
            if (silk)
                break;
            int32_t xs = o.w[2], ys = o.w[3];
            WorldToScreen(xs, ys);
            const int32_t hole = ScreenLength(o.w[6]);
            int padColor = color;
            if (onPowerPlane()) {
                if (o.w[6] <= 0)
                    break;
                padColor = BackgroundColor();
            }
            DrawPad(dc, x, y, padColor, o.w[5] & 15, xs, ys, hole, rotation, mirror);
            break;
        }
        default:
            break;
        }
    }
    (void)show;
}
