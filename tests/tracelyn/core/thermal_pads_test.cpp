// Align Thermal Pads: which thermal pads move onto which pads.
#include "tests/tracelyn/core/board_fixture.h"
#include "tests/tracelyn/core/package_fixture.h"

#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/thermal_pads.h"

#include <filesystem>
#include <unistd.h>

namespace {

using board_test::makeObject;

class ThermalPadsTest : public board_test::BoardTest {
protected:
    void TearDown() override
    {
        BoardTest::TearDown();
        std::filesystem::remove_all(folder);
    }
    int addPad(int32_t x, int32_t y, int shape, int32_t hole, int layer = kLayerAll)
    {
        return add(makeObject(kKindPad, layer, {x, y, 600, 700, 0, shape, hole, 0}));
    }
    int addThermal(int32_t x, int32_t y)
    {
        return add(makeObject(kKindPad, kLayerGround, {x, y, 300, 300, 0, 8, 100, 0}));
    }
    const BoardObject& at(int i) const { return g_board.objects[i]; }

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("thermal_pads_test_" + std::to_string(getpid()));
};

TEST_F(ThermalPadsTest, ThresholdText)
{
    EXPECT_EQ(ThermalThresholdFromText("10"), 100);
    EXPECT_EQ(ThermalThresholdFromText("abc"), 0);
    EXPECT_EQ(ThermalThresholdFromText("-5"), 0);
    EXPECT_EQ(ThermalThresholdFromText("99999999999999999999999"), 1000000);
}

TEST_F(ThermalPadsTest, ThermalPadsWithinReachMoveOntoDrilledPads)
{
    const int pad = addPad(10000, 10000, 0, 350);
    const int near = addThermal(10090, 9910);
    const int far = addThermal(10000 + 100, 10000);
    const int surfacePad = addPad(20000, 20000, 2, 0);
    const int besideSurface = addThermal(20050, 20050);
    EXPECT_EQ(AlignAllThermalPads(ThermalThresholdFromText("10")), 1);
    EXPECT_EQ(at(near).w[0], 10000);
    EXPECT_EQ(at(near).w[1], 10000);
    EXPECT_EQ(at(near).w[6], 350);
    EXPECT_EQ(at(near).w[2], 600);
    EXPECT_EQ(at(near).w[3], 700);
    EXPECT_EQ(at(far).w[0], 10100);
    EXPECT_EQ(at(besideSurface).w[0], 20050);
    EXPECT_EQ(at(pad).w[0], 10000);
    EXPECT_EQ(at(surfacePad).w[0], 20000);
}

TEST_F(ThermalPadsTest, PartPadsCaptureWhateverTheirHole)
{
    std::filesystem::create_directories(folder);
    g_boardFolders.libraryFolder = folder.string() + "/";
    package_test::writeCatalog((folder / "STD.CAT").string(), package_test::dip8());
    LoadLibraryPart("STD", "DIP8");
    // Pin 1 of a DIP8 lies at (x - 1503, y - 1500); turned a quarter, at (x + 1500, y - 1503).
    BoardObject part = makeObject(kKindPart + g_packages.current, kLayerAll, {0, 0, 0, 0, 0, -1, 0, 1});
    part.data = StrDupChecked("U");
    add(part);
    BoardObject turned = part;
    turned.data = StrDupChecked("U");
    turned.w[0] = 50000;
    turned.w[6] = 900;
    add(turned);
    const int first = addThermal(-1503 + 50, -1500 - 50);
    const int second = addThermal(50000 + 1500 - 20, -1503 + 20);
    EXPECT_EQ(AlignAllThermalPads(100), 2);
    EXPECT_EQ(at(first).w[0], -1503);
    EXPECT_EQ(at(first).w[1], -1500);
    EXPECT_EQ(at(second).w[0], 51500);
    EXPECT_EQ(at(second).w[1], -1503);
    // Pin 1 is square (shape 3): its sizes stay; the round pins copy the x size to y.
    EXPECT_EQ(at(first).w[2], 600);
}

}  // namespace
