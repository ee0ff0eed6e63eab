// Save As "Tracelyn V4.0": the earlier file form, and that such a file opens again whole.
#include "tests/tracelyn/core/board_fixture.h"
#include "support/full_disk.h"

#include "tracelyn/core/board_file_v4.h"
#include "tracelyn/core/board_records.h"

#include <filesystem>
#include <unistd.h>

namespace {

using board_test::makeObject;

class BoardFileV4Test : public board_test::BoardTest {
protected:
    void fillBoard()
    {
        add(makeObject(kKindLine, 0, {100, 200, 3000, 200, 0, 0, 0, 120}));
        addText("GND");
        BoardObject polygon = makeObject(kKindPolygon, 0, {0, 0, 3, 0, 0, 0, 0, 50});
        polygon.data = NewPointBlock(6);
        add(polygon);
        const int package = loadPackage("STD\\DIP8");
        addPart("U:7400", package);
        addPart("R", package, 9000, 9000);
        add(makeObject(kKindPad, 31, {4000, 4000, 600, 600, 0, 0, 350, 0}));
    }
    static std::vector<uint8_t> save(int mode)
    {
        plat::Archive archive(plat::Archive::Mode::Store);
        WriteBoardV4(archive, mode);
        return archive.takeBytes();
    }
};

TEST_F(BoardFileV4Test, EarlierFormReopensWithEveryObjectItCarries)
{
    fillBoard();
    const std::vector<uint8_t> bytes = save(kV4ModeEarlier);
    ASSERT_GT(bytes.size(), 10u);
    EXPECT_EQ(bytes[10], ';');
    BoardDocumentData reopened;
    read(reopened, bytes);
    std::vector<int> kinds;
    for (int i = 1; i <= g_board.count; ++i)
        if (g_board.objects[i].kind() != kKindDeleted)
            kinds.push_back(g_board.objects[i].kind());
    // The default outline, the trace, the text, the two parts (by package name) and the pad;
    // the polygon's record is passed over.
    EXPECT_EQ(kinds, (std::vector<int>{kKindOutline, kKindLine, kKindText, kKindPart, kKindPart, kKindPad}));
    EXPECT_EQ(g_board.objects[1].w[2], 4);
    // The file's own outline record stays a deleted slot after the default outline.
    EXPECT_EQ(g_board.objects[2].kind(), kKindDeleted);
    EXPECT_STREQ(g_board.objects[4].text(), "GND");
    EXPECT_STREQ(g_board.objects[5].text(), "7400:STD\\DIP8");
    EXPECT_STREQ(g_board.objects[6].text(), "STD\\DIP8");
    EXPECT_EQ(g_board.objects[7].w[0], 4000);
    CloseBoardDocument(reopened, nullptr);
    LoadBoardGlobals(doc);
}

TEST_F(BoardFileV4Test, OtherModesKeepTodaysVersionMark)
{
    EXPECT_EQ(save(1)[10], kVersionMark);
}

TEST_F(BoardFileV4Test, OnAFullDiskTheOlderBoardStays)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("board.tlz", "older board");
        disk.fill();
        host.clearEvents();
        EXPECT_FALSE(SaveBoardV4(disk.file("board.tlz"), kV4ModeEarlier));
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("board.tlz") + ": No space left on device"});
        EXPECT_EQ(disk.readText("board.tlz"), "older board");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"board.tlz"});
    });
}

TEST_F(BoardFileV4Test, SavingToAFolderThatDoesNotExistSaysSo)
{
    const std::string path = "/nonexistent-folder-for-v4/board.tlz";
    EXPECT_FALSE(SaveBoardV4(path, kV4ModeEarlier));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't open file: " + path + "\nCannot write " + path +
                                                            ": No such file or directory"});
    const std::filesystem::path good = std::filesystem::temp_directory_path() / ("v4_" + std::to_string(getpid()) + ".tlz");
    EXPECT_TRUE(SaveBoardV4(good.string(), kV4ModeEarlier));
    EXPECT_TRUE(std::filesystem::exists(good));
    std::filesystem::remove(good);
}

}  // namespace
