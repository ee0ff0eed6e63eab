#include "schemora/core/text_painter.h"

#include "schemora/core/paint_style.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/shape_painters.h"
#include "schemora/core/sheet_state.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kMirrorBit = 0x1000;
constexpr int kPrinterPaddedFont = 7;

void drawOutline(plat::Dc& dc, int x, int y, plat::Size extent, int height, int angle, bool mirrored,
                 int role)
{
    const int left = mirrored ? x - extent.cx : x;
    const int right = mirrored ? x : x + extent.cx;
    if (angle != 0) {
        DrawRotatedRect(dc, x, y, left, y, right, y - height, role, plat::kPsDot, kFillHollow, 1,
                        (3600 - angle) * kTenthsToRadians, false);
        return;
    }
    DrawRect(dc, left, y, right, y - height, role, plat::kPsDot, kFillHollow, 1);
}

// The text's box in the font selected into the DC.
TextMeasure measureSelected(plat::Dc& dc, std::string_view text, int attribute)
{
    TextMeasure m;
    m.height = dc.GetTextMetrics().tmHeight;
    if (g_sheetView.printing && (attribute & 0x7F) == kPrinterPaddedFont)
        m.height += 1;
    m.extent = dc.GetTextExtent(text);
    return m;
}

}  // namespace

TextMeasure MeasureTextString(plat::Dc& dc, std::string_view text, int attribute, int angleWord, int role)
{
    const plat::Font oldFont = dc.SelectObject(MakeTextFont(attribute, angleWord, role));
    const TextMeasure m = measureSelected(dc, text, attribute);
    dc.SelectObject(oldFont);
    return m;
}

int64_t TextReach(plat::Dc& dc, std::string_view text, int attribute, int angleWord, int role)
{
    const TextMeasure m = MeasureTextString(dc, text, attribute, angleWord, role);
    return std::abs(int64_t{m.extent.cx}) + std::abs(int64_t{m.extent.cy}) + 2 * std::abs(int64_t{m.height});
}

int DrawTextString(plat::Dc& dc, int x, int y, std::string_view text, int attribute, int angleWord,
                   int role)
{
    const int colorRole = g_drawModes.monochromePrint ? kRoleEdit : role;
    const plat::Font font = MakeTextFont(attribute, angleWord, role);
    const plat::Font oldFont = dc.SelectObject(font);
    const TextMeasure measured = measureSelected(dc, text, attribute);
    const int height = measured.height;
    const plat::Size extent = measured.extent;
    g_paintRecord.lastTextExtent = extent;
    const int angle = angleWord & 0xFFF;
    const bool mirrored = (angleWord & kMirrorBit) != 0;
    if (g_drawModes.rasterMode == kModeInvert) {
        drawOutline(dc, x, y, extent, height, angle, mirrored, role);
    } else if (!mirrored) {
        const plat::ColorRef oldColor = dc.SetTextColor(RoleColor(colorRole));
        if (angle == 0) {
            dc.TextOut(x, y - height, text);
        } else {
            const double a = angle * kTenthsToRadians;
            const int rx = static_cast<int>(std::lround(-height * std::sin(a)));
            const int ry = static_cast<int>(std::lround(height * std::cos(a)));
            dc.TextOut(x + rx, y - ry, text);
        }
        dc.SetTextColor(oldColor);
    }
    dc.SelectObject(oldFont);
    g_paintRecord.lastTextHeight = height;
    return height;
}
