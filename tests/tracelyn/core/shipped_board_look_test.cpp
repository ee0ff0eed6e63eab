// The program folder as it is shipped: its "Tracelyn.ini" and example board together show a
// board when it is opened - footprint outlines and reference labels on the silk screen, the
// rats nest in a colour that stands out from the background, and the parts close together
// inside a small outline.
#include "paint_fixture.h"

#include "common/logical_palette.h"
#include "platform/core/archive.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "support/temp_folder.h"
#include "tracelyn/core/board_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace paint_test {
namespace {

std::vector<uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ShippedBoardLook : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        program = plat::programFolder();
        previousFolder = plat::currentFolder();
    }
    void TearDown() override
    {
        if (opened.objects)
            CloseBoardDocument(opened, nullptr);
        LoadBoardGlobals(doc);
        plat::setCurrentFolder(previousFolder);
        g_boardFolders = BoardFolders{};
        PaintTest::TearDown();
    }

    // Reads the shipped settings as a plain start in a folder holding only that file does.
    void loadShippedSettings()
    {
        const std::vector<uint8_t> ini = fileBytes(plat::joinPath(program, "Tracelyn.ini"));
        settingsFolder.write("Tracelyn.ini", std::vector<unsigned char>(ini.begin(), ini.end()));
        ASSERT_TRUE(plat::setCurrentFolder(settingsFolder.path().string()));
        LoadSettings();
        g_boardFolders.libraryFolder = plat::appendFolder(program, "PACKAGES");
    }

    void openExample()
    {
        const std::string path = plat::joinPath(plat::joinPath(program, "examples"), "rc_filter.tlz");
        ASSERT_TRUE(PrepareBoardForOpen(opened));
        plat::Archive archive(plat::Archive::Mode::Load, fileBytes(path), path);
        int32_t count = opened.objectCount;
        ReadBoard(0, &count, archive, kFileModeBoard);
        opened.objectCount = count;
        g_board.count = count;
    }

    bool shipped() const
    {
        return plat::fileExists(plat::joinPath(program, "Tracelyn.ini"))
               && plat::fileExists(plat::joinPath(plat::joinPath(program, "examples"), "rc_filter.tlz"));
    }

    std::string program;
    std::string previousFolder;
    quill_test::TempFolder settingsFolder;
    BoardDocumentData opened;
};

TEST_F(ShippedBoardLook, ExampleBoardShowsSilkLabelsAndRatsNest)
{
    if (!shipped())
        GTEST_SKIP() << "the program folder is laid out by the full build";
    loadShippedSettings();
    openExample();
    zoom(1);

    std::vector<int> parts, lines;
    for (int i = 1; i <= g_board.count; ++i) {
        if (g_board.objects[i].kind() > kKindPart)
            parts.push_back(i);
        else if (g_board.objects[i].kind() == kKindNoRoute)
            lines.push_back(i);
    }
    ASSERT_EQ(parts.size(), 3u);
    ASSERT_EQ(lines.size(), 3u);

    const std::vector<plat::DcCall> calls = paint(1);
    auto drawnIn = [&](const char* name, plat::ColorRef color) {
        return std::count_if(calls.begin(), calls.end(), [&](const plat::DcCall& c) {
            return c.name == name && c.pen.color == color;
        });
    };
    const plat::ColorRef background = colorOf(RoleColor(kRoleBackground));
    {
        SCOPED_TRACE("rats nest");
        const plat::ColorRef ratsNest = colorOf(RoleColor(kRoleNoRoute));
        EXPECT_NE(ratsNest, background);
        // The scheme may give the board edge the rats nest's colour: its four sides are
        // counted apart.
        const int edgeSides = colorOf(RoleColor(kRoleOutline)) == ratsNest ? 4 : 0;
        EXPECT_EQ(drawnIn("LineTo", ratsNest), 3 + edgeSides);
    }
    {
        SCOPED_TRACE("board edge");
        const plat::ColorRef edge = colorOf(RoleColor(kRoleOutline));
        EXPECT_NE(edge, background);
        EXPECT_GE(drawnIn("LineTo", edge), 4);
    }
    {
        SCOPED_TRACE("silk screen and labels");
        const plat::ColorRef silk = colorOf(RoleColor(kRoleTopSilk));
        EXPECT_NE(silk, background);
        EXPECT_GT(drawnIn("LineTo", silk), 8);       // resistor body and header box
        EXPECT_EQ(drawnIn("Ellipse", silk), 1);      // capacitor outline
        for (int i : parts)
            EXPECT_GT(g_board.objects[i].w[8], 0) << "label of " << g_board.objects[i].text();
    }
    {
        SCOPED_TRACE("layout");
        const BoardObject& outline = g_board.objects[1];
        ASSERT_EQ(outline.kind(), kKindOutline);
        ASSERT_NE(outline.points(), nullptr);
        int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
        for (int s = 0; s < outline.w[2]; ++s) {
            const int32_t* seg = outline.points() + s * kSegmentWords;
            left = std::min({left, seg[0], seg[2]});
            right = std::max({right, seg[0], seg[2]});
            top = std::min({top, seg[1], seg[3]});
            bottom = std::max({bottom, seg[1], seg[3]});
        }
        EXPECT_LE(right - left, 20000) << "a board of at most 2 inches";
        EXPECT_LE(bottom - top, 10000);
        auto inside = [&](int32_t x, int32_t y) { return x > left && x < right && y > top && y < bottom; };
        int32_t sumX = 0;
        for (int i : parts) {
            const BoardObject& p = g_board.objects[i];
            EXPECT_TRUE(inside(p.w[0], p.w[1])) << p.text();
            sumX += p.w[0];
        }
        EXPECT_LE(std::abs(sumX / 3), 1000) << "the parts sit about the middle";
        for (int i : lines) {
            const BoardObject& l = g_board.objects[i];
            EXPECT_TRUE(inside(l.w[0], l.w[1]) && inside(l.w[2], l.w[3]));
        }
    }
}

// The shipped settings start the trace and pad tools at sizes a board maker makes.
TEST_F(ShippedBoardLook, DrawingToolsStartAtMakeableSizes)
{
    if (!shipped())
        GTEST_SKIP() << "the program folder is laid out by the full build";
    g_boardSettings.trace_width = 1;
    g_boardSettings.padSizeX = g_boardSettings.padSizeY = 50;
    g_boardSettings.padHole = 20;
    loadShippedSettings();
    EXPECT_EQ(g_boardSettings.trace_width, 120);
    EXPECT_EQ(g_boardSettings.padShape, 0);
    EXPECT_EQ(g_boardSettings.padSizeX, 600);
    EXPECT_EQ(g_boardSettings.padSizeY, 600);
    EXPECT_EQ(g_boardSettings.padHole, 320);
}

// Every copper layer and the net names stand out from the screen's background in the shipped
// scheme; a colour near the background would hide what is drawn in it.
TEST_F(ShippedBoardLook, LayerAndNetNameColoursStandOutFromTheBackground)
{
    if (!shipped())
        GTEST_SKIP() << "the program folder is laid out by the full build";
    loadShippedSettings();
    // The desktop's button face of a light theme.
    host.setSysColor(plat::kColorBtnFace, 0x00EFEFEF);
    const auto palette = BuildLogicalPalette();
    const auto rgbOf = [&](int logical) { return palette[static_cast<size_t>(ColorMapEntry(logical) & 31)]; };
    const auto distance = [](LogicalColor a, LogicalColor b) {
        return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    };
    const LogicalColor background = rgbOf(RoleColor(kRoleBackground));
    constexpr int kNetNameSlot = 30;
    std::vector<int> slots;
    for (int layer = 0; layer < 16; ++layer)
        slots.push_back(layer);
    slots.push_back(kNetNameSlot);
    for (int slot : slots) {
        SCOPED_TRACE(slot);
        EXPECT_GE(distance(rgbOf(slot), background), 120);
    }
}

}  // namespace
}  // namespace paint_test
