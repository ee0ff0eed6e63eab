// Net tracing from a trace: touching copper, pins named from the parts' pads, layer changes
// through pads, and the limits of the trace and of the status text.
#include "tests/tracelyn/core/board_fixture.h"
#include "tests/tracelyn/core/package_fixture.h"

#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/net_tracing.h"
#include "tracelyn/core/package_library.h"

#include <filesystem>
#include <unistd.h>

namespace {

using board_test::makeObject;

BoardObject segment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width = 100, int layer = 0)
{
    return makeObject(kKindLine, layer, {x1, y1, x2, y2, 0, 0, 0, width});
}

TEST(SegmentsTouchTest, CrossingsEndsAndParallels)
{
    struct Case {
        const char* name;
        BoardObject a, b;
        int touch;
    };
    const Case cases[] = {
        {"vertical across horizontal", segment(0, -1000, 0, 1000), segment(-1000, 0, 1000, 0), 1},
        {"vertical across diagonal", segment(0, -1000, 0, 1000), segment(-1000, -1000, 1000, 1000), 1},
        {"diagonal across vertical", segment(-1000, 1000, 1000, -1000), segment(500, -2000, 500, 2000), 1},
        {"vertical beside a diagonal", segment(2000, -1000, 2000, 1000), segment(-1000, -1000, 1000, 1000), 0},
        {"two verticals overlapping", segment(0, 0, 0, 1000), segment(0, 900, 0, 3000), 1},
        {"two verticals apart on one x", segment(0, 0, 0, 1000), segment(0, 1200, 0, 3000), 0},
        {"two verticals on other x", segment(0, 0, 0, 1000), segment(200, 0, 200, 1000), 0},
        {"two vertical ends within the width", segment(0, 0, 0, 1000), segment(40, 1040, 40, 2000), 1},
        {"ends within half the width", segment(0, 0, 1000, 0), segment(1040, 40, 2000, 1000), 1},
        {"parallel diagonals", segment(0, 0, 1000, 1000), segment(0, 500, 1000, 1500), 0},
        {"diagonals crossing", segment(0, 0, 1000, 1000), segment(0, 1000, 1000, 0), 1},
        {"diagonals missing", segment(0, 0, 400, 400), segment(0, 1000, 1000, 0), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SegmentsTouch(c.a, c.b), c.touch);
        EXPECT_EQ(SegmentsTouch(c.b, c.a), c.touch);
    }
}

TEST(NetPinNamesTest, JoinedListStaysBounded)
{
    EXPECT_EQ(JoinNetPinNames({"R1-2", "C1-1"}), "R1-2,C1-1");
    std::vector<std::string> eleven;
    for (int i = 1; i <= 11; ++i)
        eleven.push_back("U" + std::to_string(i) + "-14");
    const std::string shortened = JoinNetPinNames(eleven);
    ASSERT_TRUE(shortened.ends_with(kLargeNetSuffix));
    const std::string names = shortened.substr(0, shortened.size() - std::string(kLargeNetSuffix).size());
    EXPECT_LE(names.size(), 100u);
    EXPECT_NE(names.back(), ',');
    // Ten long names: the name that crosses the limit no longer runs past the buffer.
    const std::vector<std::string> longNames(10, std::string(200, 'N'));
    EXPECT_LE(JoinNetPinNames(longNames).size(), static_cast<size_t>(kMaxStatusText - 1));
}

TEST(NetPinNamesTest, FindNetPinComparesWholeNames)
{
    g_netPinNames.names = {"R1-2", "C1-1"};
    EXPECT_EQ(FindNetPin("C1-1"), 1);
    EXPECT_EQ(g_netPinIndex, 1);
    EXPECT_EQ(FindNetPin("C1-"), 0);
    EXPECT_EQ(FindNetPin("R1-2 "), 0);
    g_netPinNames.names.clear();
}

class NetTracingTest : public board_test::BoardTest {
protected:
    void TearDown() override
    {
        BoardTest::TearDown();
        std::filesystem::remove_all(folder);
    }
    int addSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int layer = 0)
    {
        return add(segment(x1, y1, x2, y2, 100, layer));
    }
    int addPad(int32_t x, int32_t y, int shape, int layer)
    {
        return add(makeObject(kKindPad, layer, {x, y, 600, 600, 0, shape, 300, 0}));
    }
    // A placed DIP8 with reference `prefix` `number` at (x, y).
    int placeDip(const char* prefix, int number, int32_t x, int32_t y)
    {
        if (package == 0) {
            std::filesystem::create_directories(folder);
            g_boardFolders.libraryFolder = folder.string() + "/";
            package_test::writeCatalog((folder / "STD.CAT").string(), package_test::dip8());
            LoadLibraryPart("STD", "DIP8");
            package = g_packages.current;
        }
        BoardObject part = makeObject(kKindPart + package, kLayerAll, {x, y, 0, 0, 0, -1, 0, number});
        part.data = StrDupChecked(prefix);
        return add(part);
    }

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("net_tracing_test_" + std::to_string(getpid()));
    int package = 0;
};

TEST_F(NetTracingTest, TracesTouchingCopperAndNamesThePins)
{
    // Pin 1 of a DIP8 sits at (x - 1503, y - 1500).
    placeDip("U", 1, 0, 0);
    placeDip("IC:7400", 2, 10000, 0);
    const int start = addSegment(-1503, -1500, -1503, -5000);
    const int second = addSegment(-1503, -5000, 8497, -5000);
    const int third = addSegment(8497, -5000, 8497, -1500);
    const int elsewhere = addSegment(0, 5000, 4000, 5000);
    const NetTrace trace = TraceNetFrom(start);
    EXPECT_FALSE(trace.stopped);
    EXPECT_EQ(trace.objects, (std::vector<int>{start, second, third}));
    EXPECT_EQ(trace.status, "U1-1,IC2-1");
    EXPECT_EQ(TraceNetFrom(elsewhere).status, "");
    EXPECT_TRUE(TraceNetFrom(placeDip("U", 3, 0, 20000)).objects.empty());
}

TEST_F(NetTracingTest, LongNetsAreFollowedWholeAndOnce)
{
    // 400 traces end to end, turning every step: far more than the old 300-entry ring.
    const int first = g_board.count + 1;
    for (int i = 0; i < 400; ++i)
        addSegment(i * 1000, (i % 2) * 1000, (i + 1) * 1000, ((i + 1) % 2) * 1000);
    const NetTrace trace = TraceNetFrom(first);
    EXPECT_FALSE(trace.stopped);
    EXPECT_TRUE(host.messageBoxes().empty());
    std::vector<int> sorted = trace.objects;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end());
    EXPECT_EQ(trace.objects.size(), 400u);
}

TEST_F(NetTracingTest, TooManyObjectsStopWithAMessage)
{
    const int first = g_board.count + 1;
    for (int i = 0; i < 1100; ++i)
        addSegment(i * 1000, 0, (i + 1) * 1000, 0);
    const NetTrace trace = TraceNetFrom(first);
    EXPECT_TRUE(trace.stopped);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{kNetTooComplicatedMessage});
    EXPECT_TRUE(trace.status.empty());
}

TEST_F(NetTracingTest, LayerChangesGoThroughPads)
{
    struct Case {
        const char* name;
        int layerA, layerB, padShape, padLayer;
        bool joined;
    };
    const Case cases[] = {
        {"same layer", 1, 1, -1, 0, true},
        {"different layers, no pad", 1, 2, -1, 0, false},
        {"through via", 1, 2, 5, kLayerAll, true},
        {"layer-pair pad joining 2 and 3", 1, 2, 6, 2, false},
        {"layer-pair pad joining 1 and 2", 1, 2, 6, 1, true},
        {"from the silk layer", kLayerSilkTop, kLayerSilkTop, -1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int a = addSegment(0, 1000, 2000, 1000, c.layerA);
        const int b = addSegment(1000, 0, 1000, 2000, c.layerB);
        if (c.padShape >= 0)
            addPad(1000, 1000, c.padShape, c.padLayer);
        const NetTrace trace = TraceNetFrom(a);
        EXPECT_EQ(std::find(trace.objects.begin(), trace.objects.end(), b) != trace.objects.end(), c.joined);
        g_board.count = 1;
    }
}

}  // namespace
