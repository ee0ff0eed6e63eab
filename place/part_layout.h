#pragma once
// Laying packages out on the current board: each part's box (its package with room for its
// label above) apart from every other object by a gap, on a 25 mil grid. A new board gets its
// parts in rows about the centre, the outline round them and the smallest work area that holds
// it. On a board that exists the parts go into the free room inside its outline, clear of the
// parts, traces and copper fill it holds; parts that find no room go in rows below, and a
// rectangular outline grows to take them in. The work area grows when it must.

#include "place/reference_list.h"

#include <string>
#include <vector>

struct PartToPlace {
    const ReferencePart* part = nullptr;
    int package = 0;    // loaded package index
};

struct LayoutResult {
    int placed = 0;
    std::string refusal;    // the board is left without the new parts when not empty
    // Parts (indexes into the list laid out) that found no room inside a shaped outline and
    // stand below it; a rectangular outline grows round such parts instead.
    std::vector<size_t> belowOutline;
};

// Room between two parts' boxes and between the parts and the outline (board units).
inline constexpr int32_t kPartGap = 1000;
inline constexpr int32_t kPlacementGrid = 250;
// Room for the reference label above a package.
inline constexpr int32_t kLabelRoom = 700;

LayoutResult LayOutParts(const std::vector<PartToPlace>& parts, bool keepOutline);

// Where each part's box lies; for tests and the layout itself. x, y the part's position.
struct PlacedBox {
    int32_t x = 0, y = 0;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};
// The boxes of the parts (packages' extents plus the label room) laid out in rows from
// (left, top); rowWidth 0 picks a near-square block.
std::vector<PlacedBox> ArrangeInRows(const std::vector<PartToPlace>& parts, int32_t left, int32_t top,
                                     int32_t rowWidth = 0);
