#pragma once
// Save As "Tracelyn V4.0": the board in the earlier file form that the program's previous
// release reads. Polygons travel without their vertices, the outline without its segments,
// parts by package name.

#include <string_view>

namespace plat { class Archive; }

// Mode 3 writes version 11 (';'); other modes keep the version mark of today's files.
inline constexpr int kV4ModeEarlier = 3;

void WriteBoardV4(plat::Archive& archive, int mode);

// Writes the current board under path; "Can't open file: %s" when it cannot be written.
// Refuses to run while it is already running. True when the file was written.
bool SaveBoardV4(std::string_view path, int mode);
