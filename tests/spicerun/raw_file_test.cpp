#include "spicerun/raw_file.h"

#include "fixture_files.h"

#include <gtest/gtest.h>

namespace spicerun {
namespace {

TEST(RawFile, ReadsThePlotsOfEachAnalysis)
{
    struct Case {
        const char* file;
        size_t plots;
        const char* name;
        bool complex;
        size_t variables;
        size_t points;
    };
    const Case cases[] = {
        {"transient.raw", 1, "Transient Analysis", false, 3, 4},
        {"ac.raw", 1, "AC Analysis", true, 2, 3},
        {"dc.raw", 1, "DC transfer characteristic", false, 3, 3},
        {"noise.raw", 2, "Noise Spectral Density Curves", false, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const RawFile raw = ParseAsciiRaw(ReadFixture(c.file));
        EXPECT_EQ(raw.error, "");
        ASSERT_EQ(raw.plots.size(), c.plots);
        EXPECT_EQ(raw.plots[0].name, c.name);
        EXPECT_EQ(raw.plots[0].complex, c.complex);
        EXPECT_EQ(raw.plots[0].variables.size(), c.variables);
        EXPECT_EQ(raw.plots[0].pointCount(), c.points);
    }
    const RawFile ac = ParseAsciiRaw(ReadFixture("ac.raw"));
    EXPECT_EQ(ac.plots[0].find("V(OUT)"), 1);
    EXPECT_EQ(ac.plots[0].value(1, 1), std::complex<double>(0.5, -0.5));
    const RawFile noise = ParseAsciiRaw(ReadFixture("noise.raw"));
    EXPECT_EQ(noise.plots[1].value(0, 1).real(), 3.4e-7);
}

TEST(RawFile, DamagedFilesGiveAReasonAndKeepWhatWasRead)
{
    const std::string good = ReadFixture("transient.raw");
    struct Case {
        std::string text;
        const char* error;
        size_t points;
    };
    const Case cases[] = {
        {good.substr(0, good.find("2\t\t3.0")), "", 2},   // cut between points: a short run
        {good.substr(0, good.find("\t3.000000000000000e+00")), "the raw file ends inside a point", 2},
        {std::string(good).replace(good.find("No. Variables: 3"), 16, "No. Variables: 99999999"),
         "the raw file gives no usable variable count", 0},
        {std::string(good).replace(good.find("Values:"), 7, "Binary:"),
         "the raw file is binary; the simulator must write ASCII", 0},
        {std::string(good).replace(good.find("\t1.000000000000000e+00"), 21, "\tx"), "damaged value", 1},
        {std::string(good).replace(good.find("No. Points: 4"), 13, "No. Points: 9"), "", 4},
        {std::string(good).replace(good.find("No. Points: 4"), 13, "No. Points: -5"),
         "the raw file's point count is negative: -5", 0},
        {std::string(good).replace(good.find("No. Points: 4"), 13, "No. Points: 99999999999999999999"),
         "the raw file's point count 99999999999999999999 is more than the results may hold", 0},
        {std::string(good).replace(good.find("No. Points: 4"), 13, "No. Points: many"),
         "the raw file's point count is not a number: many", 0},
        {std::string(good).replace(good.find("No. Points: 4"), 13, "Nothing here:"),
         "the raw file gives no point count before its values", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const RawFile raw = ParseAsciiRaw(c.text);
        EXPECT_EQ(raw.error.substr(0, std::string(c.error).size()), c.error);
        const size_t points = raw.plots.empty() ? 0 : raw.plots[0].pointCount();
        EXPECT_EQ(points, c.points);
    }
}

// Memory for the values stays a small multiple of the file's text: with the shortest value
// lines, with a count that promises far more points than the file holds, and in complex plots.
TEST(RawFile, LargeFilesCostLittleMoreMemoryThanTheirText)
{
    struct Case {
        const char* name;
        bool complex;
        long declared;
    };
    const Case cases[] = {{"honest real", false, 200000}, {"overstated real", false, 16000000},
                          {"honest complex", true, 200000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = std::string("Title: t\nPlotname: Sweep\nFlags: ") + (c.complex ? "complex" : "real") +
                           "\nNo. Variables: 4\nNo. Points: " + std::to_string(c.declared) +
                           "\nVariables:\n\t0\ts\tx\n\t1\ta\tv\n\t2\tb\tv\n\t3\tc\tv\nValues:\n";
        const char* value = c.complex ? "1,2\n" : "1\n";
        for (int p = 0; p < 200000; ++p) {
            text += "0 ";
            for (int v = 0; v < 4; ++v)
                text += value;
        }
        const RawFile raw = ParseAsciiRaw(text);
        EXPECT_EQ(raw.error, "");
        ASSERT_EQ(raw.plots.size(), 1u);
        const RawPlot& plot = raw.plots[0];
        EXPECT_EQ(plot.pointCount(), 200000u);
        EXPECT_EQ(plot.value(199999, 3), c.complex ? std::complex<double>(1, 2) : std::complex<double>(1, 0));
        const size_t held = (plot.real.capacity() + plot.imag.capacity()) * sizeof(double);
        EXPECT_LE(held, 4 * text.size()) << held << " bytes for " << text.size() << " bytes of text";
    }
}

}  // namespace
}  // namespace spicerun
