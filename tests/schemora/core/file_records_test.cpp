#include "drawing_test_support.h"
#include "schemora/core/object_records.h"

#include <gtest/gtest.h>

using namespace schemora_test;

TEST(FileRecords, SheetNumbersPackIntoTheTypeWord)
{
    for (int sheet = 1; sheet <= 32; ++sheet) {
        SCOPED_TRACE(sheet);
        const DrawObject line = MakeDrawObject(words(kObjLine, 1, 2, 3, 4, sheet), nullptr);
        const uint16_t typeWord = recordWords(encodeObjectRecord(line))[2];
        EXPECT_EQ(typeWord & 0x7F, kObjLine);
        EXPECT_EQ(unpackSheet(typeWord), sheet);
        EXPECT_EQ(decodeObjectRecord(encodeObjectRecord(line), 11, false).sheet(), sheet);
    }
    const uint16_t last = packSheet(32);
    EXPECT_EQ((last >> 7) & 7, 7);
    EXPECT_EQ((last >> 12) & 3, 3);
    EXPECT_EQ(last & ~0x3380, 0);
}

TEST(FileRecords, PartRecordsKeepOnlyTheirFlagsAndCarryType100)
{
    Words w = words(kObjPart + 3, -10, 20, 5, 6, 9);
    w[4] |= 0xCC00 | 0x0300;   // flags kept, then bits that must not reach the file
    w[5] = 7;
    w[6] = 12;   // reference number
    w[7] = 900;  // orientation
    DrawObject part;
    part.w = w;
    const RecordWords rw = recordWords(encodeObjectRecord(part));
    EXPECT_EQ(rw[2], kFilePartType | 0xCC00 | packSheet(9));
    EXPECT_EQ((RecordWords{uint16_t(-10), 20, rw[2], 5, 6, 7, 900, 12}), rw);

    const DrawObject back = decodeObjectRecord(encodeObjectRecord(part), 11, false);
    EXPECT_EQ(back.type(), kObjPart);
    EXPECT_EQ(back.w[4], 0xCC00 | kObjPart);
    EXPECT_EQ(back.sheet(), 9);
    EXPECT_EQ(back.w[6], 12);
    EXPECT_EQ(back.w[7], 900);
}

TEST(FileRecords, VersionRulesOfObjectRecords)
{
    {
        SCOPED_TRACE("version 7 rectangles are stored by their corners");
        const DrawObject r = decodeObjectRecord(record(540, 108, kObjRectangle, 1080, 540), 7, true);
        EXPECT_EQ(r.w[2], (1080 - 540) * 50 / 54);
        EXPECT_EQ(r.w[3], (540 - 108) * 50 / 54);
    }
    {
        SCOPED_TRACE("version 8 rectangles hold their size, scaled");
        const DrawObject r = decodeObjectRecord(record(540, 108, kObjRoundRect, 1080, 540), 8, true);
        EXPECT_EQ((std::array{r.w[0], r.w[1], r.w[2], r.w[3]}), (std::array{500, 100, 1000, 500}));
    }
    {
        SCOPED_TRACE("version 4 lines have no width");
        EXPECT_EQ(decodeObjectRecord(record(0, 0, kObjLine, 0, 0, 0, 0, 6), 4, true).w[6], 0);
        EXPECT_EQ(decodeObjectRecord(record(0, 0, kObjLine, 0, 0, 0, 0, 6), 5, true).w[6], 6);
    }
    {
        SCOPED_TRACE("scaling truncates toward zero and leaves text styles alone");
        const DrawObject t = decodeObjectRecord(record(-55, 55, kObjText, 0x0801, 0), 9, true);
        EXPECT_EQ(t.w[0], -50);
        EXPECT_EQ(t.w[1], 50);
        EXPECT_EQ(t.w[2], 0x0801);
    }
    {
        SCOPED_TRACE("kinds from 64 other than parts are dropped");
        EXPECT_EQ(decodeObjectRecord(record(1, 2, 70), 11, true).type(), kObjDeleted);
        EXPECT_EQ(decodeObjectRecord(record(1, 2, 101), 11, true).type(), kObjDeleted);
    }
}

TEST(FileRecords, OldTextsBeginInsideTheirRecord)
{
    Bytes bytes;
    FileRecord text = record(10, 20, kObjText, 0x0801, 0);
    std::memcpy(text.data() + 8, "ABCD|FGH", 8);
    put(bytes, text);
    put(bytes, chars("IJ"));
    plat::Archive archive(plat::Archive::Mode::Load, bytes);
    DrawObject o;
    ASSERT_EQ(ReadObjectRecord(archive, 7, true, o), RecordRead::Object);
    EXPECT_STREQ(o.text, "ABCD FGHIJ");
    EXPECT_EQ(o.w[3], 0);
    ReleaseObjectData(o);
}

TEST(FileRecords, HeaderLayout)
{
    const FileRecord h = header(7, ';', 'C', 'D', 1234, 17, -300, 250);
    const uint8_t want[16] = {7, 0, 0, 0, 0xD4, 0xFE, 250, 0, 'C', 'D', ';', 0, 0xD2, 0x04, 17, 0};
    EXPECT_TRUE(std::equal(h.begin(), h.end(), want));
    const DrawingHeader back = decodeHeader(h);
    EXPECT_EQ(back.viewCentreX, -300);
    EXPECT_EQ(back.documentNumber, 1234);
}
