#include "platform/qt_host/wav_header.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, uint32_t v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(Bytes& b, uint32_t v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void putTag(Bytes& b, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(tag[i]));
}

// A chunk: tag, the size it claims, then its body (which may be shorter or longer).
void putChunk(Bytes& b, const char* tag, uint32_t claimedSize, const Bytes& body)
{
    putTag(b, tag);
    put32(b, claimedSize);
    b.insert(b.end(), body.begin(), body.end());
}

// "fmt " body: tag, channels, rate, byte rate, block align, bits.
Bytes fmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits)
{
    const uint16_t align = static_cast<uint16_t>(channels * (bits / 8));
    Bytes b;
    put16(b, tag);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * align);
    put16(b, align);
    put16(b, bits);
    return b;
}

Bytes riff(const Bytes& chunks)
{
    Bytes b;
    putTag(b, "RIFF");
    put32(b, static_cast<uint32_t>(4 + chunks.size()));
    putTag(b, "WAVE");
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}

// 8 kHz mono 16-bit, 1600 sample bytes: 100 ms.
Bytes goodWav()
{
    Bytes chunks;
    putChunk(chunks, "fmt ", 16, fmtBody(1, 1, 8000, 16));
    putChunk(chunks, "data", 1600, Bytes(1600, 0));
    return riff(chunks);
}

TEST(WavHeader, ReadsAPlainPcmFile)
{
    const auto f = plat::parseWavHeader(goodWav());
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->formatTag, 1);
    EXPECT_EQ(f->channels, 1);
    EXPECT_EQ(f->sampleRate, 8000u);
    EXPECT_EQ(f->bitsPerSample, 16);
    EXPECT_EQ(f->dataOffset, 44u);
    EXPECT_EQ(f->dataSize, 1600u);
    EXPECT_EQ(f->durationMs(), 100u);
}

TEST(WavHeader, SkipsOtherChunksWithTheirPadding)
{
    Bytes chunks;
    putChunk(chunks, "LIST", 3, {'a', 'b', 'c', 0});   // odd size, one pad byte
    putChunk(chunks, "fmt ", 18, [] { auto b = fmtBody(3, 2, 44100, 32); b.insert(b.end(), {0, 0}); return b; }());
    putChunk(chunks, "data", 8, Bytes(8, 0));
    const auto f = plat::parseWavHeader(riff(chunks));
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->formatTag, 3);
    EXPECT_EQ(f->blockAlign, 8);
    EXPECT_EQ(f->dataOffset, 12u + 12u + 26u + 8u);
}

TEST(WavHeader, ReadsTheExtensibleFormatsSubFormat)
{
    Bytes fmt = fmtBody(0xFFFE, 2, 48000, 24);
    put16(fmt, 22);                          // extra bytes
    put16(fmt, 24);                          // valid bits
    put32(fmt, 3);                           // channel mask
    put16(fmt, 1);                           // sub-format: PCM, then the rest of the GUID
    fmt.insert(fmt.end(), 14, 0);
    Bytes chunks;
    putChunk(chunks, "fmt ", 40, fmt);
    putChunk(chunks, "data", 6, Bytes(6, 0));
    const auto f = plat::parseWavHeader(riff(chunks));
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->formatTag, 1);
    EXPECT_EQ(f->bitsPerSample, 24);
}

TEST(WavHeader, RefusesWhatCannotBePlayed)
{
    const auto withFmt = [](const Bytes& fmt) {
        Bytes chunks;
        putChunk(chunks, "fmt ", static_cast<uint32_t>(fmt.size()), fmt);
        putChunk(chunks, "data", 4, Bytes(4, 0));
        return riff(chunks);
    };
    Bytes badAlign = fmtBody(1, 2, 8000, 16);
    badAlign[12] = 3;
    Bytes dataFirst;
    putChunk(dataFirst, "data", 4, Bytes(4, 0));
    putChunk(dataFirst, "fmt ", 16, fmtBody(1, 1, 8000, 16));
    Bytes notWave = goodWav();
    notWave[8] = 'X';

    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"not RIFF", Bytes(64, 'x')},
        {"not WAVE", notWave},
        {"compressed samples", withFmt(fmtBody(2, 1, 8000, 4))},
        {"12-bit samples", withFmt(fmtBody(1, 1, 8000, 12))},
        {"no channels", withFmt(fmtBody(1, 0, 8000, 16))},
        {"no sample rate", withFmt(fmtBody(1, 1, 0, 16))},
        {"frame size not channels times sample", withFmt(badAlign)},
        {"short fmt chunk", withFmt(Bytes(14, 1))},
        {"no fmt chunk", [] { Bytes c; putChunk(c, "data", 4, Bytes(4, 0)); return riff(c); }()},
        {"no data chunk", [] { Bytes c; putChunk(c, "fmt ", 16, fmtBody(1, 1, 8000, 16)); return riff(c); }()},
        {"data before fmt", riff(dataFirst)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(plat::parseWavHeader(c.file).has_value());
    }
}

TEST(WavHeader, ChecksEveryClaimedSizeAgainstTheFile)
{
    {
        SCOPED_TRACE("truncated inside the fmt chunk");
        const Bytes file = goodWav();
        for (size_t cut : {size_t{11}, size_t{19}, size_t{30}, size_t{36}})
            EXPECT_FALSE(plat::parseWavHeader(std::span(file.data(), cut)).has_value()) << cut;
    }
    {
        SCOPED_TRACE("fmt chunk claims more than the file holds");
        Bytes chunks;
        putChunk(chunks, "fmt ", 0xFFFFFFF0u, fmtBody(1, 1, 8000, 16));
        EXPECT_FALSE(plat::parseWavHeader(riff(chunks)).has_value());
    }
    {
        SCOPED_TRACE("chunk before fmt skips past the end");
        Bytes chunks;
        putChunk(chunks, "LIST", 0xFFFFFFFFu, {1, 2, 3, 4});
        putChunk(chunks, "fmt ", 16, fmtBody(1, 1, 8000, 16));
        putChunk(chunks, "data", 4, Bytes(4, 0));
        EXPECT_FALSE(plat::parseWavHeader(riff(chunks)).has_value());
    }
    {
        SCOPED_TRACE("data chunk claims more than is there: cut to what is there");
        Bytes chunks;
        putChunk(chunks, "fmt ", 16, fmtBody(1, 1, 8000, 16));
        putChunk(chunks, "data", 0xFFFFFFFFu, Bytes(100, 0));
        const auto f = plat::parseWavHeader(riff(chunks));
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->dataSize, 100u);
    }
    {
        SCOPED_TRACE("a short head of a longer file still finds the data");
        const Bytes file = goodWav();
        const auto f = plat::parseWavHeader(std::span(file.data(), 44), file.size());
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->dataSize, 1600u);
    }
}

TEST(WavHeader, ReadsFromAFile)
{
    quill_test::TempFolder folder;
    folder.write("good.wav", goodWav());
    folder.write("bad.wav", "RIFF....WAVEjunk");
    EXPECT_TRUE(plat::readWavHeader(folder.file("good.wav")).has_value());
    EXPECT_FALSE(plat::readWavHeader(folder.file("bad.wav")).has_value());
    EXPECT_FALSE(plat::readWavHeader(folder.file("Maximum")).has_value());
    EXPECT_FALSE(plat::readWavHeader(folder.path().string()).has_value());   // a folder
    // Nor is a sound named after a pipe waited on.
    const std::vector<quill_test::NonFile> nonFiles = quill_test::placeNonFiles(folder.path() / "pipe.wav", folder.path() / "dir.wav");
    for (const quill_test::NonFile& f : nonFiles) {
        SCOPED_TRACE(f.kind);
        quill_test::withoutWaiting({f}, [&] { EXPECT_FALSE(plat::readWavHeader(f.path.string()).has_value()); });
    }
}

}  // namespace
