#pragma once
// Reference designators: a placed part whose designator still ends in "?" or has no number, and
// every further part that repeats a designator (the sections of one package share a number and
// differ in their letter).

#include "tracelyn/route/drc_findings.h"

#include <string>
#include <vector>

// The designator a part shows: its prefix in capitals, its number, and its section letter
// when its package has several sections.
std::string PartDesignator(int index);

void CheckReferences(std::vector<DrcFinding>& findings);
