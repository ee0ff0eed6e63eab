#pragma once
// The records of one part in a library file (internal to the library code): its header and
// name records, and its element records with the conversions of old library versions.

#include "schemora/core/draw_object.h"
#include "schemora/core/file_records.h"

#include <string>
#include <string_view>

namespace plat {
class Archive;
}

inline constexpr int kNewestPartVersion = 11;

struct LibraryPartHeader {
    DrawingHeader header;
    std::string name;      // upper-cased, without padding
    int version = 0;       // the header's version character minus '0'
};

// Reads the part's header and name records; false when the file ends first.
bool ReadLibraryPartHeader(plat::Archive& archive, LibraryPartHeader& part);

// The name record of a part: the name cut at '.', upper-cased, its first 16 characters,
// NUL-padded.
FileRecord PartNameRecord(std::string_view name);
std::string PartNameOf(const FileRecord& record);
// A part name as it is stored and compared: cut at '.', upper-cased, at most 16 characters.
std::string StoredPartName(std::string_view name);

enum class ElementRead { Element, Marker, End };
// Reads one element record and its trailer. Libraries before version 7 kept other units,
// rectangle corners and line-style bit patterns; those are converted, and everything before
// version 10 is scaled to today's units. Kinds that cannot be read come back deleted.
ElementRead ReadLibraryElement(plat::Archive& archive, int version, DrawObject& element);

// A deep copy: texts and point blocks are duplicated.
DrawObject CloneElement(const DrawObject& element);
