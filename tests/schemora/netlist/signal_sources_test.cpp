#include "sim_test_support.h"

#include "resources/schemora/simulation_ids.h"
#include "schemora/netlist/signal_sources.h"

using namespace netlist_test;
using namespace scm;

namespace {

class SignalSources : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        ASSERT_TRUE(writeLibrary(folder.file("SOURCES.CON"), {twoPin("FUNGEN", "V?", nullptr), twoPin("PATGEN", "P?", nullptr)}));
        functionGenerator = load("SOURCES", "FUNGEN");
        patternGenerator = load("SOURCES", "PATGEN");
    }
    int functionGenerator = 0, patternGenerator = 0;
};

TEST_F(SignalSources, WaveformDialogsReadThePartAndWriteTheirSource)
{
    struct Case {
        const char* text;                          // the part's text before
        unsigned button;                           // the waveform button pressed
        std::vector<std::pair<unsigned, const char*>> shown;   // what the waveform dialog shows
        std::vector<std::pair<unsigned, const char*>> typed;   // what is typed into it
        const char* written;                       // the part's text after OK
        int kind;
    };
    const std::vector<Case> cases = {
        {"V1:SINE 0 5 1K 0 0", kIdcSineButton,
         {{kIdcSineOffset, "0"}, {kIdcSineAmplitude, "5"}, {kIdcSineFrequency, "1K"}, {kIdcSineDelay, "0"}, {kIdcSineDamping, "0"}},
         {{kIdcSineAmplitude, "2"}}, "V1:SINE 0 2 1K 0 0", 0},
        {"V1:SINE", kIdcSineButton, {{kIdcSineOffset, ""}},
         {}, "V1:SINE 0 0 0 0 0", 0},
        {"V1:PULSE 0 5 1U", kIdcPulseButton, {{kIdcPulseDelay, "1U"}, {kIdcPulseRise, ""}},
         {{kIdcPulsePeriod, "10M"}}, "V1:PULSE 0 5 1U 0 0 0 10M", 1},
        {"V1:PWL 0 0 1M 5 2M 5", kIdcPwlButton, {{kIdcPwlTimeFirst + 2, "2M"}, {kIdcPwlValueFirst + 2, "5"}},
         {{kIdcPwlValueFirst + 1, ""}}, "V1:PWL 0 0", 2},
        {"V1:SFFM 0 1 1MEG 5 1K", kIdcFmButton, {{kIdcFmCarrier, "1MEG"}, {kIdcFmSignal, "1K"}},
         {{kIdcFmIndex, ""}}, "V1:SFFM 0 1 1MEG 0 1K", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int index = part(functionGenerator, c.text, 1, 0, 0);
        host.answerDialog([&c](plat::Dialog& generator) {
            EXPECT_EQ(generator.GetDlgItemText(kIdcReferenceLabel), "V1");
            EXPECT_EQ(generator.GetDlgItemText(kIdcReferenceNumber), "1");
            generator.PressButton(c.button);
            return generator.PressButton(plat::kIdOk);
        });
        host.answerDialog([&c](plat::Dialog& waveform) {
            for (const auto& [id, text] : c.shown)
                EXPECT_EQ(waveform.GetDlgItemText(id), text) << id;
            for (const auto& [id, text] : c.typed)
                waveform.TypeDlgItemText(id, text);
            return waveform.PressButton(plat::kIdOk);
        });
        EXPECT_TRUE(OpenSignalSourceDialog(index));
        EXPECT_STREQ(store[index].text, c.written);
        EXPECT_EQ(store[index].w[5], c.kind << 3);
    }
}

TEST_F(SignalSources, ReferenceNumbersAndFlags)
{
    struct Case {
        const char* typed;
        int stored;
    };
    const Case cases[] = {{"512", 0}, {"-1", 0}, {"511", 511}, {"", 0}, {"7", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const int index = part(functionGenerator, "V:SINE 0 1 1K 0 0", 3, 0, 0);
        host.answerDialog([&c](plat::Dialog& d) {
            d.TypeDlgItemText(kIdcReferenceNumber, c.typed);
            d.PressButton(kIdcHide);
            return d.PressButton(plat::kIdOk);
        });
        OpenSignalSourceDialog(index);
        EXPECT_EQ(store[index].w[6], c.stored);
        EXPECT_EQ(store[index].w[5], 1 << 15);   // hidden, the sine it was
        EXPECT_STREQ(store[index].text, "V:SINE 0 1 1K 0 0");
    }
    EXPECT_FALSE(OpenSignalSourceDialog(part(resistor, "R:1k", 1, 0, 0)));
}

TEST_F(SignalSources, PatternGenerator)
{
    const int clock = part(patternGenerator, "P:CLK 0 10 100 = HLHL", 2, 0, 0);
    store[clock].w[4] |= 1 << 14;
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcRepeating), 1);
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcFix), 1);
        EXPECT_EQ(d.GetDlgItemText(kIdcPatternStart), "0");
        EXPECT_EQ(d.GetDlgItemText(kIdcPatternStep), "10");
        EXPECT_EQ(d.GetDlgItemText(kIdcPatternEnd), "100");
        EXPECT_EQ(d.GetDlgItemText(kIdcPattern), "HLHL");
        d.PressButton(kIdcRepeating);
        d.PressButton(kIdcFix);
        d.TypeDlgItemText(kIdcPattern, "");
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_TRUE(OpenSignalSourceDialog(clock));
    EXPECT_STREQ(store[clock].text, "P:INPUT 0 10 = L");
    EXPECT_EQ(store[clock].w[4] & (1 << 14), 0);
    EXPECT_EQ(store[clock].w[6], 2);

    const int input = part(patternGenerator, "P:INPUT 5 20 = HL", 4, 0, 0);
    store[input].w[5] = -1;
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcRepeating), 0);
        EXPECT_EQ(d.GetDlgItemText(kIdcPattern), "HL");
        d.PressButton(kIdcRepeating);
        d.TypeDlgItemText(kIdcReferenceNumber, "9");
        return d.PressButton(plat::kIdOk);
    });
    OpenSignalSourceDialog(input);
    EXPECT_STREQ(store[input].text, "P:CLK 5 20 0 = HL");
    EXPECT_EQ(store[input].w[5], -1);   // left alone, and so is the number
    EXPECT_EQ(store[input].w[6], 4);
}

}  // namespace
