#pragma once
// The ".tlz" board file and its ".xpc" export variant: a header record, a second record, then
// one 20-byte record per live object with the strings and point lists some kinds carry.

#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_records.h"
#include "tracelyn/core/board_store.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"

#include <cstdint>
#include <string_view>

namespace plat { class Archive; }

inline constexpr int kFileModeBoard = 1;
inline constexpr int kFileModeLibraryPart = 2;   // a package part written into a library
inline constexpr int kFileModeExport = 4;        // ".xpc": package definitions travel along

// Records of the longest string: its pieces of 19 characters and the head.
inline constexpr std::uintmax_t kLongestStringRecords = (kMaxStringChars + kRecordSize - 2) / (kRecordSize - 1);
// The largest object in a file but a polygon: its record and the longest string (a package's
// polygon has fewer vertices than that takes bytes).
inline constexpr std::uintmax_t kLargestObjectBytes = kRecordSize * (1 + kLongestStringRecords);
static_assert(kPackagePolygonVertices * kVertexWords * 4 <= kRecordSize * kLongestStringRecords);
// Records an export may hold before the four markers of a package block.
inline constexpr int kMaxRecordsBeforePackage = 101;
// The records and strings of the largest board: header and second record, the outline's 50
// segments, a full store of the largest objects and, in an export, a block for every package
// the table holds (the records passed over to reach it, its header, name, description and
// section texts) whose objects fill the package store.
inline constexpr std::uintmax_t kLargestBoardRecords =
    2 * kRecordSize + kMaxOutlineSegments * kSegmentWords * 4 + kMaxBoardObjects * kLargestObjectBytes +
    kMaxPackages * ((kMaxRecordsBeforePackage + 2) * kRecordSize + (1 + kMaxPinSections) * kLargestObjectBytes) +
    kPackageStoreSize * kLargestObjectBytes;
// Polygons are the one kind whose vertex list the format bounds only at 32,767 vertices. The
// editors draw them with a few vertices and a Gerber import brings in regions from a file of at
// most 64 MB: a board may carry that much of vertex lists besides its records.
inline constexpr std::uintmax_t kPolygonVertexAllowance = std::uintmax_t{64} << 20;
// What opening a board reads at most: twice its records and strings (writers elsewhere may chain
// strings longer) and the polygon allowance. A larger file is refused unread.
inline constexpr std::uintmax_t kMaxBoardFileBytes = 2 * kLargestBoardRecords + kPolygonVertexAllowance;

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
