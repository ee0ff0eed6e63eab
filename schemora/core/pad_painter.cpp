// Pads of package drawings shown in the library previews, by shape number.
#include "schemora/core/paint_style.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/current_document.h"
#include "schemora/core/shape_painters.h"
#include "schemora/core/sheet_state.h"

#include <algorithm>

namespace {

constexpr int kRotatedFrom = 8;

void hole(plat::Dc& dc, int x, int y, int d)
{
    DrawEllipse(dc, x, y, d / 2, d / 2, kRoleScreen, plat::kPsSolid, kFillSolid, 1);
}

void box(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int angle, bool mirror, int cx, int cy)
{
    if (angle >= kRotatedFrom)
        DrawRotatedRect(dc, cx, cy, x1, y1, x2, y2, role, plat::kPsSolid, kFillSolid, 1,
                        angle * kTenthsToRadians, mirror);
    else
        DrawRect(dc, x1, y1, x2, y2, role, plat::kPsSolid, kFillSolid, 1);
}

}  // namespace

void DrawPadShape(plat::Dc& dc, int x, int y, int role, int shape, int width, int height, int hole_,
                  int angle, bool mirror)
{
    const int w = width, h = height, d = hole_;
    switch (shape) {
    case 0:
    case 7: {
        const int pen = shape == 7 ? g_current.zoom() : std::max(1, w - d - 2);
        const int r = (d + 2 + (w - d - 2)) / 2;
        DrawEllipse(dc, x, y, r, r, role, plat::kPsSolid, kFillSolid, pen);
        DrawEllipse(dc, x, y, (d + 2) / 4, (d + 2) / 4, kRoleScreen, plat::kPsSolid, kFillSolid, pen);
        if (shape == 7) {
            DrawLine(dc, x - w / 2, y, x + w / 2, y, role, plat::kPsSolid, 1);
            DrawLine(dc, x, y - w / 2, x, y + w / 2, role, plat::kPsSolid, 1);
        }
        return;
    }
    case 1:
        if (angle >= kRotatedFrom)
            DrawRotatedRoundRect(dc, x, y, x - w / 2, y - h / 2, x + w / 2, y + h / 2, role, plat::kPsSolid,
                                 kFillSolid, 1, angle * kTenthsToRadians, mirror);
        else
            DrawRoundRect(dc, x - w / 2, y - h / 2, x + w / 2, y + h / 2, w / 3, h / 3, role, plat::kPsSolid,
                          kFillSolid, 1);
        hole(dc, x, y, d);
        return;
    case 2:
    case 3:
        box(dc, x - w / 2, y - h / 2, x + w / 2, y + h / 2, role, angle, mirror, x, y);
        if (shape == 3)
            hole(dc, x, y, d);
        return;
    case 4:
        box(dc, x - w / 2, y, x + w / 2, y + h, role, angle, mirror, x, y);
        if (d >= 1) {
            const int ring = ((w - d) / 2 + d) / 2;
            DrawEllipse(dc, x, y, ring, ring, role, plat::kPsSolid, d == 1 ? kFillSolid : kFillHollow,
                        std::max(1, (w - d) / 2));
        }
        if (d >= 2 && !g_sheetView.printing)
            hole(dc, x, y, d);
        return;
    case 5:
    case 6: {
        const int half = w < 1 ? 5 : (w + h) / 4;
        box(dc, x - half, y - half, x + half, y + half, role, angle, mirror, x, y);
        hole(dc, x, y, d == 0 ? 5 : d);
        return;
    }
    case 8:
        DrawLine(dc, x + d / 2, y, x + w / 2, y, role, plat::kPsSolid, 1);
        DrawLine(dc, x - d / 2, y, x - w / 2, y, role, plat::kPsSolid, 1);
        DrawLine(dc, x, y + d / 2, x, y + w / 2, role, plat::kPsSolid, 1);
        DrawLine(dc, x, y - d / 2, x, y - w / 2, role, plat::kPsSolid, 1);
        return;
    default:
        return;
    }
}
