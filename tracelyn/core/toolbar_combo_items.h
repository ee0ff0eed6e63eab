#pragma once
// The entries of the main frame's View toolbar combos (layer, drawing scale, grid, stock trace
// width) and the Modify toolbar's selective-edit combo: their texts, how a position maps to a
// setting and back, and the owner-drawn painting of their items.

#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <span>

namespace plat { class Dc; }

inline constexpr int kLayerComboItems = 29;
inline constexpr int kStockWidthItems = 12;     // 11 widths and "Var"
inline constexpr int kStockWidthVariable = 11;

// The lists of text-only items (DrawComboItemText's list argument).
enum ComboTextList : int { kComboListGrid = 0, kComboListSelective = 3, kComboListScale = 1 };

std::span<const char* const> LayerComboTexts();
std::span<const char* const> ScaleComboTexts();
std::span<const char* const> GridComboTexts(bool metric);
std::span<const char* const> WidthComboTexts(bool metric);
std::span<const char* const> SelectiveEditComboTexts();

// Layer combo position for a board layer: 0 for all layers (31), layer + 1 for layers 0 to 23,
// 25 to 28 for the power planes 26 to 29; -1 for a layer with no entry (the outline, 24 and 25).
int LayerComboIndex(int32_t layer);
// The board layer a layer combo position selects; -1 for a position outside the list.
int32_t LayerOfComboIndex(int position);

// The stock width of positions 0 to 10 in board units (mils x 10, or millimetres x 393.7 cut
// toward zero); -1 for "Var" and positions outside the list.
int32_t StockWidthOfComboIndex(int position, bool metric);
// The first position whose stock width equals the width; "Var" (11) when none does.
int StockWidthComboIndex(int32_t width, bool metric);

// Owner-drawn items, painted into `item` at its left + 3, top + 1.
void DrawLayerComboItem(plat::Dc& dc, const plat::Rect& item, int itemId);
void DrawWidthComboItem(plat::Dc& dc, const plat::Rect& item, int itemId, bool metric);
void DrawComboItemText(plat::Dc& dc, const plat::Rect& item, int itemId, int list, bool metric);
