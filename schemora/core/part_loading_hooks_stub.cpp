// Placeholders for steps of part loading that belong to the file commands (library family
// mapping) and the part painter (label anchors); both leave the part as it is.
#include "schemora/core/part_library.h"

void MapLibraryName(std::string&) {}

