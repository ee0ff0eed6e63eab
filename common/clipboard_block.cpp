#include "common/clipboard_block.h"

ClipboardBlockWriter::ClipboardBlockWriter(ClipboardLayout layout)
{
    word(kClipboardMagic);
    word(static_cast<int32_t>(layout));
}

void ClipboardBlockWriter::word(int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<uint8_t>(bits >> shift));
}

void ClipboardBlockWriter::string(std::string_view text)
{
    for (const char c : text)
        word(static_cast<signed char>(c));
    word(0);
}

ClipboardBlockReader::ClipboardBlockReader(std::span<const uint8_t> bytes, ClipboardLayout layout)
    : bytes_(bytes)
{
    int32_t magic = 0;
    int32_t kind = 0;
    valid_ = word(magic) && word(kind) && magic == kClipboardMagic &&
             kind == static_cast<int32_t>(layout);
}

bool ClipboardBlockReader::word(int32_t& value)
{
    value = 0;
    if (bytes_.size() - offset_ < 4) {
        offset_ = bytes_.size();
        return false;
    }
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(bytes_[offset_ + i]) << (8 * i);
    offset_ += 4;
    value = static_cast<int32_t>(bits);
    return true;
}

bool ClipboardBlockReader::string(std::string& text, std::size_t maxLength)
{
    text.clear();
    int32_t value = 0;
    while (word(value)) {
        if (value == 0)
            return true;
        if (text.size() == maxLength)
            return false;
        text.push_back(static_cast<char>(value));
    }
    return false;
}
