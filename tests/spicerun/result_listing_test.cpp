#include "spicerun/result_listing.h"

#include "fixture_files.h"

#include <gtest/gtest.h>

#include <sstream>

namespace spicerun {
namespace {

std::string listingFor(const std::string& deck, const char* fixture)
{
    const ScreenedDeck screened = ScreenDeck("*SPICE NET\n" + deck + ".END\n");
    EXPECT_TRUE(screened.accepted) << screened.reason;
    ListingTable table;
    std::string reason;
    EXPECT_TRUE(BuildListingTable(screened, ParseAsciiRaw(ReadFixture(fixture)), table, reason)) << reason;
    return FormatListingTables(table);
}

TEST(ResultListing, TablesOfEachAnalysis)
{
    struct Case {
        const char* deck;
        const char* fixture;
        const char* listing;
    };
    const Case cases[] = {
        // Resampled onto the 1 ms print step: 2 ms lies halfway between the raw points 1 and 3 ms.
        {".TRAN 1m 4m\n.PRINT TRAN V(OUT) I(V1)\n", "transient.raw",
         ".TRAN 0.001 0.004 0\n"
         "TIME         V(OUT)       I(V1)\n"
         "-------------------------------\n"
         "\n"
         "0.00000e+00   0.00000e+00 -5.00000e-03\n"
         "1.00000e-03   1.00000e+00 -4.00000e-03\n"
         "2.00000e-03   2.00000e+00 -3.00000e-03\n"
         "3.00000e-03   3.00000e+00 -2.00000e-03\n"
         "4.00000e-03   4.00000e+00 -1.00000e-03\n"
         "\n"},
        // Decibels and degrees; the phase column is named as the phase reader looks for it.
        {".AC DEC 10 10 1K\n.PRINT AC VDB(OUT) VP(OUT)\n", "ac.raw",
         ".AC DEC 10 10 1000\n"
         "FREQ         VDB(OUT)     PH(V(OUT))\n"
         "------------------------------------\n"
         "\n"
         "1.00000e+01   0.00000e+00  0.00000e+00\n"
         "1.00000e+02  -3.01030e+00 -4.50000e+01\n"
         "1.00000e+03  -2.00000e+01 -9.00000e+01\n"
         "\n"},
        {".DC V1 0 10 5\n.PRINT DC V(OUT) V(IN,OUT)\n", "dc.raw",
         ".DC V1 0 10 5\n"
         "SWEEP        V(OUT)       V(IN,OUT)\n"
         "-----------------------------------\n"
         "\n"
         "0.00000e+00   0.00000e+00  0.00000e+00\n"
         "5.00000e+00   2.50000e+00  2.50000e+00\n"
         "1.00000e+01   5.00000e+00  5.00000e+00\n"
         "\n"},
        // The noise card is written in the form of the AC card, which the reader parses.
        {".NOISE V(OUT) V1 DEC 10 1 1K\n.PRINT NOISE all\n", "noise.raw",
         ".NOISE DEC 10 1 1000\n"
         "FREQ         ONOISE_SPECTRUM INOISE_SPECTRUM\n"
         "--------------------------------------------\n"
         "\n"
         "1.00000e+00   4.00000e-09  4.00000e-09\n"
         "1.00000e+03   2.00000e-09  8.00000e-09\n"
         "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deck);
        EXPECT_EQ(listingFor(c.deck, c.fixture), c.listing);
    }
}

TEST(ResultListing, WideOutputsSplitIntoTablesOfFiveColumnsAndShortLines)
{
    std::string print = ".PRINT TRAN";
    for (int i = 0; i < 7; ++i)
        print += " V(OUT)";
    const std::string listing = listingFor(".TRAN 1m 4m\n" + print + " V(NOPE)\n", "transient.raw");
    std::istringstream in(listing);
    int headers = 0, cards = 0;
    for (std::string line; std::getline(in, line);) {
        EXPECT_LE(line.size(), kMaxListingLine) << line;
        headers += line.rfind("TIME", 0) == 0;
        cards += line.rfind(".TRAN", 0) == 0;
    }
    EXPECT_EQ(headers, 2);
    EXPECT_EQ(cards, 2);
    EXPECT_EQ(listing.rfind("* no results for V(NOPE)\n", 0), 0u);
}

TEST(ResultListing, SpiceNumbersWithTheirScale)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"12.50us", 12.5e-6}, {"5.00ms", 5e-3}, {"1MEG", 1e6}, {"100.0khz", 1e5},
                          {"2p", 2e-12}, {"1e-3", 1e-3}, {"3", 3}, {"1mil", 25.4e-6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double v = 0;
        ASSERT_TRUE(ParseSpiceNumber(c.text, v));
        EXPECT_NEAR(v, c.value, std::abs(c.value) * 1e-12);
    }
    double v = 0;
    EXPECT_FALSE(ParseSpiceNumber("k1", v));
}

TEST(ResultListing, FourierTableIsRelaidForTheFourierReader)
{
    const char* printed =
        "Fourier analysis for v(out):\n"
        "  No. Harmonics: 11, THD: 29.0585 %, Gridsize: 200, Interpolation Degree: 1\n"
        "\n"
        "Harmonic Frequency   Magnitude   Phase       Norm. Mag   Norm. Phase\n"
        "-------- ---------   ---------   -----       ---------   -----------\n"
        " 0       0           -1.45e-15   0           0           0          \n"
        " 1       1000        0.814279    4.25913e-05 1           0          \n"
        " 2       2000        1.91148e-15 150.057     2.34745e-15 150.057    \n"
        " 3       3000        0.214952    -90.5       0.263978    0.000108341\n"
        "\n";
    const std::string block = RelayoutFourier(printed);
    std::istringstream in(block);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "Fourier analysis for V(OUT):");
    EXPECT_NE(lines[1].find("Harmonic Frequency"), std::string::npos);
    // From the 23rd character: a field the reader skips, the phase, the magnitude.
    EXPECT_EQ(lines[3].substr(0, 22), "       1 1000         ");
    std::istringstream fields(lines[5].substr(22));
    std::string skipped;
    double phase = 0, magnitude = 0;
    fields >> skipped >> phase >> magnitude;
    EXPECT_DOUBLE_EQ(phase, -90.5);
    EXPECT_DOUBLE_EQ(magnitude, 0.214952);
    EXPECT_EQ(lines[6], "       4");   // harmonics ngspice did not print stay empty
    EXPECT_EQ(lines[13], "");
    for (const std::string& line : lines)
        EXPECT_LE(line.size(), kMaxListingLine);
    EXPECT_EQ(RelayoutFourier("no table here\n"), "");
}

}  // namespace
}  // namespace spicerun
