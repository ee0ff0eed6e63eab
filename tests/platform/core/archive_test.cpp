#include "platform/core/archive.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

namespace {

TEST(Archive, ShortReadsAndRelativeSeeks)
{
    plat::Archive a(plat::Archive::Mode::Load, {1, 2, 3, 4, 5});
    uint8_t buf[4];
    EXPECT_EQ(a.Read(buf, 3), 3u);
    EXPECT_TRUE(a.SeekRelative(-2));
    EXPECT_EQ(a.Read(buf, 4), 4u);
    EXPECT_EQ(buf[0], 2);
    EXPECT_EQ(a.Read(buf, 4), 0u);
    EXPECT_FALSE(a.SeekRelative(-100));
    EXPECT_EQ(a.position(), 0u);
}

TEST(Archive, AtomicWriteReplacesOrKeepsTheOldFile)
{
    quill_test::TempFolder dir;
    dir.write("a.pic", "old");
    ASSERT_TRUE(plat::writeFileAtomically(dir.file("a.pic"), std::vector<uint8_t>{'n', 'e', 'w'}));
    EXPECT_EQ(dir.read("a.pic"), (std::vector<unsigned char>{'n', 'e', 'w'}));
    auto loaded = plat::Archive::loadFile(dir.file("a.pic"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), 3u);
    EXPECT_GT(loaded->times().modified, 0);

    // A folder that cannot be written to: the write fails and the old file is untouched.
    if (::geteuid() != 0) {
        ::chmod(dir.path().c_str(), 0555);
        EXPECT_FALSE(plat::writeFileAtomically(dir.file("a.pic"), std::vector<uint8_t>{'x'}));
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(dir.read("a.pic"), (std::vector<unsigned char>{'n', 'e', 'w'}));
    }
    EXPECT_FALSE(plat::writeFileAtomically(dir.file("missing/b.pic"), std::vector<uint8_t>{'x'}));
    EXPECT_FALSE(plat::Archive::loadFile(dir.file("nothing.pic")));
}

TEST(Archive, LoadingReadsNoMoreThanTheLimitAndSaysWhy)
{
    quill_test::TempFolder dir;
    dir.write("small.pic", "12345");
    plat::LoadFailure why = plat::LoadFailure::OutOfMemory;
    auto loaded = plat::Archive::loadFile(dir.file("small.pic"), 5, &why);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), 5u);
    EXPECT_FALSE(plat::Archive::loadFile(dir.file("small.pic"), 4, &why));
    EXPECT_EQ(why, plat::LoadFailure::TooLarge);

    // 3 GB on no disk space: refused at once, nothing of it read into memory.
    dir.write("huge.pic", "");
    std::filesystem::resize_file(dir.path() / "huge.pic", std::uintmax_t{3} << 30);
    why = plat::LoadFailure::CannotOpen;
    EXPECT_FALSE(plat::Archive::loadFile(dir.file("huge.pic"), std::uintmax_t{16} << 20, &why));
    EXPECT_EQ(why, plat::LoadFailure::TooLarge);
    // A device that tells no size and never ends is not read at all: it is not a file.
    why = plat::LoadFailure::CannotOpen;
    EXPECT_FALSE(plat::Archive::loadFile("/dev/zero", 1u << 20, &why));
    EXPECT_EQ(why, plat::LoadFailure::NotAFile);
    EXPECT_EQ(plat::readFailureText("/dev/zero", why, 1u << 20, "Can't open"), "/dev/zero is a device, not a file.");
    EXPECT_FALSE(plat::Archive::loadFile(dir.file("nothing.pic"), 100, &why));
    EXPECT_EQ(why, plat::LoadFailure::CannotOpen);

    EXPECT_EQ(plat::readFailureText("/w/big.con", plat::LoadFailure::TooLarge, std::uintmax_t{64} << 20, "Can't open"),
              "/w/big.con is too large to read (64 MB at most).");
    EXPECT_EQ(plat::readFailureText("/w/a.con", plat::LoadFailure::OutOfMemory, 1, "Can't open"),
              "Not enough memory to read /w/a.con.");
    EXPECT_EQ(plat::readFailureText("/w/a.con", plat::LoadFailure::CannotOpen, 1, "Can't open"), "Can't open");
    EXPECT_EQ(plat::sizeText(1536), "1 KB");
    EXPECT_EQ(plat::sizeText(1000), "1000 bytes");
}

}  // namespace
