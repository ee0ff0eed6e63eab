#pragma once
// The geometry of the alignment commands both editors share (Align With Edge, Align To Center,
// Align On Line): where the selection's anchor lies and by how much it moves relative to the
// reference object the user picked last. Each program maps its own object kinds onto the
// shapes below and applies the offset to its own store.

#include "platform/gdi/gdi_types.h"

#include <optional>
#include <span>

// The foot of the perpendicular from P onto the line through A and B (A itself when A and B
// coincide), truncated toward zero.
plat::Point ProjectPointOnLine(int ax, int ay, int bx, int by, int px, int py);

// How an alignment reference is read: a line by its two points, a box by its corner and size,
// an ellipse by its centre.
enum class AlignShape { Line, Box, Ellipse, Other };
struct AlignReference {
    AlignShape shape = AlignShape::Other;
    int xa = 0, ya = 0, xb = 0, yb = 0;
};

// Align With Edge. edgeCode is the side of the box the user hit (1/2 left or right: centre in y;
// 3/4 top or bottom: centre in x). A horizontal line centres the anchor on its middle in x, and
// with lineBothAxes a vertical one in y; nothing moves for other shapes (nullopt).
std::optional<plat::Point> AlignWithEdgeOffset(const AlignReference& ref, int edgeCode, plat::Point anchor,
                                               bool lineBothAxes);
// Align To Center: a box's centre or an ellipse's centre; nullopt for anything else.
std::optional<plat::Point> AlignToCenterOffset(const AlignReference& ref, plat::Point anchor);

// One selected object as the anchor sees it: a point that counts (texts at their drawn middle,
// dots, ellipses and pads at their first point), or an object that only adds to the count.
struct AnchorItem {
    bool counts = false;
    plat::Point single;     // the point used when this is the only selected object
    plat::Point summed;     // the point added to the sums
};
// The anchor of a selection: the single object's point, or the sums of the counting objects'
// points each divided by the whole selection's size. (0, 0) for an empty selection.
plat::Point SelectionAnchor(std::span<const AnchorItem> items);
