#pragma once
// The board program's clipboard block: the board views' mark, a ten-word header and one eight-word
// record per copied object, each followed by its text, its part name or its polygon vertices.
// Encoding and decoding only; the clipboard itself is the view's business.

#include "tracelyn/core/board_object.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Header words: 0 object count, 1 the copying view's zoom divisor, 2-5 the selection
// rectangle (right, top, left, bottom), 6-7 the view origin, 8-9 the client centre.
inline constexpr int kClipboardHeaderWords = 10;
inline constexpr int kClipboardRecordWords = 8;
// The stored kind of a part; its package travels by name.
inline constexpr int kClipboardPartKind = 100;
// Texts and names are cut to this many characters on reading.
inline constexpr size_t kMaxClipboardText = 255;
inline constexpr int32_t kMaxClipboardVertices = 10000;
// The largest distance from the origin a header's rectangle, view origin or client centre, or an
// object's position, far end or vertex may give; a paste offsets and subtracts them, so a block
// beyond it is not one a view made.
inline constexpr int32_t kMaxClipboardPosition = 1 << 28;

struct ClipboardHeader {
    std::array<int32_t, kClipboardHeaderWords> w{};
    int32_t count() const { return w[0]; }
    int32_t zoomDivisor() const { return w[1]; }
};

// One object of a block: the record's eight words (x, y, kind word, words 2, 3, 5, 6, 7 of the
// object), and what followed it.
struct ClipboardEntry {
    std::array<int32_t, kClipboardRecordWords> r{};
    std::string text;                 // a text's string, or a part's "label!LIBRARY\PART"
    std::vector<int32_t> vertices;    // a polygon's x, y pairs

    int kind() const { return r[2] & 0x7F; }
};

struct ClipboardBlock {
    ClipboardHeader header;
    std::vector<ClipboardEntry> entries;
};

// The objects as a block; outlines and deleted records are left out, and the header's count is
// the number written. A part's package name comes from the package tables.
std::vector<uint8_t> EncodeBoardClipboard(ClipboardHeader header, std::span<const BoardObject* const> objects);

// The block read back; nothing when it is not a board block or does not parse whole within
// its size (unknown kinds, counts beyond the data, a string without its end).
std::optional<ClipboardBlock> DecodeBoardClipboard(std::span<const uint8_t> bytes);
