#include "common/pcb/board_records.h"

#include "platform/core/archive.h"
#include "common/pcb/little_endian.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <vector>

namespace pcb {
namespace {

// A string chain longer than this (a writer makes at most 11 records) is still consumed, so
// the records after it stay in step, but only the records of its beginning are kept.
constexpr size_t kMaxKeptStringRecords = 64;

// A 16-bit high part and a nibble: the full-resolution value of a coordinate.
int32_t joinNibble(int16_t high, uint8_t nibble)
{
    return static_cast<int32_t>(static_cast<uint32_t>(int32_t{high}) << 4) | (nibble & 15);
}

void encodeSplit(BoardRecord& r, size_t at, size_t nibbleAt, int32_t value)
{
    le::put16(r, at, value >> 4);
    r[nibbleAt] = static_cast<uint8_t>(value & 15);
}

bool isSplitKind(int kind)
{
    return kind != kKindText && kind != kKindPolygon && kind != kKindOutline && kind < kKindPart;
}

int32_t scaled(int32_t value, double factor)
{
    const double v = std::trunc(static_cast<double>(value) * factor);
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    if (!(v >= kLow))   // also NaN
        return std::numeric_limits<int32_t>::min();
    return v > kHigh ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(v);
}

}  // namespace

BoardRecord EncodeHeaderRecord(const BoardFileHeader& header)
{
    BoardRecord r{};
    le::put32(r, 0, static_cast<int32_t>(header.count));
    le::put16(r, 4, header.viewOriginX);
    le::put16(r, 6, header.viewOriginY);
    le::put16(r, 8, header.sizeLetter);
    r[10] = static_cast<uint8_t>(kVersionMark);
    return r;
}

BoardRecord EncodeNameRecord(std::string_view name)
{
    BoardRecord r{};
    std::copy_n(name.begin(), std::min(name.size(), kRecordSize - 1), r.begin());
    return r;
}

BoardRecord EncodeMarkerRecord()
{
    BoardRecord r{};
    for (int i = 0; i < 10; ++i)
        le::put16(r, static_cast<size_t>(2 * i), i);
    return r;
}

bool IsMarkerRecord(std::span<const uint8_t> record)
{
    if (record.size() < 8)
        return false;
    for (int i = 0; i < 4; ++i)
        if (le::getU16(record, static_cast<size_t>(2 * i)) != i)
            return false;
    return true;
}

BoardRecord EncodeObjectRecord(const BoardObject& o)
{
    BoardRecord r{};
    const int kind = o.kind();
    encodeSplit(r, 0, 16, o.w[0]);
    encodeSplit(r, 2, 17, o.w[1]);
    le::put16(r, 4, o.isPart() ? (o.w[4] & 0xFF80) + kPartRecordKind : o.w[4]);
    if (isSplitKind(kind)) {
        encodeSplit(r, 6, 18, o.w[2]);
        encodeSplit(r, 8, 19, o.w[3]);
    } else {
        le::put16(r, 6, o.w[2]);
        le::put16(r, 8, o.w[3]);
    }
    if (kind != kKindText) {
        le::put16(r, 10, o.w[5]);
        le::put16(r, 12, o.w[6]);
        le::put16(r, 14, o.w[7]);
    }
    return r;
}

void DecodeObjectRecord(std::span<const uint8_t> r, int version, BoardObject& o)
{
    const bool fine = version >= 11;   // 20-byte records with nibbles
    o.w[0] = fine ? joinNibble(le::getS16(r, 0), r[16]) : le::getS16(r, 0);
    o.w[1] = fine ? joinNibble(le::getS16(r, 2), r[17]) : le::getS16(r, 2);
    o.w[4] = le::getS16(r, 4);
    // Layer 31 (all layers) carries no flag bit 9.
    if ((o.w[4] & ~0x3FF) == 0x7C00)
        o.w[4] = (o.w[4] & 0x1FF) + 0x7C00;
    o.w[2] = le::getS16(r, 6);
    if (!isSplitKind(o.kind()))
        return;
    o.w[2] = fine ? joinNibble(le::getS16(r, 6), r[18]) : le::getS16(r, 6);
    o.w[3] = fine ? joinNibble(le::getS16(r, 8), r[19]) : le::getS16(r, 8);
    o.w[5] = le::getS16(r, 10);
    o.w[6] = le::getS16(r, 12);
    o.w[7] = le::getS16(r, 14);
}

// A string is written from its end: while 20 or more characters remain, the last 19 go out as
// a record ending in '~' and are cut off; the rest goes last, padded with blanks. Blanks inside
// the text travel as '|' so that trailing padding can be told from the text.
void WriteStringRecords(plat::Archive& archive, std::string_view text)
{
    std::string s(text.substr(0, std::min<size_t>(text.size(), kMaxStringChars)));
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    std::replace(s.begin(), s.end(), ' ', '|');
    while (s.size() >= kRecordSize) {
        BoardRecord r{};
        std::copy(s.end() - 19, s.end(), r.begin());
        r[19] = '~';
        archive.Write(r.data(), r.size());
        s.resize(s.size() - 19);
    }
    BoardRecord r;
    r.fill(' ');
    std::copy(s.begin(), s.end(), r.begin());
    archive.Write(r.data(), r.size());
}

std::optional<std::string> ReadStringRecords(plat::Archive& archive, size_t recordSize,
                                             std::optional<std::string_view> inRecord)
{
    std::deque<std::string> pieces;    // in file order: the string's end first
    bool more = false;
    auto take = [&](std::string piece) {
        more = !piece.empty() && piece.back() == '~';
        if (more)
            piece.pop_back();
        // Blanks inside a string travel as '|': blanks at a piece's end are the padding of
        // the record that holds the string's beginning.
        while (!piece.empty() && piece.back() == ' ')
            piece.pop_back();
        pieces.push_back(std::move(piece));
        if (pieces.size() > kMaxKeptStringRecords)
            pieces.pop_front();
    };
    bool needRecord = !inRecord.has_value();
    if (inRecord)
        take(std::string(*inRecord));
    std::array<uint8_t, kRecordSize> buffer{};
    recordSize = std::min(recordSize, kRecordSize);
    while (needRecord || more) {
        needRecord = false;
        if (archive.Read(buffer.data(), recordSize) != recordSize)
            return std::nullopt;
        take(std::string(buffer.begin(), buffer.begin() + static_cast<long>(recordSize)));
    }
    std::string text;
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
        text += *it;
    if (const size_t nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    std::replace(text.begin(), text.end(), '|', ' ');
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void RescaleObjects(double sx, double sy, BoardObject* objects, int first, int last)
{
    if (objects == nullptr)
        return;
    for (int i = std::max(first, 0); i <= last; ++i) {
        BoardObject& o = objects[i];
        o.w[0] = scaled(o.w[0], sx);
        o.w[1] = scaled(o.w[1], sy);
        switch (o.kind()) {
        case kKindLine: case kKindArc:
            o.w[2] = scaled(o.w[2], sx);
            o.w[3] = scaled(o.w[3], sy);
            o.w[7] = scaled(o.w[7], sy);
            break;
        case kKindRectangle: case kKindEllipse: case 12:
            o.w[7] = scaled(o.w[7], sy);
            o.w[2] = scaled(o.w[2], sx);
            o.w[3] = scaled(o.w[3], sy);
            break;
        case kKindPad:
            o.w[2] = scaled(o.w[2], sx);
            o.w[3] = scaled(o.w[3], sy);
            o.w[6] = scaled(o.w[6], sx);
            break;
        case kKindPart:
            o.w[2] = scaled(o.w[2], sx);
            o.w[3] = scaled(o.w[3], sy);
            break;
        default:
            break;
        }
    }
}

}  // namespace pcb
