#include "sim_test_support.h"

#include "support/special_files.h"

#include <cmath>
#include <filesystem>

using namespace netlist_test;

namespace {

// A transient listing as the adapter writes it: card, header, two fillers, rows, blank.
std::string transientListing(int rows, double step, const char* column = "V(OUT)")
{
    std::string text = ".TRAN " + std::to_string(step) + " 1 0\nTIME         " + column + "\n------\n\n";
    for (int i = 0; i < rows; ++i) {
        char line[80];
        std::snprintf(line, sizeof line, "%-12.5e %12.5e\n", i * step, i * 0.01);
        text += line;
    }
    return text + "\n";
}

// One line of a digital listing: the time in the first 12 characters, CLK (probe 1) at column
// 16 and Q (probe 2) at column 18.
std::string listingLine(const char* mark, int time, char clk, char q)
{
    char head[16];
    std::snprintf(head, sizeof head, "%s%11d", mark, time);
    std::string line = std::string(head) + std::string(8, ' ');
    line[16] = clk;
    line[18] = q;
    return line + "\n";
}

// A Fourier row: harmonic and frequency in the first 22 characters, then the fields.
std::string fourierRow(int k, const char* fields)
{
    char head[32];
    std::snprintf(head, sizeof head, "%8d %-13s", k, "1000");
    return std::string(head) + fields + "\n";
}

class TraceReaders : public SimFixture {
protected:
    void analogProbe(const char* name) { label(0, 0, name); }
};

TEST_F(TraceReaders, BasePathCutsOnlyTheFileNamesExtension)
{
    EXPECT_EQ(SimulationBasePath(), basePath());
    EXPECT_EQ(CutFileExtension("/a.b/c"), "/a.b/c");
    EXPECT_EQ(CutFileExtension("/a.b/c.d.pic"), "/a.b/c.d");
}

TEST_F(TraceReaders, TransientChannelIsResampledOntoThePrintStep)
{
    g_simTraces.instrumentMode = kInstrumentAnalog;
    analogProbe("OUT*");
    writeResult(".out", transientListing(50, 1e-3));
    LoadTraces(1);
    EXPECT_EQ(g_simTraces.names[0], "(OUT)");
    EXPECT_EQ(g_simTraces.names[1], "trace2");
    EXPECT_FLOAT_EQ(g_simTraces.printStep, 1e-3f);
    EXPECT_EQ(g_simTraces.sampleCount, 50);
    EXPECT_EQ(g_simTraces.samples[0][10], -100);   // 0.1 V, negated millivolts
    EXPECT_FLOAT_EQ(g_simTraces.x[10], 0.01f);
    EXPECT_EQ(g_simTraces.stepIndex[0], 1);        // a 490 mV peak fits ".2" (20 x 40)
    EXPECT_EQ(g_traceLabel.text, "t=10.0ms/div");
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(TraceReaders, PrintStepSuffixes)
{
    struct Case {
        const char* field;
        float step;
    };
    const Case cases[] = {{"10NS", 1e-8f}, {"1MS", 1e-3f}, {"5", 5.0f}, {"12.50US", 12.5e-6f}};
    g_simTraces.instrumentMode = kInstrumentAnalog;
    analogProbe("OUT*");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        writeResult(".out", std::string(".TRAN ") + c.field + " 1\nTIME V(OUT)\n-\n\n0 1\n\n");
        LoadTraces(1);
        EXPECT_FLOAT_EQ(g_simTraces.printStep, c.step);
    }
}

TEST_F(TraceReaders, ShortTablesNeitherReadBeforeTheArrayNorLabelBelowTwoRows)
{
    g_simTraces.instrumentMode = kInstrumentAnalog;
    analogProbe("OUT*");
    for (int rows : {0, 1, 2, 5, 19}) {
        SCOPED_TRACE(rows);
        g_traceLabel.text = "unchanged";
        writeResult(".out", transientListing(rows, 1e-6));
        LoadTraces(1);
        EXPECT_EQ(g_simTraces.sampleCount, rows);
        if (rows < 2) {
            EXPECT_NE(g_traceLabel.text.find("v/div"), std::string::npos) << g_traceLabel.text;
        } else {
            EXPECT_EQ(g_traceLabel.text, "t=10.0us/div");
        }
    }
}

TEST_F(TraceReaders, SignalInTheFirstFieldAndThePhaseColumn)
{
    g_simTraces.instrumentMode = kInstrumentAnalog;
    analogProbe("OUT*");
    writeResult(".out", ".TRAN 1 2\nV(OUT)-TIME V(IN)\n-\n\n7.000 1.000\n8.000 2.000\n\n");
    LoadTraces(1);
    EXPECT_EQ(g_simTraces.samples[0][0], -7000);   // the first field itself

    g_phaseDisplay.on = 1;
    writeResult(".out", ".AC DEC 10 1 1K\nFREQ VDB(OUT) PH(V(OUT))\n-\n\n1 -3 -45\n10 -6 -60\n\n");
    LoadTraces(1);
    EXPECT_EQ(g_simTraces.samples[0][0], 45000);
    EXPECT_EQ(g_simTraces.analysisKind, kKindAc);
    EXPECT_EQ(g_simTraces.sweepKind, kSweepDecadeKind);
    EXPECT_EQ(g_simTraces.points, 10);
    EXPECT_FLOAT_EQ(g_simTraces.stopFrequency, 1000.0f);
    EXPECT_EQ(g_simTraces.phase[0], 1);
    EXPECT_STREQ(g_simTraces.unitLabel, "d/div");
}

TEST_F(TraceReaders, MissingFilesAndSignalsAreReportedOnlyWhenAsked)
{
    g_simTraces.instrumentMode = kInstrumentAnalog;
    analogProbe("OUT*");
    LoadTraces(2);
    EXPECT_TRUE(host.messageBoxes().empty());
    LoadTraces(1);
    EXPECT_TRUE(host.shown("message box: " + basePath() + ".out file not found"));
    host.clearEvents();
    std::string many;
    for (int i = 0; i < 12; ++i)
        many += ".TRAN 1 2\nTIME V(IN)\n-\n\n0 1\n\n";
    writeResult(".out", many);
    g_simTraces.samples[0][0] = 42;
    LoadTraces(2);
    EXPECT_TRUE(host.shown("message box: Can't find signal (OUT) in buffer"));
    EXPECT_EQ(g_simTraces.samples[0][0], 42);   // the channel keeps its data
}

// Results named after a pipe or a folder are refused at once, the listing, the Fourier table
// and the digital files alike.
TEST_F(TraceReaders, APipeOrAFolderInPlaceOfAResultIsRefusedAtOnce)
{
    g_simTraces.instrumentMode = kInstrumentAnalog;
    analogProbe("OUT*");
    const std::filesystem::path out = basePath() + ".out", ckt = basePath() + ".ckt";
    std::filesystem::create_directories(out.parent_path());
    for (const bool pipe : {true, false}) {
        const auto nonFiles = pipe ? quill_test::placeNonFiles(out, ckt) : quill_test::placeNonFiles(ckt, out);
        const quill_test::NonFile& atOut = nonFiles[pipe ? 0 : 1];
        SCOPED_TRACE(atOut.kind);
        host.clearEvents();
        quill_test::withoutWaiting(nonFiles, [&] {
            LoadTraces(1);
            EXPECT_EQ(ReadFourierResults(), 0);
        });
        EXPECT_GE(host.count("message box: " + quill_test::notAFileMessage(atOut)), 2);
        host.clearEvents();
        g_simTraces.instrumentMode = kInstrumentDigital;
        quill_test::withoutWaiting(nonFiles, [&] { LoadTraces(1); });
        EXPECT_GE(host.count("message box: " + quill_test::notAFileMessage(nonFiles[pipe ? 1 : 0])), 1);
        g_simTraces.instrumentMode = kInstrumentAnalog;
    }
}

TEST_F(TraceReaders, FlatNoiseStaysOnTheZeroLineAndTheNoisePairFitsPastEightProbes)
{
    g_simTraces.instrumentMode = kInstrumentAnalog;
    label(0, 0, "#.NOISE V(OUT) V1 DEC 10 1 1K");
    const char* probes[] = {"A*", "B*", "C*", "D*", "E*", "F*", "G*", "H*"};
    for (const char* p : probes)
        label(0, 0, p);
    g_phaseDisplay.on = 0;
    writeResult(".out", ".NOISE DEC 10 1 1000\nFREQ ONOISE_SPECTRUM INOISE_SPECTRUM\n-\n\n1 4e-9 4e-9\n1000 4e-9 4e-9\n\n");
    LoadTraces(2);
    EXPECT_EQ(g_simTraces.specialAnalysis, 5);
    EXPECT_EQ(g_simTraces.names[8], "ino");
    EXPECT_EQ(g_simTraces.names[9], "ono");
    EXPECT_EQ(g_simTraces.samples[8][0], 0);
    EXPECT_EQ(g_simTraces.samples[9][1], 0);

    writeResult(".out", ".NOISE DEC 10 1 1000\nFREQ ONOISE_SPECTRUM INOISE_SPECTRUM\n-\n\n1 2e-9 4e-9\n1000 1e-9 8e-9\n\n");
    LoadTraces(2);
    EXPECT_EQ(g_simTraces.samples[8][1], -8000 * 8 / 4);   // scaled into the range of the largest
}

TEST_F(TraceReaders, AxisLabels)
{
    struct Case {
        double value;
        int kind;
        const char* text;
    };
    const Case cases[] = {
        {5e-7, 0, "t=500.0ns  "}, {1e-6, 0, "t=1.0us    "}, {0.001, 0, "t=1.0ms    "}, {2, 0, "t=2.0s     "},
        {999, 1, "f=999.0hz  "},  {1000, 1, "f=1.0khz   "}, {2e6, 1, "f=2.0mhz   "}, {3e9, 1, "f=3.0ghz   "},
        {0.5, 2, "v=500.0mv  "},  {12, 2, "v=12.0v    "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FormatAxisLabel(c.value, c.kind);
        EXPECT_EQ(g_traceLabel.text, c.text);
    }
    FormatAxisLabel(1, 7);
    EXPECT_EQ(g_traceLabel.text, "v=12.0v    ");
}

TEST_F(TraceReaders, DigitalListingLevelsAndSpan)
{
    g_simTraces.instrumentMode = kInstrumentDigital;
    label(0, 0, "Q*");
    label(0, 0, "CLK*");
    writeResult(".ckt", "* circuit\n.PROBE CLK .X Q\n");
    // Levels at column 14 + 2 x probe: CLK (probe 1) at 16, Q (probe 2) at 18.
    writeResult(".lst", "SCALE 1e-9\n    TIME\n" + listingLine(" ", 0, '1', '0') + listingLine(" ", 10, '0', '1') +
                            "        20\n" + listingLine("S", 30, 'X', 'X') + listingLine(" ", 40, '1', '1'));
    LoadTraces(1);
    EXPECT_EQ(g_simTraces.names[0], "Q");
    EXPECT_EQ(g_simTraces.names[2], "trace3");
    EXPECT_EQ(g_simTraces.samples[0][0], '0');
    EXPECT_EQ(g_simTraces.samples[0][1], '1');
    EXPECT_EQ(g_simTraces.samples[0][2], '0');   // a short line reads low
    EXPECT_EQ(g_simTraces.samples[0][3], 'X');
    EXPECT_EQ(g_simTraces.samples[1][0], '1');
    EXPECT_EQ(g_simTraces.digitalCount, 4);      // the "S" line ends the listing
    EXPECT_EQ(g_simTraces.digitalSpan, 10);
    EXPECT_FLOAT_EQ(g_simTraces.digitalScale, 1e-9f);

    writeResult(".lst", "TIME\n  0   \n  0   \n");
    LoadTraces(2);
    EXPECT_EQ(g_simTraces.digitalSpan, 1234);
    writeResult(".lst", "nothing\n");
    LoadTraces(2);
    EXPECT_TRUE(host.shown("message box: Error in .LST file:\nTIME or SCALE statement not found"));
    writeResult(".ckt", ".PROBE CLK\n");
    host.clearEvents();
    LoadTraces(2);
    EXPECT_TRUE(host.shown("message box: Can't find signal Q in buffer"));
}

TEST_F(TraceReaders, DeviceFileBindsPartsAndChannels)
{
    g_simTraces.instrumentMode = kInstrumentDigital;
    g_simTraces.names[0] = "A";
    g_simTraces.names[1] = "B";
    part(resistor, "LED:X", 3, 0, 0);
    part(resistor, "DEV:Y", 7, 0, 0);
    writeResult(".dev", "LED3 A B\nDEV7 B X C D E F\nLED9 A");
    ReadDeviceFile(1);
    ASSERT_EQ(g_simTraces.deviceCount, 2);   // the last line has no line end
    const DeviceRecord& led = g_simTraces.devices[0];
    EXPECT_EQ(led.objectIndex, 1);
    EXPECT_EQ(led.channels[0], 0);
    EXPECT_EQ(led.channels[1], 1);
    const DeviceRecord& dev = g_simTraces.devices[1];
    EXPECT_EQ(dev.objectIndex, 2);
    EXPECT_EQ(dev.signalCount, 6);
    EXPECT_EQ(dev.signals[3], "D");
    EXPECT_EQ(dev.channels[1], kTraceChannels);
}

TEST_F(TraceReaders, FourierTableWithShortAndMissingFields)
{
    g_simTraces.fourierPhase.fill(-1);
    g_simTraces.fourierMagnitude.fill(-1);
    EXPECT_EQ(ReadFourierResults(), 0);
    EXPECT_TRUE(host.shown("message box: " + basePath() + ".out file not found"));
    writeResult(".out", "no table\n");
    EXPECT_EQ(ReadFourierResults(), 1);
    EXPECT_EQ(g_simTraces.fourierPhase[0], -1);
    writeResult(".out", "Harmonic Frequency\n----\n" + fourierRow(1, " 1 -90.0000 0.63") + "       2\n" +
                            fourierRow(3, " 0.3 10"));
    EXPECT_EQ(ReadFourierResults(), 1);
    EXPECT_DOUBLE_EQ(g_simTraces.fourierPhase[0], -90);
    EXPECT_DOUBLE_EQ(g_simTraces.fourierMagnitude[0], 0.63);
    EXPECT_EQ(g_simTraces.fourierPhase[1], -1);        // a short line leaves the entry
    EXPECT_DOUBLE_EQ(g_simTraces.fourierPhase[2], 10);
    EXPECT_EQ(g_simTraces.fourierMagnitude[2], -1);   // a missing field leaves the entry
}

}  // namespace
