#pragma once
// Places the parts of a schematic's reference list on a board: each part as its package from
// the board program's package libraries, labelled with its reference, parts sharing nets near
// each other, none overlapping, in the smallest work area that holds them with the outline
// round them; then the netlist is read onto the board as its rats nest and the board is
// written. Given a board that exists, its objects are kept and only the parts it lacks are
// added, into the free room inside its outline.

#include <string>
#include <vector>

struct PlacementRequest {
    std::string referencePath;  // ".ref"
    std::string netlistPath;    // ".net"
    std::string boardPath;      // written (atomically) when placing succeeds
    bool freshBoard = false;    // start from an empty board even when boardPath exists
};

struct PlacementReport {
    bool written = false;
    std::string refusal;                 // why nothing was written; empty when written
    int placed = 0;                      // parts added to the board
    int alreadyOnBoard = 0;              // parts the board held before
    std::vector<std::string> unplaced;   // "R5: no package", "U2: package DIP40 not found"
    std::vector<std::string> belowOutline;   // designators placed below a shaped outline
    std::vector<std::string> netlistMessages;   // what the netlist reader reported
};

// Bounds on what is read.
inline constexpr size_t kMaxReferenceFileBytes = 1u << 20;

// Reads the inputs, places and writes. Nothing is written when the inputs are refused or the
// board cannot be made; the process-wide board, package and netlist tables are left empty.
PlacementReport PlaceDesign(const PlacementRequest& request);

// The report as shown to the user; empty when there is nothing to tell beyond success.
std::string DescribePlacement(const PlacementRequest& request, const PlacementReport& report);
