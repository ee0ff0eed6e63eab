// Reading the schematic program's netlist into the router tables and drawing the rats nest:
// pins found through the placed packages, nets chained nearest-first, power nets noted, and
// what missing pins, full tables and damaged files do.
#include "tracelyn/route/netlist_fixture.h"

#include "platform/gdi/recording_dc.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/route/board_netlist.h"
#include "support/special_files.h"

#include <algorithm>
#include <array>

namespace netlist_test {
namespace {

struct Link {
    int32_t x1, y1, x2, y2;
    std::string from, to;
    bool operator==(const Link&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Link& l)
{
    return out << "(" << l.x1 << "," << l.y1 << ")-(" << l.x2 << "," << l.y2 << ") " << l.from << ">" << l.to;
}

std::vector<Link> linksOfNet(int n)
{
    std::vector<Link> links;
    const NetRecord& net = NetTable()[static_cast<size_t>(n)];
    for (int k = 0; k < net.connectionCount; ++k) {
        const NetConnection& c = ConnectionTable()[static_cast<size_t>(net.firstConnection + k)];
        links.push_back({c.x1, c.y1, c.x2, c.y2, c.name1, c.name2});
    }
    return links;
}

// A net line as the schematic program lays out long pin lists: broken after a comma once a line
// passes 60 characters, "&" at the break, continuation lines indented under the first pin.
std::string wrapNet(const std::string& name, const std::vector<std::string>& pins)
{
    const std::string indent(name.size() + 4, ' ');
    std::string out = name + "----";
    size_t lineStart = 0;
    for (size_t i = 0; i < pins.size(); ++i) {
        out += pins[i];
        if (i + 1 == pins.size())
            break;
        out += ",";
        if (out.size() - lineStart > 60) {
            out += "&\n";
            lineStart = out.size();
            out += indent;
        }
    }
    return out + "\n";
}

class BoardNetlistTest : public NetlistTest {
protected:
    // R1 and C1 (two pins; C1 turned a quarter) and U1 (eight pins).
    void placeFilter()
    {
        writeLibrary(twoPin(), dip8());
        const int two = package("TWO");
        const int dip = package("DIP8");
        place(two, "R:10k", 1, 10000, 20000);
        place(two, "C", 1, 30000, 20000, 900);
        place(dip, "U", 1, 20000, 40000);
    }
};

TEST_F(BoardNetlistTest, NetsJoinTheRightPinsAndTheRatsNestDrawsEachConnection)
{
    placeFilter();
    // OUT is continued on a second line, as long pin lists are written.
    writeNetlist(netlistHeader(3) +
                 "IN----r1-1,u1-1\n"
                 "OUT----c1-1,r1-2,&\n"
                 "       u1-8\n"
                 "GROUND----c1-2,u1-4\n");
    const int before = g_board.count;
    EXPECT_EQ(BuildRatsNest(0), 1);

    ASSERT_EQ(g_netlist.netCount, 3);
    EXPECT_STREQ(NetTable()[0].name, "IN");
    EXPECT_STREQ(NetTable()[1].name, "OUT");
    EXPECT_STREQ(NetTable()[2].name, "GROUND");
    // Pins in mils: R1 at (1000, 2000) with pins 50 to each side, C1 turned so that its pins lie
    // above and below (3000, 2000), U1's pin 1 at (1849.7, 3850) truncated.
    EXPECT_EQ(linksOfNet(0), (std::vector<Link>{{950, 2000, 1849, 3850, "r1-1", "u1-1"}}));
    EXPECT_EQ(linksOfNet(1), (std::vector<Link>{{1050, 2000, 3000, 1950, "r1-2", "c1-1"},
                                                {3000, 1950, 2150, 3850, "c1-1", "u1-8"}}));
    EXPECT_EQ(linksOfNet(2), (std::vector<Link>{{1849, 4150, 3000, 2050, "u1-4", "c1-2"}}));
    EXPECT_EQ(g_router.ratsNestCount, 4);
    EXPECT_EQ(g_netlist.powerNets[kPowerNetGround], 2);
    EXPECT_EQ(g_netlist.powerNets[kPowerNetVcc], -1);

    // Chains: each net's connections linked in order, ends marked.
    const NetConnection& first = ConnectionTable()[1];
    const NetConnection& second = ConnectionTable()[2];
    EXPECT_EQ(first.previous, -1);
    EXPECT_EQ(first.next, 2);
    EXPECT_EQ(second.previous, 1);
    EXPECT_EQ(second.next, -1);
    EXPECT_EQ(first.routeState, -1);
    EXPECT_EQ(first.routeLength, 1);
    EXPECT_EQ(first.key1, 0);
    EXPECT_EQ(first.orientation1, 900);      // square pads, not turned
    EXPECT_EQ(first.orientation2, 0);        // square pads of the turned part

    const std::vector<const BoardObject*> lines = ratsNestLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(g_board.count, before + 4);
    for (size_t i = 0; i < lines.size(); ++i) {
        const NetConnection& c = ConnectionTable()[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[i]->w[4], 31760);
        EXPECT_EQ((std::array<int32_t, 4>{lines[i]->w[0], lines[i]->w[1], lines[i]->w[2], lines[i]->w[3]}),
                  (std::array<int32_t, 4>{c.x1 * 10, c.y1 * 10, c.x2 * 10, c.y2 * 10}));
        EXPECT_EQ(lines[i]->w[7], 10);
        EXPECT_EQ(lines[i]->w[13], static_cast<int32_t>(i));
    }
    EXPECT_EQ(g_netlist.ratsNestShown, 1);
    EXPECT_EQ(g_boardSettings.rubber, 1);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.objectCount, g_board.count);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Rats Nest Complete\nNo. of nets=3"});
    EXPECT_TRUE(host.shown("message box caption: Batch Router"));

    // Building again replaces the lines instead of adding to them.
    host.clearEvents();
    EXPECT_EQ(BuildRatsNest(1), 1);
    EXPECT_EQ(ratsNestLines().size(), 4u);
    EXPECT_EQ(g_board.count, before + 4);
    EXPECT_TRUE(host.messageBoxes().empty());

    // Loading without drawing removes the lines and keeps the tables.
    EXPECT_EQ(LoadNetlist(0), 1);
    EXPECT_TRUE(ratsNestLines().empty());
    EXPECT_EQ(g_router.ratsNestCount, 4);
    EXPECT_EQ(g_netlist.ratsNestShown, 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Nestlist loaded\nNo. of nets=3"});
}

TEST_F(BoardNetlistTest, StartPinAndOrientationFollowThePlacement)
{
    // Wide pads on a part turned a quarter, a mirrored part, and pins that share a column.
    TestPackage wide("WIDE");
    wide.text(-10000, -5000, ";Wide pads");
    wide.pad(1, -10500, -5000);
    wide.pad(2, -9500, -5000);
    wide.objects[2].w[2] = 900;     // pad 1: 900 x 600
    wide.objects[4].w[2] = 900;
    writeLibrary(twoPin(), std::move(wide));
    const int two = package("TWO");
    const int wideN = package("WIDE");
    place(wideN, "Q", 1, 10000, 10000, 900);
    place(two, "R", 2, 10000, 30000, 0x1000);   // mirrored: pin 1 on the right
    place(two, "R", 3, 12000, 50000);
    place(two, "R", 4, 30000, 70000);
    place(two, "R", 5, 32000, 70000);
    writeNetlist(netlistHeader(3) + "A----r2-1,q1-1,r3-1\nB----q1-2,r2-2\nC----r5-1,r4-1\n");
    ASSERT_EQ(LoadNetlist(1), 1);

    // A: q1-1 (1000, 950), r2-1 (1050, 3000), r3-1 (1150, 5000): all within 300 of the left
    // edge, so the start is the topmost, q1-1.
    const std::vector<Link> a = linksOfNet(0);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0], (Link{1000, 950, 1050, 3000, "q1-1", "r2-1"}));
    EXPECT_EQ(a[1], (Link{1050, 3000, 1150, 5000, "r2-1", "r3-1"}));
    const NetConnection& c = ConnectionTable()[0];
    EXPECT_EQ(c.orientation1, 900);   // wide pad, part turned a quarter
    EXPECT_EQ(c.orientation2, 900);   // square pad, not turned
    // B: r2-2 is the leftmost, but q1-2 within 300 of it lies higher and starts the chain.
    EXPECT_EQ(linksOfNet(1), (std::vector<Link>{{1000, 1050, 950, 3000, "q1-2", "r2-2"}}));
    // C: r4-1 is the leftmost, r5-1 in its column at the same height comes first in the file
    // and so starts the chain.
    EXPECT_EQ(linksOfNet(2), (std::vector<Link>{{3150, 7000, 2950, 7000, "r5-1", "r4-1"}}));
}

TEST_F(BoardNetlistTest, PinsNotOnTheBoardAskAndCancelStopsTheRead)
{
    placeFilter();
    writeNetlist(netlistHeader(3) + "A----r1-1,x9-1\nB----r1-2,c1-1\nC----r1-9,u1-2\n");
    // OK goes on with the missing pin at (0, 0).
    answerRouter(plat::kIdOk, 2);
    ASSERT_EQ(LoadNetlist(1), 1);
    EXPECT_EQ(questions,
              (std::vector<std::string>{"Coordinates for x9-1 not found!", "Coordinates for r1-9 not found!"}));
    EXPECT_EQ(host.count("dialog 166"), 2);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(linksOfNet(0), (std::vector<Link>{{0, 0, 950, 2000, "x9-1", "r1-1"}}));
    EXPECT_EQ(g_netlist.netCount, 3);

    // Cancel stops reading at once: the net being read keeps no connections.
    host.clearEvents();
    questions.clear();
    answerRouter(plat::kIdCancel);
    EXPECT_EQ(ReadBoardNetlist(folder.file("test")), 0);
    EXPECT_EQ(g_netlist.stop, 1);
    EXPECT_EQ(g_netlist.netCount, 1);
    EXPECT_EQ(NetTable()[0].connectionCount, 0);
    EXPECT_EQ(questions, std::vector<std::string>{"Coordinates for x9-1 not found!"});
    EXPECT_EQ(host.count("dialog 166"), 1);

    // An entry point resets the stop flag before it reads.
    answerRouter(plat::kIdOk, 2);
    EXPECT_EQ(BuildRatsNest(1), 1);
    EXPECT_EQ(g_netlist.netCount, 3);
}

TEST_F(BoardNetlistTest, SmallNetsAndAMissingFile)
{
    placeFilter();
    writeNetlist(netlistHeader(4) +
                 "LONE----r1-1\n"
                 "SAME----r1-1,R1-1\n"          // both ends at one point: nothing to route
                 "Vcc----u1-8,c1-1\n"
                 "pow2----u1-4,c1-2\n");
    ASSERT_EQ(LoadNetlist(1), 1);
    EXPECT_EQ(host.messageBoxes(),
              std::vector<std::string>{"Warning: net LONE has only one pin.\nIt will not be routed."});
    EXPECT_EQ(g_netlist.netCount, 4);
    EXPECT_TRUE(linksOfNet(0).empty());
    EXPECT_TRUE(linksOfNet(1).empty());
    EXPECT_EQ(linksOfNet(2).size(), 1u);
    EXPECT_EQ(NetTable()[2].firstConnection, 0);
    EXPECT_EQ(g_netlist.powerNets[kPowerNetVcc], 2);
    EXPECT_EQ(g_netlist.powerNets[kPowerNet1 + 1], 3);

    host.clearEvents();
    std::filesystem::remove(folder.file("test.net"));
    g_progress.shown = 1;
    EXPECT_EQ(ReadBoardNetlist(folder.file("test")), 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"File " + folder.file("test.net") + " not found"});
    EXPECT_EQ(g_progress.shown, 0);
    EXPECT_EQ(g_netlist.netCount, 0);
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(folder.path() / "pipe.net", folder.path() / "dir.net")) {
        SCOPED_TRACE(f.kind);
        host.clearEvents();
        const std::string base = (f.path.parent_path() / f.path.stem()).string();
        quill_test::withoutWaiting({f}, [&] { EXPECT_EQ(ReadBoardNetlist(base), 0); });
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{quill_test::notAFileMessage(f)});
        // The design-rule check's look at the netlist beside the board finds no nets in it.
        quill_test::withoutWaiting({f}, [&] { EXPECT_FALSE(ReadNetlistPinNets(f.path.string()).has_value()); });
    }

    // A board without parts says so and finds no pins.
    host.clearEvents();
    g_board.count = 0;
    g_netlist.partCount = 0;
    CollectPlacedParts();
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"No packages found!"});
}

// Nets of one pin are told once, in one message, however many there are; a long list is cut.
TEST_F(BoardNetlistTest, NetsOfOnePinAreToldTogether)
{
    placeFilter();
    struct Case {
        int lone;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {0, {}},
        {1, {"Warning: net N1 has only one pin.\nIt will not be routed."}},
        {3, {"Warning: 3 nets have only one pin:\nN1, N2, N3\nThey will not be routed."}},
        {43, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lone);
        std::string text = netlistHeader(c.lone + 1) + "PAIR----r1-1,r1-2\n";
        for (int n = 1; n <= c.lone; ++n)
            text += "N" + std::to_string(n) + "----r1-1\n";
        writeNetlist(text);
        host.clearEvents();
        ASSERT_EQ(LoadNetlist(1), 1);
        if (c.lone == 43) {
            ASSERT_EQ(host.messageBoxes().size(), 1u);
            const std::string shown = host.messageBoxes().front();
            EXPECT_EQ(shown.rfind("Warning: 43 nets have only one pin:\nN1, N2,", 0), 0u) << shown;
            EXPECT_NE(shown.find("N40\nand 3 more\nThey will not be routed."), std::string::npos) << shown;
            EXPECT_EQ(shown.find("N41"), std::string::npos) << shown;
        } else {
            EXPECT_EQ(host.messageBoxes(), c.messages);
        }
        EXPECT_EQ(g_netlist.netCount, c.lone + 1);
    }
}

TEST_F(BoardNetlistTest, TablesThatWouldOverflowStopWithAMessage)
{
    writeLibrary(row(100));
    const int n = package("ROW100");
    for (int p = 1; p <= 50; ++p)
        place(n, "P", p, 0, 1000 * p);
    auto pinName = [](int pin) { return "p" + std::to_string(1 + pin / 100) + "-" + std::to_string(1 + pin % 100); };

    // A line of 1,900 characters or more is refused and reading stops there.
    std::vector<std::string> pins;
    for (int i = 0; i < 400; ++i)
        pins.push_back(pinName(i));
    writeNetlist(netlistHeader(2) + "SMALL----p1-1,p1-2\n" + wrapNet("BIG", pins) + "LAST----p1-1,p1-2\n");
    EXPECT_EQ(LoadNetlist(1), 1);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{std::string(kNetTooLargeMessage)});
    EXPECT_EQ(g_netlist.netCount, 1);
    EXPECT_EQ(g_netlist.stop, 1);
    EXPECT_FALSE(host.shown("exit 1"));

    // A net of 799 pins gets no connections; the reader goes on with the next net.
    host.clearEvents();
    std::string line = "BIG----";
    for (int i = 0; i < 799; ++i)
        line += pinName(i) + ",";
    line.back() = '\n';
    g_router.ratsNestCount = 0;
    g_netlist.stop = 0;
    AddNetFromLine(line, 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{std::string(kNetTooLargeMessage)});
    EXPECT_EQ(g_router.ratsNestCount, 0);
    line.erase(line.rfind(','));
    line += "\n";
    host.clearEvents();
    AddNetFromLine(line, 0);   // 798 pins are a net
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(g_router.ratsNestCount, 797);

    // 4,000 connections at most: nineteen nets of 220 pins would need 4,161.
    host.clearEvents();
    std::string nets;
    for (int net = 0; net < 19; ++net) {
        std::vector<std::string> names;
        for (int k = 0; k < 220; ++k)
            names.push_back(pinName(net * 220 + k));
        nets += wrapNet("N" + std::to_string(net), names);
    }
    writeNetlist(netlistHeader(19) + nets);
    EXPECT_EQ(LoadNetlist(1), 1);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Too many connections in netlist (at most 4000)"});
    EXPECT_EQ(g_router.ratsNestCount, kMaxConnections);
    ASSERT_EQ(g_netlist.netCount, 19);
    EXPECT_EQ(NetTable()[18].connectionCount, kMaxConnections - 18 * 219);
    EXPECT_EQ(NetTable()[18].firstConnection + NetTable()[18].connectionCount, kMaxConnections);
    EXPECT_EQ(ConnectionTable()[kMaxConnections - 1].next, -1);

    // More nets than the table holds.
    host.clearEvents();
    std::string lines;
    for (int i = 0; i <= kMaxNets; ++i)
        lines += "N" + std::to_string(i) + "----p1-1,p1-2\n";
    writeNetlist(netlistHeader(kMaxNets + 1) + lines);
    EXPECT_EQ(BuildRatsNest(1), 1);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Too many nets in netlist (at most 2000)"});
    EXPECT_EQ(g_netlist.netCount, kMaxNets);
    EXPECT_EQ(g_router.ratsNestCount, kMaxNets);
    EXPECT_EQ(ratsNestLines().size(), static_cast<size_t>(kMaxNets));
}

TEST_F(BoardNetlistTest, PlacedPartsBeyondTheTableAreLeftOut)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    for (int p = 1; p <= kMaxPlacedParts + 1; ++p)
        place(two, "R", p, 0, 1000 * p);
    CollectPlacedParts();
    EXPECT_EQ(g_netlist.partCount, kMaxPlacedParts);
    EXPECT_STREQ(g_netlist.parts[kMaxPlacedParts - 1].reference, "R502");
    EXPECT_EQ(host.messageBoxes(),
              std::vector<std::string>{"Too many parts on the board for the netlist (at most 502)"});
}

TEST_F(BoardNetlistTest, DamagedFilesReadWhatTheyCanAndNeverReadPastTheirText)
{
    placeFilter();
    CollectPlacedParts();
    const std::string longName(300, 'N');
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> messages;   // questions of the "Router" box, then message boxes
        int nets;
    };
    const std::vector<Case> cases = {
        {"empty file", "", {}, 0},
        {"header only", netlistHeader(0), {}, 0},
        {"truncated pin at the end", "A----r1-1,r1-", {"Coordinates for r1- not found!"}, 1},
        {"name and separator only", "A----", {}, 1},
        {"continuation at the end", "A----r1-1,&", {}, 1},
        {"unknown part", "A----r1-1,zz7-1\n", {"Coordinates for zz7-1 not found!"}, 1},
        {"pin without a dash", "A----r1-1,r11\n", {"Coordinates for r11 not found!"}, 1},
        {"overlong pin name", "A----r1-1,r1-1234567890123456789012345\n",
         {"Coordinates for r1-1234567890123456789012345 not found!"}, 1},
        {"overlong reference", "A----r1-1,r1234567890123456789012-1\n",
         {"Coordinates for r1234567890123456789012-1 not found!"}, 1},
        // A physical line longer than a piece is read as several lines: only the last holds
        // the separator, so the net is named by the end of its name.
        {"overlong net name", longName + "----r1-1,&\n      r1-2\n", {}, 1},
        {"ampersand closing a full piece", "A----r1-1," + std::string(88, ' ') + "&r1-2\n", {}, 1},
        {"line ends with carriage returns", "A----r1-1,r1-2\r\nB----c1-1,c1-2\r\n", {}, 2},
        {"NUL bytes", std::string("A----r1-1,r1-2\n\0\0----\n", 22),
         {"Warning: net  has only one pin.\nIt will not be routed."}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.clearEvents();
        questions.clear();
        writeNetlist(c.text);
        g_router.ratsNestCount = 0;
        g_netlist.stop = 0;
        const int asked = static_cast<int>(std::count_if(c.messages.begin(), c.messages.end(), [](const std::string& m) {
            return m.starts_with("Coordinates");
        }));
        answerRouter(plat::kIdCancel, asked);
        ReadBoardNetlist(folder.file("test"));
        std::vector<std::string> shown = questions;
        for (const std::string& m : host.messageBoxes())
            shown.push_back(m);
        EXPECT_EQ(shown, c.messages);
        EXPECT_EQ(host.count("dialog 166"), asked);
        EXPECT_EQ(g_netlist.netCount, c.nets);
        for (int n = 0; n < g_netlist.netCount; ++n)
            EXPECT_LE(NetTable()[static_cast<size_t>(n)].firstConnection + NetTable()[static_cast<size_t>(n)].connectionCount,
                      g_router.ratsNestCount);
    }
    writeNetlist(longName + "----r1-1,r1-2\n");
    ReadBoardNetlist(folder.file("test"));
    EXPECT_STREQ(NetTable()[0].name, "NNN");

    // Net names are kept whole; pin names are cut to their 14-character field.
    const std::string name(60, 'M');
    writeNetlist(name + "----r1-1,r1-1234567890123456789012345\n");
    answerRouter(plat::kIdOk);
    LoadNetlist(1);
    EXPECT_EQ(NetTable()[0].name, name);
    EXPECT_STREQ(ConnectionTable()[0].name1, "r1-12345678901");
    EXPECT_STREQ(ConnectionTable()[0].name2, "r1-1");
}

TEST_F(BoardNetlistTest, SortingOrdersByMidpointAndRelinksTheChains)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    // Net A runs right to left, net B sits left of it.
    place(two, "R", 1, 50000, 10000);
    place(two, "R", 2, 30000, 10000);
    place(two, "R", 3, 10000, 10000);
    place(two, "R", 4, 3000, 20000);
    place(two, "R", 5, 3000, 12000);
    writeNetlist(netlistHeader(2) + "A----r1-1,r2-1,r3-1\nB----r4-1,r5-1\n");

    g_router.values[4] = kTraceSortNone;
    ASSERT_EQ(LoadNetlist(1), 1);
    SortConnections();
    // File order: each chain starts at its leftmost (then topmost) pin.
    EXPECT_EQ(linksOfNet(0), (std::vector<Link>{{950, 1000, 2950, 1000, "r3-1", "r2-1"},
                                                {2950, 1000, 4950, 1000, "r2-1", "r1-1"}}));
    EXPECT_EQ(linksOfNet(1), (std::vector<Link>{{250, 1200, 250, 2000, "r5-1", "r4-1"}}));

    g_router.values[4] = kTraceSortByX;
    SortConnections();
    // Midpoints on x: B 250, A's r3-r2 1950, r2-r1 3950.
    const std::span<NetConnection> t = ConnectionTable();
    EXPECT_EQ(t[0].net, 1);
    EXPECT_EQ(t[1].net, 0);
    EXPECT_EQ(t[2].net, 0);
    EXPECT_EQ(t[1].sortKey, 1950);
    EXPECT_EQ(NetTable()[0].firstConnection, 1);
    EXPECT_EQ(t[1].next, 2);
    EXPECT_EQ(t[2].previous, 1);
    EXPECT_EQ(t[2].next, -1);
    EXPECT_EQ(NetTable()[1].firstConnection, 0);

    // By y: ties on y (net A's connections all at 1000) are ordered by x.
    g_router.values[4] = kTraceSortByY;
    SortConnections();
    EXPECT_EQ(t[0].net, 0);
    EXPECT_EQ(t[0].x1, 950);
    EXPECT_EQ(t[1].x1, 2950);
    EXPECT_EQ(t[2].net, 1);
    EXPECT_EQ(NetTable()[0].firstConnection, 0);
    EXPECT_EQ(t[0].next, 1);
    EXPECT_EQ(NetTable()[1].firstConnection, 2);
}

TEST_F(BoardNetlistTest, NetAtAPointAndReloadingForTheDocument)
{
    EXPECT_EQ(FindNetAtPoint(0, 0), 0);
    EXPECT_EQ(g_netlist.netNameBuffer, "Unspecified");

    placeFilter();
    writeNetlist(netlistHeader(2) + "LONE----r1-1\nOUT----c1-1,r1-2\n");
    ASSERT_EQ(BuildRatsNest(1), 1);
    g_board.zoomIndex = 9;   // a view unit is a board unit
    EXPECT_EQ(FindNetAtPoint(10540, 20040), 1);   // r1-2 at (1050, 2000) mils
    EXPECT_EQ(g_netlist.netNameBuffer, "OUT");
    EXPECT_EQ(FindNetAtPoint(10550, 20000), 0);   // 5 mils off
    EXPECT_EQ(g_netlist.netNameBuffer, "Unspecified");
    EXPECT_EQ(FindNetAtPoint(9500, 20000), 0) << "r1-1's net has no connections";
    g_board.zoomIndex = 3;                         // a view unit is a mil
    EXPECT_EQ(FindNetAtPoint(3000, 1950), 1);

    // The document's own store is used and its view origin kept.
    const int lines = static_cast<int>(ratsNestLines().size());
    g_board.viewOriginX = 123;
    g_board.viewOriginY = -45;
    g_board.objects = nullptr;
    LoadNetsForDocument();
    EXPECT_EQ(g_board.objects, doc.objects->data());
    EXPECT_EQ(static_cast<int>(ratsNestLines().size()), lines);
    EXPECT_EQ(g_board.viewOriginX, 123);
    EXPECT_EQ(g_board.viewOriginY, -45);
}

TEST_F(BoardNetlistTest, NetNamesShowOnlyOnTheirOwnBoardAndOnThePinsLayers)
{
    placeFilter();
    writeNetlist(netlistHeader(1) + "IN----r1-1,u1-1\n");
    ASSERT_EQ(BuildRatsNest(0), 1);
    const auto namesDrawn = [] {
        plat::RecordingDc dc;
        DrawNetNames(dc);
        return dc.drawingCalls().size();
    };
    const BoardSettings savedSettings = g_boardSettings;
    const BoardEditState savedEdit = g_edit;
    g_board.zoomIndex = 3;
    struct Case {
        int32_t currentLayer, viewMode;
        bool shown;
    };
    // The pins' parts are on the top layer (0).
    for (const Case& c : {Case{0, kViewOneLayer, true}, Case{kLayerAll, kViewOneLayer, true},
                          Case{1, kViewOneLayer, false}, Case{1, kViewLayerPair, true},
                          Case{2, kViewLayerPair, false}}) {
        SCOPED_TRACE(testing::Message() << "layer " << c.currentLayer << " view " << c.viewMode);
        g_edit.currentLayer = c.currentLayer;
        g_edit.layerViewMode = c.viewMode;
        EXPECT_EQ(namesDrawn() > 0, c.shown);
    }

    // Another board open beside it paints none of these nets.
    g_edit.currentLayer = 0;
    BoardDocumentData other;
    const int32_t connections = g_router.ratsNestCount;
    ASSERT_TRUE(InitNewBoard(other));
    g_router.ratsNestCount = connections;
    LoadBoardGlobals(other);
    g_board.zoomIndex = 3;
    EXPECT_EQ(namesDrawn(), 0u);
    CloseBoardDocument(other, nullptr);
    LoadBoardGlobals(doc);
    g_board.zoomIndex = 3;
    EXPECT_GT(namesDrawn(), 0u) << "its own board still shows them";
    g_edit = savedEdit;
    g_boardSettings = savedSettings;
}

}  // namespace
}  // namespace netlist_test
