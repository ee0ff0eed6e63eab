#pragma once
// The build utility's work: the block part a ".LIB" pin-description file describes, drawn by the
// part wizard's own Finish and written into the library named after the file (MYPARTS.LIB into
// MYPARTS.CON beside it) through the library store's writer. A file that is refused writes
// nothing.

#include <string>
#include <vector>

struct PartBuildReport {
    bool written = false;
    // What happened, for the person: the outcome first ("Built part NE555 into MYPARTS.CON" or
    // "No part built from MYPARTS.LIB:"), then each warning or reason, with its line where the
    // file gives one.
    std::vector<std::string> lines;

    std::string text() const;
};

// Builds the part of the pin-description file at path (made absolute against the current
// folder). Nothing is shown while it works: every message goes into the report.
PartBuildReport BuildPartFromPinFile(const std::string& path);
