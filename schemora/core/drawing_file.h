#pragma once
// The schematic drawing file (".pic", and ".EPC" drawings that carry their part definitions):
// a header record, a title record, then one record per live object with its trailer.

#include "schemora/core/drawing_document.h"

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
