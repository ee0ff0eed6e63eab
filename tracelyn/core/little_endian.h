#pragma once
// The records' little-endian field access, shared with the package readers of common/pcb.

#include "common/pcb/little_endian.h"

namespace le = pcb::le;
