#include "schemora/core/paint_style.h"

#include "common/fill_pattern.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "schemora/core/app_state.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr uint8_t kAnsiCharset = 0;
constexpr uint8_t kSymbolCharset = 2;
constexpr uint8_t kOemCharset = 255;

struct FontFace {
    std::string_view face;
    uint8_t charSet;
};
// Font numbers 0-15 of the text attribute word; 0 ("Standard") is drawn with entry 1.
constexpr std::array<FontFace, 16> kFontFaces{{
    {"Standard", kAnsiCharset}, {"Arial", kAnsiCharset}, {"Courier", kAnsiCharset},
    {"Courier New", kAnsiCharset}, {"Fixedsys", kAnsiCharset}, {"Modern", kOemCharset},
    {"MS Sans Serif", kAnsiCharset}, {"MS Serif", kAnsiCharset}, {"Roman", kOemCharset},
    {"Script", kOemCharset}, {"Small Fonts", kAnsiCharset}, {"Symbol", kSymbolCharset},
    {"System", kAnsiCharset}, {"Terminal", kOemCharset}, {"Times New Roman", kAnsiCharset},
    {"Wingdings", kSymbolCharset},
}};

constexpr int kDefaultFontSize = 9;
constexpr int kDefaultFontWidth = 30;
constexpr int kSizeScale = 6;

}  // namespace

plat::ColorRef PaletteRgb(int paletteIndex)
{
    const auto& e = g_palette.entries[static_cast<size_t>(std::clamp(paletteIndex, 0, kPaletteEntries - 1))];
    return plat::rgb(e.red, e.green, e.blue);
}

plat::ColorRef GetColorRef(int paletteIndex)
{
    if (g_drawModes.trueColor)
        return PaletteRgb(paletteIndex);
    return plat::paletteIndex(std::clamp(paletteIndex, 0, kPaletteEntries - 1));
}

void SelectProgramPalette(plat::Dc& dc)
{
    std::array<plat::PaletteEntry, kPaletteEntries> entries;
    for (int i = 0; i < kPaletteEntries; ++i) {
        const auto& e = g_palette.entries[static_cast<size_t>(i)];
        entries[static_cast<size_t>(i)] = {e.red, e.green, e.blue, 0};
    }
    dc.SelectPalette(plat::Palette(entries), false);
    dc.RealizePalette();
}

int RolePaletteIndex(int role, int widthWord)
{
    if (role == kDirectColor)
        return (widthWord >> 8) & 0xFF;
    if (role < 0 || role >= kColorRoles)
        return 0;
    return g_colorRoles.index[static_cast<size_t>(role)];
}

plat::ColorRef RoleColor(int role, int widthWord) { return GetColorRef(RolePaletteIndex(role, widthWord)); }

int PenWidthOf(int role, int widthWord)
{
    const int width = role == kDirectColor ? (widthWord & 0xFF) : widthWord;
    return std::max(width, 1);
}

int PenStyleOf(int style) { return style >= 0 && style <= 3 ? style : plat::kPsSolid; }

plat::Pen MakePen(int role, int style, int widthWord)
{
    return plat::Pen(PenStyleOf(style), PenWidthOf(role, widthWord), RoleColor(role, widthWord));
}

bool IsSolidFill(int fill) { return fill == kFillSolid || fill >= kFillShading; }

plat::Brush FillBrush(int fill, plat::ColorRef color)
{
    if (fill <= kFillHollow)
        return plat::Brush::hollow();
    if (fill == kFillShading)
        return plat::Brush::solid(RoleColor(kRoleShading));
    if (fill >= 2 && fill <= 20)
        return plat::Brush::hatched(fill - 2, color);
    return plat::Brush::solid(color);
}

plat::Brush PolygonBrush(int fill, plat::ColorRef color)
{
    if (fill <= kFillHollow)
        return plat::Brush::hollow();
    if (fill == kFillSolid)
        return plat::Brush::solid(color);
    return plat::Brush::hatched(fill - 2, color);
}

plat::Font MakeTextFont(int attribute, int angleWord, int role)
{
    const int number = attribute & 0x7F;
    int size = (attribute >> 8) & 0x7F;
    plat::Font font;
    if (number == 0) {
        font.face = std::string(kFontFaces[1].face);
        font.charSet = kFontFaces[1].charSet;
        size = kDefaultFontSize;
        font.width = kDefaultFontWidth;
    } else if (number < static_cast<int>(kFontFaces.size())) {
        font.face = std::string(kFontFaces[static_cast<size_t>(number)].face);
        font.charSet = kFontFaces[static_cast<size_t>(number)].charSet;
    } else if (number + 1 < static_cast<int>(g_settings.fontTable.size())) {
        // Fonts added in the INI follow the built-in ones in the settings' 1-based table.
        const FontEntry& entry = g_settings.fontTable[static_cast<size_t>(number + 1)];
        font.face = entry.face;
        font.charSet = entry.charSet;
        font.pitchAndFamily = entry.pitchAndFamily;
    } else {
        font.face = std::string(kFontFaces[1].face);
    }
    if (role != kRoleRulers)
        size *= kSizeScale;
    font.height = -size;
    font.escapement = angleWord & 0xFFF;
    font.orientation = font.escapement;
    font.weight = (attribute & 0x80) ? 700 : 400;
    font.italic = (attribute & 0x8000) != 0;
    return font;
}

void PaintFillSwatch(plat::Dc& dc, const plat::Rect& rect, int pattern)
{
    constexpr int kBlackIndex = 0;
    if (pattern < 0 || pattern >= kFillPatternCount)
        return;
    SelectProgramPalette(dc);
    PaintFillPattern(dc, rect, pattern, GetColorRef(kBlackIndex));
}
