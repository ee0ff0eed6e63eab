#pragma once
// Which pieces of the design-rule check lie near each other: the pieces are filed in an extent
// index (the one the painter asks which objects meet a clip), and each piece asks it for the
// pieces whose boxes come within reach of its own. No pair of pieces farther apart is visited.

#include "tracelyn/route/drc_findings.h"
#include "tracelyn/route/drc_shapes.h"

#include <cstdint>
#include <functional>

using NearPairVisit = std::function<void(int first, int second)>;

// Every two pieces first < second of `set` whose boxes lie within `reach` of each other, once.
// One work phase, a step per piece; false when the work was stopped.
bool ForEachNearPair(const ShapeSet& set, int32_t reach, DrcWork& work, const NearPairVisit& visit);

// Every piece `first` of `from` with every piece `second` of `into` whose boxes lie within
// `reach` of each other.
bool ForEachNearPair(const ShapeSet& from, const ShapeSet& into, int32_t reach, DrcWork& work,
                     const NearPairVisit& visit);

// The box grown by reach on every side.
ExtentBox GrownBox(const ExtentBox& box, int64_t reach);
// The distance between two boxes (0 when they meet).
double BoxGap(const ExtentBox& a, const ExtentBox& b);
