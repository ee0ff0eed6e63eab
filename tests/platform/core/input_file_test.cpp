#include "platform/core/archive.h"
#include "platform/core/input_file.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

namespace {

using plat::InputFile;

// Whatever is not a regular file is refused at once, by every way the platform reads files.
TEST(InputFile, NonFilesAreRefusedAtOnceByEveryWayOfReading)
{
    quill_test::TempFolder dir;
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(dir.path() / "x.pic", dir.path() / "LIB.pic")) {
        SCOPED_TRACE(f.kind);
        const std::string path = f.path.string();
        quill_test::withoutWaiting({f}, [&] {
            const InputFile file = InputFile::open(path);
            EXPECT_FALSE(file);
            EXPECT_EQ(file.failure(), InputFile::Failure::NotAFile);

            plat::LoadFailure why = plat::LoadFailure::CannotOpen;
            EXPECT_FALSE(plat::Archive::loadFile(path, 1000, &why));
            EXPECT_EQ(why, plat::LoadFailure::NotAFile);
            EXPECT_EQ(plat::readFailureText(path, why, 1000, "Can't open"), quill_test::notAFileMessage(f));

            InputFile::Failure failure = InputFile::Failure::None;
            EXPECT_FALSE(plat::readFileStart(path, 100, &failure));
            EXPECT_EQ(failure, InputFile::Failure::NotAFile);
        });
    }
    // A device is no file either, though it opens without waiting.
    EXPECT_EQ(InputFile::open("/dev/null").failure(), InputFile::Failure::NotAFile);
    EXPECT_EQ(plat::notAFileText("/dev/null"), "/dev/null is a device, not a file.");
    EXPECT_EQ(plat::notAFileText("/nowhere/x"), "/nowhere/x is not a file.");
}

TEST(InputFile, RegularFilesReadAsBeforeAndMissingOnesSaySo)
{
    quill_test::TempFolder dir;
    dir.write("a.txt", "0123456789");
    InputFile file = InputFile::open(dir.file("a.txt"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file.size(), 10u);
    EXPECT_EQ(file.readUpTo(4), "0123");
    EXPECT_EQ(file.readUpTo(100), "456789") << "on from where the last read stopped";

    // The stream handed over reads with ordinary blocking reads.
    InputFile again = InputFile::open(dir.file("a.txt"));
    std::FILE* stream = again.takeStream();
    ASSERT_NE(stream, nullptr);
    EXPECT_FALSE(again);
    char buffer[16] = {};
    EXPECT_EQ(std::fread(buffer, 1, sizeof buffer, stream), 10u);
    std::fclose(stream);

    EXPECT_EQ(plat::readFileStart(dir.file("a.txt"), 3), "012");
    EXPECT_EQ(plat::readFileStart(dir.file("a.txt"), 0), "");
    InputFile::Failure failure = InputFile::Failure::None;
    EXPECT_FALSE(plat::readFileStart(dir.file("gone.txt"), 3, &failure));
    EXPECT_EQ(failure, InputFile::Failure::CannotOpen);
    const InputFile missing = InputFile::open(dir.file("gone.txt"));
    EXPECT_EQ(missing.failure(), InputFile::Failure::CannotOpen);
    EXPECT_EQ(missing.errorCode(), ENOENT);
}

}  // namespace
