#pragma once
// How the schematic painters turn a colour role, a pen style, a width word, a fill code and a
// text attribute word into pens, brushes, fonts and colours.

#include "platform/gdi/dc.h"

#include <cstdint>

// Raster modes the painters are called with.
inline constexpr int kModeCopy = 13;
inline constexpr int kModeInvert = 6;
inline constexpr int kModeXor = 7;
inline constexpr int kModeHighlight = 100;

// Colour roles (positions of the colour-role table) the painters use.
enum ColorRole : int {
    kRoleScreen = 0,
    kRoleTop = 1,
    kRoleRulers = 5,
    kRolePart = 16,
    kRoleTerminal = 17,
    kRoleDot = 18,
    kRoleGrid = 20,
    kRoleText = 21,
    kRoleEdit = 22,
    kRolePartsBin = 24,
    kRoleShading = 26,
};
// Not a role: the palette index is bits 8-15 of the width word, the pen width bits 0-7.
inline constexpr int kDirectColor = 100;
// A width word above this draws in direct colour.
inline constexpr int kDirectColorWidth = 256;

inline constexpr int kFillHollow = 0;
inline constexpr int kFillSolid = 1;
inline constexpr int kFillShading = 21;

// The colour reference of a palette index: the index itself, or its RGB triple while pictures
// for the clipboard are drawn.
plat::ColorRef GetColorRef(int paletteIndex);
// The RGB triple of a palette index of the program palette.
plat::ColorRef PaletteRgb(int paletteIndex);
// Selects the program palette into dc and realises it.
void SelectProgramPalette(plat::Dc& dc);
// A fill-pattern button of the style dialogs: pattern 0 hollow, 1 solid, 2 to 7 the hatches
// 0 to 5, in black over the rectangle; any other value paints nothing.
void PaintFillSwatch(plat::Dc& dc, const plat::Rect& rect, int pattern);

// The palette index a role (or direct colour with its width word) draws in.
int RolePaletteIndex(int role, int widthWord = 0);
plat::ColorRef RoleColor(int role, int widthWord = 0);
// Pen width of a width word: the word itself, bits 0-7 in direct colour; at least 1.
int PenWidthOf(int role, int widthWord);
// Pen style 0-3 (solid, dash, dot, dash-dot); anything else is solid.
int PenStyleOf(int style);
plat::Pen MakePen(int role, int style, int widthWord);

// Brush of a fill code for rectangles, ellipses and triangles: 0 hollow, 1 solid, 2-20 hatch
// code - 2, 21 solid in the shading role, 22 and above solid.
plat::Brush FillBrush(int fill, plat::ColorRef color);
// The polygon's own rule: 2 and above hatch code - 2.
plat::Brush PolygonBrush(int fill, plat::ColorRef color);
bool IsSolidFill(int fill);

// Font of a text attribute word (bits 0-6 font number, 7 bold, 8-14 size, 15 italic) at the
// angle of an angle word (bits 0-11, tenths of a degree). Font 0 draws Arial at size 9 with a
// character width of 30; sizes are multiplied by 6 except for the rulers.
plat::Font MakeTextFont(int attribute, int angleWord, int role);

// Selects a pen or brush for a scope and puts the previous one back.
template <class GdiObject>
class ScopedSelection {
public:
    ScopedSelection(plat::Dc& dc, const GdiObject& object) : dc_(dc), old_(dc.SelectObject(object)) {}
    ~ScopedSelection() { dc_.SelectObject(old_); }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    plat::Dc& dc_;
    GdiObject old_;
};
using ScopedPen = ScopedSelection<plat::Pen>;
using ScopedBrush = ScopedSelection<plat::Brush>;
