#pragma once
// The schematic drawing file (".pic", and ".EPC" drawings that carry their part definitions):
// a header record, a title record, then one record per live object with its trailer.

#include "common/object_slots.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_document.h"
#include "schemora/core/drawing_parts.h"
#include "schemora/core/file_records.h"
#include "schemora/core/string_records.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace plat {
class Archive;
}

// Modes of WriteDrawing.
inline constexpr int kWriteDrawing = 0;           // ".pic", ".EPC" and the framework's save
inline constexpr int kWritePreviousVersion = 2;   // the previous version's form

// String-table ids of the messages reading shows.
inline constexpr int kStrSchematicFull = 859;
inline constexpr int kStrUnsupportedFormat = 915;

// Records of the longest text: its pieces of 15 characters and the head.
inline constexpr std::uintmax_t kLongestStringRecords = (kMaxStringChars + kRecordBytes - 2) / (kRecordBytes - 1);
// The largest object in a file: its record and the longest text (a polygon's trailer is shorter).
inline constexpr std::uintmax_t kLargestObjectBytes = kRecordBytes * (1 + kLongestStringRecords);
static_assert(kPolygonTrailerBytes <= kRecordBytes * kLongestStringRecords);
// The largest file the drawing format holds: header and title, a full store of the largest
// objects and, in an ".EPC" file, a definition for every symbol a drawing can place, each
// behind the records passed over to reach it, whose elements fill the symbol element store.
inline constexpr std::uintmax_t kLargestDrawingFile =
    2 * kRecordBytes + kMaxObjectCount * kLargestObjectBytes +
    kMaxPlaceableSymbol * (kMaxRecordsToDefinition + 2) * kRecordBytes + quill::kMaxSymbolElements * kLargestObjectBytes;
// What opening a drawing reads at most: twice the largest file, for writers elsewhere that chain
// their texts longer. A larger file is refused unread.
inline constexpr std::uintmax_t kMaxDrawingFileBytes = 2 * kLargestDrawingFile;

// Reads the drawing in archive into objects (the whole 1-based store, slot 0 unused) from
// index start + 1 on, and stores the number of objects read through count (when not null); also
// returns it. start is 0 to open a drawing or the title block, the current count to merge one.
// The header goes into doc (view centre, sheet size, revision, document number, number of
// sheets, title; zoom level 3, grid 703, header flag 1; date and creation time from the file)
// and the view centre and sheet size into g_current. Placed parts are resolved through the part
// libraries (or, in an ".EPC" file, from the definitions that follow the objects). Reading stops
// at the end of the archive, at 7,990 objects, and at slot 7,999 of the store.
int ReadDrawing(DrawingDocData& doc, int start, int* count, plat::Archive& archive,
                std::span<DrawObject> objects);

// Writes the current drawing (g_current: objects 1..count, view centre, sheet size) with the
// header values of doc (revision, document number, number of sheets, title). Mode
// kWritePreviousVersion writes version ':' and, as the title, the first 15 characters of the
// upper-cased path. Sets doc's date to now and shows the saved icon in the status bar.
void WriteDrawing(DrawingDocData& doc, plat::Archive& archive, int mode, std::string_view path);
