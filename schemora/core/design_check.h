#pragma once
// Check Schematic: corrects drawing faults (overlapped and too short wires, wire ends short of
// a pin, optionally snapping to the grid) and reports parts without or with duplicate
// designators, unconnected terminals, parts without a package or without terminals, and texts
// attached to nothing, in message boxes (at most five) or in a report file. Every correction
// is one undo step.

#include <string>

class CSchemoraDoc;

// The choices of the Check Schematic dialog, kept for the run of the program.
struct DesignCheckOptions {
    bool unattachedText = false;
    bool unattachedTerminals = true;
    bool overlappedLines = true;
    bool snapToGrid = true;
    bool saveResults = false;
};
extern DesignCheckOptions g_checkOptions;

// The report beside the drawing: its file name with the extension ".RPT"; an untitled
// drawing's report is "<title>.RPT" in the current folder.
std::string DesignCheckReportPath(const CSchemoraDoc& doc);
// Runs the whole check on the document, which must be the current drawing.
void RunDesignCheck(CSchemoraDoc& doc);
// Merges and removes overlapped wires and moves wire ends onto the outer ends of the pins they
// lie on; returns the number of changes (short stubs are removed without counting).
int FixOverlappedLines(int sheetCount, bool mergeOverlaps);
