#pragma once
// Geometry of placed packages shared by the painters, hit testing, selection and routing:
// finding a package and one section of its objects, turning package-local points by a part's
// rotation and mirror, and a package's extent. Package-local coordinates have their origin at
// (-10000, -5000).

#include "common/pcb/package_body_reader.h"
#include "common/pcb/package_points.h"
#include "tracelyn/core/board_object.h"

#include <cstdint>
#include <string_view>

using pcb::kPackageOriginX;
using pcb::kPackageOriginY;
using pcb::kTenthDegree;

// The position (logical units) of the part being painted; TransformPoint places package
// points about it. Set by DrawFootprint and by the callers that transform package points.
struct CurrentPart {
    int32_t x = 0;
    int32_t y = 0;
};
extern CurrentPart g_partPosition;

// Nearest integer of r cos / r sin about a centre, halves toward zero.
using pcb::RotatePoint;

// 1 for 0, 900, 1800 and 2700 tenths of a degree (low 12 bits), else 0.
int IsOrthogonalRotation(int32_t rotation);

// Package-local (x, y) to logical units about the current part position. raw: the package
// origin is taken unscaled (points already in the caller's units).
void TransformPoint(int32_t x, int32_t y, int32_t& outX, int32_t& outY, int32_t rotation,
                    int mirror, bool raw = false);

// A package-local point of a placed part (kind 65 and up) in board units: turned by the part's
// rotation and mirror about its position.
// The angle word a placed part's reference label is drawn at: turned against the part's
// rotation, the mirror flag (0x1000) when the part is mirrored, and 0 when the part keeps its
// label upright (bit 8 of word 4).
int32_t PartLabelAngle(const BoardObject& part);

void TransformPartPoint(const BoardObject& part, int32_t x, int32_t y, int32_t& outX, int32_t& outY);

// 1 and the package index when a package from `start` on has the name (trimmed, capitals; the
// text after '!' or else ':' is used); 0 for an empty name or no match.
int FindPackageByName(int start, std::string_view name, int& index);

// The section of package n whose header carries `key`: the package's section count (at least
// 1), the section's object count and first object index, and PackageDef word 2 as value.
// The outputs stay as they were when no header matches within five.
void FindPartPin(int package, int& sections, int& count, int& first, int key, int& value);

// The package's first (or second) extent mapped through the current part position with the
// rotation and mirror, in logical units, normalised.
void GetPackageExtent(int package, int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2,
                      int32_t rotation, int mirror);
void GetPackageExtent2(int package, int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2,
                       int32_t rotation, int mirror);

// A package's name placeholder, a text beginning "p?": never drawn, printed, plotted or exported.
using pcb::IsNamePlaceholder;

// Takes the part's reference prefix and label position from its package's label placeholder
// (a text ending in '?'); placeholder is set to 1 when the package has a "p?" text.
void SetPartLabelAnchor(BoardObject& part, int* placeholder);
