// Text painters: board text in the stroke font, and system-font text for pin numbers, plane
// labels and ruler labels.
#include "common/pcb/object_painters.h"

#include "common/pcb/board_primitives.h"
#include "common/pcb/package_points.h"
#include "common/pcb/stroke_font.h"
#include "platform/gdi/dc.h"

#include <array>
#include <cmath>

namespace pcb {
namespace {

struct ScreenFont {
    const char* face;
    uint8_t charSet;
    uint8_t pitchAndFamily;
};

// Character sets and pitch-and-family bytes as the font request carries them.
constexpr uint8_t kAnsi = 0, kSymbolSet = 2, kOem = 255;
constexpr uint8_t kFixed = 1, kVariable = 2;
constexpr uint8_t kRoman = 0x10, kSwiss = 0x20, kModern = 0x30, kScript = 0x40;

constexpr std::array<ScreenFont, 12> kFontTable = {{
    {"Standard", kAnsi, kModern | kFixed},
    {"Arial", kAnsi, kSwiss | kVariable},
    {"Courier", kAnsi, kModern | kFixed},
    {"Courier New", kAnsi, kModern | kFixed},
    {"Fixedsys", kAnsi, kModern | kFixed},
    {"Modern", kOem, kModern | kVariable},
    {"MS Sans Serif", kAnsi, kModern | kFixed},
    {"MS Serif", kAnsi, kRoman | kFixed},
    {"Roman", kOem, kRoman | kFixed},
    {"Script", kOem, kScript | kVariable},
    {"Small Fonts", kAnsi, kSwiss | kVariable},
    {"Symbol", kSymbolSet, kSwiss | kVariable},
}};

bool mirrorPrinting(const PaintFrame& f)
{
    return f.printing && f.printMirror;
}

// The dotted box that stands for a text while it is dragged.
void drawTextBox(const PaintFrame& f, plat::Dc& dc, int x, int y, int width, int height, int angle)
{
    if (angle == 0) {
        DrawRect(f, dc, x, y, x + width, y + height, kMarkColor, kStyleDot, kFillHollow, 1);
        return;
    }
    std::array<plat::Point, 4> corners = {
        plat::Point{x, y}, plat::Point{x + width, y}, plat::Point{x + width, y + height},
        plat::Point{x, y + height}};
    // Escapement turns counter-clockwise on the screen, y pointing down.
    const double a = -angle * kTenthDegree;
    for (plat::Point& p : corners) {
        int32_t px = p.x, py = p.y;
        RotatePoint(x, y, px, py, a, 0);
        p = {px, py};
    }
    const plat::Pen old = dc.SelectObject(plat::Pen(plat::kPsDot, 0, FrameDeviceColor(f, kMarkColor)));
    const plat::Brush oldBrush = dc.SelectObject(plat::Brush::hollow());
    dc.Polygon(corners);
    dc.SelectObject(old);
    dc.SelectObject(oldBrush);
}

}  // namespace

void PlotStrokeText(const PaintFrame& f, plat::Dc& dc, int x, int y, std::string_view text, int style, int angle,
                    int mirror, int pen)
{
    WalkStrokeText(
        x, y, text, style, angle, mirror, true,
        [&](const StrokeSegment& s) {
            if (s.type == kStrokeLine)
                DrawStrokeLine(f, dc, s.x1, s.y1, s.x2, s.y2, pen, s.width);
            else
                DrawStrokeArc(f, dc, s.x1, s.y1, s.x2, s.y2, pen, s.width, s.angle);
        },
        f.zoomIndex);
}

int DrawStrokeText(const PaintFrame& f, plat::Dc& dc, int x, int y, std::string_view text, int style,
                   int angleWord, int color)
{
    PlotStrokeText(f, dc, x, y, text, style, angleWord & 0xFFF, (angleWord >> 12) & 1, color);
    return GetStrokeTextExtent(text, style, 0)[0];
}

int DrawFontText(const PaintFrame& f, plat::Dc& dc, int x, int y, std::string_view text, int style, int angle,
                 int color, int pin)
{
    int font = style & 0x7F;
    int size = (style >> 8) & 0x7F;
    if (pin) {
        if (size > 8)
            size = 6;
        size = kPinTextSizes[size];
    }
    if (font == 0) {
        font = 1;
        if (size == 0)
            size = 6;
    }
    if (font > 63)
        font = 0;
    // Numbers between the table's end and 63 would read past it; they take the first face.
    const ScreenFont& face = kFontTable[static_cast<size_t>(font) < kFontTable.size() ? font : 0];

    const bool inverting = f.rasterMode == kModeInvert;
    int escapement = angle & 0xFFF;
    if (inverting)
        escapement = 0;
    else if (mirrorPrinting(f))
        escapement = 3600 - escapement;

    int height = size;
    if (color != RoleColor(*f.colors, kRoleRuler))
        height = LogicalLength(f.zoomIndex, size * 80);

    plat::Font request;
    request.face = face.face;
    request.height = -height;
    request.escapement = escapement;
    request.orientation = escapement;
    request.weight = (style & 0x80) ? 700 : 400;
    request.italic = (style & 0x8000) != 0;
    request.charSet = face.charSet;
    request.pitchAndFamily = face.pitchAndFamily;
    const plat::Font oldFont = dc.SelectObject(request);
    const plat::Size extent = dc.GetTextExtent(text);

    if (inverting) {
        drawTextBox(f, dc, x, y, extent.cx, extent.cy, angle & 0xFFF);
    } else {
        const int oldMode = dc.SetBkMode(plat::kTransparent);
        const plat::ColorRef oldColor = dc.SetTextColor(FrameDeviceColor(f, color));
        unsigned oldAlign = 0;
        // On a mirrored page the text runs the other way from its point.
        if (mirrorPrinting(f))
            oldAlign = dc.SetTextAlign((dc.GetTextAlign() & ~plat::kTaHorizontalMask) | plat::kTaRight);
        dc.TextOut(x, y, text);
        if (mirrorPrinting(f))
            dc.SetTextAlign(oldAlign);
        dc.SetTextColor(oldColor);
        dc.SetBkMode(oldMode);
    }
    dc.SelectObject(oldFont);
    return extent.cx;
}

void DrawStrokeLine(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width)
{
    DrawLine(f, dc, x1, y1, x2, y2, color, kStyleSolid, width);
}

void DrawStrokeArc(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width,
                   int angle)
{
    // A corner arc bends about (x2, y1); a quarter or three-quarter turn moves the bend to the
    // other corner of the two points, which exchanging them restores.
    const int a = ((angle % 3600) + 3600) % 3600;
    if ((a >= 450 && a < 1350) || (a >= 2250 && a < 3150)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    DrawArcTrace(f, dc, x1, y1, x2, y2, color, kStyleSolid, width);
}

}  // namespace pcb
