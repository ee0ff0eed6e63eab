#include "spicerun/deck_runner.h"

#include "spicerun/deck_screen.h"
#include "spicerun/result_listing.h"
#include "support/full_disk.h"
#include "support/function_table.h"
#include "support/ngspice_batch.h"
#include "support/special_files.h"
#include "support/temp_folder.h"
#include "support/whole_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace spicerun {
namespace {

using quill_test::readText;

using quill_test::TempFolder;

using quill_test::haveNgspice;

void writeText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

std::string lowerText(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The rows of the listing's first table: scale and the value columns.
std::vector<std::vector<double>> tableRows(const std::string& listing)
{
    std::istringstream in(listing);
    std::string line;
    while (std::getline(in, line) && line.rfind("TIME", 0) != 0 && line.rfind("FREQ", 0) != 0) {
    }
    std::getline(in, line);
    std::getline(in, line);
    std::vector<std::vector<double>> rows;
    while (std::getline(in, line) && line.size() >= 5) {
        std::istringstream fields(line);
        std::vector<double> row;
        for (double v; fields >> v;)
            row.push_back(v);
        rows.push_back(row);
    }
    return rows;
}

TEST(DeckRunner, ListingPathCutsOnlyTheFileNamesExtension)
{
    quill_test::expectEachGives<std::string, std::string>(ListingPathFor, {
        {"/home/a.b/rc.cir", "/home/a.b/rc.out"},
        {"/home/a.b/rc", "/home/a.b/rc.out"},
        {"rc.filter.cir", "rc.filter.out"},
        {"/x/.hidden", "/x/.hidden.out"},
    });
}

TEST(DeckRunner, RefusedDeckRunsNothingAndSaysWhy)
{
    TempFolder folder;
    const std::string deck = folder.file("evil.cir");
    const std::string marker = folder.file("ran");
    writeText(deck, "*SPICE NET\nR1 a 0 1k\n.control\nshell touch " + marker + "\n.endc\n.OP\n.END\n");
    writeText(folder.file(".spiceinit"), "shell touch " + marker + "\n");
    const RunResult result = SimulateDeck(deck);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("line 3: card not allowed: .control"), std::string::npos) << result.message;
    EXPECT_FALSE(std::ifstream(marker).good());
    EXPECT_EQ(readText(folder.file("evil.out")).rfind("*** The deck was not simulated", 0), 0u);
}

// A deck beyond what the adapter reads is refused by its size, not taken for a missing file.
TEST(DeckRunner, OversizedDeckIsRefusedByItsSize)
{
    TempFolder folder;
    const std::string deck = folder.file("huge.cir");
    writeText(deck, "*SPICE NET\n.OP\n.END\n");
    ASSERT_EQ(::truncate(deck.c_str(), static_cast<off_t>(kMaxDeckBytes) + 1), 0);
    const RunResult result = SimulateDeck(deck);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("is larger than 4 MB and was not simulated"), std::string::npos) << result.message;
    EXPECT_EQ(readText(folder.file("huge.out")).rfind("*** The deck " + deck + " is larger", 0), 0u);
}

TEST(DeckRunner, APipeOrAFolderGivenAsTheDeckIsRefusedAtOnce)
{
    TempFolder folder;
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(folder.path() / "pipe.cir", folder.path() / "dir.cir")) {
        SCOPED_TRACE(f.kind);
        RunResult result;
        quill_test::withoutWaiting({f}, [&] { result = SimulateDeck(f.path.string()); });
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, quill_test::notAFileMessage(f));
    }
}

// The listing is an output like the editors' own: readable by others as the umask allows, and
// a listing that is replaced keeps the permissions its owner gave it.
TEST(DeckRunner, ListingGetsTheUsualPermissions)
{
    TempFolder folder;
    const std::string deck = folder.file("rc.cir");
    const std::string listing = folder.file("rc.out");
    writeText(deck, "*SPICE NET\nR1 a 0 1k\n.END\n");
    const auto modeOf = [&] {
        struct stat st {};
        return ::stat(listing.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0u;
    };
    const mode_t before = ::umask(022);
    SimulateDeck(deck);
    EXPECT_EQ(modeOf(), 0644u);
    std::remove(listing.c_str());
    ::umask(027);
    SimulateDeck(deck);
    EXPECT_EQ(modeOf(), 0640u);
    ::chmod(listing.c_str(), 0600);
    SimulateDeck(deck);
    EXPECT_EQ(modeOf(), 0600u);
    ::umask(before);
}

// A listing that cannot be written: the older listing stays, nothing is left beside it, and the
// run's message ends with the file's name and the reason.
TEST(DeckRunner, OnAFullDiskTheOlderListingStays)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("rc.cir", "*SPICE NET\nR1 a 0 1k\n.END\n");
        disk.write("rc.out", "older listing\n");
        disk.fill();
        const RunResult result = SimulateDeck(disk.file("rc.cir"));
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.message.ends_with("\nCannot write " + disk.file("rc.out") + ": No space left on device"))
            << result.message;
        EXPECT_EQ(disk.readText("rc.out"), "older listing\n");
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"rc.cir", "rc.out"}));
    });
}

TEST(DeckRunner, MissingSimulatorAndTimeLimitAreReported)
{
    TempFolder folder;
    const std::string deck = folder.file("rc.cir");
    writeText(deck, "*SPICE NET\nR1 a 0 1k\n.OP\n.END\n");
    RunOptions options;
    options.ngspice = "no-such-simulator-here";
    EXPECT_EQ(SimulateDeck(deck, options).message, "ngspice could not be started (no-such-simulator-here)");
    writeText(folder.file("slow"), "#!/bin/sh\nexec sleep 5\n");
    std::system(("chmod +x '" + folder.file("slow") + "'").c_str());
    options.ngspice = folder.file("slow");
    options.timeLimitSeconds = 1;
    EXPECT_EQ(SimulateDeck(deck, options).message, "ngspice did not finish within 1 seconds");
}

class NgspiceRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveNgspice())
            GTEST_SKIP() << "ngspice is not installed; the adapter was not run";
    }
    std::string simulate(const std::string& deckText)
    {
        const std::string deck = folder.file("deck.cir");
        writeText(deck, deckText);
        const RunResult result = SimulateDeck(deck);
        EXPECT_TRUE(result.ok) << result.message;
        return readText(folder.file("deck.out"));
    }
    TempFolder folder;
};

TEST_F(NgspiceRun, RcStepReaches63PercentAtOneTimeConstant)
{
    const std::string listing = simulate("*SPICE NET\nV1 in gnd PULSE 0 1 0 1n 1n 1 2\nR1 in out 1k\nC1 out gnd 1u\n"
                                         ".TRAN 12.50us 5.00ms\n.PRINT TRAN V(OUT)\n.END\n");
    const auto rows = tableRows(listing);
    ASSERT_EQ(rows.size(), 401u);
    EXPECT_NEAR(rows[80][0], 1e-3, 1e-12);
    EXPECT_NEAR(rows[80][1], 1 - std::exp(-1.0), 0.01 * 0.632);
}

TEST_F(NgspiceRun, AcSweepIsThreeDecibelsDownAndFortyFiveDegreesAtTheCorner)
{
    const std::string listing = simulate("*SPICE NET\nV1 in 0 dc 0 ac 1\nR1 in out 1k\nC1 out 0 1u\n"
                                         ".AC LIN 1 159.154943 159.154943\n.PRINT AC VDB(OUT) VP(OUT)\n.END\n");
    const auto rows = tableRows(listing);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NEAR(rows[0][1], -3.0103, 0.01);
    EXPECT_NEAR(rows[0][2], -45.0, 0.05);
}

TEST_F(NgspiceRun, ClippedSineHarmonicsMatchNgspicesOwnTable)
{
    const std::string circuit = "V1 in 0 SIN(0 2 1k)\nR1 in out 1k\nD1 out 0 dmod\nD2 0 out dmod\n.model dmod D\n"
                                ".TRAN 2.5us 2ms\n";
    const std::string listing = simulate("*SPICE NET\n" + circuit + ".FOUR 1K V(OUT,0)\n.PRINT TRAN V(OUT)\n.END\n");
    const size_t block = listing.find("Harmonic Frequency");
    ASSERT_NE(block, std::string::npos) << listing;

    // ngspice's own table for the same circuit.
    writeText(folder.file("own.cir"), "*own\n" + circuit + ".options nfreqs=11\n.FOUR 1K V(OUT)\n.END\n");
    const std::string command = "cd '" + folder.path().string() + "' && ngspice -b -n own.cir 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string printed;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        printed += buffer;
    ::pclose(pipe);
    std::vector<double> own(11, -1);
    std::istringstream table(printed.substr(printed.find("Harmonic Frequency")));
    std::string line;
    std::getline(table, line);
    std::getline(table, line);
    while (std::getline(table, line)) {
        int k = -1;
        double f = 0, magnitude = 0;
        if (std::sscanf(line.c_str(), "%d %lf %lf", &k, &f, &magnitude) != 3)
            break;
        if (k >= 0 && k <= 10)
            own[static_cast<size_t>(k)] = magnitude;
    }

    std::istringstream ours(listing.substr(block));
    std::getline(ours, line);
    std::getline(ours, line);
    for (size_t k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(std::getline(ours, line));
        std::istringstream fields(line.substr(22));
        std::string skipped;
        double phase = 0, magnitude = 0;
        fields >> skipped >> phase >> magnitude;
        if (own[k] > 1e-6) {   // the even harmonics are numerical noise
            EXPECT_NEAR(20 * std::log10(magnitude), 20 * std::log10(own[k]), 1.0);
        }
    }
}

// A refused deck: the message and the listing say which line ngspice refused and why, not
// only its closing statistics.
TEST_F(NgspiceRun, RefusedDeckGivesNgspicesReasonAndTheLineItRefused)
{
    struct Case {
        const char* name;
        const char* circuit;
        std::vector<std::string> said;
    };
    const std::vector<Case> cases = {
        {"unknown model", "V1 1 0 DC 5\nR1 1 2 1k\nD1 2 0 d\n.model D1N4148 D(IS=1n)\n.TRAN 1u 1m\n",
         {"could not find a valid modelname", "d1 2 0 d"}},
        {"unknown subcircuit", "V1 1 0 DC 5\nR1 1 0 1k\nXU1 1 0 opamp\n.OP\n", {"unknown subckt", "xu1 1 0 opamp"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string deck = folder.file("bad.cir");
        writeText(deck, std::string("*SPICE NET\n") + c.circuit + ".END\n");
        const RunResult result = SimulateDeck(deck);
        EXPECT_FALSE(result.ok);
        const std::string listing = readText(folder.file("bad.out"));
        for (const std::string& words : c.said) {
            EXPECT_NE(lowerText(result.message).find(words), std::string::npos) << result.message;
            EXPECT_NE(lowerText(listing).find(words), std::string::npos) << listing;
        }
        for (const char* statistics : {"DRAM", "pages", "elapsed time"})
            EXPECT_EQ(result.message.find(statistics), std::string::npos) << result.message;
        EXPECT_EQ(result.message.rfind("ngspice stopped with an error:\n", 0), 0u) << result.message;
    }
}

}  // namespace
}  // namespace spicerun
