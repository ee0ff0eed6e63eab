#pragma once
// The schematic views' "TLYN" clipboard block: a 10-word header and one 8-word record per
// copied object, texts, part names and polygon points behind their records, all behind the
// program-and-layout mark of common/clipboard_block.h. Also the plain-text form of copied texts.
//
// A block comes from outside (another program may have put anything under the name): decoding
// bounds every read by the bytes received and refuses a block that does not parse.

#include "schemora/core/draw_object.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Header words 1-9 (word 0, the object count, is the records' own count).
struct ClipboardHeader {
    int32_t scale = 5;            // the copying window's scale divisor
    int32_t right = 0, top = 0, left = 0, bottom = 0;   // selection rectangle
    int32_t viewCentreX = 0, viewCentreY = 0;
    int32_t clientCentreX = 0, clientCentreY = 0;
};

// One object of a block: its words, and its text, placed part's name or polygon points.
// A placed part comes back as an unresolved placeholder (kind kObjPart) named by text.
struct ClipboardObject {
    std::array<int32_t, kDrawObjectWords> words{};
    std::string text;
    std::vector<std::array<int32_t, 2>> points;
    bool carriesTerminalWords = false;   // words 11-22 came with the record (a terminal's texts)
};

struct ClipboardBlock {
    ClipboardHeader header;
    int32_t declaredCount = 0;    // header word 0
    std::vector<ClipboardObject> objects;
};

// Records' kind byte for a placed part, whatever its symbol index.
inline constexpr int kClipboardPartType = 100;
// Texts and names longer than this do not come from a schematic program.
inline constexpr std::size_t kClipboardMaxString = 1024;

// The block of the objects at the listed indexes of objects (slot 0 and deleted slots are
// passed over). The part names are the symbols' names from the PartSymbol table.
std::vector<uint8_t> EncodeClipboardBlock(const ClipboardHeader& header, std::span<const DrawObject> objects,
                                          std::span<const int> selection);

// The objects of a block, at most maxObjects of them (fewer when maxObjects is below 0 or the
// block holds fewer); nothing when the block is not ours or does not parse. Polygons with
// fewer than 3 or more than 10 points are passed over.
std::optional<ClipboardBlock> DecodeClipboardBlock(std::span<const uint8_t> bytes, int maxObjects);

// Plain text of the listed text objects: each string followed by CR LF.
std::string ClipboardTextOf(std::span<const DrawObject> objects, std::span<const int> selection);

// Lines of desktop text to paste: split at line feeds, each cut at its first CR. A line of
// 200 characters or more is cut to 180 and reported through tooLong. Empty lines are left out.
std::vector<std::string> ClipboardTextLines(std::string_view text, bool* tooLong);
