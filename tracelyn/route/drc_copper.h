#pragma once
// The copper of the current board as the design-rule check sees it: for each copper layer in
// use, the pieces its artwork puts on film, and for each board object or placed part's pad
// that made pieces, what it is (pad, via or other copper), whether it reaches every layer, and
// the net the loaded netlist gives it.

#include "tracelyn/route/drc_shapes.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

enum class CopperClass { kPad, kVia, kTrace };

// A board object with copper, or one pad of a placed part. A piece's source is its index in
// BoardCopper::sources.
struct CopperSource {
    int object = 0;         // the board object, or the part a package pad belongs to
    int record = 0;         // the package record of a part's pad; 0 for a board object
    CopperClass kind = CopperClass::kTrace;
    bool through = false;   // the same copper on every layer
    int net = -1;           // the loaded netlist's net, -1 for none
};

struct CopperLayer {
    int layer = 0;
    ShapeSet shapes;
};

struct BoardCopper {
    std::vector<CopperSource> sources;
    std::vector<CopperLayer> layers;
    bool netlist = false;   // nets were given by a netlist (loaded, or the one beside the board)
};

// The copper layers (0-15) the current board has copper of its own on; only Top when copper
// on all layers is all there is, since every layer then looks the same.
std::vector<int> UsedCopperLayers();

// Collects the current board's copper on its used layers.
BoardCopper CollectBoardCopper();

// "REF-PIN" in capitals for every pin of the current board's netlist, with its net: the netlist
// loaded for the board, else the ".net" of the board's name beside it, read as Load Netlist
// reads it but without loading it. nullopt when the board has neither.
std::optional<std::unordered_map<std::string, int>> BoardPinNets();
