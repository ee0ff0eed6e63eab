#pragma once
// The record forms of the board file: the header, the name record, one object as a 20-byte
// record, and strings as chains of string records. Shared by the board file, the ".xpc" export
// and the package library.

#include "common/pcb/board_object.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace plat { class Archive; }

namespace pcb {

inline constexpr size_t kRecordSize = 20;
inline constexpr size_t kOldRecordSize = 16;     // files before version 11
inline constexpr char kVersionMark = '<';        // version 12, always written
inline constexpr int kMaxStringChars = 200;
// The kind field a part is written with, whatever its package.
inline constexpr int kPartRecordKind = 100;

using BoardRecord = std::array<uint8_t, kRecordSize>;

struct BoardFileHeader {
    uint32_t count = 0;         // record slots that follow
    int16_t viewOriginX = 0;
    int16_t viewOriginY = 0;
    int16_t sizeLetter = 'A';
};

BoardRecord EncodeHeaderRecord(const BoardFileHeader& header);
// A record holding name, NUL-terminated, at most 19 characters.
BoardRecord EncodeNameRecord(std::string_view name);
// A record of ten 16-bit values 0 to 9; four of them open a package block of an export file.
BoardRecord EncodeMarkerRecord();
bool IsMarkerRecord(std::span<const uint8_t> record);

// One live object as its record. The text or name string and the point lists that follow
// some kinds are written separately.
BoardRecord EncodeObjectRecord(const BoardObject& object);

// Fills the words of a record of the given file version that every kind shares: the point,
// word 4 (layer 31 without flag 9) and word 2 as stored; for the kinds without a string or
// point list also words 2, 3, 5, 6 and 7 in the form of the version. The rest of a text,
// polygon, outline or part is the reader's.
void DecodeObjectRecord(std::span<const uint8_t> record, int version, BoardObject& object);

// Writes text as string records (see the chain form in board_records.cpp).
void WriteStringRecords(plat::Archive& archive, std::string_view text);

// Reads a chain of string records of recordSize bytes and joins them. Old files begin the
// chain inside the object's own record: that piece is passed as inRecord and further records
// are read only when it ends in '~'. Nothing when the file ends inside the chain. The result
// has '|' turned back into blanks and trailing blanks removed.
std::optional<std::string> ReadStringRecords(plat::Archive& archive, size_t recordSize,
                                             std::optional<std::string_view> inRecord = std::nullopt);

// Multiplies the coordinates and sizes of objects first..last by sx and sy (each result cut
// toward zero and held to 32 bits): records of versions before 11 are in mils, not tenths.
void RescaleObjects(double sx, double sy, BoardObject* objects, int first, int last);

}  // namespace pcb
