#pragma once
// The design-rule check of the current board: each rule switched on in the settings looks at
// the board and adds its findings; the result lists them by rule, each rule's from the top of
// the board down, without repeats.

#include "tracelyn/route/drc_findings.h"

// `step`, when given, is asked now and then whether to go on; false stops the check, and the
// result is then marked cancelled.
DrcResult CheckDesignRules(const DrcSettings& settings, const DrcWork::StepFunction& step = nullptr);
