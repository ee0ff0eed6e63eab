// The placement program on the starter packages: a design placed without overlaps inside its
// outline, its netlist loaded and batch-routed wholly; parts without a package listed; an
// existing board only gains what it lacks; hostile inputs leave no board behind.
#include "tracelyn/route/route_fixture.h"

#include "place/board_placement.h"
#include "place/part_layout.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "tracelyn/core/board_document.h"
#include "support/full_disk.h"
#include "support/special_files.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/route/drc_fixture.h"

#include <filesystem>
#include <fstream>
#include <map>

namespace place_test {
namespace {

using namespace route_test;
namespace fs = std::filesystem;

// The example drawing's reference list and nets as the schematic program writes them.
constexpr std::string_view kExampleReferences = "J1 CONN\\CONN2 1 SIP2\nR1 DEVICE\\10K 1 RES400\nC1 DEVICE\\100N 1 CAP200\n";
constexpr std::string_view kExampleNets = "Netlist for design: rc_filter.pic\nTime: 12:00\nDate: 1/01/25 Wed\n"
                                          "Processing time:  0\nNumber of signals found=3\n"
                                          "IN----j1-1,r1-1\nOUT----r1-2,c1-1\nGND----j1-2,c1-2\n";

struct Placed {
    int32_t x = 0, y = 0;
    int package = 0;
};

class PlaceTest : public BatchRunTest {
protected:
    void SetUp() override
    {
        BatchRunTest::SetUp();
        packages = plat::withTrailingSeparator(plat::appendFolder(plat::programFolder(), "PACKAGES"));
        if (!plat::fileExists(packages + "STANDARD.CAT"))
            GTEST_SKIP() << "the starter packages are written by the full build";
    }
    void TearDown() override
    {
        CloseBoardDocument(placedBoard, nullptr);
        LoadBoardGlobals(doc);
        BatchRunTest::TearDown();
    }

    PlacementRequest request(std::string_view refs, std::string_view nets)
    {
        folder.write("design.ref", refs);
        folder.write("design.net", nets);
        return {folder.file("design.ref"), folder.file("design.net"), folder.file("design.tlz"), false};
    }
    // Runs the placement as the program does, then puts the test's own tables back.
    PlacementReport place(const PlacementRequest& r)
    {
        g_boardFolders.libraryFolder = packages;
        const PlacementReport report = PlaceDesign(r);
        EXPECT_EQ(RouterMemory(kRouterMemoryAllocate), 1);
        LoadBoardGlobals(doc);
        return report;
    }
    // Reads the written board into placedBoard and leaves the globals on it.
    std::map<std::string, Placed> openPlaced(const std::string& path)
    {
        CloseBoardDocument(placedBoard, nullptr);
        std::ifstream in(path, std::ios::binary);
        const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_GT(read(placedBoard, bytes), 0);
        std::map<std::string, Placed> parts;
        for (int i = 1; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (o.isPart())
                parts[std::string(o.text()) + std::to_string(o.w[7])] = {o.w[0], o.w[1], o.package()};
        }
        return parts;
    }
    // The rats nest read again from the netlist, as Process > Rats Nest Display does.
    void expectNetlistLoads(const std::string& netlist, int connections)
    {
        host.clearEvents();
        g_netlist.netlistName = netlist;
        BuildRatsNest(1);
        EXPECT_TRUE(host.messageBoxes().empty()) << host.messageBoxes().front();
        EXPECT_EQ(host.count("dialog 166"), 0);   // no "Coordinates for ... not found!"
        EXPECT_EQ(g_router.ratsNestCount, connections);
    }

    // The example design grown by resistors R2 to R<last>, each joined to R1.
    PlacementRequest grownExample(int last)
    {
        std::string refs(kExampleReferences), nets(kExampleNets);
        for (int i = 2; i <= last; ++i) {
            refs += "R" + std::to_string(i) + " DEVICE\\R 1 RES400\n";
            nets += "X" + std::to_string(i) + "----r" + std::to_string(i) + "-1,r1-2\n";
        }
        return request(refs, nets);
    }
    // The package's extent about a placed part, in board units.
    static ExtentBox packageBox(const Placed& p)
    {
        const int32_t* e = g_packages.defs[static_cast<size_t>(p.package)].extent();
        return {p.x + e[0] - kPackageOriginX, p.y + e[1] - kPackageOriginY, p.x + e[2] - kPackageOriginX,
                p.y + e[3] - kPackageOriginY};
    }
    static ExtentBox outlineBox() { return GetObjectExtent(1, kExtentPlain); }
    void appendObject(const BoardObject& o)
    {
        add(o);
        placedBoard.objectCount = g_board.count;
    }
    // The outline of the open board made the closed chain through corners.
    static void setOutline(const std::vector<std::pair<int32_t, int32_t>>& corners)
    {
        BoardObject& outline = g_board.objects[1];
        outline.w[2] = static_cast<int32_t>(corners.size());
        for (size_t i = 0; i < corners.size(); ++i) {
            int32_t* seg = outline.points() + i * kSegmentWords;
            seg[0] = corners[i].first, seg[1] = corners[i].second;
            seg[2] = corners[(i + 1) % corners.size()].first, seg[3] = corners[(i + 1) % corners.size()].second;
            seg[4] = 1;
        }
    }
    static void saveBoard(const std::string& path)
    {
        const Bytes bytes = write();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
    }
    // The words of every object of the open board but the outline and the rats nest (which the
    // placement reads again from the netlist), in order.
    static std::vector<std::array<int32_t, 14>> objectWords()
    {
        std::vector<std::array<int32_t, 14>> all;
        for (int i = 2; i <= g_board.count; ++i)
            if (g_board.objects[i].kind() != kKindNoRoute && g_board.objects[i].kind() != 0)
                all.push_back(g_board.objects[i].w);
        return all;
    }
    // The boxes of those objects.
    static std::vector<ExtentBox> objectBoxes()
    {
        std::vector<ExtentBox> all;
        for (int i = 2; i <= g_board.count; ++i)
            if (g_board.objects[i].kind() != kKindNoRoute && g_board.objects[i].kind() != 0)
                all.push_back(GetObjectExtent(i, kExtentWithLabel));
        return all;
    }

    std::string packages;
    BoardDocumentData placedBoard;
};

// Placing onto a board on a full disk: the board keeps its bytes, nothing is left beside it, and
// the refusal names the file and the reason.
TEST_F(PlaceTest, OnAFullDiskTheBoardKeepsItsBytes)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        PlacementRequest r = request(kExampleReferences, kExampleNets);
        r.boardPath = disk.file("design.tlz");
        ASSERT_TRUE(place(r).written);
        CloseBoardDocument(placedBoard, nullptr);
        const std::vector<unsigned char> before = disk.read("design.tlz");
        disk.fill();
        r = request("J1 CONN\\CONN2 1 SIP2\nR1 DEVICE\\10K 1 RES400\nC1 DEVICE\\100N 1 CAP200\n"
                    "R2 DEVICE\\10K 1 RES400\n",
                    kExampleNets);
        r.boardPath = disk.file("design.tlz");
        const PlacementReport report = place(r);
        EXPECT_FALSE(report.written);
        EXPECT_EQ(DescribePlacement(r, report),
                  "Nothing was placed.\nCannot write " + disk.file("design.tlz") + ": No space left on device");
        EXPECT_EQ(disk.read("design.tlz"), before);
        EXPECT_EQ(disk.names(), std::vector<std::string>{"design.tlz"});
    });
}

TEST_F(PlaceTest, ExampleDesignIsPlacedInsideItsOutlineAndRoutesWholly)
{
    const PlacementRequest r = request(kExampleReferences, kExampleNets);
    const PlacementReport report = place(r);
    ASSERT_TRUE(report.written) << report.refusal;
    EXPECT_EQ(report.placed, 3);
    EXPECT_TRUE(report.unplaced.empty());
    EXPECT_TRUE(report.netlistMessages.empty());
    EXPECT_TRUE(DescribePlacement(r, report).empty());

    const auto parts = openPlaced(r.boardPath);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(g_board.sizeLetter, 'A');   // three small parts: the smallest work area
    // The outline is record 1 and every part's package lies inside it.
    const BoardObject& outline = g_board.objects[1];
    ASSERT_EQ(outline.kind(), kKindOutline);
    const int32_t* corner = outline.points();
    for (const auto& [ref, p] : parts) {
        SCOPED_TRACE(ref);
        const int32_t* e = g_packages.defs[static_cast<size_t>(p.package)].extent();
        EXPECT_GT(p.x + e[0] - kPackageOriginX, corner[0]);
        EXPECT_GT(p.y + e[1] - kPackageOriginY, corner[1]);
        EXPECT_LT(p.x + e[2] - kPackageOriginX, corner[10]);
        EXPECT_LT(p.y + e[3] - kPackageOriginY, corner[11]);
    }
    // The board came with its rats nest; the netlist loads onto it again with every pin found.
    EXPECT_EQ(std::count_if(g_board.objects + 1, g_board.objects + g_board.count + 1,
                            [](const BoardObject& o) { return o.kind() == kKindNoRoute; }),
              3);
    expectNetlistLoads(r.netlistPath, 3);

    g_netlist.netlistName = r.netlistPath;
    g_router.values[3] = 702;   // a 25-mil routing grid, the placement grid
    g_router.gridPitch = 250;
    answerRun(true);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1);
    EXPECT_EQ(summary().rfind("Percentage Complete:100.0%", 0), 0u) << summary();
    expectHonestSummary();
}

TEST_F(PlaceTest, ManyPartsNeverOverlapAndTakeTheSmallestWorkAreaThatHoldsThem)
{
    std::string refs, nets;
    for (int i = 1; i <= 120; ++i) {
        refs += "R" + std::to_string(i) + " DEVICE\\R 1 RES400\n";
        refs += "U" + std::to_string(i) + " TTL\\7400 4 DIP14\n";
        nets += "N" + std::to_string(i) + "----r" + std::to_string(i) + "-1,u" + std::to_string(i) + "-3\n";
    }
    const PlacementRequest r = request(refs, nets);
    const PlacementReport report = place(r);
    ASSERT_TRUE(report.written) << report.refusal;
    EXPECT_EQ(report.placed, 240);
    const auto parts = openPlaced(r.boardPath);
    ASSERT_EQ(parts.size(), 240u);
    struct Box { int32_t l, t, r, b; };
    std::vector<Box> boxes;
    for (const auto& [ref, p] : parts) {
        const int32_t* e = g_packages.defs[static_cast<size_t>(p.package)].extent();
        boxes.push_back({p.x + e[0] - kPackageOriginX, p.y + e[1] - kPackageOriginY, p.x + e[2] - kPackageOriginX,
                         p.y + e[3] - kPackageOriginY});
    }
    for (size_t a = 0; a < boxes.size(); ++a)
        for (size_t b = a + 1; b < boxes.size(); ++b)
            ASSERT_FALSE(boxes[a].l < boxes[b].r && boxes[b].l < boxes[a].r && boxes[a].t < boxes[b].b &&
                         boxes[b].t < boxes[a].b)
                << "parts " << a << " and " << b << " overlap";
    // Connected parts sit next to each other: R7 and U7 share a net.
    const Placed r7 = parts.at("R7"), u7 = parts.at("U7");
    EXPECT_LT(std::abs(r7.x - u7.x) + std::abs(r7.y - u7.y), 10000);
    // The next smaller work area would not hold the outline.
    const int32_t* corner = g_board.objects[1].points();
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    EXPECT_LE(corner[10], area.width * 5);
    EXPECT_LE(corner[11], area.height * 5);
    ASSERT_GT(g_board.sizeLetter, 'A');
    const WorkAreaSize smaller = WorkAreaOf(g_board.sizeLetter - 1);
    EXPECT_TRUE(corner[10] > smaller.width * 5 - kPartGap || corner[11] > smaller.height * 5 - kPartGap ||
                -corner[0] > smaller.width * 5 - kPartGap || -corner[1] > smaller.height * 5 - kPartGap);
    expectNetlistLoads(r.netlistPath, 120);
}

TEST_F(PlaceTest, PartsWithoutAPackageAreListedAndTheRestPlaced)
{
    const PlacementRequest r = request(std::string(kExampleReferences) + "V1 DEVICE\\VSRC 1 none\nU9 TTL\\9999 1 NOPE\n",
                                       std::string(kExampleNets) + "S----v1-1,u9-2,r1-1\n");
    const PlacementReport report = place(r);
    ASSERT_TRUE(report.written) << report.refusal;
    EXPECT_EQ(report.placed, 3);
    EXPECT_EQ(report.unplaced, (std::vector<std::string>{"V1: no package", "U9: package NOPE not found"}));
    EXPECT_EQ(report.netlistMessages,
              (std::vector<std::string>{"Coordinates for v1-1 not found!", "Coordinates for u9-2 not found!"}));
    const std::string shown = DescribePlacement(r, report);
    EXPECT_NE(shown.find("V1: no package"), std::string::npos);
    EXPECT_NE(shown.find("U9: package NOPE not found"), std::string::npos);
    EXPECT_EQ(openPlaced(r.boardPath).size(), 3u);
}

TEST_F(PlaceTest, AnExistingBoardKeepsItsObjectsAndGainsOnlyTheMissingParts)
{
    PlacementRequest r = request(kExampleReferences, kExampleNets);
    ASSERT_TRUE(place(r).written);
    const auto first = openPlaced(r.boardPath);
    const int objects = g_board.count;

    PlacementReport again = place(r);
    ASSERT_TRUE(again.written) << again.refusal;
    EXPECT_EQ(again.placed, 0);
    EXPECT_EQ(again.alreadyOnBoard, 3);
    EXPECT_EQ(openPlaced(r.boardPath).size(), 3u);
    EXPECT_EQ(g_board.count, objects);

    r = request(std::string(kExampleReferences) + "R2 DEVICE\\R 1 RES400\n",
                std::string(kExampleNets) + "X----r2-1,r1-2\n");
    const PlacementReport more = place(r);
    ASSERT_TRUE(more.written) << more.refusal;
    EXPECT_EQ(more.placed, 1);
    const auto after = openPlaced(r.boardPath);
    ASSERT_EQ(after.size(), 4u);
    for (const auto& [ref, p] : first) {
        SCOPED_TRACE(ref);
        EXPECT_EQ(after.at(ref).x, p.x);
        EXPECT_EQ(after.at(ref).y, p.y);
    }
    // The outline held its parts tightly, so it grew downward to take R2 in.
    for (const auto& [ref, p] : first)
        EXPECT_GT(after.at("R2").y, p.y);
    const ExtentBox edge = outlineBox();
    const ExtentBox r2 = packageBox(after.at("R2"));
    EXPECT_GE(r2.left - edge.left, kPartGap);
    EXPECT_GE(edge.right - r2.right, kPartGap);
    EXPECT_GE(edge.bottom - r2.bottom, kPartGap);
    expectNetlistLoads(r.netlistPath, 4);
}

// A design that grew on a board that has room: the new parts go inside the outline, clear of
// the parts, traces and copper fill already there, and nothing that was there moves.
TEST_F(PlaceTest, ADesignThatGrewIsPlacedIntoTheFreeRoomInsideTheOutline)
{
    PlacementRequest r = request(kExampleReferences, kExampleNets);
    ASSERT_TRUE(place(r).written);
    openPlaced(r.boardPath);
    ExtentBox edge = outlineBox();
    edge.right += 30000;
    edge.bottom += 10000;
    SetOutlineRectangle(edge.left, edge.top, edge.right, edge.bottom);
    const int32_t midX = (edge.left + edge.right) / 2;
    appendObject(makeObject(kKindLine, 0, {midX, edge.top + 2000, midX, edge.bottom - 2000, 0, 0, 0, 200}));
    appendObject(makeObject(kKindRectangle, 0, {midX + 3000, edge.top + 500, 8000, 6000, 0, 1, 0, 20}));
    saveBoard(r.boardPath);
    const auto before = objectWords();
    const auto obstacles = objectBoxes();

    r = grownExample(7);
    const PlacementReport report = place(r);
    ASSERT_TRUE(report.written) << report.refusal;
    EXPECT_EQ(report.placed, 6);
    EXPECT_TRUE(report.belowOutline.empty());
    const auto after = openPlaced(r.boardPath);
    const auto now = objectWords();
    // New parts may take the slots the old rats nest left; every object that was there is kept.
    EXPECT_EQ(now.size(), before.size() + 6);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_NE(std::find(now.begin(), now.end(), before[i]), now.end()) << "object " << i << " changed";
    EXPECT_EQ(outlineBox().right, edge.right) << "there was room: the outline stays";
    EXPECT_EQ(outlineBox().bottom, edge.bottom);

    for (int n = 2; n <= 7; ++n) {
        const std::string ref = "R" + std::to_string(n);
        SCOPED_TRACE(ref);
        const ExtentBox box = packageBox(after.at(ref));
        EXPECT_GE(box.left - edge.left, kPartGap);
        EXPECT_GE(box.top - edge.top, kPartGap);
        EXPECT_GE(edge.right - box.right, kPartGap);
        EXPECT_GE(edge.bottom - box.bottom, kPartGap);
        for (const ExtentBox& o : obstacles)
            EXPECT_FALSE(box.left - kPartGap < o.right && o.left < box.right + kPartGap &&
                         box.top - kPartGap < o.bottom && o.top < box.bottom + kPartGap)
                << "within the gap of " << o.left << "," << o.top << " " << o.right << "," << o.bottom;
    }
    expectNetlistLoads(r.netlistPath, 9);
}

// A shaped outline is never reshaped: parts go into its room, those without room below it,
// and the report names them.
TEST_F(PlaceTest, AShapedOutlineKeepsItsShapeAndPartsWithoutRoomAreReported)
{
    PlacementRequest r = request(kExampleReferences, kExampleNets);
    ASSERT_TRUE(place(r).written);
    openPlaced(r.boardPath);
    const ExtentBox edge = outlineBox();
    // An L: the old box and an arm of 12,000 units to its right along its top.
    const int32_t armRight = edge.right + 12000, armBottom = edge.top + 6000;
    const std::vector<std::pair<int32_t, int32_t>> corners = {
        {edge.left, edge.top}, {armRight, edge.top}, {armRight, armBottom},
        {edge.right, armBottom}, {edge.right, edge.bottom}, {edge.left, edge.bottom}};
    setOutline(corners);
    saveBoard(r.boardPath);

    r = grownExample(40);
    const PlacementReport report = place(r);
    ASSERT_TRUE(report.written) << report.refusal;
    EXPECT_EQ(report.placed, 39);
    ASSERT_FALSE(report.belowOutline.empty());
    EXPECT_LT(report.belowOutline.size(), 39u) << "the arm took some";
    EXPECT_NE(DescribePlacement(r, report).find("No room inside the board outline; placed below it:\n" +
                                                report.belowOutline.front()),
              std::string::npos);
    const auto after = openPlaced(r.boardPath);
    ASSERT_EQ(g_board.objects[1].w[2], 6);
    for (size_t i = 0; i < corners.size(); ++i) {
        EXPECT_EQ(g_board.objects[1].points()[i * kSegmentWords], corners[i].first);
        EXPECT_EQ(g_board.objects[1].points()[i * kSegmentWords + 1], corners[i].second);
    }
    for (int n = 2; n <= 40; ++n) {
        const std::string ref = "R" + std::to_string(n);
        SCOPED_TRACE(ref);
        const ExtentBox box = packageBox(after.at(ref));
        const bool below = std::find(report.belowOutline.begin(), report.belowOutline.end(), ref) !=
                           report.belowOutline.end();
        if (below) {
            EXPECT_GE(box.top - edge.bottom, kPartGap);
        } else {   // in the arm, clear of its edges
            EXPECT_GE(box.left - edge.right, kPartGap);
            EXPECT_GE(armRight - box.right, kPartGap);
            EXPECT_GE(box.top - edge.top, kPartGap);
            EXPECT_GE(armBottom - box.bottom, kPartGap);
        }
    }
}

TEST_F(PlaceTest, HostileInputsWriteNothingAndLeaveABoardThatWasThereAsItWas)
{
    std::string manyNets;
    for (int i = 0; i <= 2000; ++i)
        manyNets += "N" + std::to_string(i) + "----r1-1,c1-1\n";
    const struct {
        const char* what;
        std::string refs;
        std::string nets;
    } cases[] = {
        {"a package path", "R1 DEVICE\\R 1 ../PACKAGES/STANDARD\n", std::string(kExampleNets)},
        {"a huge designator number", "R99999999999 DEVICE\\R 1 RES400\n", std::string(kExampleNets)},
        {"a long name", "R1 " + std::string(5000, 'X') + " RES400\n", std::string(kExampleNets)},
        {"too many nets", std::string(kExampleReferences), manyNets},
        {"a net too long", std::string(kExampleReferences), "A----r1-1,&\n" + std::string(3000, ' ') + "&\nc1-1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(folder.file("design.tlz"));
        PlacementReport report = place(request(c.refs, c.nets));
        EXPECT_FALSE(report.written);
        EXPECT_FALSE(report.refusal.empty());
        EXPECT_FALSE(fs::exists(folder.file("design.tlz")));
    }
    // A board that exists stays byte for byte as it was.
    ASSERT_TRUE(place(request(kExampleReferences, kExampleNets)).written);
    const auto before = folder.read("design.tlz");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(place(request(c.refs, c.nets)).written);
        EXPECT_EQ(folder.read("design.tlz"), before);
    }
    SCOPED_TRACE("files that are not there");
    PlacementRequest missing{folder.file("none.ref"), folder.file("none.net"), folder.file("none.tlz"), false};
    const PlacementReport report = place(missing);
    EXPECT_FALSE(report.written);
    EXPECT_NE(report.refusal.find("not found"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder.file("none.tlz")));
}

// A reference list, netlist or board named after a pipe or a folder is refused at once by its
// kind, and nothing is written in its place.
TEST_F(PlaceTest, APipeOrAFolderInPlaceOfAnInputIsRefusedAtOnce)
{
    const PlacementRequest good = request(kExampleReferences, kExampleNets);
    const struct {
        const char* what;
        std::string PlacementRequest::*path;
    } inputs[] = {
        {"reference list", &PlacementRequest::referencePath},
        {"netlist", &PlacementRequest::netlistPath},
        {"board", &PlacementRequest::boardPath},
    };
    for (const auto& input : inputs) {
        for (const quill_test::NonFile& f : quill_test::placeNonFiles(folder.path() / "pipe", folder.path() / "dir")) {
            SCOPED_TRACE(std::string(input.what) + " as a " + f.kind);
            PlacementRequest r = good;
            r.*input.path = f.path.string();
            PlacementReport report;
            quill_test::withoutWaiting({f}, [&] { report = place(r); });
            EXPECT_FALSE(report.written);
            EXPECT_EQ(report.refusal, quill_test::notAFileMessage(f));
            EXPECT_FALSE(fs::exists(folder.file("design.tlz")));
        }
    }
}

// The shipped packages pass every rule of the check as they come: alone, and all of them placed
// together as the placement program lays them out.
TEST_F(PlaceTest, EveryStarterPackagePassesEveryRuleAloneAndBesideTheOthers)
{
    g_boardFolders.libraryFolder = packages;
    std::vector<std::string> names;
    ASSERT_EQ(FillLibraryPartList("STANDARD", names), 1);
    ASSERT_GE(names.size(), 40u);
    const std::string noNets = "Netlist for design: all.pic\nTime: 12:00\nDate: 1/01/25 Wed\n"
                               "Processing time:  0\nNumber of signals found=0\n";
    const DrcSettings rules = drc_test::everyRule();
    std::string all;
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const std::string line = "U" + std::to_string(i + 1) + " PART\\X 1 " + names[i] + "\n";
        all += line;
        const PlacementRequest alone = request("U1 PART\\X 1 " + names[i] + "\n", noNets);
        PlacementRequest fresh = alone;
        fresh.freshBoard = true;
        ASSERT_TRUE(place(fresh).written);
        openPlaced(fresh.boardPath);
        EXPECT_EQ(drc_test::check(rules), std::vector<drc_test::Fault>{});
    }
    SCOPED_TRACE("every package on one board");
    PlacementRequest together = request(all, noNets);
    together.freshBoard = true;
    const PlacementReport report = place(together);
    ASSERT_TRUE(report.written) << report.refusal;
    EXPECT_EQ(report.placed, static_cast<int>(names.size()));
    openPlaced(together.boardPath);
    EXPECT_EQ(drc_test::check(rules), std::vector<drc_test::Fault>{});
}

// The generated board of 300 parts (two resistors and a capacitor on each of 150 nets), placed
// and opened with its rats nest, routes.
TEST_F(PlaceTest, ThreeHundredPartBoardRoutes)
{
    std::string refs, nets;
    for (int i = 1; i <= 200; ++i)
        refs += "R" + std::to_string(i) + " DEVICE\\R 1 RES400\n";
    for (int i = 1; i <= 100; ++i)
        refs += "C" + std::to_string(i) + " DEVICE\\C 1 CAP200\n";
    for (int j = 1; j <= 150; ++j) {
        const int k = j <= 100 ? j : j - 100, pin = j <= 100 ? 1 : 2;
        nets += "N" + std::to_string(j) + "----r" + std::to_string(2 * k - 1) + "-" + std::to_string(pin) + ",r"
                + std::to_string(2 * k) + "-" + std::to_string(pin) + ",c" + std::to_string(k) + "-"
                + std::to_string(pin) + "\n";
    }
    const std::string header = "Netlist for design: b300.pic\nTime: 12:00\nDate: 1/01/25 Wed\nProcessing time:  0\n"
                               "Number of signals found=150\n";
    const PlacementRequest r = request(refs, header + nets);
    const PlacementReport report = place(r);
    ASSERT_TRUE(report.written) << report.refusal;
    ASSERT_EQ(report.placed, 300);
    openPlaced(r.boardPath);
    g_netlist.netlistName = r.netlistPath;
    answerRun(false);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1) << ::testing::PrintToString(host.messageBoxes());
    EXPECT_EQ(g_batchStats.connections, 300);
    expectHonestSummary();
    EXPECT_GE(g_batchStats.routed * 100, g_batchStats.connections * 95);
}

}  // namespace
}  // namespace place_test
