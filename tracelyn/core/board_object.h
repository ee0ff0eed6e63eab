#pragma once
// The board's object record. It lives in common/pcb with the package readers and painters that
// the schematic program's package picker shares; the board program names it as its own.

#include "common/pcb/board_object.h"

using pcb::BoardObjectKind;
using enum pcb::BoardObjectKind;
using pcb::BoardLayer;
using enum pcb::BoardLayer;
using pcb::kSegmentWords;
using pcb::kOutlineBlockWords;
using pcb::kMaxOutlineSegments;
using pcb::kVertexWords;
using pcb::BoardObject;
using pcb::NewPointBlock;
using pcb::FreePointBlock;
using pcb::FreeObjectData;
using pcb::CloneObjectData;
using pcb::OwnedObject;
