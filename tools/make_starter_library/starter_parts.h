#pragma once
// The parts of the starter libraries: what an engineer needs for a first circuit.

#include "schemora/core/part_library.h"

#include <string>
#include <vector>

struct StarterLibrary {
    std::string name;                 // file name without extension ("DEVICE")
    std::vector<LibraryPart> parts;   // deep copies; release with ReleaseStarterLibrary
};

std::vector<StarterLibrary> MakeStarterLibraries();
void ReleaseStarterLibrary(StarterLibrary& library);
