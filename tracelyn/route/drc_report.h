#pragma once
// Aux > Check on the current board: the check runs (with the progress window on a large
// board, where Cancel or Escape stops it and leaves the board as it was), the marks of the
// last check give way to one mark per finding as one undo step, and one message closes it:
// the count of every rule that found something, or that nothing was found.

#include "tracelyn/route/drc_findings.h"

#include <array>
#include <string>

// Boards of this many objects show the progress window while they are checked.
inline constexpr int kDrcProgressObjects = 2000;

inline constexpr const char* kDrcNothingFound = "No design rule errors found";
inline constexpr const char* kDrcNoRules = "No design rules are switched on";
inline constexpr const char* kDrcCancelled = "Design rule check cancelled";

// The closing message: the counts by rule (or kDrcNothingFound), then how many marks found no
// room in a full store and, when asked for, that the board has no outline to check against and
// that shorts were not checked for want of a netlist.
inline constexpr const char* kDrcNoNetlistLine =
    "Shorts between nets were not checked: no netlist is loaded";
std::string DrcReportText(const std::array<int, kDrcRuleCount>& counts, int notPlaced, bool noOutline,
                          bool noNetlist = false);

// Lays one mark per finding after deleting the marks already there, as one undo step; returns
// how many findings found no room for their mark. Nothing changes when there is nothing to
// delete and nothing to lay.
int PlaceDrcMarks(const std::vector<DrcFinding>& findings);

void RunDesignRuleCheck(const DrcSettings& settings);
