#pragma once
// Rotate (316), mirror left-right (317) and flip top-bottom (318) of the selection, and the
// point transforms under them. Angles are tenths of a degree; RotateAngle is in radians.

#include "platform/gdi/gdi_types.h"

inline constexpr int kCmdRotate = 316;
inline constexpr int kCmdMirror = 317;
inline constexpr int kCmdFlip = 318;

// The rotation of Edit > Rotate (initially a quarter turn).
struct TransformSettings {
    double RotateAngle = 1.5707963;
};
extern TransformSettings g_transform;

// RadiansToTenths: v = a × 572.95, rounded half up.
int RadiansToTenths(double radians);
// TransformPoint: one point about a centre (drawing units) by the command.
plat::Point TransformPoint(int x, int y, int cx, int cy, int command);
// TransformSelection: transforms every selected object (an undo step first). A window
// selection turns about the frame's centre, a single object about its own anchor.
void TransformSelection(int command);
