#include "platform/core/atomic_file.h"
#include "support/full_disk.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Fault = plat::ScopedWriteFault::Fault;

Fault failing(int write, bool close = false, int error = ENOSPC, std::string under = {})
{
    Fault fault;
    fault.failingWrite = write;
    fault.failClose = close;
    fault.error = error;
    fault.under = std::move(under);
    return fault;
}

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string textOf(const quill_test::TempFolder& folder, std::string_view name)
{
    const auto bytes = folder.read(name);
    return {bytes.begin(), bytes.end()};
}

TEST(AtomicFile, AWholeFileReplacesTheOldOneAndKeepsItsPermissions)
{
    quill_test::TempFolder dir;
    dir.write("board.tlz", "old");
    ::chmod(dir.file("board.tlz").c_str(), 0640);
    // More than the writer holds back at once, in pieces of every size.
    std::string expected;
    plat::AtomicFile file(dir.file("board.tlz"));
    for (int i = 0; i < 3000; ++i) {
        const std::string piece(static_cast<size_t>(i % 97), static_cast<char>('a' + i % 26));
        file.put(piece);
        expected += piece;
    }
    const std::string big(200 * 1024, 'z');
    file.put(big);
    expected += big;
    EXPECT_EQ(textOf(dir, "board.tlz"), "old") << "nothing replaces the file before commit";
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(textOf(dir, "board.tlz"), expected);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("board.tlz").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"board.tlz"});

    // A new file gets what an ordinary create gives, not the temporary file's owner-only mode.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(plat::writeFileAtomically(dir.file("new.net"), std::string_view("n\n")));
    ::umask(mask);
    ASSERT_EQ(::stat(dir.file("new.net").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);

    // A copy keeps the permissions it is given.
    plat::AtomicFile program(dir.file("place"));
    program.setMode(0755);
    program.put("#!");
    ASSERT_TRUE(program.commit());
    ASSERT_EQ(::stat(dir.file("place").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0755u);
}

// Whatever step fails, the old file stays, nothing is left beside it, and the failure names
// the file and the system's reason.
TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    struct Case {
        const char* what;
        Fault fault;
        size_t size;
        plat::WriteError::Step step;
        const char* reason;
    };
    const Case cases[] = {
        {"the first write", failing(1), 10, plat::WriteError::Step::Write, "No space left on device"},
        {"a later write", failing(3), 300 * 1024, plat::WriteError::Step::Write, "No space left on device"},
        {"an input/output error", failing(1, false, EIO), 10, plat::WriteError::Step::Write, "Input/output error"},
        {"the close", failing(0, true), 10, plat::WriteError::Step::Close, "No space left on device"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        quill_test::TempFolder dir;
        dir.write("out.net", "older netlist\n");
        const std::string path = dir.file("out.net");
        plat::WriteResult written;
        {
            const plat::ScopedWriteFault fault(c.fault);
            written = plat::writeFileAtomically(path, std::string(c.size, 'x'));
        }
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error()->step, c.step);
        EXPECT_EQ(written.message(), "Cannot write " + path + ": " + c.reason);
        EXPECT_EQ(written.message("Can't open file"), written.message()) << "the file was created";
        EXPECT_EQ(textOf(dir, "out.net"), "older netlist\n");
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"out.net"});
    }

    // A file that cannot even be created: the caller's own words come first.
    quill_test::TempFolder dir;
    const std::string missing = dir.file("gone/out.net");
    const plat::WriteResult written = plat::writeFileAtomically(missing, std::string_view("x"));
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error()->step, plat::WriteError::Step::Create);
    EXPECT_EQ(written.message("Can't open file"),
              "Can't open file\nCannot write " + missing + ": No such file or directory");
}

TEST(AtomicFile, AFailedPieceStopsTheFileAndOnlyFilesUnderTheFullFolderFail)
{
    quill_test::TempFolder full, other;
    full.write("a.txt", "old a");
    const plat::ScopedWriteFault fault(failing(1, false, ENOSPC, full.path().string()));

    plat::AtomicFile file(full.file("a.txt"));
    EXPECT_TRUE(file.good()) << "creating the file takes no room";
    file.put(std::string(100 * 1024, 'a'));
    EXPECT_FALSE(file.good());
    file.put("more");   // changes nothing once the file failed
    const plat::WriteResult result = file.commit();
    EXPECT_FALSE(result);
    EXPECT_EQ(textOf(full, "a.txt"), "old a");

    EXPECT_TRUE(plat::writeFileAtomically(other.file("b.txt"), std::string_view("b"))) << "another disk";
    EXPECT_EQ(textOf(other, "b.txt"), "b");
}

TEST(AtomicFile, ASetReplacesNoneOfItsTargetsUnlessEveryFileIsWhole)
{
    quill_test::TempFolder dir;
    dir.write("board.gtl", "old top");
    dir.write("board.gbl", "old bottom");
    std::vector<plat::AtomicFile> files;
    files.emplace_back(dir.file("board.gtl")).put("new top");
    {
        const plat::ScopedWriteFault fault(failing(0, true, ENOSPC, dir.path().string()));
        files.emplace_back(dir.file("board.gbl")).put("new bottom");
        ASSERT_FALSE(files.back().finish());
    }
    const plat::WriteResult written = plat::commitAll(files);
    EXPECT_FALSE(written);
    EXPECT_EQ(textOf(dir, "board.gtl"), "old top");
    EXPECT_EQ(textOf(dir, "board.gbl"), "old bottom");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"board.gbl", "board.gtl"}));

    // A file given up without commit leaves its target alone.
    {
        plat::AtomicFile abandoned(dir.file("board.gtl"));
        abandoned.put("half");
    }
    EXPECT_EQ(textOf(dir, "board.gtl"), "old top");

    std::vector<plat::AtomicFile> whole;
    whole.emplace_back(dir.file("board.gtl")).put("new top");
    whole.emplace_back(dir.file("board.gbl")).put("new bottom");
    ASSERT_TRUE(plat::commitAll(whole));
    EXPECT_EQ(textOf(dir, "board.gtl"), "new top");
    EXPECT_EQ(textOf(dir, "board.gbl"), "new bottom");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"board.gbl", "board.gtl"}));
}

TEST(AtomicFile, AFullDiskKeepsTheOldFile)
{
    quill_test::onFullDisks([](quill_test::FullDisk& disk) {
        disk.write("design.net", "older netlist\n");
        disk.fill();
        const plat::WriteResult written = plat::writeFileAtomically(disk.file("design.net"), std::string(20000, 'n'));
        ASSERT_FALSE(written);
        EXPECT_EQ(written.message(), "Cannot write " + disk.file("design.net") + ": No space left on device");
        EXPECT_EQ(disk.readText("design.net"), "older netlist\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"design.net"});
    });
}

}  // namespace
