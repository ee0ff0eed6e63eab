#include "platform/qt_host/wav_header.h"

#include "platform/core/input_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace plat {
namespace {

// Chunks before "fmt " (LIST, bext, ...) are small in practice; a header that needs more than
// this to reach its format is not one we play.
constexpr uint64_t kHeadBytes = 256 * 1024;

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;

uint16_t le16(std::span<const uint8_t> b, uint64_t at)
{
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t le32(std::span<const uint8_t> b, uint64_t at)
{
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8)
           | (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

bool tagAt(std::span<const uint8_t> b, uint64_t at, std::string_view tag)
{
    return std::memcmp(b.data() + at, tag.data(), 4) == 0;
}

// Fills the format fields from a "fmt " chunk body that lies wholly inside head.
bool readFormat(std::span<const uint8_t> body, WavFormat& f)
{
    if (body.size() < 16)
        return false;
    f.formatTag = le16(body, 0);
    f.channels = le16(body, 2);
    f.sampleRate = le32(body, 4);
    f.blockAlign = le16(body, 12);
    f.bitsPerSample = le16(body, 14);
    if (f.formatTag == kFormatExtensible) {
        // cbSize, valid bits, channel mask, then the sub-format GUID whose first word is the tag.
        if (body.size() < 40)
            return false;
        f.formatTag = le16(body, 24);
    }
    if (f.channels == 0 || f.sampleRate == 0)
        return false;
    const uint16_t bits = f.bitsPerSample;
    const bool sampleOk = f.formatTag == kFormatPcm
                              ? (bits == 8 || bits == 16 || bits == 24 || bits == 32)
                              : f.formatTag == kFormatFloat && (bits == 32 || bits == 64);
    return sampleOk && f.blockAlign == static_cast<uint32_t>(f.channels) * (bits / 8);
}

}  // namespace

uint64_t WavFormat::durationMs() const
{
    const uint64_t bytesPerSecond = static_cast<uint64_t>(sampleRate) * blockAlign;
    return bytesPerSecond == 0 ? 0 : dataSize * 1000 / bytesPerSecond;
}

std::optional<WavFormat> parseWavHeader(std::span<const uint8_t> head, uint64_t fileSize)
{
    const uint64_t headSize = std::min<uint64_t>(head.size(), fileSize);
    if (headSize < 12 || !tagAt(head, 0, "RIFF") || !tagAt(head, 8, "WAVE"))
        return std::nullopt;

    WavFormat format;
    bool haveFormat = false;
    uint64_t pos = 12;
    while (pos + 8 <= headSize) {
        const uint64_t size = le32(head, pos + 4);
        const uint64_t body = pos + 8;
        if (tagAt(head, pos, "data")) {
            if (!haveFormat)
                return std::nullopt;   // samples we would not know how to read
            format.dataOffset = body;
            format.dataSize = std::min(size, fileSize - body);
            return format;
        }
        if (body + size > fileSize)
            return std::nullopt;
        if (tagAt(head, pos, "fmt ")) {
            if (body + size > headSize || !readFormat(head.subspan(body, size), format))
                return std::nullopt;
            haveFormat = true;
        }
        pos = body + size + (size & 1);   // chunks are padded to an even length
    }
    return std::nullopt;
}

std::optional<WavFormat> readWavHeader(const std::string& path)
{
    InputFile file = InputFile::open(path);
    const std::optional<std::string> start = file.readUpTo(static_cast<size_t>(kHeadBytes));
    if (!start)
        return std::nullopt;
    const std::span<const uint8_t> head(reinterpret_cast<const uint8_t*>(start->data()), start->size());
    return parseWavHeader(head, file.size());
}

}  // namespace plat
