#include "drawing_test_support.h"

#include <gtest/gtest.h>

using namespace schemora_test;

namespace {

Bytes written(std::string_view text)
{
    plat::Archive archive(plat::Archive::Mode::Store);
    WriteStringRecords(archive, text);
    return archive.takeBytes();
}

std::string readBack(const Bytes& bytes, bool* complete = nullptr)
{
    plat::Archive archive(plat::Archive::Mode::Load, bytes);
    std::string text = "unchanged";
    const bool done = ReadStringRecords(archive, text);
    if (complete)
        *complete = done;
    return text;
}

std::string asText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace

TEST(StringRecords, LayoutOfShortAndLongTexts)
{
    struct Case {
        std::string text;
        std::string bytes;
    };
    const Case cases[] = {
        {"", std::string(16, ' ')},
        {"123456789012345", "123456789012345 "},
        {"1234567890123456", "234567890123456~1               "},
        {"a b  c   ", "a|b||c          "},
        {"abcdefghijklmnopqrstuvwxyz0123",   // 30 characters: one piece and a head of 15
         "pqrstuvwxyz0123~abcdefghijklmno "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(asText(written(c.text)), c.bytes);
    }
}

TEST(StringRecords, TextsReadBackWithInnerBlanksAndWithoutTrailingOnes)
{
    const std::string texts[] = {"R1", "a text with  inner blanks", std::string(200, 'z'),
                                 "exactly fifteen", "sixteen chars ok", "~tilde~ inside|"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(readBack(written(text)), text == "~tilde~ inside|" ? "~tilde~ inside " : text);
    }
    EXPECT_EQ(readBack(written("ends in blanks   ")), "ends in blanks");
}

TEST(StringRecords, LongTextsAreCutAt200Characters)
{
    std::string text;
    for (int i = 0; i < 260; ++i)
        text += char('a' + i % 26);
    const Bytes bytes = written(text);
    EXPECT_EQ(bytes.size(), 14u * 16u);   // 13 pieces of 15 and a head of 5
    EXPECT_EQ(readBack(bytes), text.substr(0, 200));
}

TEST(StringRecords, HostileChains)
{
    {
        SCOPED_TRACE("a chain that never ends keeps the beginning of the text");
        Bytes bytes;
        for (int i = 0; i < 1000; ++i)
            put(bytes, chars("abcdefghijklmno~"));
        bool complete = true;
        const std::string text = readBack(bytes, &complete);
        EXPECT_FALSE(complete);
        EXPECT_EQ(text.size(), 200u);
    }
    {
        SCOPED_TRACE("a chain far longer than 200 characters is read to its head");
        Bytes bytes;
        for (int i = 0; i < 50; ++i)
            put(bytes, chars("abcdefghijklmno~"));
        put(bytes, chars("HEAD"));
        put(bytes, chars("next object"));
        plat::Archive archive(plat::Archive::Mode::Load, bytes);
        std::string text;
        EXPECT_TRUE(ReadStringRecords(archive, text));
        EXPECT_EQ(text.substr(0, 4), "HEAD");
        EXPECT_EQ(text.size(), 200u);
        EXPECT_EQ(archive.position(), 51u * 16u);
    }
    {
        SCOPED_TRACE("a record cut short");
        bool complete = true;
        EXPECT_EQ(readBack(Bytes{'a', 'b', 'c'}, &complete), "");
        EXPECT_FALSE(complete);
    }
    {
        SCOPED_TRACE("NUL bytes end the text");
        Bytes bytes = {'a', 'b', 0, 'c', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(readBack(bytes), "ab");
    }
}
