#pragma once
// Bottom silk-screen text reads right only from below when it is mirrored: a text object on the
// bottom silk layer without its mirror bit, and a part on the bottom side that is not mirrored
// while it carries text (its label or a package text), are findings.

#include "tracelyn/route/drc_findings.h"

#include <vector>

void CheckBottomText(std::vector<DrcFinding>& findings);
