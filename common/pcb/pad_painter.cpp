// Pads of every shape, through solder-mask and paste views and on the power planes.
#include "common/pcb/object_painters.h"

#include "common/pcb/board_object.h"
#include "common/pcb/board_primitives.h"
#include "common/pcb/package_points.h"
#include "platform/gdi/dc.h"

#include <array>
#include <cmath>
#include <vector>

namespace pcb {
namespace {

bool onPowerPlane(const PaintFrame& f)
{
    return f.currentLayer == kLayerVcc || f.currentLayer == kLayerGround;
}

bool plotterPrinting(const PaintFrame& f)
{
    return f.printing && f.plotterPads;
}

// Draws one pad's shapes about its centre, turned by its rotation when that is 8 or more.
class PadShapes {
public:
    PadShapes(const PaintFrame& f, plat::Dc& dc, int x, int y, int rotation, int mirror)
        : f_(f), dc_(dc), x_(x), y_(y), rotated_(rotation >= 8), angle_(rotation * kTenthDegree),
          mirror_(mirror)
    {
    }

    bool plotter() const { return plotterPrinting(f_); }

    // A filled rectangle from (x + left, y + top) to (x + right, y + bottom).
    void rect(int left, int top, int right, int bottom, int color)
    {
        if (!rotated_) {
            DrawRect(f_, dc_, x_ + left, y_ + top, x_ + right, y_ + bottom, color, kStyleSolid,
                     kFillSolid, 1);
            return;
        }
        const std::array<plat::Point, 4> corners = {
            turned(left, top), turned(right, top), turned(right, bottom), turned(left, bottom)};
        DrawPointPolygon(f_, dc_, corners, color, kStyleSolid, kFillSolid, 1);
    }

    // A filled rounded rectangle of half sizes hw x hh with corner ellipses cw x ch.
    void roundRect(int hw, int hh, int cw, int ch, int color)
    {
        if (!rotated_) {
            DrawRoundRect(f_, dc_, x_ - hw, y_ - hh, x_ + hw, y_ + hh, cw, ch, color, kStyleSolid,
                          kFillSolid, 1);
            return;
        }
        // Turned: the outline with each corner as a quarter ellipse of a few steps.
        const int rx = std::min(cw / 2, hw), ry = std::min(ch / 2, hh);
        const int cx[4] = {hw - rx, -(hw - rx), -(hw - rx), hw - rx};
        const int cy[4] = {hh - ry, hh - ry, -(hh - ry), -(hh - ry)};
        std::vector<plat::Point> points;
        for (int corner = 0; corner < 4; ++corner) {
            for (int step = 0; step <= 4; ++step) {
                const double t = (corner * 90 + step * 22.5) * 3.141592653589793 / 180.0;
                points.push_back(turned(cx[corner] + static_cast<int>(std::lround(rx * std::cos(t))),
                                        cy[corner] + static_cast<int>(std::lround(ry * std::sin(t)))));
            }
        }
        DrawPointPolygon(f_, dc_, points, color, kStyleSolid, kFillSolid, 1);
    }

    void disc(int radius, int color, int fill = kFillSolid, int width = 1)
    {
        DrawEllipse(f_, dc_, x_, y_, radius, radius, color, kStyleSolid, fill, width);
    }

    // The hole, in the background colour.
    void hole(int diameter)
    {
        if (diameter > 0)
            DrawEllipse(f_, dc_, x_, y_, diameter / 2, diameter / 2, BackgroundColor(f_), kStyleSolid,
                        kFillBackground, 1);
    }

    void line(int x1, int y1, int x2, int y2, int color, int width)
    {
        DrawLine(f_, dc_, x_ + x1, y_ + y1, x_ + x2, y_ + y2, color, kStyleSolid, width);
    }

private:
    plat::Point turned(int dx, int dy) const
    {
        int32_t px = x_ + dx, py = y_ + dy;
        RotatePoint(x_, y_, px, py, angle_, mirror_);
        return {px, py};
    }

    const PaintFrame& f_;
    plat::Dc& dc_;
    int x_, y_;
    bool rotated_;
    double angle_;
    int mirror_;
};

// The solid outline of a shape at its size grown by `grow` on every side (the mask form).
void solidShape(PadShapes& pad, int shape, int xs, int ys, int grow, int color)
{
    const int hw = xs / 2 + grow, hh = ys / 2 + grow;
    switch (shape) {
    case kPadOblong:
        pad.roundRect(hw, hh, (xs + 2 * grow) / 3, (ys + 2 * grow) / 3, color);
        break;
    case kPadRect:
    case kPadRectHole:
        pad.rect(-hw, -hh, hw, hh, color);
        break;
    case kPadFinger:
        pad.rect(-hw, -grow, hw, ys + grow, color);
        pad.disc(hw, color);
        break;
    default:
        pad.disc(hw, color);
        break;
    }
}

void roundRing(PadShapes& pad, int xs, int hole, int color)
{
    const int pen = (xs - (hole + 2)) / 2;
    const int radius = (pen + hole + 2) / 2;
    pad.disc(radius, color, pad.plotter() ? kFillHollow : kFillBackground, pen);
}

void via(PadShapes& pad, int viaMode, int xs, int ys, int hole, int color, int ringColor, int clearance,
         bool mask, bool paste)
{
    if (paste)
        return;
    const int half = xs == 0 ? 5 : (xs + ys) / 4;
    if (hole == 0)
        hole = 5;
    if (pad.plotter()) {
        roundRing(pad, 2 * half, hole, color);
    } else if (!mask) {
        pad.rect(-half, -half, half, half, color);
        pad.hole(hole);
    } else if (viaMode == kViaModeMaskSquare) {
        pad.rect(-half - clearance, -half - clearance, half + clearance, half + clearance, ringColor);
    }
}

}  // namespace

void DrawPad(const PaintFrame& f, plat::Dc& dc, int x, int y, int color, int shape, int xs, int ys, int hole,
             int rotation, int mirror)
{
    const int32_t clearance = LogicalLength(f.zoomIndex, f.maskMargin);
    bool mask = f.mask;
    bool paste = f.paste;
    const int ringColor = mask || paste ? RoleColor(*f.colors, kRoleClearance) : color;
    if (onPowerPlane(f)) {
        mask = paste = false;
        if (shape != kPadThermal)
            shape = kPadRound;
    } else if (shape > kPadThermal) {
        return;
    }
    PadShapes pad(f, dc, x, y, rotation, mirror);

    if (shape == kPadVia || shape == kPadLayerPair) {
        via(pad, f.viaMode, xs, ys, hole, color, ringColor, clearance, mask, paste);
        return;
    }
    if (shape == kPadThermal) {
        pad.line(hole / 2, 0, xs / 2, 0, color, 1);
        pad.line(-hole / 2, 0, -xs / 2, 0, color, 1);
        pad.line(0, hole / 2, 0, ys / 2, color, 1);
        pad.line(0, -hole / 2, 0, -ys / 2, color, 1);
        return;
    }
    if (paste && shape != kPadRect && shape != kPadRectHole)
        return;
    if (mask || paste) {
        solidShape(pad, shape, xs, ys, clearance, ringColor);
        solidShape(pad, shape, xs, ys, 0, kMarkColor);
        if (shape != kPadRect && shape != kPadRectHole)
            pad.hole(hole);
        return;
    }

    switch (shape) {
    case kPadRound:
        roundRing(pad, xs, hole, color);
        break;
    case kPadCross: {
        const int fill = pad.plotter() ? kFillHollow : kFillBackground;
        pad.disc(xs / 2, color, fill, f.pixelSize);
        pad.line(-xs / 2, 0, xs / 2, 0, color, 1);
        pad.line(0, -ys / 2, 0, ys / 2, color, 1);
        break;
    }
    case kPadOblong:
        pad.roundRect(xs / 2, ys / 2, xs / 3, ys / 3, color);
        pad.hole(hole);
        break;
    case kPadRect:
        pad.rect(-xs / 2, -ys / 2, xs / 2, ys / 2, color);
        break;
    case kPadRectHole:
        pad.rect(-xs / 2, -ys / 2, xs / 2, ys / 2, color);
        pad.hole(hole);
        break;
    case kPadFinger: {
        pad.rect(-xs / 2, 0, xs / 2, ys, color);
        const int pen = (xs - hole) / 2;
        const int radius = (pen + hole) / 2;
        pad.disc(radius, color, hole == 1 ? kFillSolid : kFillHollow, pen);
        if (!f.printing)
            pad.hole(hole);
        break;
    }
    default:
        break;
    }
}

}  // namespace pcb
