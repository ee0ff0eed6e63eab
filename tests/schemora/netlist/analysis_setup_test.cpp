#include "sim_test_support.h"

#include "platform/app/property_sheet.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/netlist/analysis_setup.h"
#include "schemora/netlist/simulation_prompts.h"
#include "schemora/netlist/spice_directives.h"

#include <cstring>

using namespace netlist_test;
using namespace scm;

namespace {

class AnalysisSetup : public SimFixture {
protected:
    // A directive as the sheet writes it: a text on drawing layer 1.
    int directive(const char* text)
    {
        Words w = words(kObjText, 0, 0);
        w[4] = 1028;
        return add(MakeDrawObject(w, text));
    }
    // A source feeding two resistors to ground, its output probed, a transient run.
    void divider()
    {
        NetlistFixture::divider("V:DC 10", resistor, "R:1k");
        directive("#.TRAN 1u 1m");
    }
    // Texts of the live text objects, in store order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (int i = 1; i <= g_current.count; ++i)
            if (store[i].type() == kObjText && store[i].text)
                out.emplace_back(store[i].text);
        return out;
    }
    // Runs the sheet with a script that gets the sheet.
    int runSheet(std::function<int(plat::PropertySheet&)> script)
    {
        host.answerDialog([script](plat::Dialog& d) { return script(static_cast<plat::PropertySheet&>(d)); });
        CSpiceProp sheet;
        return sheet.DoModal();
    }
};

TEST_F(AnalysisSetup, WithoutDirectivesTheFrequencyPageOpensDisabledAndOkWritesNothing)
{
    label(0, 0, "IN");
    runSheet([](plat::PropertySheet& sheet) {
        EXPECT_EQ(sheet.caption(), "Spice Analysis Setup");
        EXPECT_EQ(sheet.GetPageCount(), 7);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_EQ(sheet.GetPage(0)->caption(), "Frequency");
        EXPECT_EQ(sheet.GetPage(0)->IsDlgButtonChecked(kIdcEnable), 0);
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(texts(), std::vector<std::string>{"IN"});
}

TEST_F(AnalysisSetup, EnablingTransientWithEmptyFieldsWritesZerosAndDeletesTheAcDirective)
{
    directive("#.AC DEC 10 1 1K");
    runSheet([](plat::PropertySheet& sheet) {
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_EQ(sheet.GetPage(0)->IsDlgButtonChecked(kIdcEnable), 1);
        EXPECT_EQ(sheet.GetPage(0)->GetDlgItemText(kIdcAcStop), "1K");
        sheet.SetActivePage(1);
        sheet.GetPage(1)->PressButton(kIdcEnable);
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(texts(), std::vector<std::string>{"#.TRAN 0 0 0 0"});
    EXPECT_EQ(store[2].w[4], 1028);
}

TEST_F(AnalysisSetup, PagesWriteTheirDirectives)
{
    struct Case {
        int page;
        std::function<void(plat::PropertyPage&)> fill;
        std::vector<std::string> written;
    };
    const std::vector<Case> cases = {
        {0, [](plat::PropertyPage& p) {
             p.SetDlgItemText(kIdcAcStart, "1");
             p.SetDlgItemText(kIdcAcStop, "100K");
             p.SetDlgItemText(kIdcAcPoints, "20");
             p.PressButton(kIdcSweepLinear);
         }, {"#.AC LIN 20 1 100K"}},
        {1, [](plat::PropertyPage& p) {
             p.SetDlgItemText(kIdcTranStep, "1U");
             p.SetDlgItemText(kIdcTranStop, "5M");
             p.PressButton(kIdcTranUic);
             p.PressButton(kIdcFourierEnable);
             p.SetDlgItemText(kIdcFourierFrequency, "1K");
             p.SetDlgItemText(kIdcOutputNode, "OUT");
         }, {"#.TRAN 1U 5M 0 0 UIC", "#.FOUR 1K V(OUT)"}},
        {2, [](plat::PropertyPage& p) {
             p.SetDlgItemText(kIdcDcSource1, "V1");
             p.SetDlgItemText(kIdcDcStop1, "10");
         }, {"#.DC V1 0 10 0"}},
        {3, [](plat::PropertyPage&) {}, {"#.OP"}},
        {4, [](plat::PropertyPage& p) {
             p.SetDlgItemText(kIdcOutputNode, "OUT");
             p.SetDlgItemText(kIdcNoiseSource, "V1");
         }, {"#.NOISE V(OUT,0) V1 DEC 0 0 0"}},
        {5, [](plat::PropertyPage& p) { p.PressButton(kIdcPoles); }, {"#.PZ 0 0 0 0 VOL POL"}},
        {6, [](plat::PropertyPage& p) { p.SetDlgItemText(kIdcOutputReference, "IN"); }, {"#.TF V(0,IN) 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        for (int i = 1; i <= g_current.count; ++i)
            ReleaseObjectData(store[i]);
        g_current.count = 0;
        runSheet([&c](plat::PropertySheet& sheet) {
            sheet.SetActivePage(c.page);
            plat::PropertyPage& page = *sheet.GetPage(c.page);
            page.PressButton(kIdcEnable);
            c.fill(page);
            return sheet.PressButton(plat::kIdOk);
        });
        EXPECT_EQ(texts(), c.written);
    }
}

TEST_F(AnalysisSetup, PagesListNodesAndSourcesAndOpenOnTheSelectedAnalysis)
{
    label(0, 0, "OUT*");
    label(0, 0, ";comment");
    part(source, "V:DC 5", 2, 0, 0);
    part(resistor, "R:1k", 1, 0, 0);
    directive("#.NOISE V(OUT,0) V2 OCT 10 1 1MEG");
    runSheet([](plat::PropertySheet& sheet) {
        EXPECT_EQ(sheet.GetActiveIndex(), 4);
        plat::PropertyPage& page = *sheet.GetPage(4);
        const plat::Control* nodes = page.GetDlgItem(kIdcOutputNode);
        EXPECT_EQ(nodes->GetCount(), 1);
        EXPECT_EQ(nodes->GetItemText(0), "OUT");
        EXPECT_EQ(page.GetDlgItem(kIdcNoiseReference)->GetItemText(1), "0");
        EXPECT_EQ(page.GetDlgItem(kIdcNoiseSource)->GetCount(), 1);
        EXPECT_EQ(page.GetDlgItem(kIdcNoiseSource)->GetItemText(0), "V2");
        EXPECT_EQ(page.GetCheckedRadioButton(kIdcSweepDecade, kIdcSweepLinear), kIdcSweepOctave);
        EXPECT_EQ(page.GetDlgItemText(kIdcAcStop), "1MEG");
        return sheet.PressButton(plat::kIdCancel);
    });
    // Distortion has no page: the sheet opens on its first page.
    directive("#.DISTO DEC 10 1 1K");
    runSheet([](plat::PropertySheet& sheet) {
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        return sheet.PressButton(plat::kIdCancel);
    });
}

TEST_F(AnalysisSetup, DigitalSetupRewritesItsOwnTexts)
{
    for (const char* stop : {"100", "200"}) {
        SCOPED_TRACE(stop);
        host.answerDialog([stop](plat::Dialog& d) {
            d.SetDlgItemText(kIdcDigStop, stop);
            return d.PressButton(plat::kIdOk);
        });
        CDigSimSetupDlg dialog;
        dialog.DoModal();
    }
    const std::vector<std::string> expected = {"#.START 0", "#.TIME 200", "#.SCALE 0", "#.DELAY ALL 0"};
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(store[3].y(), 100);
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItemText(kIdcDigStop), "200");
        EXPECT_EQ(d.GetDlgItemText(kIdcDigDelay), "0");
        return d.PressButton(plat::kIdCancel);
    });
    CDigSimSetupDlg again;
    again.DoModal();
}

TEST_F(AnalysisSetup, DigitalSetupTakesOnlyDelayAllAsTheGlobalDelay)
{
    directive("#.DELAY 7400 10");
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItemText(kIdcDigDelay), "");
        d.TypeDlgItemText(kIdcDigDelay, "3");
        return d.PressButton(plat::kIdOk);
    });
    CDigSimSetupDlg dialog;
    dialog.DoModal();
    const std::vector<std::string> expected = {"#.DELAY 7400 10", "#.START 0", "#.TIME 0", "#.SCALE 0", "#.DELAY ALL 3"};
    EXPECT_EQ(texts(), expected);

    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItemText(kIdcDigDelay), "3");
        d.TypeDlgItemText(kIdcDigDelay, "8");
        return d.PressButton(plat::kIdOk);
    });
    CDigSimSetupDlg again;
    again.DoModal();
    EXPECT_EQ(texts().front(), "#.DELAY 7400 10");
    EXPECT_EQ(texts().back(), "#.DELAY ALL 8");
    EXPECT_EQ(texts().size(), 5u);
}

TEST_F(AnalysisSetup, PromptsRunTheNetlisterAndTheSimulator)
{
    divider();
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.title(), "Run Voltessa");
        return d.PressButton(plat::kIdOk);
    });
    host.answerProgramRun([](std::string_view) { return 0; });
    CRunSpiceDlg spice;
    spice.DoModal();
    EXPECT_TRUE(host.shown("program run: spicerun \"" + basePath() + ".cir\""));

    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    host.setProgramsStart(false);
    CRunDigSimDlg digital;
    digital.DoModal();
    EXPECT_TRUE(host.shown("program: pulsarim \"" + basePath() + ".ckt\""));
    EXPECT_TRUE(host.shown("message box: Can't execute Pulsarim:\nCheck file locations."));
}

}  // namespace
