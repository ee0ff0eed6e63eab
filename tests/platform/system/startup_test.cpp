#include "platform/system/startup.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "platform/system/files.h"
#include "support/temp_folder.h"

namespace {

TEST(Startup, OnlyTheFrameworkSwitchesStayAsGiven)
{
    const std::vector<std::string> switches = {
        "q", "/p", "-dde", "/Embedding", "/automation", "/UNREGISTER", "-unregserver"};
    EXPECT_EQ(plat::absoluteFileArguments(switches, "/work"), switches);
    const std::vector<std::string> files = {"q", "-", "p", "/print", "-x"};
    const std::vector<std::string> expected = {"q", "/work/-", "/work/p", "/print", "/work/-x"};
    EXPECT_EQ(plat::absoluteFileArguments(files, "/work"), expected);
}

TEST(Startup, FileArgumentsBecomeAbsolute)
{
    const std::vector<std::string> given = {
        "schemora", "a.pic", "./sub/../B.PIC", "/abs/c.pic", "/p", "d.pic",
        "/pt", "e.pic", "Printer Name", "driver", "port", "f.pic"};
    const std::vector<std::string> expected = {
        "schemora", "/work/a.pic", "/work/B.PIC", "/abs/c.pic", "/p", "/work/d.pic",
        "/pt", "/work/e.pic", "Printer Name", "driver", "port", "/work/f.pic"};
    EXPECT_EQ(plat::absoluteFileArguments(given, "/work"), expected);
}

TEST(Startup, EntersTheProgramFolderAfterResolvingArguments)
{
    quill_test::TempFolder folder;
    folder.write("bin/schemora.ini", "");
    folder.write("docs/x.pic", "");
    const std::filesystem::path saved = std::filesystem::current_path();
    ASSERT_TRUE(plat::setCurrentFolder(folder.path().string() + "/docs"));

    const char* argv[] = {"schemora", "x.pic"};
    const auto start = plat::prepareStartup(2, argv, folder.path().string() + "/BIN");
    EXPECT_TRUE(start.inProgramFolder);
    ASSERT_EQ(start.arguments.size(), 2u);
    EXPECT_TRUE(plat::fileExists(start.arguments[1]));
    EXPECT_TRUE(plat::fileExists("schemora.ini"));

    EXPECT_FALSE(plat::prepareStartup(1, argv, folder.path().string() + "/none").inProgramFolder);
    std::filesystem::current_path(saved);
}

}  // namespace
