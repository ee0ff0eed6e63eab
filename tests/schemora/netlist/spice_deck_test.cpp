#include "netlist_test_support.h"

#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "schemora/netlist/netlist_builder.h"
#include "schemora/netlist/netlist_writers.h"
#include "schemora/netlist/spice_directives.h"
#include "schemora/netlist/spice_values.h"
#include "schemora/netlist/text_file.h"
#include "support/ngspice_batch.h"
#include "support/special_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace netlist_test;

namespace {

using quill_test::haveNgspice;
using quill_test::ngspiceOutput;

// The rows of the table ngspice prints for the deck (index, sweep or time, value).
std::vector<std::array<double, 3>> simulate(const std::string& deck)
{
    std::vector<std::array<double, 3>> rows;
    std::istringstream lines(ngspiceOutput(deck));
    for (std::string line; std::getline(lines, line);) {
        std::array<double, 3> row{};
        if (std::sscanf(line.c_str(), "%lf %lf %lf", &row[0], &row[1], &row[2]) == 3)
            rows.push_back(row);
    }
    return rows;
}

double valueAt(const std::vector<std::array<double, 3>>& rows, double x)
{
    const std::array<double, 3>* best = nullptr;
    for (const auto& r : rows)
        if (!best || std::abs(r[1] - x) < std::abs((*best)[1] - x))
            best = &r;
    return best ? (*best)[2] : -1e9;
}

class SpiceDeckTest : public NetlistFixture {
protected:
    // Writes a library of one part and loads that part.
    int loadOnly(const char* library, LibraryPart part)
    {
        const std::string name = part.name;
        EXPECT_TRUE(writeLibrary(folder.file(std::string(library) + ".CON"), {std::move(part)}));
        return load(library, name.c_str());
    }

    int runSpice()
    {
        CNetlistBuilder builder;
        builder.m_kind = kNetlistSpice;
        return builder.GenerateNetlist();
    }
    // The deck written with one directive text beside the drawing.
    std::string deckWith(const char* directive)
    {
        label(5000, 5000, directive);
        EXPECT_EQ(runSpice(), 1);
        return read(".cir");
    }
    // The deck written for the divider with `second` and one directive text beside it.
    std::string dividerDeck(const char* sourceText, int second, const char* secondText, const char* directive)
    {
        divider(sourceText, second, secondText);
        return deckWith(directive);
    }
};

}  // namespace

TEST(SpiceValues, ReadAndWrittenForms)
{
    plat::TestUiHost host;
    EXPECT_DOUBLE_EQ(ParseSpiceValue("10meg", SpiceForm::Frequency), 1e7);
    EXPECT_DOUBLE_EQ(ParseSpiceValue("10MEG", SpiceForm::Time), 0.01);
    EXPECT_DOUBLE_EQ(ParseSpiceValue("1n", SpiceForm::Time), 1e-9);
    EXPECT_DOUBLE_EQ(ParseSpiceValue("2.5k", SpiceForm::Voltage), 2500);
    EXPECT_EQ(FormatSpiceValue(2.5e-8, SpiceForm::Time), "25.00ns");
    EXPECT_EQ(FormatSpiceValue(1e5, SpiceForm::Frequency), "100.0khz");
    EXPECT_EQ(FormatSpiceValue(0.025, SpiceForm::Voltage), "25.0mv");
    EXPECT_EQ(NormalizeDirective("#.AC DEC 10 1 100000", kAnalysisAc), "#.AC DEC 80.0 1.0 100.0khz");
    EXPECT_EQ(NormalizeDirective("#.TRAN 1NS 10US", kAnalysisTransient), "#.TRAN 25.00ns 10.00us");
    EXPECT_EQ(NormalizeDirective("#.TRAN 1U 5M 0 10U UIC", kAnalysisTransient), "#.TRAN 12.50us 5.00ms 0 10.00us UIC");
    EXPECT_EQ(NormalizeDirective("#.DC V1 0 10 1", kAnalysisDcSweep), "#.DC V1 0.0mv 10.0v 25.0mv");
    int counter = 0;
    EXPECT_EQ(ConvertPolySource("E1 3 4 POLY(2) 1 0 2 0 0 1 2U", &counter), "B1 3 4 V=1*V(1,0)+ 2E-6*V(2,0)");
    EXPECT_EQ(ConvertPolySource("F2 5 0 POLY(1) VX 0.5 2", &counter), "B2 5 0 I=0.5+ 2*I(VX)");
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(ConvertPolySource("G3 1 2 POLY(1) 4 5 0 1 1", &counter), "B3 1 2 I=1*V(4,5)");
    EXPECT_TRUE(host.shown("message box: Too many terms for Poly(1) statement"));
    // Lines that only mention the keyword inside a word are copied as they are.
    for (const char* line : {"E4 1 XPOLY", "E4 1 2 XPOLY", "* POLY", "E4 1 2 3 XPOLY(1)"})
        EXPECT_EQ(ConvertPolySource(line, &counter), line);
    EXPECT_EQ(counter, 3);
}

TEST_F(SpiceDeckTest, ResistorDividerRunsInNgspice)
{
    EXPECT_EQ(dividerDeck("V:DC 10", resistor, "R:1k", "#.dc V1 0 10 1"),
              "*SPICE NET\n"
              "V1 in 0 dc 10\n"
              "R1 in out 1k\n"
              "R2 out 0 1k\n"
              ".DC V1 0.0mv 10.0v 25.0mv\n"
              ".PRINT DC V(OUT)\n"
              ".END\n");
    EXPECT_STREQ(store[g_current.count].text, "#.DC V1 0.0mv 10.0v 25.0mv");
    if (!haveNgspice())
        GTEST_SKIP() << "ngspice is not installed; the deck was not simulated";
    const auto rows = simulate(folder.file("design.cir"));
    ASSERT_FALSE(rows.empty());
    EXPECT_NEAR(valueAt(rows, 10.0), 5.0, 1e-3);
    EXPECT_NEAR(valueAt(rows, 4.0), 2.0, 1e-3);
}

TEST_F(SpiceDeckTest, RcLowPassTransientRunsInNgspice)
{
    EXPECT_EQ(dividerDeck("V:DC 5", capacitor, "C:1u", "#.TRAN 1u 5m 0 10u UIC"),
              "*SPICE NET\n"
              "V1 in 0 dc 5\n"
              "R1 in out 1k\n"
              "C2 out 0 1u\n"
              ".TRAN 12.50us 5.00ms 0 10.00us UIC\n"
              ".PRINT TRAN V(OUT)\n"
              ".END\n");
    if (!haveNgspice())
        GTEST_SKIP() << "ngspice is not installed; the deck was not simulated";
    const auto rows = simulate(folder.file("design.cir"));
    ASSERT_FALSE(rows.empty());
    // 5 V x (1 - exp(-t / 1 ms))
    EXPECT_NEAR(valueAt(rows, 1e-3), 3.161, 0.03);
    EXPECT_NEAR(valueAt(rows, 5e-3), 4.966, 0.01);
}

TEST_F(SpiceDeckTest, DiodeModelComesFromTheStarterLibrary)
{
    const std::string models = plat::programFolder() + "/SEMICON.MOD";
    if (!plat::fileExists(models))
        GTEST_SKIP() << "SEMICON.MOD has not been generated";
    // The model files sit in the program folder, beside the libraries' folder.
    g_folders.libraryFolder = folder.file("LIB") + "/";
    std::filesystem::create_directory(folder.file("LIB"));
    std::filesystem::copy_file(models, folder.file("SEMICON.MOD"));
    folder.write("LIB/SEMICON.MOD", ".MODEL 1N4148 D(IS=1 WRONG FOLDER)\n");
    const std::string deck = dividerDeck("V:DC 5", capacitor, "D:1N4148", "#.OP");
    EXPECT_NE(deck.find(".MODEL 1N4148 D(IS=2.52N"), std::string::npos);
    EXPECT_NE(deck.find("D2 out 0 1n4148\n"), std::string::npos);
    if (!haveNgspice())
        GTEST_SKIP() << "ngspice is not installed; the deck was not simulated";
    const std::string command = "ngspice -b '" + folder.file("design.cir") + "' 2>&1 | grep -i '^\\s*out\\s'";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[256] = {};
    double volts = -1;
    if (std::fgets(line, sizeof line, pipe))
        std::sscanf(line, " %*s %lf", &volts);
    ::pclose(pipe);
    EXPECT_NEAR(volts, 0.7, 0.1);
}

// A diode clipper whose model the drawing gives: the part names it with its library folder,
// the deck and the "#.MODEL" text by the bare name.
TEST_F(SpiceDeckTest, ModelGivenInTheDrawingIsFoundByTheDeckName)
{
    divider("V:DC 10", capacitor, "D:DEVICE\\D");
    label(5000, 5000, "#.dc V1 0 10 1");
    label(5000, 5400, "#.MODEL D D(IS=1E-14)");
    ASSERT_EQ(runSpice(), 1);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Number of signals found=3"});
    const std::string deck = read(".cir");
    EXPECT_NE(deck.find("D2 out 0 d\n"), std::string::npos) << deck;
    EXPECT_NE(deck.find(".MODEL D D(IS=1E-14)\n"), std::string::npos) << deck;
    if (!haveNgspice())
        GTEST_SKIP() << "ngspice is not installed; the deck was not simulated";
    const auto rows = simulate(folder.file("design.cir"));
    ASSERT_FALSE(rows.empty()) << ngspiceOutput(folder.file("design.cir"));
    EXPECT_NEAR(valueAt(rows, 0.3), 0.3, 0.01);  // below the knee the diode takes nothing
    EXPECT_NEAR(valueAt(rows, 10.0), 0.7, 0.1);  // above it the output is clipped
}

TEST_F(SpiceDeckTest, GroundIsNodeZeroAndConnectorsAreNoDevices)
{
    const int connector = loadOnly("CONN", twoPin("CONN2", "J?", "%package SIP2"));
    // J1 feeds R1; R1's far end is labelled "Ground" by hand, C2 goes to the ground symbol.
    part(connector, "J:CONN\\CONN2", 1, -800, 0);
    part(resistor, "R:1k", 1, 0, 0);
    wire(-400, 0, 0, 0);
    wire(400, 0, 800, 0);
    label(600, 0, "Ground");
    part(capacitor, "C:1u", 2, 0, 500);
    part(gnd, "", 0, 400, 500);
    EXPECT_EQ(deckWith("#.OP"), "*SPICE NET\n"
                                "R1 100 0 1k\n"
                                "C2 101 0 1u\n"
                                ".OP\n"
                                "\n"
                                ".END\n");
    EXPECT_FALSE(host.shown("message box: Error: model not found for CONN2"));
}

// An include file is copied into the deck whole; one missing, or too large to be a model file,
// is said by its name and leaves it out.
TEST_F(SpiceDeckTest, IncludeFilesAreCopiedAndOnesThatCannotBeReadAreNamed)
{
    folder.write("models.inc", "* kept\r\n.PARAM RV=1k\n");
    part(resistor, "R:1k", 1, 0, 0);
    label(5000, 6000, ("#.INCLUDE " + folder.file("models.inc")).c_str());
    EXPECT_NE(deckWith("#.OP").find("* kept\n.PARAM RV=1k\n"), std::string::npos);

    std::filesystem::resize_file(folder.path() / "models.inc", kMaxCopiedTextBytes + 1);
    EXPECT_EQ(deckWith("#.OP").find("PARAM"), std::string::npos);
    // Directive texts are kept in capitals; the file is found regardless of case.
    const std::string named = plat::upperCaseAscii(folder.file("models.inc"));
    EXPECT_TRUE(host.shown("message box: " + named + " is too large to read (16 MB at most)."));
    std::filesystem::remove(folder.path() / "models.inc");
    deckWith("#.OP");
    EXPECT_TRUE(host.shown("message box: Include file " + named + " not found"));
}

// An include file or the model library named after a pipe or a folder is refused at once and
// said by its kind; the deck is written without it.
TEST_F(SpiceDeckTest, IncludeAndModelFilesThatAreNotFilesAreRefusedAtOnce)
{
    g_folders.libraryFolder = folder.file("LIB") + "/";
    std::filesystem::create_directory(folder.file("LIB"));
    const std::filesystem::path include = folder.path() / "models.inc", models = folder.path() / "SEMICON.MOD";
    divider("V:DC 5", capacitor, "D:1N4148");
    label(5000, 6000, ("#.INCLUDE " + include.string()).c_str());
    label(5000, 5000, "#.OP");
    for (const bool pipe : {true, false}) {
        const auto nonFiles = pipe ? quill_test::placeNonFiles(include, models) : quill_test::placeNonFiles(models, include);
        SCOPED_TRACE(nonFiles[0].kind + " as " + nonFiles[0].path.filename().string());
        host.clearEvents();
        quill_test::withoutWaiting(nonFiles, [&] { EXPECT_EQ(runSpice(), 1); });
        for (const quill_test::NonFile& f : nonFiles)
            EXPECT_TRUE(host.shown("message box: " + quill_test::notAFileMessage(f))) << f.path;
        const std::string deck = read(".cir");
        EXPECT_EQ(deck.find(".MODEL"), std::string::npos) << deck;
        EXPECT_NE(deck.find(".END\n"), std::string::npos) << deck;
    }
}

TEST_F(SpiceDeckTest, ProbesAndAmmetersPrintInPartOrder)
{
    const int meter = loadOnly("METER", twoPin("AMMETER", "V?", nullptr));
    part(resistor, "R:1k", 1, 0, 0);
    wire(400, 0, 800, 0);
    label(600, 0, "OUT*");
    part(meter, "V:DC 0", 2, 800, 0);
    part(gnd, "", 0, 1200, 0);
    const std::string deck = deckWith("#.TRAN 1n 10u");
    EXPECT_NE(deck.find("V2 out 0 dc 0\n"), std::string::npos) << deck;
    EXPECT_NE(deck.find(".PRINT TRAN V(OUT) I(V2)\n"), std::string::npos) << deck;
}


// The example drawing's deck as Utilities > Netlist writes it with "Spice simulator": the
// values of its value parts, ground as node 0, and no line for the input connector J1.
using ExampleDeck = ShippedExampleTest;

TEST_F(ExampleDeck, TheExampleDrawingsDeckLoadsInNgspice)
{
    ASSERT_EQ(example.netlist(kNetlistSpice), 1);
    std::ifstream in(example.folder.file("rc_filter.cir"), std::ios::binary);
    const std::string deck((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(deck, "*SPICE NET\n"
                    "R1 in out 10k\n"
                    "C1 out 0 100n\n"
                    "\n"
                    ".END\n");
    // The drawing chooses no analysis; no model or part is missing.
    EXPECT_EQ(host.messageBoxes(),
              (std::vector<std::string>{"Warning SPICE analysis type not selected!\n(Click on SETUP button in SPICE run dialog.)",
                                        "Number of signals found=2"}));
    if (!haveNgspice())
        GTEST_SKIP() << "ngspice is not installed; the deck was not simulated";
    const std::string alone = ngspiceOutput(example.folder.file("rc_filter.cir"));
    EXPECT_EQ(alone.find("rror"), std::string::npos) << alone;
    // The deck is read as it stands, driven at its input: at the corner frequency of 10k and
    // 100n, 1 / (2 pi R C), the output is 1 / sqrt(2) of the input.
    example.folder.write("drive.cir", "* the example driven at its input\n"
                                      ".include rc_filter.cir\n"
                                      "V1 in 0 dc 0 ac 1\n"
                                      ".control\n"
                                      "ac lin 1 159.1549 159.1549\n"
                                      "print vm(out)\n"
                                      "show r1 : resistance\n"
                                      "show c1 : capacitance\n"
                                      ".endc\n"
                                      ".end\n");
    const std::string output = ngspiceOutput(example.folder.file("drive.cir"));
    EXPECT_EQ(output.find("rror"), std::string::npos) << output;
    EXPECT_NE(output.find("resistance                 10000"), std::string::npos) << output;
    EXPECT_NE(output.find("capacitance                 1e-07"), std::string::npos) << output;
    const size_t at = output.find("vm(out) = ");
    ASSERT_NE(at, std::string::npos) << output;
    EXPECT_NEAR(std::strtod(output.c_str() + at + 10, nullptr), 0.70711, 1e-4);
}

TEST_F(NetlistFixture, AnalysisDirectivesAreFoundWithTheirSweep)
{
    struct Case {
        const char* text;
        int analysis;
        int sweepButton;
        size_t fields;
    };
    const Case cases[] = {
        {"#.ac dec 10 1 1k", kAnalysisAc, kSweepDecade, 4},
        {"#.AC 10 1 1K", kAnalysisNone, 0, 0},
        {"#.NOISE V(OUT,0) V1 OCT 10 1 1MEG", kAnalysisNoise, kSweepOctave, 6},
        {"#.NOISE V(OUT,0) V1", kAnalysisNone, 0, 0},
        {"#.DISTO LIN 10 1 1K", kAnalysisDistortion, kSweepLinear, 4},
        {"#.DC V1 0 10 LIN", kAnalysisDcSweep, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ReleaseObjectData(store[1]);
        g_current.count = 0;
        label(0, 0, c.text);
        EXPECT_EQ(FindAnalysisDirectives(), c.analysis);
        EXPECT_EQ(g_analysisDirectives.sweepButton, c.sweepButton);
        if (c.analysis != kAnalysisNone) {
            EXPECT_EQ(g_analysisDirectives.objectIndex[static_cast<size_t>(c.analysis)], 1);
            EXPECT_EQ(g_analysisDirectives.fields[static_cast<size_t>(c.analysis)].size(), c.fields);
        }
    }
}
