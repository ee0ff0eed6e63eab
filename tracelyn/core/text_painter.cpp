// Text painters: board text in the stroke font, and system-font text for pin numbers, plane
// labels and ruler labels.
#include "tracelyn/core/object_painters.h"

#include "platform/gdi/dc.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/stroke_text_services.h"

#include <array>
#include <cmath>

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

bool mirrorPrinting()
{
    return g_print.printing && g_boardSettings.PrMirror != 0;
}

// The dotted box that stands for a text while it is dragged.
void drawTextBox(plat::Dc& dc, int x, int y, int width, int height, int angle)
{
    if (angle == 0) {
        DrawRect(dc, x, y, x + width, y + height, kMarkColor, kStyleDot, kFillHollow, 1);
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
    const plat::Pen old = dc.SelectObject(plat::Pen(plat::kPsDot, 0, GetLayerColor(ColorMapEntry(kMarkColor))));
    const plat::Brush oldBrush = dc.SelectObject(plat::Brush::hollow());
    dc.Polygon(corners);
    dc.SelectObject(old);
    dc.SelectObject(oldBrush);
}

}  // namespace

int DrawStrokeText(plat::Dc& dc, int x, int y, std::string_view text, int style, int angleWord,
                   int color)
{
    plat::Dc* const previous = g_paint.drawingDc;
    g_paint.drawingDc = &dc;
    PlotStrokeText(x, y, text, style, angleWord & 0xFFF, (angleWord >> 12) & 1, 1, color);
    g_paint.drawingDc = previous;
    return GetStrokeTextExtent(text, style, 0)[0];
}

int DrawFontText(plat::Dc& dc, int x, int y, std::string_view text, int style, int angle,
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

    const bool inverting = g_paint.rasterMode == kModeInvert;
    int escapement = angle & 0xFFF;
    if (inverting)
        escapement = 0;
    else if (mirrorPrinting())
        escapement = 3600 - escapement;

    int height = size;
    if (color != RoleColor(kRoleRuler))
        height = ScreenLength(size * 80);

    plat::Font f;
    f.face = face.face;
    f.height = -height;
    f.escapement = escapement;
    f.orientation = escapement;
    f.weight = (style & 0x80) ? 700 : 400;
    f.italic = (style & 0x8000) != 0;
    f.charSet = face.charSet;
    f.pitchAndFamily = face.pitchAndFamily;
    const plat::Font oldFont = dc.SelectObject(f);
    const plat::Size extent = dc.GetTextExtent(text);

    if (inverting) {
        drawTextBox(dc, x, y, extent.cx, extent.cy, angle & 0xFFF);
    } else {
        const int oldMode = dc.SetBkMode(plat::kTransparent);
        const plat::ColorRef oldColor = dc.SetTextColor(GetLayerColor(ColorMapEntry(color)));
        unsigned oldAlign = 0;
        // On a mirrored page the text runs the other way from its point.
        if (mirrorPrinting())
            oldAlign = dc.SetTextAlign((dc.GetTextAlign() & ~plat::kTaHorizontalMask) | plat::kTaRight);
        dc.TextOut(x, y, text);
        if (mirrorPrinting())
            dc.SetTextAlign(oldAlign);
        dc.SetTextColor(oldColor);
        dc.SetBkMode(oldMode);
    }
    dc.SelectObject(oldFont);
    return extent.cx;
}

void DrawStrokeLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width)
{
    DrawLine(dc, x1, y1, x2, y2, color, kStyleSolid, width);
}

void DrawStrokeArc(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width, int angle)
{
    // A corner arc bends about (x2, y1); a quarter or three-quarter turn moves the bend to the
    // other corner of the two points, which exchanging them restores.
    const int a = ((angle % 3600) + 3600) % 3600;
    if ((a >= 450 && a < 1350) || (a >= 2250 && a < 3150)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    DrawArcTrace(dc, x1, y1, x2, y2, color, kStyleSolid, width);
}
