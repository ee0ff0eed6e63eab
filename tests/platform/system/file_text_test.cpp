#include "platform/system/bounded_line_file.h"
#include "platform/system/file_text.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(FileText, WholeFilesAndLinesRefuseNonFilesAtOnceAndSayWhy)
{
    quill_test::TempFolder dir;
    dir.write("pins.lib", "%partname: X\r\n%end\n");
    plat::LoadFailure why = plat::LoadFailure::NotAFile;
    EXPECT_EQ(plat::readWholeFile(dir.file("PINS.LIB"), 100, &why), "%partname: X\r\n%end\n") << "found regardless of case";
    EXPECT_FALSE(plat::readWholeFile(dir.file("pins.lib"), 5, &why));
    EXPECT_EQ(why, plat::LoadFailure::TooLarge);
    EXPECT_FALSE(plat::readWholeFile(dir.file("gone.lib"), 100, &why));
    EXPECT_EQ(why, plat::LoadFailure::CannotOpen);

    plat::BoundedLineFile lines(dir.file("pins.lib"));
    std::string line;
    ASSERT_TRUE(lines.next(line, 5));
    EXPECT_EQ(line, "%part") << "cut to its limit, the line end dropped";
    ASSERT_TRUE(lines.next(line, 80));
    EXPECT_EQ(line, "%end");
    EXPECT_FALSE(lines.next(line, 80));
    EXPECT_FALSE(lines.refusedNotAFile());

    for (const quill_test::NonFile& f : quill_test::placeNonFiles(dir.path() / "X.LIB", dir.path() / "Y.LIB")) {
        SCOPED_TRACE(f.kind);
        quill_test::withoutWaiting({f}, [&] {
            why = plat::LoadFailure::CannotOpen;
            EXPECT_FALSE(plat::readWholeFile(f.path.string(), 100, &why));
            EXPECT_EQ(why, plat::LoadFailure::NotAFile);
            plat::BoundedLineFile refused(f.path.string());
            EXPECT_FALSE(refused.isOpen());
            EXPECT_TRUE(refused.refusedNotAFile());
            EXPECT_FALSE(refused.next(line, 80));
            EXPECT_TRUE(refused.open(dir.file("pins.lib"))) << "the same object opens a file after";
            EXPECT_FALSE(refused.refusedNotAFile());
        });
    }
}

}  // namespace
