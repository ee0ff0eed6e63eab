// The digital step replay as a person runs it from the Display menu: Step, Cycle, then the
// logic analyzer, with windows and the drawing closed while the step timer still runs.
#include "platform/app/command_ids.h"
#include "platform/app/dialog.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/simulation_ids.h"
#include "common/string_helpers.h"
#include "schemora/core/app_test_support.h"
#include "schemora/core/object_append.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/netlist/fourier_display.h"
#include "schemora/netlist/instrument_windows.h"
#include "schemora/netlist/sim_traces.h"
#include "schemora/netlist/step_control.h"
#include "support/special_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using schemora_test::SchemoraAppTest;

// A listing of probes A and B, their levels at columns 16 and 18 after a 12-character time.
std::string digitalListing(int lines)
{
    std::string listing = "SCALE 1e-9\nTIME\n";
    for (int i = 0; i < lines; ++i) {
        std::string line(20, ' ');
        const std::string time = std::to_string(10 * i);
        line.replace(12 - time.size(), time.size(), time);
        line[16] = (i & 1) ? '1' : '0';
        line[18] = (i & 2) ? '1' : '0';
        listing += line + "\n";
    }
    return listing;
}

class StepReplay : public SchemoraAppTest {
protected:
    void SetUp() override
    {
        SchemoraAppTest::SetUp();
        writeIni("DoTips=0\n");
        folder.write("logic.pic", folder.read("Title.PIC"));
        folder.write("logic.ckt", ".PROBE A B\n");
        folder.write("logic.lst", digitalListing(40));
        folder.write("logic.dev", "DEV1 A B\nDEV2 B\n");
        g_stepControl = StepControlState{};
        g_simTraces = SimTraceStore{};
    }
    void TearDown() override
    {
        CloseInstrumentWindows();
        g_stepControl = StepControlState{};
        SchemoraAppTest::TearDown();
    }

    // The drawing's probes "A*" and "B*" and its two lamps, numbered as the device file names
    // them.
    static void addProbesAndLamps()
    {
        for (const char* probe : {"A*", "B*"}) {
            const int index = AppendObjects(1);
            DrawObject& o = g_current.objects[static_cast<size_t>(index)];
            o.w[4] = kObjText;
            o.w[0] = 100 * index;
            o.w[23] = 1;
            o.text = StrDupChecked(probe);
        }
        for (int n = 1; n <= 2; ++n) {
            const int index = AppendObjects(1);
            DrawObject& o = g_current.objects[static_cast<size_t>(index)];
            o.w[4] = kObjPart + 1;
            o.w[0] = 200 * n;
            o.w[1] = 300;
            o.w[6] = n;
            o.w[23] = 1;
            o.text = StrDupChecked("DEV:L" + std::to_string(n));
        }
        g_current.activeDocument->SetModifiedFlag(false);
    }
    void closeBox(plat::Wnd& window, plat::AppHarness& harness)
    {
        if (window.IsWindow())
            window.SendMessage(plat::kWmClose);
        harness.idle();
    }
};

// Every way of ending the run is taken in turn, at a different tick, so a window or a drawing
// that goes while a tick is due is met many times over.
TEST_F(StepReplay, WindowsAndTheDrawingCloseWhileTheStepTimerRuns)
{
    auto harness = start({folder.file("logic.pic")});
    ASSERT_TRUE(harness.start());
    addProbesAndLamps();
    plat::FrameWnd& frame = *plat::GetMainWnd();
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        if (harness.app().openDocumentCount() == 0) {
            ASSERT_NE(harness.app().OpenDocumentFile(folder.file("logic.pic")), nullptr);
            addProbesAndLamps();
            harness.idle();
        }
        ASSERT_TRUE(harness.command(scm::kCmdStep));
        ASSERT_TRUE(theStepControlDlg.IsWindow());
        EXPECT_EQ(g_simTraces.digitalCount, 40);
        theStepControlDlg.SetDlgItemText(scm::kIdcDigStop, round % 3 == 0 ? "1000" : "30");
        theStepControlDlg.PressButton(scm::kIdcCycleButton);
        ASSERT_EQ(host.timerPeriod(&frame, kTimerStepRun), kStepPeriodMs);
        host.advance(kStepPeriodMs * static_cast<unsigned>(1 + round % 4));
        harness.idle();
        closeBox(theStepControlDlg, harness);
        EXPECT_FALSE(theStepControlDlg.IsWindow());

        // The run goes on behind the analyzer, which reads the same listing.
        ASSERT_TRUE(harness.command(scm::kCmdAnalyzer));
        ASSERT_TRUE(theLogicAnalyzerDlg.IsWindow());
        harness.idle();
        host.advance(kStepPeriodMs * static_cast<unsigned>(1 + round % 5));
        harness.idle();
        switch (round % 4) {
        case 0:   // the analyzer's close box, then the drawing's
            closeBox(theLogicAnalyzerDlg, harness);
            host.advance(kStepPeriodMs);
            ASSERT_TRUE(harness.command(plat::kIdFileClose));
            break;
        case 1:   // the drawing first, with the analyzer still open
            ASSERT_TRUE(harness.command(plat::kIdFileClose));
            host.advance(kStepPeriodMs);
            harness.idle();
            closeBox(theLogicAnalyzerDlg, harness);
            break;
        case 2:   // the analyzer only; the step window comes back over the running timer
            closeBox(theLogicAnalyzerDlg, harness);
            ASSERT_TRUE(harness.command(scm::kCmdStep));
            host.advance(kStepPeriodMs);
            harness.idle();
            closeBox(theStepControlDlg, harness);
            break;
        default:   // Step is refused over the analyzer; the drawing goes under the running timer
            ASSERT_TRUE(harness.command(scm::kCmdStep));
            EXPECT_FALSE(theStepControlDlg.IsWindow());
            closeBox(theLogicAnalyzerDlg, harness);
            ASSERT_TRUE(harness.command(plat::kIdFileClose));
            host.advance(kStepPeriodMs);
            harness.command(scm::kCmdStep);
            EXPECT_FALSE(theStepControlDlg.IsWindow());
            break;
        }
        host.advance(kStepPeriodMs * 3);
        harness.idle();
        EXPECT_EQ(harness.app().openDocumentCount(), round % 4 == 2 ? 1 : 0);
        EXPECT_EQ(g_simTraces.instrumentMode, kInstrumentClosed);
    }
    EXPECT_FALSE(host.shown("message box 'Busy' shown"));
    harness.close();
}

// Escape closes an instrument window as its close box does, so the Display menu opens the
// same or another one afterwards.
// The analysis results shown from the menu: a pipe or a folder in their place is refused at
// once by its kind, and no viewer opens on it.
TEST_F(StepReplay, ViewingResultsThatAreAPipeOrAFolderIsRefusedAtOnce)
{
    auto harness = start({folder.file("logic.pic")});
    ASSERT_TRUE(harness.start());
    const std::filesystem::path out = folder.path() / "logic.out", aside = folder.path() / "aside";
    for (const bool pipe : {true, false}) {
        const auto nonFiles = pipe ? quill_test::placeNonFiles(out, aside) : quill_test::placeNonFiles(aside, out);
        const quill_test::NonFile& atOut = nonFiles[pipe ? 0 : 1];
        SCOPED_TRACE(atOut.kind);
        host.clearEvents();
        host.answerMessageBox(plat::kIdYes);   // "View Spice analysis results?"
        quill_test::withoutWaiting(nonFiles, [&] { ASSERT_TRUE(harness.command(scm::kCmdOutputFile)); });
        EXPECT_EQ(host.messageBoxes(),
                  (std::vector<std::string>{"View Spice analysis results?", quill_test::notAFileMessage(atOut)}));
        EXPECT_FALSE(host.shown("text viewer: " + out.string()));
    }
    std::filesystem::remove_all(out);
    folder.write("logic.out", "results\n");
    host.clearEvents();
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness.command(scm::kCmdOutputFile));
    EXPECT_TRUE(host.shown("text viewer: " + out.string()));
}

TEST_F(StepReplay, EscapeClosesTheInstrumentWindows)
{
    auto harness = start({folder.file("logic.pic")});
    ASSERT_TRUE(harness.start());
    addProbesAndLamps();
    struct Window {
        const char* name;
        unsigned command;
        plat::Dialog& dialog;
    };
    for (const Window& w : {Window{"step", scm::kCmdStep, theStepControlDlg},
                            Window{"analyzer", scm::kCmdAnalyzer, theLogicAnalyzerDlg},
                            Window{"scope", scm::kCmdScope, theScopeDlg},
                            Window{"spectrum", scm::kCmdSpectrum, theFourierDlg}}) {
        SCOPED_TRACE(w.name);
        for (int time = 0; time < 2; ++time) {
            ASSERT_TRUE(harness.command(w.command));
            ASSERT_TRUE(w.dialog.IsWindow());
            harness.idle();
            w.dialog.PressEscape();
            harness.idle();
            EXPECT_FALSE(w.dialog.IsWindow());
            EXPECT_EQ(g_simTraces.instrumentMode, kInstrumentClosed);
        }
    }
    harness.close();
}

}  // namespace
