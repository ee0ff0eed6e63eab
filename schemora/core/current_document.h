#pragma once
// Process-wide values of the schematic core, one struct per concern.

#include "schemora/core/object_store.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

class CSchemoraDoc;

// The drawing that the painters, the editing code, the dots, the clipboard and the file writer
// work on. View activation loads it from the active view's document; the part editor points it
// at its own store while it is open; ReadDrawing sets the view centre and sheet size of a file
// it loads. objects is the whole 1-based store (slot 0 unused), empty when no drawing is open.
struct CurrentDrawing {
    std::span<DrawObject> objects;
    int count = 0;
    char sheetSize = 'A';
    int viewCentreX = 0;
    int viewCentreY = 0;
    int zoomFactor = 5;        // units per pixel of the zoom index
    int zoomIndex = 3;
    int gridCommand = 703;
    int gridStep = 50;
    CSchemoraDoc* activeDocument = nullptr;

    // The last index that lies in the store: a damaged count never reaches past it.
    int liveCount() const { return std::min<int>(count, static_cast<int>(objects.size()) - 1); }
    // Whether index names one of the drawing's objects (1..count).
    bool holds(int index) const { return index >= 1 && index <= count; }
    DrawObject& at(int index) const { return objects[static_cast<std::size_t>(index)]; }
    // Drawing units per pixel, at least 1 even in a damaged document.
    int zoom() const { return std::max(1, zoomFactor); }
};
extern CurrentDrawing g_current;

// The title-block drawing, read once per process from "Title.PIC" by the first document
// construction; the title-block painter draws it on every sheet.
struct TitleBlock {
    DrawObjectStore objects;
    int count = 0;
    bool loaded = false;
};
extern TitleBlock g_titleBlock;

// One loaded part symbol, as far as the drawing file needs it: the numbered words of the entry
// and its name (word 16: library, backslash, part name). The part library loader fills the rest.
// The part library loader fills the words:
//   1 first element (the body block's header element) in g_symbolElements, 2 number of elements,
//   3-6 extent with the texts, 7-10 extent without them (x1, y1, x2, y2), 11 label text height,
//   12 hierarchical block ("%hier"), 13-14 part-name label point, 15 no reference designator
//   ("%no_des"), 29 number of "%pins" texts of further gates.
// The heap texts of words 16 to 28 are the members below.
inline constexpr int kMaxGatePinTexts = 8;
struct PartSymbol {
    std::array<int32_t, 34> w{};
    std::string name;           // word 16
    std::string package;        // word 17: from "%package"
    std::string description;    // word 18: the first comment text, without its ';'
    std::string supplyNet;      // word 19: "v=" or "v+="
    std::string groundNet;      // word 20: "v-=" or "g="
    std::array<std::string, kMaxGatePinTexts> gatePins;   // words 21-28: "%pins" of further gates
};

// The loaded part symbols: entries 1..count (entry 0 unused). A placed part's type byte names
// its symbol as kObjPart + index, so only indexes up to kMaxPlaceableSymbol can be placed.
// current is the symbol that LoadLibraryPart found or loaded last.
inline constexpr int kPartSymbolSlots = 300;
inline constexpr int kMaxPlaceableSymbol = 191;
struct PartSymbolTable {
    std::array<PartSymbol, kPartSymbolSlots> entries;
    int count = 0;
    int current = 0;
};
extern PartSymbolTable g_partSymbols;
