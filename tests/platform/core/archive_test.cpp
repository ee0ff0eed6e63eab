#include "platform/core/archive.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

}  // namespace
