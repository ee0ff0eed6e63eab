#include "platform/system/desktop_entries.h"

#include "support/full_disk.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class DesktopEntries : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_DATA_HOME", folder_.file("data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", folder_.file("config").c_str(), 1);
        ::setenv("XDG_DATA_DIRS", folder_.file("system").c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_DATA_DIRS");
    }
    std::string text(std::string_view name) const
    {
        const auto bytes = folder_.read(name);
        return {bytes.begin(), bytes.end()};
    }
    quill_test::TempFolder folder_;
};

TEST_F(DesktopEntries, AnEntryNamesTheProgramItsFolderAndIconAndQuotesWhatNeedsIt)
{
    const auto file = plat::writeDesktopEntry("Suite", {"Board Editor", "/opt/my apps/tracelyn", "/opt/my apps",
                                                         "/opt/my apps/tracelyn.svg"});
    ASSERT_TRUE(file);
    const std::string entry = text("data/applications/Suite/Board Editor.desktop");
    EXPECT_NE(entry.find("[Desktop Entry]\nType=Application\n"), std::string::npos);
    EXPECT_NE(entry.find("Name=Board Editor\n"), std::string::npos);
    EXPECT_NE(entry.find("Exec=\"/opt/my apps/tracelyn\" %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Path=/opt/my apps\n"), std::string::npos);
    EXPECT_NE(entry.find("Icon=/opt/my apps/tracelyn.svg\n"), std::string::npos);
}

TEST_F(DesktopEntries, TheAssociationIsAddedBesideWhatIsThere)
{
    folder_.write("config/mimeapps.list", "[Default Applications]\ntext/plain=editor.desktop;\n\n"
                                          "[Added Associations]\ntext/x-lib=viewer.desktop;\nimage/png=paint.desktop;\n");
    ASSERT_TRUE(plat::associateWithTextEditor("text/x-lib", "*.lib", "Libraries"));
    const std::string list = text("config/mimeapps.list");
    EXPECT_NE(list.find("text/x-lib=viewer.desktop;editor.desktop;\n"), std::string::npos) << list;
    EXPECT_NE(list.find("image/png=paint.desktop;\n"), std::string::npos);
    EXPECT_NE(list.find("text/plain=editor.desktop;\n"), std::string::npos);
    const std::string xml = text("data/mime/packages/text-x-lib.xml");
    EXPECT_NE(xml.find("<glob pattern=\"*.lib\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<sub-class-of type=\"text/plain\"/>"), std::string::npos);

    ASSERT_TRUE(plat::associateWithTextEditor("text/x-lib", "*.lib", "Libraries"));
    EXPECT_EQ(text("config/mimeapps.list"), list) << "a second installation adds nothing twice";
}

TEST_F(DesktopEntries, LinesTheAssociationDoesNotChangeComeBackByteForByte)
{
    // Carriage returns are the user's: a CR LF list keeps its line ends, a stray one stays.
    const std::string before = "[Default Applications]\r\ntext/plain=editor.desktop\r\n\r\r\r\n"
                               "[Added Associations]\r\ntext/x-lib=viewer.desktop\r\nimage/png=paint.desktop;\r\n";
    folder_.write("config/mimeapps.list", before);
    ASSERT_TRUE(plat::associateWithTextEditor("text/x-lib", "*.lib", "Libraries"));
    std::string expected = before;
    expected.replace(expected.find("viewer.desktop"), 14, "viewer.desktop;editor.desktop;");
    EXPECT_EQ(text("config/mimeapps.list"), expected);
}

TEST_F(DesktopEntries, WithoutAnEditorDefaultOnlyTheTypeIsDeclared)
{
    folder_.write("system/applications/mimeapps.list", "[Default Applications]\nimage/png=paint.desktop\n");
    ASSERT_TRUE(plat::associateWithTextEditor("text/x-lib", "*.lib", "Libraries"));
    EXPECT_TRUE(folder_.read("config/mimeapps.list").empty());
    folder_.write("system/applications/mimeapps.list", "[Default Applications]\ntext/plain=sys-editor.desktop\n");
    EXPECT_EQ(plat::defaultApplicationFor("text/plain"), "sys-editor.desktop");
    ASSERT_TRUE(plat::associateWithTextEditor("text/x-lib", "*.lib", "Libraries"));
    EXPECT_EQ(text("config/mimeapps.list"), "[Added Associations]\ntext/x-lib=sys-editor.desktop;\n");
}

// A folder that cannot be made says why itself, not with the missing folder's error that the
// file's creation would give after it.
TEST_F(DesktopEntries, OnAReadOnlyDiskTheAssociationGivesTheFolderItCouldNotMakeAndWhy)
{
    quill_test::ReadOnlyDisk disk;
    if (!disk.ready())
        GTEST_SKIP() << disk.whyNot();
    ::setenv("XDG_DATA_HOME", disk.file("data").c_str(), 1);
    const plat::WriteResult association = plat::associateWithTextEditor("text/x-lib", "*.lib", "Libraries");
    EXPECT_FALSE(association);
    EXPECT_EQ(association.message(),
              "Cannot write " + disk.file("data/mime/packages/text-x-lib.xml") + ": Read-only file system");
    const plat::WriteResult entry = plat::writeDesktopEntry("Suite", {"Board Editor", "/opt/tracelyn", "/opt", ""});
    EXPECT_EQ(entry.message(),
              "Cannot write " + disk.file("data/applications/Suite/Board Editor.desktop") + ": Read-only file system");
}

// A user's list that is there but cannot be read (a pipe, a folder) is neither waited on nor
// written over with our one line.
TEST_F(DesktopEntries, AListThatCannotBeReadIsNotReplaced)
{
    folder_.write("system/applications/mimeapps.list", "[Default Applications]\ntext/plain=sys-editor.desktop\n");
    std::filesystem::create_directories(folder_.path() / "config");
    const std::filesystem::path list = folder_.path() / "config" / "mimeapps.list";
    const std::filesystem::path other = folder_.path() / "config" / "other";
    for (const bool pipe : {true, false}) {
        const auto nonFiles = pipe ? quill_test::placeNonFiles(list, other) : quill_test::placeNonFiles(other, list);
        SCOPED_TRACE(nonFiles[pipe ? 0 : 1].kind);
        quill_test::withoutWaiting(nonFiles, [&] {
            const plat::WriteResult association = plat::associateWithTextEditor("text/x-lib", "*.lib", "Libraries");
            EXPECT_EQ(association.message(),
                      "Cannot write " + list.string() + (pipe ? ": Invalid argument" : ": Is a directory"));
        });
        EXPECT_EQ(std::filesystem::status(list).type(),
                  pipe ? std::filesystem::file_type::fifo : std::filesystem::file_type::directory);
    }
}

TEST_F(DesktopEntries, OnAFullDiskTheOlderEntryAndAssociationsStay)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        ::setenv("XDG_DATA_HOME", disk.file("data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", disk.file("config").c_str(), 1);
        disk.write("data/applications/Suite/Board Editor.desktop", "[Desktop Entry]\nName=Older\n");
        disk.write("data/mime/packages/text-x-lib.xml", "<older/>\n");
        disk.fill();
        const plat::WriteResult entry = plat::writeDesktopEntry("Suite", {"Board Editor", "/opt/tracelyn", "/opt", ""});
        EXPECT_EQ(entry.message(), "Cannot write " + disk.file("data/applications/Suite/Board Editor.desktop") +
                                       ": No space left on device");
        const plat::WriteResult association = plat::associateWithTextEditor("text/x-lib", "*.lib", "Libraries");
        EXPECT_EQ(association.message(),
                  "Cannot write " + disk.file("data/mime/packages/text-x-lib.xml") + ": No space left on device");
        EXPECT_EQ(disk.readText("data/applications/Suite/Board Editor.desktop"), "[Desktop Entry]\nName=Older\n");
        EXPECT_EQ(disk.readText("data/mime/packages/text-x-lib.xml"), "<older/>\n");
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"data/applications/Suite/Board Editor.desktop",
                                                          "data/mime/packages/text-x-lib.xml"}));
    });
}

}  // namespace
