#include "platform/system/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(Paths, CutAtFolderTakesTheLastComponentOfThatName)
{
    struct Case { const char* path; const char* folder; std::optional<std::string> expected; };
    const Case cases[] = {
        {"/opt/q/LIB/", "LIB", "/opt/q"},
        {"/OPT/Q/lib", "LIB", "/OPT/Q"},
        {"/usr/lib/quillmere/LIB/", "lib", "/usr/lib/quillmere"},
        {"/opt/q/LIBRARY/", "LIB", std::nullopt},
        {"/home/me/tracelyn/packages/", "PACKAGES", "/home/me/tracelyn"},
        {"/LIB/", "LIB", "/"},
        {"LIB/x", "lib", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(plat::cutAtFolder(c.path, c.folder), c.expected);
    }
}

TEST(Paths, JoiningAndSplitting)
{
    EXPECT_EQ(plat::joinPath("/opt/q", "schemora.ini"), "/opt/q/schemora.ini");
    EXPECT_EQ(plat::joinPath("/opt/q/", "/SOUNDS"), "/opt/q/SOUNDS");
    EXPECT_EQ(plat::joinPath("", "x.pic"), "x.pic");
    EXPECT_EQ(plat::appendFolder("/opt/q", "LIB"), "/opt/q/LIB/");
    EXPECT_EQ(plat::withoutTrailingSeparator("/opt/q//"), "/opt/q");
    EXPECT_EQ(plat::withoutTrailingSeparator("/"), "/");

    EXPECT_EQ(plat::fileNameOf("/a/b/Title.PIC"), "Title.PIC");
    EXPECT_EQ(plat::fileNameOf("/a/b/"), "");
    EXPECT_EQ(plat::folderOf("/a/b/Title.PIC"), "/a/b");
    EXPECT_EQ(plat::folderOf("/Title.PIC"), "/");
    EXPECT_EQ(plat::folderOf("Title.PIC"), "");
    EXPECT_EQ(plat::upperCasePath("/home/Me/x.pic"), "/HOME/ME/X.PIC");
    EXPECT_EQ(plat::upperCaseFileName("/home/Me/x.v2.str"), "/home/Me/X.V2.STR");
    EXPECT_EQ(plat::upperCaseFileName("amp.str"), "AMP.STR");
}

TEST(Paths, ExtensionsBelongToTheFileName)
{
    EXPECT_EQ(plat::extensionOf("/a/proj.v2/board.tlz"), ".tlz");
    EXPECT_EQ(plat::extensionOf("/a/proj.v2/board"), "");
    EXPECT_TRUE(plat::hasExtension("/a/OUT.net", ".NET"));
    EXPECT_FALSE(plat::hasExtension("/a/out.netx", ".NET"));
    EXPECT_EQ(plat::replaceExtension("/a/proj.v2/board.tlz", ".str"), "/a/proj.v2/board.str");
    EXPECT_EQ(plat::replaceExtension("/a/proj.v2/board", ".PIC"), "/a/proj.v2/board.PIC");
    EXPECT_EQ(plat::replaceExtension("/a/x.pic", ""), "/a/x");
}

TEST(Paths, WildcardsIgnoreCase)
{
    struct Case { const char* name; const char* pattern; bool matches; };
    const Case cases[] = {
        {"standard.cat", "*.CAT", true}, {"Standard.CAT", "*.cat", true}, {"x.catalog", "*.CAT", false},
        {"noext", "*.*", true}, {"a.b.c", "*.*", true}, {"title", "title.*", true},
        {"R1.pic", "R?.PIC", true}, {"R10.pic", "R?.PIC", false}, {"", "*", true},
        {"abcabcabd", "*abd", true}, {"abc", "a*b*c*d", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " ~ " + c.pattern);
        EXPECT_EQ(plat::matchesWildcard(c.name, c.pattern), c.matches);
    }
}

}  // namespace
