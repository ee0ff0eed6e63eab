#pragma once
// Reading the header of a WAV file, so that "this sound file cannot be played" is decided by
// one rule whatever audio back end is present. Every size in the file is checked against the
// bytes actually there before it is trusted.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace plat {

struct WavFormat {
    uint16_t formatTag = 0;       // 1 integer PCM, 3 floating point (also behind 0xFFFE)
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t blockAlign = 0;      // bytes per frame
    uint16_t bitsPerSample = 0;
    uint64_t dataOffset = 0;      // of the first sample byte in the file
    uint64_t dataSize = 0;        // sample bytes present in the file

    uint64_t durationMs() const;
};

// Reads the format from the first bytes of a file whose full size is fileSize (head may be the
// whole file). A RIFF/WAVE file with an uncompressed "fmt " chunk (8/16/24/32-bit integer or
// 32/64-bit float samples, a consistent frame size) and a "data" chunk is playable. A data
// chunk that claims more bytes than the file holds is cut to what is there, as a truncated
// recording still plays; any other chunk that runs past the end, a missing chunk, or a format
// we cannot play gives nothing. The RIFF size itself is not trusted: many writers leave it 0.
std::optional<WavFormat> parseWavHeader(std::span<const uint8_t> head, uint64_t fileSize);
inline std::optional<WavFormat> parseWavHeader(std::span<const uint8_t> file)
{
    return parseWavHeader(file, file.size());
}

// Reads the header of the file at path; nothing when it is missing, not a regular file, not
// readable or not a playable WAV file.
std::optional<WavFormat> readWavHeader(const std::string& path);

}  // namespace plat
