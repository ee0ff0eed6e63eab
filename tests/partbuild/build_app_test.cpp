// The "build" program as the Build Part Utility starts it, run without a desktop: the report on
// its standard output and the exit code that says whether the part was written.
#include "partbuild/build_app.h"

#include "platform/core/test_ui_host.h"
#include "schemora/core/library_test_support.h"
#include "support/build_utility.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

const char* kPins = "%partname: NE555\n%type: Timer\n%package: DIP8\n%pinlist\n2) TRIG i L\n3) OUT o R\n%end\n";

TEST(BuildProgram, ReportsOnStandardOutputAndExitsWithWhetherThePartWasWritten)
{
    quill_test::TempFolder temp;
    temp.write("MYPARTS.LIB", kPins);
    temp.write("BROKEN.LIB", "%partname: X\n%package: DIP8\n%pinlist\n1) A\n%end\n");
    const std::string good = temp.file("MYPARTS.LIB"), bad = temp.file("BROKEN.LIB");
    const auto run = quill_test::runBuildUtility({good});
    if (!run)
        GTEST_SKIP() << "the build utility is made by the full build (program folder \"build\")";
    EXPECT_EQ(run->exitCode, 0);
    EXPECT_EQ(run->output, "Built part NE555 into MYPARTS.CON\n");
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "MYPARTS.CON"));

    const auto refused = quill_test::runBuildUtility({bad});
    EXPECT_EQ(refused->exitCode, 1);
    EXPECT_EQ(refused->output, "No part built from BROKEN.LIB:\n"
                               "line 3: Warning: part description not found.\n Use \"%type\" statement in header.\n"
                               "line 4: Can't find pin type designator for pin 1\n");
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "BROKEN.CON"));

    // A pipe or a folder given a pin file's name is refused at once, by its name.
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(temp.path() / "X.LIB", temp.path() / "Y.LIB")) {
        SCOPED_TRACE(f.kind);
        quill_test::withoutWaiting({f}, [&] {
            const auto notAFile = quill_test::runBuildUtility({f.path.string()});
            ASSERT_TRUE(notAFile);
            EXPECT_EQ(notAFile->exitCode, 1);
            EXPECT_NE(notAFile->output.find(quill_test::notAFileMessage(f)), std::string::npos) << notAFile->output;
        });
    }

    // Nor is a pipe or a folder in the library's place written over.
    const std::filesystem::path library = temp.path() / "MYPARTS.CON", aside = temp.path() / "OTHER.CON";
    for (const bool pipe : {true, false}) {
        const auto nonFiles = pipe ? quill_test::placeNonFiles(library, aside) : quill_test::placeNonFiles(aside, library);
        const quill_test::NonFile& atLibrary = nonFiles[pipe ? 0 : 1];
        SCOPED_TRACE(atLibrary.kind);
        quill_test::withoutWaiting(nonFiles, [&] {
            const auto refusedLibrary = quill_test::runBuildUtility({good});
            ASSERT_TRUE(refusedLibrary);
            EXPECT_EQ(refusedLibrary->exitCode, 1);
            EXPECT_NE(refusedLibrary->output.find(quill_test::notAFileMessage(atLibrary)), std::string::npos)
                << refusedLibrary->output;
        });
        EXPECT_FALSE(std::filesystem::is_regular_file(library));
    }

    for (const std::vector<std::string>& args : {std::vector<std::string>{}, std::vector<std::string>{good, bad}}) {
        SCOPED_TRACE(args.size());
        const auto usage = quill_test::runBuildUtility(args);
        EXPECT_EQ(usage->exitCode, 2);
        EXPECT_EQ(usage->output, "Usage: build FILE.LIB\n");
    }
}

// The same run in this process: a relative name is taken from the current folder.
TEST(BuildProgram, ConsoleRunTakesARelativeNameFromTheCurrentFolder)
{
    plat::TestUiHost host;
    quill_test::TempFolder temp;
    temp.write("MYPARTS.LIB", kPins);
    const std::string before = plat::currentFolder();
    plat::setCurrentFolder(temp.path().string());
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(RunBuildOnConsole({"MYPARTS.LIB"}, out), 0);
    std::rewind(out);
    char line[200] = {};
    EXPECT_NE(std::fgets(line, sizeof line, out), nullptr);
    std::fclose(out);
    plat::setCurrentFolder(before);
    EXPECT_STREQ(line, "Built part NE555 into MYPARTS.CON\n");
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "MYPARTS.CON"));
    EXPECT_TRUE(host.messageBoxes().empty());
    schemora_test::ResetLibraryState();
}

}  // namespace
