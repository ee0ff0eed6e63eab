#pragma once
// Drawings for the file tests: built from records with the project's own API, or spelled out
// record by record (16 bytes each, little-endian 16-bit words).

#include "platform/core/archive.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/file_records.h"
#include "schemora/core/string_records.h"

#include <cstring>
#include <initializer_list>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace schemora_test {

using Bytes = std::vector<uint8_t>;
using Words = std::array<int32_t, kDrawObjectWords>;

inline Words words(int type, int x, int y, int w2 = 0, int w3 = 0, int sheet = 1)
{
    return ObjectWords(type, x, y, w2, w3, sheet);
}

// Clears the process-wide drawing state around a test.
struct CleanState {
    CleanState() { reset(); }
    ~CleanState() { reset(); }
    static void reset()
    {
        g_current = CurrentDrawing{};
        g_partSymbols = PartSymbolTable{};
        g_symbolElements.truncate(0);
        g_folders = AppFolders{};
    }
};

// A drawing file whose objects are placed parts, one part type for each given part text
// ("R:DEVICE\R" names the library part DEVICE\R).
inline Bytes drawingPlacingParts(std::initializer_list<std::string_view> partTexts)
{
    plat::Archive out(plat::Archive::Mode::Store);
    DrawingHeader h;
    h.count = static_cast<int16_t>(partTexts.size());
    writeRecord(out, encodeHeader(h));
    writeRecord(out, FileRecord{});
    uint16_t type = 0;
    for (std::string_view text : partTexts) {
        writeRecord(out, recordFromWords({0, 0, kFilePartType, 0, 0, 0, 0, ++type}));
        WriteStringRecords(out, text);
    }
    return out.takeBytes();
}

// A document with its own store, written and read through the drawing file code.
struct TestDrawing {
    DrawingDocData doc;
    int count = 0;

    TestDrawing() { doc.objects.allocate(); }

    DrawObject& add(const DrawObject& o)
    {
        doc.objects[++count] = o;
        return doc.objects[count];
    }

    Bytes write(int mode = kWriteDrawing, std::string_view path = {})
    {
        g_current.objects = doc.objects.slots();
        g_current.count = count;
        g_current.sheetSize = static_cast<char>(doc.sheetSize);
        g_current.viewCentreX = doc.viewCentreX;
        g_current.viewCentreY = doc.viewCentreY;
        plat::Archive archive(plat::Archive::Mode::Store);
        WriteDrawing(doc, archive, mode, path);
        g_current.objects = {};
        return archive.takeBytes();
    }

    // Reads bytes into this drawing's store after slot start; the new count is start + read.
    int read(const Bytes& bytes, int start = 0, std::string path = "test.pic")
    {
        plat::Archive archive(plat::Archive::Mode::Load, bytes, std::move(path));
        int n = -1;
        const int got = ReadDrawing(doc, start, &n, archive, doc.objects.slots());
        EXPECT_EQ(got, n);
        count = start + got;
        doc.objectCount = count;
        return got;
    }
};

// ---- files spelled out record by record ----

inline void put(Bytes& out, const FileRecord& r) { out.insert(out.end(), r.begin(), r.end()); }

inline FileRecord header(int count, char version, char sheetSize = 'A', char revision = 'A',
                         int documentNumber = 1, int sheets = 1, int viewX = 0, int viewY = 0)
{
    DrawingHeader h;
    h.count = static_cast<int16_t>(count);
    h.viewCentreX = static_cast<int16_t>(viewX);
    h.viewCentreY = static_cast<int16_t>(viewY);
    h.sheetSize = static_cast<uint8_t>(sheetSize);
    h.revision = static_cast<uint8_t>(revision);
    h.version = static_cast<uint8_t>(version);
    h.documentNumber = static_cast<int16_t>(documentNumber);
    h.numberOfSheets = static_cast<int16_t>(sheets);
    return encodeHeader(h);
}

inline FileRecord title(std::string_view text)
{
    FileRecord r{};
    std::memcpy(r.data(), text.data(), std::min(text.size(), r.size()));
    return r;
}

inline FileRecord record(int w0, int w1, int w2, int w3 = 0, int w4 = 0, int w5 = 0, int w6 = 0, int w7 = 0)
{
    return recordFromWords({uint16_t(w0), uint16_t(w1), uint16_t(w2), uint16_t(w3), uint16_t(w4),
                            uint16_t(w5), uint16_t(w6), uint16_t(w7)});
}

// A string record: chars padded with blanks to 16 bytes (chars of 16 include the '~').
inline FileRecord chars(std::string_view text)
{
    FileRecord r;
    r.fill(' ');
    std::memcpy(r.data(), text.data(), std::min(text.size(), r.size()));
    return r;
}

// Header, title, then the given records.
inline Bytes file(const FileRecord& head, std::initializer_list<FileRecord> records)
{
    Bytes out;
    put(out, head);
    put(out, title("T"));
    for (const FileRecord& r : records)
        put(out, r);
    return out;
}

}  // namespace schemora_test
