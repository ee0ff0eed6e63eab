#pragma once
// "Rubber" mode: the wire ends that touch a part's pins follow the part when it is moved,
// rotated or flipped.

#include "platform/gdi/gdi_types.h"

#include <vector>

inline constexpr int kMaxAttachedWires = 199;

struct AttachedWire {
    int index = 0;     // a line or arrow line
    int end = 0;       // 0: words 0-1, 3: words 2-3
    int pin = 0;       // position of the pin among the part's pin leads
};
struct AttachedWireList {
    std::vector<AttachedWire> entries;
    plat::Rect bounds;     // the part's extent widened by the attached wires
};

// FindAttachedWires: the lines and arrow lines whose end lies within 6 units of a pin's
// connection end of part partIndex (at most 199).
void FindAttachedWires(int partIndex, AttachedWireList& list);
// DragAttachedWires: moves each attached end by (dx, dy).
void DragAttachedWires(const AttachedWireList& list, int dx, int dy);
// After the part was turned or flipped: each attached end goes to its pin's new place.
void FollowPinsAfterTransform(int partIndex, const AttachedWireList& list);
// Deletes the attached wires whose two ends now coincide (at the end of a drag).
void DropCollapsedWires(const AttachedWireList& list);
