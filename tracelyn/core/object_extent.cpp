#include "tracelyn/core/object_extent.h"

#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/stroke_text_services.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

namespace {

BoardBox boxOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

void grow(BoardBox& b, int32_t by)
{
    b.left -= by;
    b.top -= by;
    b.right += by;
    b.bottom += by;
}

void join(BoardBox& b, int32_t x, int32_t y)
{
    b.left = std::min(b.left, x);
    b.top = std::min(b.top, y);
    b.right = std::max(b.right, x);
    b.bottom = std::max(b.bottom, y);
}

std::string_view textOf(const BoardObject& o)
{
    return o.text() != nullptr ? std::string_view(o.text()) : std::string_view();
}

// The bounding box of a text turned by its angle about its anchor.
BoardBox rotatedTextBox(int index)
{
    const BoardObject& o = g_board.objects[index];
    const BoardBox b = UnrotatedTextBox(index);
    const int angle = o.w[3] & 0xFFF;
    if (angle == 0)
        return b;
    const double a = angle * kTenthDegree;
    const double c = std::cos(a), s = std::sin(a);
    const int32_t ax = o.w[0], ay = o.w[1];
    BoardBox result{ax, ay, ax, ay};
    const int32_t corners[4][2] = {{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}};
    for (const auto& p : corners) {
        const double dx = p[0] - ax, dy = p[1] - ay;
        // Text turns counter-clockwise on the screen, whose y runs downward.
        join(result, ax + static_cast<int32_t>(dx * c + dy * s), ay + static_cast<int32_t>(-dx * s + dy * c));
    }
    return result;
}

BoardBox padBox(const BoardObject& o)
{
    int32_t hx = o.w[2] / 2 + 4, hy = o.w[3] / 2 + 4;
    const int rotation = (o.w[5] >> 3) & 0xFFF;
    if (rotation == 900 || rotation == 2700)
        std::swap(hx, hy);
    if ((o.w[5] & 0xF) == 4)
        return boxOf(o.w[0] - hx, o.w[1], o.w[0] + hx, o.w[1] + 2 * hy);
    return boxOf(o.w[0] - hx, o.w[1] - hy, o.w[0] + hx, o.w[1] + hy);
}

BoardBox pointsBox(const BoardObject& o, int count, int stride)
{
    const int32_t* p = o.points();
    if (p == nullptr || count < 1)
        return {o.w[0], o.w[1], o.w[0], o.w[1]};
    BoardBox b{p[0], p[1], p[0], p[1]};
    for (int i = 0; i < count; ++i) {
        join(b, p[i * stride], p[i * stride + 1]);
        if (stride > 2)
            join(b, p[i * stride + 2], p[i * stride + 3]);
    }
    return b;
}

BoardBox partBox(const BoardObject& o, int mode)
{
    const int package = o.package();
    BoardBox b{o.w[0], o.w[1], o.w[0], o.w[1]};
    if (package < 1 || package > g_packages.count)
        return b;
    const int32_t* e = g_packages.defs[static_cast<size_t>(package)].extent();
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0, lx = 0, ly = 0;
    TransformPartPoint(o, e[0], e[1], x1, y1);
    TransformPartPoint(o, e[2], e[3], x2, y2);
    TransformPartPoint(o, o.w[2], o.w[3], lx, ly);
    b = boxOf(x1, y1, x2, y2);
    const bool labelled = o.text() != nullptr && o.text()[0] != '\0';
    if (labelled)
        join(b, lx, ly);
    if (mode == kExtentWithLabel && labelled)
        grow(b, static_cast<int32_t>(std::max<size_t>(std::strlen(o.text()), 12) * 120));
    return b;
}

}  // namespace

int32_t BoardUnitsPerLogical()
{
    int32_t u = 1, v = 1;
    ScreenToWorld(u, v);
    return u;
}

void BoardToCursorSpace(int32_t& x, int32_t& y)
{
    WorldToScreen(x, y);
    x -= g_board.viewOriginX - g_view.clientCentreX;
    y -= g_board.viewOriginY - g_view.clientCentreY;
}

void CursorSpaceToBoard(int32_t& x, int32_t& y)
{
    x += g_board.viewOriginX - g_view.clientCentreX;
    y += g_board.viewOriginY - g_view.clientCentreY;
    ScreenToWorld(x, y);
}

BoardBox UnrotatedTextBox(int index)
{
    const BoardObject& o = g_board.objects[index];
    const std::array<int32_t, 2> size = GetStrokeTextExtent(textOf(o), o.w[2], 0);
    const int32_t w = size[0] * 10, h = std::max(size[1], 1) * 10;
    const bool mirror = ((o.w[3] >> 12) & 1) != 0;
    return boxOf(o.w[0], o.w[1] - h, mirror ? o.w[0] - w : o.w[0] + w, o.w[1]);
}

BoardBox GetObjectExtent(int index, int mode)
{
    if (g_board.objects == nullptr || index < 1 || index >= g_board.capacity)
        return {};
    const BoardObject& o = g_board.objects[index];
    BoardBox b{o.w[0], o.w[1], o.w[0], o.w[1]};
    switch (o.kind()) {
    case kKindLine:
    case kKindArc:
    case kKindNoRoute:
        b = boxOf(o.w[0], o.w[1], o.w[2], o.w[3]);
        grow(b, o.w[7] / 2);
        break;
    case kKindRectangle: {
        const int rotation = (o.w[5] >> 2) & 0xFFF;
        if (rotation == 0) {
            b = boxOf(o.w[0], o.w[1], o.w[0] + o.w[2], o.w[1] + o.w[3]);
            grow(b, o.w[7] / 2);
        } else {
            const int32_t half = std::max(std::abs(o.w[2]) * 3 / 2, std::abs(o.w[3]) * 3 / 2);
            b = boxOf(o.w[0] - half, o.w[1] - half, o.w[0] + half, o.w[1] + half);
        }
        break;
    }
    case kKindText:
        b = mode == kExtentPlain ? UnrotatedTextBox(index) : rotatedTextBox(index);
        break;
    case kKindEllipse:
        b = boxOf(o.w[0] - o.w[2], o.w[1] - o.w[3], o.w[0] + o.w[2], o.w[1] + o.w[3]);
        break;
    case kKindPad:
        b = padBox(o);
        break;
    case kKindPolygon:
        b = pointsBox(o, std::max(o.w[2], 0), 2);
        break;
    case kKindOutline:
        b = pointsBox(o, std::clamp(o.w[2], 0, kMaxOutlineSegments), kSegmentWords);
        break;
    default:
        if (o.isPart())
            b = partBox(o, mode);
        break;
    }
    return b;
}
