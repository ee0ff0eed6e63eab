#pragma once
// Placement of part symbols beyond part_transform.h: rotation of points about a centre, the
// symbol's extent rectangles placed on the sheet, and finding a loaded symbol by name. The
// editing, extent and DXF code share them.

#include "common/point_rotation.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_transform.h"

#include <string>
#include <string_view>

// Radians per tenth of a degree.
inline constexpr double kTenthsToRadians = 0.0017453529976437733;

// Both corners of a symbol's extent rectangle with its texts (words 3-6) or without them
// (words 7-10), transformed.
void TransformPartLabelRect(const PartSymbol& symbol, int* x1, int* y1, int* x2, int* y2,
                            int orientation, bool mirror);
void TransformPartExtent(const PartSymbol& symbol, int* x1, int* y1, int* x2, int* y2,
                         int orientation, bool mirror);
// True when bits 0-11 of the orientation word are 0, 900, 1800 or 2700.
bool IsRightAngle(int orientation);

// Finds a loaded symbol by name from index start on: the name is trimmed and upper-cased, and
// its part after ':' (if any) is compared exactly with the loaded symbols' names. 1 with the
// index in *index when found, else 0.
int FindLoadedPart(int start, std::string_view name, int* index);

// Cuts text at its first blank: *found tells whether there was one, *offset where the part
// after it begins. Returns the part after the last blank, or "NONE" without a blank.
std::string SplitAtBlank(std::string_view text, bool* found, int* offset);
