#pragma once
// Parts drawn outside the drawing: the library pickers' preview of one library part, the parts
// bin's cells with the outline that follows a part dragged out of the bin, and the owner-drawn
// items of the toolbar lists.

#include "common/parts_bin_layout.h"
#include "platform/gdi/dc.h"

#include <string_view>
#include <vector>

// First slot of the scratch area at the end of the object array that previews read into.
inline constexpr int kPreviewFirstSlot = 7791;

// Paints a part of a library into a window's client area (dc is a client DC of that window):
// the part fills at most 70 % of the window in each direction. withPackage draws package
// records' triangles as pads. Comment texts (';') are attribute texts and stay hidden either way.
void DrawPartPreview(plat::Dc& dc, const plat::Rect& client, std::string_view library,
                     std::string_view part, bool withPackage = false);

// The cells of the parts bin as last painted.
extern quill::PartsBinCells g_partsBinCells;

// Paints every entry of the parts bin (the settings' bin entries, whose symbols are loaded)
// into its cell; scrollY is the bin's vertical scroll position in pixels. Returns the height
// the cells need.
int PaintPartsBinCells(plat::Dc& dc, const plat::Rect& client, int scrollY = 0);
// The first cell whose rectangle, inset by 5 on every side, strictly contains (x, y); else -1.
int HitTestPartsBin(int x, int y);
// The inverting dotted outline of a bin cell's rectangle; drawn twice it disappears.
void DrawPartsBinOutline(plat::Dc& dc, const plat::Rect& outline);

// Owner-drawn toolbar list items; drawn only for a valid item drawn entire.
void DrawLayerComboItem(plat::Dc& dc, const plat::Rect& item, int itemId, bool drawEntire);
enum class SheetItemList { Grid, Scale, Sheet, SelectionFilter };
void DrawSheetItem(plat::Dc& dc, const plat::Rect& item, int itemId, bool drawEntire, SheetItemList list);

// True for the texts a part carries as attributes, not as drawing: beginning with ';' or '%',
// or containing '?' or '='.
bool IsAttributeText(std::string_view text);
