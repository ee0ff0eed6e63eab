// Generated footprints: the checks and their messages, and the records of every package type.
#include "tracelyn/core/package_editor_store.h"

#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_wizard.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace package_test;

class PackageWizardTest : public PackageEditorStoreTest {
protected:
    // Checks and generates; the messages shown, or "" when none.
    PackageCheck build(PackageRequest& request, bool doubleSided = false)
    {
        const PackageCheck check = CheckPackageRequest(request, pads);
        if (check == PackageCheck::Go) {
            EXPECT_TRUE(GeneratePackage(request, pads, doubleSided));
        }
        return check;
    }
    std::string messages() const
    {
        std::string all;
        for (const std::string& m : host.messageBoxes())
            all += (all.empty() ? "" : " | ") + m;
        return all;
    }
    void expectPad(int i, int32_t x, int32_t y, const char* pin, int32_t sizeX, int32_t sizeY, int32_t hole,
                   int32_t kindWord)
    {
        SCOPED_TRACE("record " + std::to_string(i));
        const BoardObject& o = at(i);
        EXPECT_EQ(o.kind(), kKindPad);
        EXPECT_EQ(o.w[0], x);
        EXPECT_EQ(o.w[1], y);
        EXPECT_EQ(o.pinNumber(), pin);
        EXPECT_EQ(o.w[2], sizeX);
        EXPECT_EQ(o.w[3], sizeY);
        EXPECT_EQ(o.w[6], hole);
        EXPECT_EQ(o.w[4], kindWord);
    }
    void expectShape(int i, int32_t kindWord, int32_t x, int32_t y, int32_t a, int32_t b)
    {
        SCOPED_TRACE("record " + std::to_string(i));
        const BoardObject& o = at(i);
        EXPECT_EQ(o.w[4], kindWord);
        EXPECT_EQ((std::array<int32_t, 4>{o.w[0], o.w[1], o.w[2], o.w[3]}), (std::array<int32_t, 4>{x, y, a, b}));
        EXPECT_EQ(o.w[7], 70);
    }

    PackagePads pads;
};

TEST_F(PackageWizardTest, DipWithTheStartValues)
{
    PackageRequest dip;
    ASSERT_EQ(build(dip), PackageCheck::Go);
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(g_board.count, 2 + 20 + 1);
    for (int k = 0; k < 10; ++k) {
        expectPad(3 + k, -10000, -5000 + 1000 * k, std::to_string(k + 1).c_str(), 960, 960, 552, 31757);
        expectPad(13 + k, -7000, 4000 - 1000 * k, std::to_string(k + 11).c_str(), 960, 960, 552, 31757);
    }
    expectShape(23, kKindRectangle, -9420, -5580, 1840, 10160);
    // The label records stay in front.
    EXPECT_STREQ(at(1).text(), "Ref(U)");
}

TEST_F(PackageWizardTest, SurfaceMountPackages)
{
    {
        SCOPED_TRACE("quad: a short X separation grows with a warning");
        PackageRequest quad{kPackageQuad, kPadSurfaceMount, 500, 1000, 8000, 4, 3};
        ASSERT_EQ(build(quad), PackageCheck::Go);
        EXPECT_EQ(messages(), "Warning: adjusting X spacing");
        EXPECT_EQ(quad.xSeparation, 3 * 500 + 960);
        EXPECT_EQ(pads.sizeX, 200);
        EXPECT_EQ(pads.sizeY, 600);
        EXPECT_EQ(g_board.count, 2 + 14 + 1);
        // Side A runs down x = -10000 with its pads across the row; side B along the top.
        expectPad(3, -10000, -5000, "1", 600, 200, 0, kKindPad);
        expectPad(5, -10000, -4000, "3", 600, 200, 0, kKindPad);
        const int32_t sideB = 4000 + (2 * 500 - 10000) / 2;
        expectPad(6, -10000 + (2460 - 1500) / 2, sideB, "4", 200, 600, 0, kKindPad);
        expectPad(10, -10000 + 2460, -4000, "8", 600, 200, 0, kKindPad);
        const int32_t sideD = (2 * 500 - 10000) / 2 - 4000;
        expectPad(16, -10000 + 2460 - 480 - 1500, sideD, "14", 200, 600, 0, kKindPad);
        expectShape(17, kKindRectangle, 300 - 9800, sideD + 500, 2460 - 1000, 8000 - 1000);
    }
    for (int i = 1; i <= g_board.count; ++i)
        FreeObjectData(store[static_cast<size_t>(i)]);
    g_board.count = 2;
    host.clearEvents();
    {
        SCOPED_TRACE("discrete: two 200 x 600 pads and no outline");
        PackageRequest discrete{kPackageDiscrete, kPadSurfaceMount, 1000, 4000, 0, 2, 0};
        ASSERT_EQ(build(discrete), PackageCheck::Go);
        EXPECT_EQ(g_board.count, 4);
        expectPad(3, -10000, -5000, "1", 200, 600, 0, kKindPad);
        expectPad(4, -6000, -5000, "2", 200, 600, 0, kKindPad);
    }
}

TEST_F(PackageWizardTest, DoubleSidedEdgeConnector)
{
    PackageRequest edge{kPackageEdgeConnector, kPadSurfaceMount, 1000, 0, 0, 10, 0};
    ASSERT_EQ(build(edge, true), PackageCheck::Go);
    EXPECT_EQ(g_board.count, 2 + 2 * 11);
    expectPad(3, -10000, -5000, "1", 500, 2000, 0, kKindPad);
    expectPad(12, -1000, -5000, "10", 500, 2000, 0, kKindPad);
    expectShape(13, kKindRectangle, -10450, -5450, 500 + 9000 + 400, 2000 + 250 + 400);
    expectPad(14, -10000, -5000, "11", 500, 2000, 0, 1037);
    expectPad(23, -1000, -5000, "20", 500, 2000, 0, 1037);
    expectShape(24, 1026, -10450, -5450, 9900, 2650);
    EXPECT_EQ(at(14).w[5], 4);
}

TEST_F(PackageWizardTest, CircularAndGridArray)
{
    PackageRequest circle{kPackageCircular, kPadThroughHole, 0, 4000, 0, 4, 0};
    ASSERT_EQ(build(circle), PackageCheck::Go);
    expectPad(3, -8000, -5000, "1", 500, 500, 290, 31757);
    expectPad(4, -10000, -7000, "2", 500, 500, 290, 31757);
    expectPad(6, -10000, -3000, "4", 500, 500, 290, 31757);
    expectShape(7, kKindEllipse, -10000, -5000, 2450, 2450);

    for (int i = 1; i <= g_board.count; ++i)
        FreeObjectData(store[static_cast<size_t>(i)]);
    g_board.count = 2;
    PackageRequest grid{kPackageGridArray, kPadSurfaceMount, 500, 0, 0, 2, 43};
    ASSERT_EQ(build(grid), PackageCheck::Go);
    EXPECT_EQ(g_board.count, 2 + 86 + 1);
    expectPad(3, -10000, -5000, "A1", 420, 420, 0, 31757);
    expectPad(4, -9500, -5000, "A2", 420, 420, 0, 31757);
    expectPad(3 + 2 * 42 + 1, -9500, -5000 + 42 * 500, "BC2", 420, 420, 0, 31757);
    expectShape(89, kKindRectangle, -10410, -5410, 500 + 420 + 400, 42 * 500 + 420 + 400);
}

// The outline drawn round a generated package is silk: none of it may lie on a pad's copper,
// whatever the type and pad kind.
TEST_F(PackageWizardTest, EveryOutlineStaysClearOfThePads)
{
    struct Case {
        const char* what;
        PackageRequest request;
        bool doubleSided;
    };
    const Case cases[] = {
        {"DIP", {kPackageDip, kPadThroughHole, 1000, 3000, 3000, 2, 8}, false},
        {"SO", {kPackageDip, kPadSurfaceMount, 500, 3000, 3000, 2, 8}, false},
        {"quad", {kPackageQuad, kPadThroughHole, 1000, 6000, 6000, 4, 4}, false},
        {"surface quad", {kPackageQuad, kPadSurfaceMount, 500, 3000, 3000, 8, 8}, false},
        {"edge connector", {kPackageEdgeConnector, kPadSurfaceMount, 1000, 0, 0, 10, 0}, true},
        {"circular", {kPackageCircular, kPadThroughHole, 0, 4000, 0, 8, 0}, false},
        {"grid array", {kPackageGridArray, kPadThroughHole, 1000, 0, 0, 4, 4}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 1; i <= g_board.count; ++i)
            FreeObjectData(store[static_cast<size_t>(i)]);
        g_board.count = 2;
        host.clearEvents();
        PackageRequest request = c.request;
        ASSERT_EQ(build(request, c.doubleSided), PackageCheck::Go) << messages();
        // The outline as points a tenth of a mil apart at most 10 units.
        std::vector<std::array<int32_t, 3>> silk;   // x, y, half width
        for (int i = 3; i <= g_board.count; ++i) {
            const BoardObject& o = at(i);
            const int32_t half = o.w[7] / 2;
            if (o.kind() == kKindRectangle) {
                const int32_t x0 = o.w[0], y0 = o.w[1], x1 = o.w[0] + o.w[2], y1 = o.w[1] + o.w[3];
                for (int32_t x = x0; x <= x1; x += 10)
                    silk.push_back({x, y0, half}), silk.push_back({x, y1, half});
                for (int32_t y = y0; y <= y1; y += 10)
                    silk.push_back({x0, y, half}), silk.push_back({x1, y, half});
            } else if (o.kind() == kKindEllipse) {
                for (int k = 0; k < 3600; ++k) {
                    const double a = k * 3.14159265358979 / 1800;
                    silk.push_back({o.w[0] + static_cast<int32_t>(o.w[2] * std::cos(a)),
                                    o.w[1] + static_cast<int32_t>(o.w[3] * std::sin(a)), half});
                }
            }
        }
        ASSERT_FALSE(silk.empty());
        for (int i = 3; i <= g_board.count; ++i) {
            const BoardObject& pad = at(i);
            if (pad.kind() != kKindPad)
                continue;
            // A finger reaches down from its centre and has a round end above it.
            const bool finger = (pad.w[5] & 15) == 4;
            const int32_t left = pad.w[0] - pad.w[2] / 2, right = pad.w[0] + pad.w[2] / 2;
            const int32_t top = pad.w[1] - (finger ? pad.w[2] : pad.w[3]) / 2;
            const int32_t bottom = finger ? pad.w[1] + pad.w[3] : pad.w[1] + pad.w[3] / 2;
            int touching = 0;
            for (const auto& [x, y, half] : silk) {
                const double dx = std::max({left - x, 0, x - right}), dy = std::max({top - y, 0, y - bottom});
                touching += std::hypot(dx, dy) <= half;
            }
            EXPECT_EQ(touching, 0) << "pad " << pad.pinNumber();
        }
    }
}

// Numbers that would give no package, a division by zero, coordinates past 32 bits or more
// records than the editor holds are refused and leave the store as it was.
TEST_F(PackageWizardTest, RefusedRequests)
{
    struct Case {
        const char* name;
        PackageRequest request;
        const char* message;
    };
    const Case cases[] = {
        {"circular of no pads", {kPackageCircular, kPadThroughHole, 0, 4000, 0, 0, 0}, "Error: too many pins in x or y direction"},
        {"circular of 101 pads", {kPackageCircular, kPadThroughHole, 0, 4000, 0, 101, 0}, "Error: too many pins for circular part"},
        {"circular crowded", {kPackageCircular, kPadThroughHole, 0, 1000, 0, 6, 0},
         "Error: Insufficent pad spacing---decrease number of pads or increase diameter (X value)"},
        {"DIP of no rows", {kPackageDip, kPadThroughHole, 1000, 3000, 0, 2, 0}, "Error: too many pins in x or y direction"},
        {"negative spacing", {kPackageGridArray, kPadThroughHole, -1000, 0, 0, 3, 3}, "Error: spacing is too small"},
        {"negative X", {kPackageDip, kPadThroughHole, 1000, -3000, 0, 2, 10}, "Error: spacing is too small"},
        {"huge spacing", {kPackageEdgeConnector, kPadSurfaceMount, 2000000000, 0, 0, 10, 0},
         "Error: X Separation too large\nSpacing should be less than 4000 mils or 10 cm"},
        {"huge Y", {kPackageQuad, kPadThroughHole, 500, 3000, 50000, 4, 4},
         "Error: Y Separation too large\nSpacing should be less than 4000 mils or 10 cm"},
        {"44 grid rows", {kPackageGridArray, kPadThroughHole, 1000, 0, 0, 2, 44}, "Error:Number of Pads (Y) is too large"},
        {"grid past the store", {kPackageGridArray, kPadThroughHole, 1000, 0, 0, 200, 43}, "Error: too many pins in x or y direction"},
        {"201 pads", {kPackageEdgeConnector, kPadSurfaceMount, 1000, 0, 0, 201, 0}, "Error: too many pins in x or y direction"},
        {"DIP surface pads too close", {kPackageDip, kPadSurfaceMount, 100, 3000, 0, 2, 4}, "Error: spacing is too small"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.clearEvents();
        PackageRequest request = c.request;
        EXPECT_EQ(build(request), PackageCheck::Stay);
        EXPECT_EQ(messages(), c.message);
        EXPECT_EQ(g_board.count, 2);
    }
}

TEST_F(PackageWizardTest, FullStoreTakesBackWhatWasGenerated)
{
    g_board.capacity = 20;   // a store with room for 17 records after the labels
    EXPECT_TRUE(StoreHasRoomFor(17));
    EXPECT_FALSE(StoreHasRoomFor(18));
    PackageRequest dip;
    ASSERT_EQ(CheckPackageRequest(dip, pads), PackageCheck::Go);
    EXPECT_FALSE(GeneratePackage(dip, pads, false));
    EXPECT_EQ(g_board.count, 2);
    EXPECT_EQ(at(3).kind(), kKindDeleted);
    EXPECT_TRUE(host.shown("message box: Warning:Maximum memory used.\nSave work, close window and then re-load file."));
}

}  // namespace
