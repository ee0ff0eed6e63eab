#pragma once
// Sizes a board maker can make: traces and arcs on copper no thinner than the minimum width,
// pads no smaller than the minimum size, drilled holes no smaller than the minimum hole, and a
// copper ring round each hole no narrower than the minimum ring. Pads of placed parts count as
// well as free pads; a via is measured for its hole and ring.

#include "tracelyn/route/drc_findings.h"

#include <vector>

void CheckMinimumSizes(const DesignRuleMinimums& minimums, std::vector<DrcFinding>& findings);
