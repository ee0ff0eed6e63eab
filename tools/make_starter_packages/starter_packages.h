#pragma once
// The footprints of the starter package library, built from board records: through-hole
// two-pin parts, transistors, DIPs, pin headers and surface-mount chips, SOICs and SOT-23.

#include "tracelyn/core/board_object.h"

#include <string>
#include <vector>

// One footprint: its part name and its objects (1-based: objects[0] is unused), which own
// their texts.
struct StarterPackage {
    std::string name;
    std::vector<BoardObject> objects;

    StarterPackage() = default;
    StarterPackage(StarterPackage&&) noexcept = default;
    StarterPackage& operator=(StarterPackage&&) noexcept = default;
    ~StarterPackage();
};

// The library's name; its catalogue is "<name>.CAT".
inline constexpr const char* kStarterLibrary = "STANDARD";

std::vector<StarterPackage> StarterPackages();
