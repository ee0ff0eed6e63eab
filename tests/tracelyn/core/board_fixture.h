#pragma once
// A new board in a test: the test UI host, a document made active with its default outline,
// empty package tables, and helpers to write and read the board in memory.

#include "board_objects.h"
#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "common/string_helpers.h"
#include "support/default_stores.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace board_test {

using Bytes = std::vector<uint8_t>;

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearPackageTables();
        quill_test::resetToDefaults(g_board, g_active, g_countWarning);
        ASSERT_TRUE(InitNewBoard(doc));
    }
    void TearDown() override
    {
        CloseBoardDocument(doc, nullptr);
        ClearPackageTables();
    }

    // Appends an object to the current board, taking ownership of its data.
    int add(const BoardObject& o)
    {
        const int i = ++g_board.count;
        g_board.objects[i] = o;
        doc.objectCount = g_board.count;
        return i;
    }
    int addText(std::string_view text, int32_t x = 100, int32_t y = 200)
    {
        BoardObject o = makeObject(kKindText, 16, {x, y, 0x305, 0, 0, 0, 0, 0});
        o.data = StrDupChecked(text);
        return add(o);
    }
    int addPart(std::string_view label, int package, int32_t x = 5000, int32_t y = -5000)
    {
        BoardObject o = makeObject(kKindPart + package, 0, {x, y, 30, 40, 0, 7, 900, 12});
        o.data = StrDupChecked(label);
        return add(o);
    }
    // A loaded package without objects.
    static int loadPackage(const std::string& name)
    {
        const int n = ++g_packages.count;
        g_packages.defs[n].name = name;
        return n;
    }

    static Bytes write(int mode = kFileModeBoard)
    {
        plat::Archive archive(plat::Archive::Mode::Store);
        WriteBoard(archive, mode);
        return archive.takeBytes();
    }
    // Reads bytes into `into` as a freshly opened document; returns the filled count.
    static int read(BoardDocumentData& into, const Bytes& bytes, int mode = kFileModeBoard,
                    std::string path = "board.tlz")
    {
        EXPECT_TRUE(PrepareBoardForOpen(into));
        plat::Archive archive(plat::Archive::Mode::Load, bytes, std::move(path));
        int32_t count = into.objectCount;
        ReadBoard(0, &count, archive, mode);
        into.objectCount = count;
        return count;
    }
    // Writes, reads into a second document and leaves the globals on it.
    int roundTrip(BoardDocumentData& into, int mode = kFileModeBoard)
    {
        return read(into, write(mode), mode);
    }

    plat::TestUiHost host;
    BoardDocumentData doc;
};

// A file spelled out record by record.
struct FileBuilder {
    Bytes bytes;
    size_t recordSize = 20;

    FileBuilder& header(int32_t count, char version, int16_t letter = 'A', bool wideCount = true)
    {
        std::vector<uint8_t> r(recordSize, 0);
        put(r, 0, wideCount ? 4 : 2, count);
        put(r, 8, 2, letter);
        r[10] = static_cast<uint8_t>(version);
        append(r);
        append(std::vector<uint8_t>(recordSize, 0));   // second record
        return *this;
    }
    // An object record: s16 fields at 0, 2, 4, 6, 8, 10, 12, 14 and nibbles at 16 to 19.
    FileBuilder& record(std::array<int32_t, 8> s16, std::array<uint8_t, 4> nibbles = {})
    {
        std::vector<uint8_t> r(recordSize, 0);
        for (size_t i = 0; i < 8; ++i)
            put(r, 2 * i, 2, s16[i]);
        for (size_t i = 0; i < 4 && 16 + i < recordSize; ++i)
            r[16 + i] = nibbles[i];
        append(r);
        return *this;
    }
    FileBuilder& text(std::string_view chars)
    {
        std::vector<uint8_t> r(recordSize, ' ');
        std::copy(chars.begin(), chars.end(), r.begin());
        append(r);
        return *this;
    }
    FileBuilder& words(std::initializer_list<int32_t> values)
    {
        for (int32_t v : values) {
            std::vector<uint8_t> b(4);
            put(b, 0, 4, v);
            append(b);
        }
        return *this;
    }
    static void put(std::vector<uint8_t>& r, size_t at, size_t width, int32_t value)
    {
        for (size_t i = 0; i < width; ++i)
            r[at + i] = static_cast<uint8_t>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    }
    void append(const std::vector<uint8_t>& r) { bytes.insert(bytes.end(), r.begin(), r.end()); }
};

inline std::string textOf(const BoardObject& o)
{
    return o.text() ? o.text() : "<null>";
}

}  // namespace board_test
