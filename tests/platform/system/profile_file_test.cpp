#include "platform/system/profile_file.h"

#include <gtest/gtest.h>

#include "support/special_files.h"
#include "support/temp_folder.h"

namespace {

std::string text(const quill_test::TempFolder& folder, std::string_view name)
{
    const auto bytes = folder.read(name);
    return {bytes.begin(), bytes.end()};
}

TEST(ProfileFileRead, DefaultsWhenFileSectionOrKeyIsMissing)
{
    quill_test::TempFolder folder;
    folder.write("a.ini", "[Schemora]\nunits=725\n\n[Parts Bin]\nno_parts=3\n");
    const std::string ini = folder.file("a.ini");

    struct Case { const char* what; std::string file; const char* section; const char* key; };
    const Case cases[] = {
        {"missing file", folder.file("none.ini"), "Schemora", "units"},
        {"missing section", ini, "Tracelyn", "units"},
        {"key of another section", ini, "Schemora", "no_parts"},
        {"missing key", ini, "Schemora", "grid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(plat::GetPrivateProfileString(c.section, c.key, "dflt", c.file), "dflt");
        EXPECT_EQ(plat::GetPrivateProfileInt(c.section, c.key, 42, c.file), 42);
    }
    EXPECT_EQ(plat::GetPrivateProfileString("Parts Bin", "no_parts", "", ini), "3");

    // Settings named after a pipe or a folder read as missing, without waiting on the pipe.
    const auto nonFiles = quill_test::placeNonFiles(folder.path() / "pipe.ini", folder.path() / "dir.ini");
    for (const quill_test::NonFile& f : nonFiles) {
        SCOPED_TRACE(f.kind);
        quill_test::withoutWaiting({f}, [&] {
            EXPECT_EQ(plat::GetPrivateProfileString("Schemora", "units", "dflt", f.path.string()), "dflt");
        });
    }
}

TEST(ProfileFileRead, NamesIgnoreCaseValuesAreTrimmedAndCrLfIsTolerated)
{
    quill_test::TempFolder folder;
    folder.write("crlf.ini", "; settings\r\n  [ Schemora ]  \r\nAutoTextExit =  0 \r\n"
                             "grid=708, 25,40 ,2\r\nempty=\r\n");
    const std::string ini = folder.file("CRLF.INI");   // found whatever the case on disk
    EXPECT_EQ(plat::GetPrivateProfileString("SCHEMORA", "autotextexit", "x", ini), "0");
    EXPECT_EQ(plat::GetPrivateProfileString("schemora", "GRID", "", ini), "708, 25,40 ,2");
    EXPECT_EQ(plat::GetPrivateProfileString("Schemora", "empty", "dflt", ini), "");
    EXPECT_EQ(plat::GetPrivateProfileString("Schemora", "; settings", "dflt", ini), "dflt");
}

TEST(ProfileFileRead, BufferSizeTruncatesLikeAFixedBuffer)
{
    quill_test::TempFolder folder;
    folder.write("t.ini", "[s]\nname=abcdefghij\n");
    const std::string ini = folder.file("t.ini");
    EXPECT_EQ(plat::GetPrivateProfileString("s", "name", "", ini, 5), "abcd");
    EXPECT_EQ(plat::GetPrivateProfileString("s", "name", "", ini, 1), "");
    EXPECT_EQ(plat::GetPrivateProfileString("s", "name", "", ini, 0), "abcdefghij");
    EXPECT_EQ(plat::GetPrivateProfileString("s", "none", "defaults", ini, 4), "def");
}

TEST(ProfileFileRead, IntegersTakeTheLeadingDecimalNumber)
{
    quill_test::TempFolder folder;
    folder.write("n.ini", "[s]\na=12abc\nb=abc\nc= -7 \nd=\ne=+5\nf=99999999999\ng=-99999999999\n");
    const std::string ini = folder.file("n.ini");
    const std::pair<const char*, int> cases[] = {
        {"a", 12}, {"b", 0}, {"c", -7}, {"d", 33}, {"e", 5},
        {"f", 2147483647}, {"g", -2147483647 - 1}, {"missing", 33}};
    for (const auto& [key, expected] : cases) {
        SCOPED_TRACE(key);
        EXPECT_EQ(plat::GetPrivateProfileInt("s", key, 33, ini), expected);
    }
}

TEST(ProfileFileWrite, ReplacesInPlaceAndKeepsEverythingElse)
{
    quill_test::TempFolder folder;
    folder.write("w.ini", "; kept comment\n[Schemora]\nunits=724\nGrid = 703,50,50\n\n"
                          "[Other]\nunits=1\n");
    const std::string ini = folder.file("w.ini");
    ASSERT_TRUE(plat::WritePrivateProfileString("schemora", "UNITS", "725", ini));
    ASSERT_TRUE(plat::WritePrivateProfileString("Schemora", "grid", "708,25,40", ini));
    EXPECT_EQ(text(folder, "w.ini"), "; kept comment\n[Schemora]\nunits=725\nGrid =708,25,40\n\n"
                                     "[Other]\nunits=1\n");
}

TEST(ProfileFileWrite, CreatesFileSectionsAndKeys)
{
    quill_test::TempFolder folder;
    const std::string ini = folder.file("new.ini");
    ASSERT_TRUE(plat::WritePrivateProfileString("Schemora", "sound", "1", ini));
    ASSERT_TRUE(plat::WritePrivateProfileString("Parts Bin", "x", "10", ini));
    ASSERT_TRUE(plat::WritePrivateProfileString("Schemora", "rulers", "0", ini));
    EXPECT_EQ(text(folder, "new.ini"), "[Schemora]\nsound=1\nrulers=0\n\n[Parts Bin]\nx=10\n");
    // A value with a line break would split its line; only its first line is kept.
    ASSERT_TRUE(plat::WritePrivateProfileString("Parts Bin", "y", "5\n[Evil]", ini));
    EXPECT_EQ(plat::GetPrivateProfileString("Parts Bin", "y", "", ini), "5");
    EXPECT_FALSE(plat::WritePrivateProfileString("s", "k", "v", folder.file("no/such/dir/x.ini")));
}

TEST(ProfileFileWrite, CrLfFilesKeepTheirLineEndings)
{
    quill_test::TempFolder folder;
    folder.write("c.ini", "[A]\r\nk=1\r\n[B]\r\nlast=2");
    const std::string ini = folder.file("c.ini");
    ASSERT_TRUE(plat::WritePrivateProfileString("A", "new", "x", ini));
    ASSERT_TRUE(plat::WritePrivateProfileString("B", "more", "y", ini));
    EXPECT_EQ(text(folder, "c.ini"), "[A]\r\nk=1\r\nnew=x\r\n[B]\r\nlast=2\r\nmore=y\r\n");
}

TEST(ProfileFileWrite, NullValueDeletesKeyNullKeyDeletesSection)
{
    quill_test::TempFolder folder;
    folder.write("d.ini", "[A]\nk=1\nj=2\n\n[B]\n; about b\nm=3\n\n[C]\nn=4\n");
    const std::string ini = folder.file("d.ini");
    ASSERT_TRUE(plat::WritePrivateProfileString("a", "K", nullptr, ini));
    ASSERT_TRUE(plat::WritePrivateProfileString("b", nullptr, nullptr, ini));
    ASSERT_TRUE(plat::WritePrivateProfileString("a", "missing", nullptr, ini));
    ASSERT_TRUE(plat::WritePrivateProfileString("Nowhere", nullptr, nullptr, ini));
    EXPECT_EQ(text(folder, "d.ini"), "[A]\nj=2\n\n[C]\nn=4\n");
    // Deleting from a file that does not exist creates nothing.
    ASSERT_TRUE(plat::WritePrivateProfileString("a", "k", nullptr, folder.file("absent.ini")));
    EXPECT_TRUE(folder.read("absent.ini").empty());
}

TEST(ProfileFileCache, WritesTheFileOnceOnFlush)
{
    quill_test::TempFolder folder;
    folder.write("s.ini", "[Tracelyn]\nunits=725\n");
    const std::string ini = folder.file("s.ini");
    {
        plat::ProfileFile profile(ini);
        for (int i = 0; i < 100; ++i)
            profile.writeInt("Tracelyn", "file#" + std::to_string(i), i);
        profile.writeString("Tracelyn", "units", "726");
        EXPECT_EQ(profile.getInt("TRACELYN", "file#42", -1), 42);
        EXPECT_EQ(text(folder, "s.ini"), "[Tracelyn]\nunits=725\n");   // nothing written yet
        ASSERT_TRUE(profile.flush());
        EXPECT_FALSE(profile.modified());
    }
    EXPECT_EQ(plat::GetPrivateProfileInt("Tracelyn", "units", 0, ini), 726);
    EXPECT_EQ(plat::GetPrivateProfileInt("Tracelyn", "file#99", 0, ini), 99);
    {
        plat::ProfileFile profile(ini);
        profile.writeString("Tracelyn", "units", "725");
    }   // flushed when it goes away
    EXPECT_EQ(plat::GetPrivateProfileInt("Tracelyn", "units", 0, ini), 725);
}

}  // namespace
