// The starter signal sources in the running program: a right click on a generator opens its
// setup, and the waveform set there is in the drawing file, the reopened dialogs and the deck.
#include "schemora/core/starter_parts_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/string_records.h"
#include "schemora/core/file_records.h"
#include "schemora/core/workspace_services.h"

#include <filesystem>
#include <fstream>

namespace schemora_test {
namespace {

using namespace scm;
namespace fs = std::filesystem;

class SignalSourceView : public StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
    }
    void place(const char* part, int x, int y)
    {
        answerPartChooser("DEVICE", part);
        ASSERT_TRUE(key(plat::kVkF5));
        click(x, y);
    }
    void rightClick(int x, int y)
    {
        view()->SendMessage(plat::kWmRButtonDown, plat::kMkRButton, plat::makePointParam(pixelOf(x, y)));
    }
    // The text of the placed part at index after the reference prefix.
    std::string sourceOf(int index) const
    {
        const std::string text = object(index).text ? object(index).text : "";
        return text.substr(text.find(':') + 1);
    }
    // Analog Simulation > Yes: the deck the netlister writes beside the drawing, without its
    // heading line (it names the time of the run).
    std::string deck(const std::string& path)
    {
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        host.answerProgramRun([](std::string_view) { return 0; });
        EXPECT_TRUE(command(kCmdAnalogSimulation));
        std::string text = readText(fs::path(path).replace_extension(".cir"));
        return text.substr(std::min(text.size(), text.find('\n') + 1));
    }
    void saveAs(const std::string& path)
    {
        ASSERT_TRUE(doc()->OnSaveDocument(path));
        doc()->SetPathName(path, false);
    }
    void reopen(const std::string& path)
    {
        ASSERT_TRUE(harness->command(plat::kIdFileClose));
        ASSERT_NE(harness->app().OpenDocumentFile(path), nullptr);
        harness->idle();
    }
    // The waveform dialog the generator's Sine button opens, answered by script.
    void sineThrough(std::function<void(plat::Dialog&)> sine, unsigned end)
    {
        host.answerDialog([sine, end, this](plat::Dialog& generator) {
            host.answerDialog([sine, end](plat::Dialog& d) {
                sine(d);
                return d.PressButton(end);
            });
            generator.PressButton(kIdcSineButton);
            return generator.PressButton(end);
        });
    }
};

TEST_F(SignalSourceView, AFunctionGeneratorsWaveformSurvivesSavingAndReopening)
{
    place("FUNGEN", 0, 0);
    ASSERT_TRUE(key(plat::kVkF9));
    ASSERT_EQ(g_editState.selectionCount, 0);
    // No left click first: the right button opens the setup of the generator under it.
    sineThrough([](plat::Dialog& d) {
        d.TypeDlgItemText(kIdcSineOffset, "0");
        d.TypeDlgItemText(kIdcSineAmplitude, "5");
        d.TypeDlgItemText(kIdcSineFrequency, "1K");
    }, plat::kIdOk);
    rightClick(0, 0);
    EXPECT_TRUE(host.shown("dialog " + std::to_string(kIddFuncGen)));
    ASSERT_EQ(sourceOf(1), "SINE 0 5 1K 0 0");

    const std::string path = folder.file("source.pic");
    saveAs(path);
    const std::string before = deck(path);
    EXPECT_NE(before.find(" sine 0 5 1k 0 0\n"), std::string::npos) << before;

    reopen(path);
    ASSERT_TRUE(object(1).isPart());
    EXPECT_EQ(sourceOf(1), "SINE 0 5 1K 0 0");
    EXPECT_EQ(deck(path), before);
    std::vector<std::string> shown;
    sineThrough([&shown](plat::Dialog& d) {
        for (unsigned id : {kIdcSineOffset, kIdcSineAmplitude, kIdcSineFrequency})
            shown.push_back(d.GetDlgItemText(id));
    }, plat::kIdCancel);
    rightClick(0, 0);
    EXPECT_EQ(shown, (std::vector<std::string>{"0", "5", "1K"}));
}

TEST_F(SignalSourceView, APatternGeneratorsPatternSurvivesSavingAndReopening)
{
    place("PATGEN", 0, 0);
    ASSERT_TRUE(key(plat::kVkF9));
    host.answerDialog([](plat::Dialog& d) {
        d.TypeDlgItemText(kIdcPattern, "HLHL");
        d.PressButton(kIdcRepeating);
        d.TypeDlgItemText(kIdcPatternStart, "0");
        d.TypeDlgItemText(kIdcPatternStep, "10");
        d.TypeDlgItemText(kIdcPatternEnd, "100");
        return d.PressButton(plat::kIdOk);
    });
    rightClick(0, 0);
    ASSERT_EQ(sourceOf(1), "CLK 0 10 100 = HLHL");

    const std::string path = folder.file("pattern.pic");
    saveAs(path);
    reopen(path);
    EXPECT_EQ(sourceOf(1), "CLK 0 10 100 = HLHL");
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcRepeating), 1);
        EXPECT_EQ(d.GetDlgItemText(kIdcPatternStep), "10");
        EXPECT_EQ(d.GetDlgItemText(kIdcPatternEnd), "100");
        EXPECT_EQ(d.GetDlgItemText(kIdcPattern), "HLHL");
        return d.PressButton(plat::kIdCancel);
    });
    rightClick(0, 0);
    EXPECT_TRUE(host.shown("dialog " + std::to_string(kIddPatternGen)));
}

// Drawings written before the waveform was kept name only the symbol: they open as they did.
TEST_F(SignalSourceView, AnOlderDrawingWithOnlyTheSymbolsNameOpensAsBefore)
{
    place("FUNGEN", 0, 0);
    const std::string path = folder.file("older.pic");
    saveAs(path);
    // What the file holds of an untouched generator: the prefix and the symbol, nothing more.
    const std::string bytes = readText(path);
    EXPECT_NE(bytes.find("V:DEVICE\\FUNGEN "), std::string::npos);
    EXPECT_EQ(bytes.find("FUNGEN|"), std::string::npos);
    reopen(path);
    ASSERT_TRUE(object(1).isPart());
    EXPECT_STREQ(object(1).text, "V:DEVICE\\FUNGEN");
}

}  // namespace
}  // namespace schemora_test
