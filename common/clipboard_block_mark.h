#pragma once
// Both editors put their objects on the clipboard under the one format name "TLYN", each in
// its own record layout. A block therefore begins with four bytes that name the program and
// layout that wrote it, before its first 32-bit word; a reader takes only blocks with its own
// mark and treats anything else as no data of its own.
//
//   bytes 0-3   the mark: "TLYB" from the board program, "TLYS" from the schematic program
//   bytes 4...  the block's little-endian 32-bit words (header, then the object records)

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quill {

inline constexpr std::string_view kClipboardFormatName = "TLYN";
inline constexpr std::string_view kBoardBlockMark = "TLYB";
inline constexpr std::string_view kSchematicBlockMark = "TLYS";
inline constexpr size_t kBlockMarkSize = 4;

// True when the block starts with the given four-byte mark.
inline bool HasBlockMark(std::span<const uint8_t> block, std::string_view mark)
{
    if (block.size() < kBlockMarkSize || mark.size() != kBlockMarkSize)
        return false;
    for (size_t i = 0; i < kBlockMarkSize; ++i)
        if (block[i] != static_cast<uint8_t>(mark[i]))
            return false;
    return true;
}

}  // namespace quill
