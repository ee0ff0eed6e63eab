#pragma once
// The 16-byte records of the drawing format (".pic", ".EPC", and the part libraries, which use
// the same records): little-endian 16-bit words, encoded and decoded only here.

#include "schemora/core/draw_object.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace plat {
class Archive;
}

inline constexpr size_t kRecordBytes = 16;
inline constexpr size_t kPolygonTrailerBytes = 128;
// The type byte a placed part carries in a file, whatever its symbol index in memory.
inline constexpr int kFilePartType = 100;
// Version characters: drawings written now, and the previous version's form.
inline constexpr char kVersionCurrent = ';';
inline constexpr char kVersionPrevious = ':';

using FileRecord = std::array<uint8_t, kRecordBytes>;
using RecordWords = std::array<uint16_t, 8>;

// Record 1 of a drawing (and of each part in a library).
struct DrawingHeader {
    int16_t count = 0;
    int16_t viewCentreX = 0;
    int16_t viewCentreY = 0;
    uint8_t sheetSize = 'A';
    uint8_t revision = 'A';
    uint8_t version = kVersionCurrent;
    int16_t documentNumber = 1;
    int16_t numberOfSheets = 1;
};

RecordWords recordWords(const FileRecord& record);
FileRecord recordFromWords(const RecordWords& words);

FileRecord encodeHeader(const DrawingHeader& header);
DrawingHeader decodeHeader(const FileRecord& record);

// The start of a part definition: a record whose first four words are 0, 1, 2, 3.
bool isPartMarker(const FileRecord& record);
FileRecord partMarkerRecord();

// The sheet number (1 to 32) minus 1 lives in bits 7-9 (low three bits) and 12-13 (next two)
// of a record's type word; in memory those bits are 0 and the sheet is word 23.
uint16_t packSheet(int sheet);
int unpackSheet(uint16_t typeWord);
// Bits of the type word that stay in word 4 after the sheet is taken out.
inline constexpr uint16_t kTypeWordKeep = 0xCC7F;
// The flag bits a part keeps in a file (its type byte is replaced by kFilePartType).
inline constexpr uint16_t kPartFlagBits = 0xCC00;

// The object record of a live object (its trailer is written separately).
FileRecord encodeObjectRecord(const DrawObject& object);
// The words of an object record of a file of the given version (byte 10 of the header minus
// '0'), without its trailer; a drawing with a single sheet puts every object on sheet 1.
// Parts come back with type kObjPart (unresolved); kinds that cannot be read come back deleted.
// Versions before 10 are scaled to today's units.
DrawObject decodeObjectRecord(const FileRecord& record, int version, bool singleSheet);

// Drawings before version 10 used units 54/50 of today's: words 0 and 1, and words 2 and 3 of
// the two-point kinds and of parts, are scaled by 50/54 (truncating toward zero).
void ScaleOldDrawing(DrawObject& object);

// Reads one whole record; false (the archive then ends) when fewer than 16 bytes are left.
bool readRecord(plat::Archive& archive, FileRecord& record);
void writeRecord(plat::Archive& archive, const FileRecord& record);
