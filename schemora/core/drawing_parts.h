#pragma once
// Resolution of the placed parts that ReadDrawing has read by name (internal to the drawing
// file reader).

#include "schemora/core/draw_object.h"

#include <span>

namespace plat {
class Archive;
}

// Records an encapsulated file may hold before the four markers that open a part definition.
inline constexpr int kMaxRecordsToDefinition = 100;

struct PartResolution {
    int version = 11;              // the file's version
    bool encapsulated = false;     // an ".EPC" file: definitions follow the objects
    int symbolsBefore = 0;         // symbols loaded before this file
    int markersSeen = 0;           // marker records of the next definition already read
};

// Gives every unresolved part in objects its symbol, or turns it into a text that says why not.
void ResolveDrawingParts(std::span<DrawObject> objects, plat::Archive& archive, PartResolution& state);
