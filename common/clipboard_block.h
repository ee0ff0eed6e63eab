#pragma once
// The words of a "TLYN" clipboard block, shared by both editors.
//
// A block is a sequence of signed 32-bit little-endian words. Ours begin with a two-word mark
// naming the program and the record layout that wrote them, followed by the 10-word header and
// the records: both editors register the same format name, so a reader must be able to tell a
// schematic block from a board block, and either from anything else under that name.
//
// The block arrives from outside: the reader never reads past the bytes received, and every
// string and count it returns is bounded by the caller.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Who wrote a block, and in which record layout.
enum class ClipboardLayout : int32_t {
    SchematicView = 1,    // schematic views: 8-word records
    SchematicEditor = 2,  // the schematic part editor: 45-word records
    BoardView = 3,        // board views: 8-word records of board kinds
    BoardEditor = 4,      // the board part editor
};

// The clipboard format both editors put their blocks under.
inline constexpr std::string_view kClipboardFormatName = "TLYN";

// The first word of every block we write: the bytes "QLCB".
inline constexpr int32_t kClipboardMagic = 0x42434C51;
inline constexpr int kClipboardMarkWords = 2;

class ClipboardBlockWriter {
public:
    explicit ClipboardBlockWriter(ClipboardLayout layout);

    void word(int32_t value);
    // One character per word, sign-extended as the characters are stored, and a 0 word.
    void string(std::string_view text);
    // Words written so far, the mark included.
    std::size_t words() const { return bytes_.size() / 4; }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

class ClipboardBlockReader {
public:
    // Reads the mark; valid() is false when the block is not ours in the expected layout.
    ClipboardBlockReader(std::span<const uint8_t> bytes, ClipboardLayout layout);

    bool valid() const { return valid_; }
    // False, with the value 0, once the block is exhausted; a failed read stays failed.
    bool word(int32_t& value);
    // A 0-ended string of at most maxLength characters; false when the block ends first or the
    // string is longer.
    bool string(std::string& text, std::size_t maxLength);
    // Words left to read.
    std::size_t remaining() const { return (bytes_.size() - offset_) / 4; }

private:
    std::span<const uint8_t> bytes_;
    std::size_t offset_ = 0;
    bool valid_ = false;
};
