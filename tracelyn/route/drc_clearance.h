#pragma once
// Clearances and shorts: copper that touches is one conductor; two conductors of different nets
// closer than their clearance are a finding of the pad-to-trace, trace-to-trace or pad-to-via
// rule (pads and vias among themselves keep the pad-to-via clearance), and conductors that
// bring two nets of the loaded netlist together are a short, found where they first touch.

#include "tracelyn/route/drc_copper.h"
#include "tracelyn/route/drc_findings.h"

#include <vector>

// Below this two pieces touch: they are one conductor.
inline constexpr double kTouchGap = 1e-6;

// The rule for two sources of these kinds.
DrcRule ClearanceRule(CopperClass a, CopperClass b);

// Adds the shorts (whenever any clearance rule is on) and the clearances of the rules switched
// on. False when the work was stopped.
bool CheckClearances(const BoardCopper& copper, const DrcSettings& settings, DrcWork& work,
                     std::vector<DrcFinding>& findings);
