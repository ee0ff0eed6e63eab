#pragma once
// The bend of an arc trace, shared by the painters of common/pcb, the copper fill and the
// Gerber plotter.

#include "common/pcb/arc_trace_bend.h"

using pcb::ArcTraceBend;
using pcb::ArcTraceBendOf;
