#pragma once
// Turning points of packages: about a centre by an angle, and from package-local coordinates to
// the position, rotation and mirror of a placed part. Package-local coordinates have their
// origin at (-10000, -5000).

#include <cstdint>

namespace pcb {

inline constexpr int32_t kPackageOriginX = -10000;
inline constexpr int32_t kPackageOriginY = -5000;
// Radians per tenth of a degree.
inline constexpr double kTenthDegree = 0.0017453529976437733;

// Nearest integer of r cos / r sin about a centre, halves toward zero; vertical offsets use
// the fixed angles 1.5707963 and 4.7123889 so that quarter turns come out exact.
void RotatePoint(int32_t cx, int32_t cy, int32_t& x, int32_t& y, double angle, int mirror);

// Package-local (x, y), in logical units at the zoom index, to logical units about the part at
// (partX, partY). raw: the package origin is taken unscaled (points already in the caller's
// units).
void TransformPackagePoint(int zoomIndex, int32_t partX, int32_t partY, int32_t x, int32_t y, int32_t& outX,
                           int32_t& outY, int32_t rotation, int mirror, bool raw);

}  // namespace pcb
