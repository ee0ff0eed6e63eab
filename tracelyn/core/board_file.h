#pragma once
// The ".tlz" board file and its ".xpc" export variant: a header record, a second record, then
// one 20-byte record per live object with the strings and point lists some kinds carry.

#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_records.h"

#include <cstdint>
#include <string_view>

namespace plat { class Archive; }

inline constexpr int kFileModeBoard = 1;
inline constexpr int kFileModeLibraryPart = 2;   // a package part written into a library
inline constexpr int kFileModeExport = 4;        // ".xpc": package definitions travel along

// How a writer of the current board begins: the last object index it writes (objects
// 1..lastIndex) and the header record. The header's count is the object records put down,
// deleted slots writing none, so a reader can tell a whole file from one that ends early, and
// an export's package blocks from its objects.
struct BoardWriteStart {
    int lastIndex = 0;
    BoardFileHeader header;
};
BoardWriteStart StartBoardWrite();

// Writes the current board (g_board: store, count, size letter, view origin). In library-part
// mode the second record holds `name` in capitals; in export mode a package block follows for
// every distinct package that a part uses. The header counts the object records written.
void WriteBoard(plat::Archive& archive, int mode, std::string_view name = {});

// Reads a board into the current store after index firstIndex (0 for a whole document). On
// entry *count receives the header's count, on return the number of slots filled. The active
// document takes the header's view origin and size letter. A short or damaged file ends the
// reading with what was read.
void ReadBoard(int firstIndex, int32_t* count, plat::Archive& archive, int mode);

// Scales the geometry of objects first..last; products are truncated toward zero.
using pcb::RescaleObjects;
