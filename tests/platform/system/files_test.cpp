#include "platform/system/files.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "support/special_files.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

class CurrentFolderGuard {
public:
    CurrentFolderGuard() : saved_(fs::current_path()) {}
    ~CurrentFolderGuard() { fs::current_path(saved_); }

private:
    fs::path saved_;
};

TEST(ResolvePath, FindsEachComponentWhateverItsCase)
{
    quill_test::TempFolder folder;
    folder.write("Prog/LIB/standard.cat", "s");
    folder.write("Prog/title.pic", "t");
    const std::string root = folder.path().string();

    struct Case { std::string given; std::string expected; };
    const Case cases[] = {
        {root + "/Prog/Title.PIC", root + "/Prog/title.pic"},
        {root + "/PROG/LIB/STANDARD.CAT", root + "/Prog/LIB/standard.cat"},
        {root + "/prog/lib/", root + "/Prog/LIB/"},
        // A file about to be created keeps its name; the folders above it are resolved.
        {root + "/PROG/lib/New.Pic", root + "/Prog/LIB/New.Pic"},
        // Below a missing folder everything stays as given.
        {root + "/Prog/NONE/Title.PIC", root + "/Prog/NONE/Title.PIC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(plat::resolvePath(c.given), c.expected);
    }
    EXPECT_TRUE(plat::fileExists(root + "/PROG/TITLE.PIC"));
    EXPECT_FALSE(plat::fileExists(root + "/PROG/LIB"));
    EXPECT_TRUE(plat::folderExists(root + "/prog/lib"));
}

TEST(ResolvePath, PrefersTheExactNameAndIsDeterministicOtherwise)
{
    quill_test::TempFolder folder;
    folder.write("Title.PIC", "upper");
    folder.write("title.pic", "lower");
    folder.write("other/B.txt", "1");
    folder.write("other/b.TXT", "2");
    const std::string root = folder.path().string();
    EXPECT_EQ(plat::resolvePath(root + "/title.pic"), root + "/title.pic");
    EXPECT_EQ(plat::resolvePath(root + "/Title.PIC"), root + "/Title.PIC");
    EXPECT_EQ(plat::resolvePath(root + "/OTHER/b.txt"), root + "/other/B.txt");   // byte-wise first

    CurrentFolderGuard guard;
    ASSERT_TRUE(plat::setCurrentFolder(root + "/OTHER"));
    EXPECT_EQ(plat::resolvePath("B.TXT"), "B.txt");   // relative paths stay relative
    EXPECT_EQ(fs::path(plat::currentFolder()).filename(), "other");
}

TEST(Files, DeleteRenameAndTimes)
{
    quill_test::TempFolder folder;
    folder.write("LIB/temp.tmp", "new");
    folder.write("LIB/Parts.lib", "old");
    const std::string lib = folder.path().string() + "/lib/";

    ASSERT_TRUE(plat::renameFile(lib + "TEMP.TMP", lib + "PARTS.LIB"));   // replaces the old one
    EXPECT_EQ(folder.read("LIB/Parts.lib"), std::vector<unsigned char>({'n', 'e', 'w'}));
    EXPECT_FALSE(plat::fileExists(lib + "temp.tmp"));
    EXPECT_FALSE(plat::renameFile(lib + "temp.tmp", lib + "x"));

    const auto times = plat::fileTimesOf(lib + "parts.LIB");
    ASSERT_TRUE(times);
    EXPECT_GT(times->modified, 0);
    EXPECT_FALSE(plat::fileTimesOf(lib + "none"));

    EXPECT_TRUE(plat::deleteFile(lib + "PARTS.LIB"));
    EXPECT_FALSE(plat::deleteFile(lib + "PARTS.LIB"));
}

TEST(Files, ListingMatchesAndSortsIgnoringCase)
{
    quill_test::TempFolder folder;
    for (const char* name : {"zeta.CAT", "Alpha.cat", "beta.Cat", "_misc.cat", "notes.txt", "x.catalog"})
        folder.write(std::string("Lib/") + name, "");
    folder.write("Lib/dir.cat/inner", "");   // folders are not listed
    quill_test::placeNonFiles(folder.path() / "Lib" / "pipe.cat", folder.path() / "Lib" / "empty.cat");   // nor pipes

    const std::vector<std::string> expected = {"_misc.cat", "Alpha.cat", "beta.Cat", "zeta.CAT"};
    EXPECT_EQ(plat::listFiles(folder.path().string() + "/LIB/*.CAT"), expected);
    EXPECT_EQ(plat::listFiles(folder.path().string() + "/lib/*.*").size(), 6u);
    EXPECT_TRUE(plat::listFiles(folder.path().string() + "/none/*.cat").empty());
    // Something is there all the same, whatever the case it is named in.
    for (const char* name : {"PIPE.CAT", "Empty.Cat", "alpha.cat"})
        EXPECT_TRUE(plat::pathExists(folder.path().string() + "/lib/" + name)) << name;
    EXPECT_FALSE(plat::pathExists(folder.path().string() + "/lib/gamma.cat"));

    CurrentFolderGuard guard;
    ASSERT_TRUE(plat::setCurrentFolder(folder.path().string() + "/LIB"));
    EXPECT_EQ(plat::listFiles("*.txt"), std::vector<std::string>{"notes.txt"});
}

TEST(Files, FolderSettingsOverrideTheDefaults)
{
    plat::setProgramFolder("/opt/q/");
    EXPECT_EQ(plat::programFolder(), "/opt/q");
    plat::setProgramFolder({});
    EXPECT_FALSE(plat::programFolder().empty());

    plat::setConfigFolder("/tmp/cfg");
    EXPECT_EQ(plat::configFolder(), "/tmp/cfg");
    plat::setConfigFolder({});
    EXPECT_FALSE(plat::configFolder().empty());
}

}  // namespace
