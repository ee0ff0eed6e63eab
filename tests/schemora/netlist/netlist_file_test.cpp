#include "netlist_test_support.h"

#include "platform/app/dialog.h"
#include "platform/core/archive.h"
#include "platform/core/atomic_file.h"
#include "platform/system/files.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/starter_parts_fixture.h"
#include "schemora/netlist/netlist_builder.h"
#include "support/full_disk.h"

#include <cstdlib>
#include <filesystem>

using namespace netlist_test;

namespace {

std::string pinListBytes(const quill_test::TempFolder& folder, std::string_view list, int column, int kind)
{
    plat::AtomicFile out(folder.file("list.txt"));
    WritePinList(out, list, column, kind);
    EXPECT_TRUE(out.commit());
    const auto bytes = folder.read("list.txt");
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(NetlistFile, PinListsBreakAfterSixtyCharacters)
{
    quill_test::TempFolder folder;
    const std::string sixty = "u1-1,u1-2,u1-3,u1-4,u1-5,u1-6,u1-7,u1-8,u1-9,u10-1,u10-2,u12";   // 60
    ASSERT_EQ(sixty.size(), 60u);
    EXPECT_EQ(pinListBytes(folder, sixty, 7, kNetlistPlain), sixty + "\n");
    const std::string longer = sixty + "-3,r5-1,r6-2";
    EXPECT_EQ(pinListBytes(folder, longer, 7, kNetlistPlain), sixty + "-3,&\n       r5-1,r6-2\n");
    const std::string nodes = "a1 b2 c3 d4 e5 f6 g7 h8 i9 j10 k11 l12 m13 n14 o15 p16 q17 r18 s19 t20 u21";
    EXPECT_EQ(pinListBytes(folder, nodes, 7, kNetlistSpice),
              "a1 b2 c3 d4 e5 f6 g7 h8 i9 j10 k11 l12 m13 n14 o15 p16 q17 r18 \n+ s19 t20 u21\n");
    EXPECT_EQ(pinListBytes(folder, nodes, 7, kNetlistDigital),
              "a1 b2 c3 d4 e5 f6 g7 h8 i9 j10 k11 l12 m13 n14 o15 p16 q17 r18 \n+ s19 t20 u21\n");
}

TEST(NetlistFile, PinEntriesAndNetPinLookup)
{
    EXPECT_TRUE(PinListHasEntry("R1-1,R10-2,", "R10-2"));
    EXPECT_FALSE(PinListHasEntry("R1-1,R10-2,", "R1-2"));
    EXPECT_FALSE(PinListHasEntry("R11-1,", "R1-1"));
    const std::vector<std::string> names = {"U1-1", "U2-3", "R4-2"};
    EXPECT_EQ(FindNetPin(names, 3, "U2-3"), 1);
    EXPECT_EQ(g_netPinLookup.index, 1);
    EXPECT_EQ(FindNetPin(names, 2, "R4-2"), 0);
    EXPECT_EQ(g_netPinLookup.index, 2);

    plat::TestUiHost host;
    std::string list(9995, 'x');
    AppendPowerNetName(list, "U1-7,");
    EXPECT_EQ(list.size(), 9995u);
    EXPECT_TRUE(host.shown("message box: Power net too large"));
    list = "U1-7";
    AppendPowerNetName(list, "U2-7,");
    EXPECT_EQ(list, "U1-7,U2-7,");
}

TEST_F(NetlistFixture, DigitalCircuitAndDesignRules)
{
    part(gate, "U", 1, 0, 0);
    wire(400, 50, 800, 50);
    label(600, 50, "Q*");
    label(5000, 5000, "#.delay 7400 10");
    CNetlistBuilder builder;
    builder.m_kind = kNetlistDigital;
    ASSERT_EQ(builder.GenerateNetlist(), 1);
    EXPECT_EQ(read(".ckt"), "$ Circuit file for \"" + g_designName.text + "\"\n\n\n$ .Macros\n\n"
                            "* U1 7400 10 def0 def1 q nc nc nc gnd nc nc nc nc nc nc vcc \n\n"
                            "\n\n$ Probes go here\n.PROBE Q\n"
                            "$ Set Simulation Time\n\n.TIME 1000\n.scale 1ns\n.END\n");
    EXPECT_EQ(read(".dev"), "");

    CNetlistBuilder checker;
    EXPECT_EQ(checker.CheckDesignRules(), 3);
    EXPECT_EQ(read(".drc"), "Design rules check of " + g_designName.text + "\n"
                            "Unconnected pin U1-1\nUnconnected pin U1-2\nNet Q* has only one pin: U1-3\n"
                            "3 problems found\n");
    EXPECT_TRUE(host.shown("text viewer: " + folder.file("design.drc")));
}

// On a full disk every output keeps the file it would have replaced, nothing is left beside
// them, the message names the output, and no run reports success.
TEST_F(NetlistFixture, OnAFullDiskEveryOutputKeepsItsOlderFile)
{
    divider("V:DC 5", resistor, "R:2k");
    part(gate, "U", 1, 4000, 0);
    label(4400, 50, "Q*");
    const std::vector<std::string> names{"design.cir", "design.ckt", "design.dev",
                                         "design.drc", "design.net", "design.ref"};
    struct Run {
        const char* what;
        int kind;
        const char* failing;
    };
    const Run runs[] = {{"netlist", kNetlistPlain, "design.net"},
                        {"digital circuit", kNetlistDigital, "design.ckt"},
                        {"SPICE deck", kNetlistSpice, "design.cir"}};
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        for (const std::string& name : names)
            disk.write(name, "older " + name + "\n");
        disk.fill();
        g_designName.text = disk.file("design.pic");
        for (const Run& run : runs) {
            SCOPED_TRACE(run.what);
            host.clearEvents();
            CNetlistBuilder builder;
            builder.m_kind = run.kind;
            builder.m_basicFormat = 1;
            EXPECT_EQ(builder.GenerateNetlist(), 0);
            const auto boxes = host.messageBoxes();
            ASSERT_FALSE(boxes.empty());
            EXPECT_EQ(boxes.back(), "Cannot write " + disk.file(run.failing) + ": No space left on device");
            for (const std::string& box : boxes)
                EXPECT_EQ(box.find("Number of signals"), std::string::npos) << box;
        }
        host.clearEvents();
        CNetlistBuilder checker;
        checker.CheckDesignRules();
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("design.drc") + ": No space left on device"});
        EXPECT_FALSE(host.shown("text viewer: " + disk.file("design.drc")));
        for (const std::string& name : names)
            EXPECT_EQ(disk.readText(name), "older " + name + "\n");
        EXPECT_EQ(disk.names(), names);
    });

    // A folder that is not there: the netlister's own words, then the file and the reason.
    g_designName.text = folder.file("gone/design.pic");
    host.clearEvents();
    EXPECT_EQ(writePlainNetlist(), 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't open file\nCannot write " +
                                                            folder.file("gone/design.net") + ": No such file or directory"});
}

TEST_F(NetlistFixture, DigitalDevicePartsGoToTheDeviceList)
{
    part(resistor, "DEV:RELAY", 1, 0, 0);
    part(resistor, "DEV:LAMP", 2, 0, 1000);
    CNetlistBuilder builder;
    builder.m_kind = kNetlistDigital;
    ASSERT_EQ(builder.GenerateNetlist(), 1);
    EXPECT_EQ(read(".dev"), "DEV1 DEF0 DEF1 \nDEV2 DEF2 DEF3 \n");
    // Only the relay's nodes are written to the circuit as well.
    EXPECT_EQ(read(".ckt"), "$ Circuit file for \"" + g_designName.text + "\"\n\n\n$ .Macros\n\n"
                            "def0 def1 \n\n"
                            "\n\n$ Probes go here\n.PROBE\n"
                            "$ Set Simulation Time\n\n.TIME 1000\n.scale 1ns\n.END\n");
}

namespace {

// The lines of a text file; the netlist's "Time:" and "Date:" lines, which tell when it was
// written, are replaced by a mark.
std::vector<std::string> linesWithoutTheMoment(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.starts_with("Time: ") || line.starts_with("Date: ") ? "<moment>" : line);
    return lines;
}

}  // namespace

// The example drawing netlists, as Utilities > Netlist writes it for design "rc_filter", to the
// netlist shipped beside it for the example board.
using ExampleNetlist = ShippedExampleTest;

TEST_F(ExampleNetlist, TheExampleDrawingGivesTheShippedNetlist)
{
    EXPECT_EQ(example.netlist(kNetlistPlain), 1);
    const auto written = linesWithoutTheMoment(example.folder.file("rc_filter.net"));
    const auto shipped = linesWithoutTheMoment(example.programFile("examples/rc_filter.net").string());
    EXPECT_EQ(written, shipped);
}

namespace {

// Utilities > Netlist on the example drawing, through the running program.
class UtilitiesNetlist : public schemora_test::StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
    }
};

// A full disk: the run says the netlist could not be written, names it, offers no output and
// reports no signal count; the older netlist and reference list stay and nothing is left
// beside them.
TEST_F(UtilitiesNetlist, OnAFullDiskTheOlderNetlistStaysAndTheRunSaysWhy)
{
    expectOnTheMenu({scm::kCmdNetlist});
    const std::filesystem::path example = schemora_test::builtProgramFolder() / "examples" / "rc_filter.pic";
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        std::filesystem::copy_file(example, disk.path() / "rc.pic");
        disk.write("rc.net", "older netlist\n");
        disk.write("rc.ref", "older references\n");
        ASSERT_NE(harness->app().OpenDocumentFile(disk.file("rc.pic")), nullptr);
        harness->idle();
        disk.fill();
        host.clearEvents();
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        EXPECT_TRUE(command(scm::kCmdNetlist));
        EXPECT_TRUE(host.shown("dialog " + std::to_string(scm::kIddNetlist)));
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("rc.net") + ": No space left on device"});
        for (const std::string& event : host.events())
            EXPECT_FALSE(event.starts_with("text viewer")) << event;
        EXPECT_EQ(disk.readText("rc.net"), "older netlist\n");
        EXPECT_EQ(disk.readText("rc.ref"), "older references\n");
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"rc.net", "rc.pic", "rc.ref"}));
        EXPECT_TRUE(harness->command(plat::kIdFileClose));
    });
}

}  // namespace
