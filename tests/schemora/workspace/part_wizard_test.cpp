// The part wizard as a person goes through it: its four pages, the pin table page's rows,
// scroll bar and pin-description files, and Finish drawing the symbol into the editor store.
#include "wizard_test_support.h"

#include "platform/app/win_constants.h"
#include "platform/core/test_ui_host.h"
#include "resources/schemora/part_wizard_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/workspace/part_symbol_generator.h"
#include "schemora/workspace/part_wizard.h"
#include "schemora/workspace/part_wizard_run.h"
#include "support/temp_folder.h"
#include "support/whole_file.h"

#include <gtest/gtest.h>

using namespace scm;
using wizard_test::EditorStore;

namespace {

class PartWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerSchemoraResources();
        g_partWizard = PartWizardAnswers{};
    }

    // Runs the wizard with script; Finish draws into the store as the part editor does.
    int run(const std::function<int(plat::PropertySheet&)>& script)
    {
        host.answerDialog([&](plat::Dialog& d) { return script(static_cast<plat::PropertySheet&>(d)); });
        CPartWizard wizard(g_partWizard, [this](const PartWizardAnswers& a) {
            SymbolTarget target{store.pins, {}};
            ++finished;
            return GenerateSymbol(a, target, fields) == 1;
        });
        return wizard.DoModal();
    }

    plat::TestUiHost host;
    EditorStore store;
    GeneratedFields fields;
    int finished = 0;
};

plat::PropertyPage& page(plat::PropertySheet& s) { return *s.GetActivePage(); }

std::vector<std::string> rowLabels(plat::PropertyPage& pins)
{
    std::vector<std::string> out;
    for (unsigned r = 0; r < kWizardRows; ++r)
        out.push_back(pins.GetDlgItemText(kIdcWizPinFirst + r) + ":" + pins.GetDlgItemText(kIdcWizLabelFirst + r));
    return out;
}

}  // namespace

TEST_F(PartWizardTest, BlockPinCountIsHeldAndTheTableDrawsTheBlock)
{
    const int result = run([](plat::PropertySheet& s) {
        EXPECT_EQ(s.caption(), "Library Part Wizard");
        EXPECT_EQ(page(s).GetCheckedRadioButton(kIdcWizBlock, kIdcWizDiscrete), kIdcWizBlock);
        EXPECT_EQ(s.wizardButtons(), unsigned{plat::kPswizbNext});
        s.PressButton(plat::kIdWizNext);
        plat::PropertyPage& info = page(s);
        EXPECT_EQ(info.GetDlgItemText(kIdcWizPins), "20");
        EXPECT_EQ(info.GetDlgItemText(kIdcWizName), "untitled");
        EXPECT_EQ(info.GetDlgItemText(kIdcWizPackage), "NONE");
        const plat::Control* letters = info.GetDlgItem(kIdcWizDesignator);
        EXPECT_EQ(letters->GetCount(), 25);
        EXPECT_EQ(letters->GetItemText(letters->GetCurSel()), "u");
        EXPECT_EQ(letters->FindStringExact(-1, "p"), -1);
        info.TypeDlgItemText(kIdcWizPins, "2");
        info.TypeDlgItemText(kIdcWizName, "COUNTER");
        info.TypeDlgItemText(kIdcWizPackage, "DIP16");
        info.ChooseDlgItem(kIdcWizDesignator, 0);
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(info.GetDlgItemText(kIdcWizPins), "4");

        plat::PropertyPage& pins = page(s);
        EXPECT_EQ(pins.templateId(), kIddWizardPins);
        EXPECT_EQ(rowLabels(pins), (std::vector<std::string>{"1:SIG1", "2:SIG2", "3:SIG3", "4:SIG4"}));
        EXPECT_EQ(pins.GetDlgItem(kIdcWizSideRow0 + 0)->GetCurSel(), kSideLeft);
        EXPECT_EQ(pins.GetDlgItem(kIdcWizSideRow1 + 1)->GetCurSel(), kSideRight);
        pins.TypeDlgItemText(kIdcWizLabelFirst + 3, "CLOCK");
        pins.ChooseDlgItem(kIdcWizTypeFirst + 3, 11);   // VCC
        s.PressButton(plat::kIdWizBack);
        info.TypeDlgItemText(kIdcWizPins, "600");
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(info.GetDlgItemText(kIdcWizPins), "499");
        s.PressButton(plat::kIdWizBack);
        info.TypeDlgItemText(kIdcWizPins, "4");
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(rowLabels(page(s)).back(), "4:CLOCK") << "the pin page keeps what was typed";
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(page(s).GetCheckedRadioButton(kIdcWizSaveToLibrary, kIdcWizEditFirst), kIdcWizEditFirst);
        EXPECT_EQ(s.wizardButtons(), unsigned{plat::kPswizbBack | plat::kPswizbFinish});
        s.PressButton(plat::kIdWizBack);
        EXPECT_EQ(page(s).templateId(), kIddWizardPins) << "Back from the last page returns to the pins";
        s.PressButton(plat::kIdWizNext);
        return s.PressButton(plat::kIdWizFinish);
    });
    EXPECT_EQ(result, static_cast<int>(plat::kIdWizFinish));
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(store.terminals(), (std::vector<std::string>{"1:SIG1", "2:SIG2", "3:SIG3"}));
    ASSERT_EQ(store.pins.count(), 4);
    EXPECT_EQ(store.pins.pins()[3].type, kPinVcc) << "the VCC pin became a hidden power pin";
    EXPECT_EQ(store.text(1), "Ref(A)");
    EXPECT_EQ(store.text(2), "COUNTER");
    EXPECT_EQ(fields.package, "DIP16");
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(PartWizardTest, PinRowsScrollAndKeepWhatWasTyped)
{
    run([](plat::PropertySheet& s) {
        s.PressButton(plat::kIdWizNext);
        s.PressButton(plat::kIdWizNext);
        plat::PropertyPage& pins = page(s);
        plat::Control* bar = pins.GetDlgItem(kIdcWizScroll);
        plat::ScrollInfo info;
        bar->GetScrollInfo(&info);
        EXPECT_EQ(info.max, 19);
        EXPECT_EQ(info.page, 4u);
        pins.TypeDlgItemText(kIdcWizLabelFirst, "RESET");
        bar->scroll(plat::kSbLineDown);
        EXPECT_EQ(rowLabels(pins).front(), "2:SIG2");
        bar->scroll(plat::kSbPageDown);
        EXPECT_EQ(rowLabels(pins).front(), "6:SIG6");
        bar->scroll(plat::kSbThumbPosition, 100);
        EXPECT_EQ(rowLabels(pins), (std::vector<std::string>{"17:SIG17", "18:SIG18", "19:SIG19", "20:SIG20"}));
        bar->scroll(plat::kSbPageUp);
        bar->scroll(plat::kSbPageUp);
        bar->scroll(plat::kSbPageUp);
        bar->scroll(plat::kSbPageUp);
        bar->scroll(plat::kSbPageUp);
        EXPECT_EQ(rowLabels(pins).front(), "1:RESET");
        return s.PressButton(plat::kIdCancel);
    });
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(g_current.count, 2) << "Cancel draws nothing";
    EXPECT_EQ(store.text(2), "Name");
}

TEST_F(PartWizardTest, PinDescriptionsLoadAndSaveFromThePinPage)
{
    quill_test::TempFolder temp;
    temp.write("five.lib", "%partname: five\n%type: Five pins\n%package: dip8\n%pinlist\n1) A i L\n2) B i L\n"
                           "3,7) vcc\n4) gnd\n5) Y o R\n%end\n");
    host.answerFileDialog({temp.file("five.lib"), 1});
    host.answerFileDialog({temp.file("saved"), 1});
    run([](plat::PropertySheet& s) {
        s.PressButton(plat::kIdWizNext);
        s.PressButton(plat::kIdWizNext);
        plat::PropertyPage& pins = page(s);
        pins.PressButton(kIdcWizLoadPins);
        EXPECT_EQ(rowLabels(pins), (std::vector<std::string>{"1:A", "2:B", "3;7:vcc", "4:gnd"}));
        EXPECT_EQ(pins.GetDlgItem(kIdcWizSideRow1 + 1)->GetCurSel(), kSideNone);
        plat::ScrollInfo info;
        pins.GetDlgItem(kIdcWizScroll)->GetScrollInfo(&info);
        EXPECT_EQ(info.max, 7) << "five pin lines open the table with eight pins";
        pins.PressButton(kIdcWizSortNames);
        pins.TypeDlgItemText(kIdcWizLabelFirst, "AA");
        pins.PressButton(kIdcWizSavePins);
        s.PressButton(plat::kIdWizBack);
        EXPECT_EQ(page(s).GetDlgItemText(kIdcWizPins), "8");
        EXPECT_EQ(page(s).GetDlgItemText(kIdcWizName), "FIVE");
        EXPECT_EQ(page(s).GetDlgItemText(kIdcWizPackage), "DIP8");
        return s.PressButton(plat::kIdCancel);
    });
    ASSERT_EQ(host.fileDialogRequests().size(), 2u);
    EXPECT_EQ(host.fileDialogRequests()[1].defaultName, "FIVE.LIB");
    const std::string saved = quill_test::readText(temp.path() / "saved.LIB");
    EXPECT_NE(saved.find("%pinlist\n%nosort\n1) AA i L\n2) B i L\n3;7) vcc\n4) gnd\n5) Y o R\n"), std::string::npos)
        << saved;
}

TEST_F(PartWizardTest, OtherSymbolTypesSkipThePinTable)
{
    run([](plat::PropertySheet& s) {
        page(s).PressButton(kIdcWizDiscrete);
        EXPECT_EQ(page(s).GetDlgItemText(kIdcWizTypeText), plat::LoadString(kStrBlockText + 3));
        s.PressButton(plat::kIdWizNext);
        plat::PropertyPage& info = page(s);
        EXPECT_EQ(info.GetDlgItemText(kIdcWizPins), "2");
        EXPECT_FALSE(info.GetDlgItem(kIdcWizPins)->IsWindowVisible());
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(page(s).templateId(), kIddWizardOutput);
        s.PressButton(plat::kIdWizBack);
        EXPECT_EQ(page(s).templateId(), kIddWizardInfo);
        s.PressButton(plat::kIdWizNext);
        return s.PressButton(plat::kIdWizFinish);
    });
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Warning: Package part name not entered."});
    EXPECT_EQ(store.terminals(), (std::vector<std::string>{"1:", "2:"}));
    EXPECT_TRUE(fields.hintVisible);

    host.clearEvents();
    run([](plat::PropertySheet& s) {
        page(s).PressButton(kIdcWizAmplifier);
        EXPECT_FALSE(page(s).GetDlgItem(kIdcWizGateList)->IsWindowVisible());
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(page(s).GetDlgItemText(kIdcWizPinsLabel), "Number of pins (3 to 7):");
        page(s).TypeDlgItemText(kIdcWizPins, "8");
        page(s).TypeDlgItemText(kIdcWizPackage, "SO8");
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(page(s).templateId(), kIddWizardInfo) << "eight pins are refused, not made seven";
        EXPECT_EQ(page(s).GetDlgItemText(kIdcWizPins), "8");
        page(s).TypeDlgItemText(kIdcWizPins, "2");
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(page(s).templateId(), kIddWizardInfo);
        page(s).TypeDlgItemText(kIdcWizPins, "5");
        s.PressButton(plat::kIdWizNext);
        return s.PressButton(plat::kIdWizFinish);
    });
    EXPECT_EQ(store.terminals().size(), 5u);
    EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"An amplifier has 3 to 7 pins.", "An amplifier has 3 to 7 pins."}));

    // A block's count shown on the page is not forced on the amplifier chosen after it.
    host.clearEvents();
    run([](plat::PropertySheet& s) {
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(page(s).GetDlgItemText(kIdcWizPinsLabel), "Number of pins (4 to 499):");
        s.PressButton(plat::kIdWizBack);
        page(s).PressButton(kIdcWizAmplifier);
        s.PressButton(plat::kIdWizNext);
        EXPECT_EQ(page(s).GetDlgItemText(kIdcWizPins), "7");
        page(s).TypeDlgItemText(kIdcWizPackage, "SO8");
        s.PressButton(plat::kIdWizNext);
        return s.PressButton(plat::kIdWizFinish);
    });
    EXPECT_EQ(store.terminals().size(), 7u);
    EXPECT_TRUE(host.messageBoxes().empty());
}

namespace {

// A part editor as the wizard sees it, over the test store.
struct FakeEditor : PartWizardEditor {
    explicit FakeEditor(EditorStore& s) : store(s) {}
    PartPinTable& wizardPinTable() override { return store.pins; }
    bool wizardPartHasDrawing() const override { return g_current.count > 2; }
    bool loadWizardGate(std::string_view part) override
    {
        gatesAsked.emplace_back(part);
        return false;
    }
    void showWizardPart(const GeneratedFields& f, std::string_view name) override
    {
        shown = f;
        partName = name;
    }
    void saveWizardPart() override { ++saves; }
    void markWizardPartChanged() override { ++changes; }

    EditorStore& store;
    GeneratedFields shown;
    std::string partName;
    std::vector<std::string> gatesAsked;
    int saves = 0, changes = 0;
};

int finishDiscrete(plat::PropertySheet& s, bool saveToLibrary)
{
    page(s).PressButton(kIdcWizDiscrete);
    s.PressButton(plat::kIdWizNext);
    page(s).TypeDlgItemText(kIdcWizName, "MYDIODE");
    page(s).TypeDlgItemText(kIdcWizPackage, "DO35");
    s.PressButton(plat::kIdWizNext);
    if (saveToLibrary)
        page(s).PressButton(kIdcWizSaveToLibrary);
    return s.PressButton(plat::kIdWizFinish);
}

}  // namespace

TEST_F(PartWizardTest, DesignWizardReplacesThePartOnlyOnFinish)
{
    FakeEditor editor(store);
    // An empty part is not asked about; "Edit first" tells how to save and marks the change.
    host.answerDialog([](plat::Dialog& d) { return finishDiscrete(static_cast<plat::PropertySheet&>(d), false); });
    EXPECT_TRUE(RunPartDesignWizard(editor, nullptr));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{plat::LoadString(kStrPartCreated)});
    EXPECT_EQ(editor.changes, 1);
    EXPECT_EQ(editor.partName, "MYDIODE");
    EXPECT_EQ(editor.shown.package, "DO35");
    EXPECT_TRUE(editor.shown.hintVisible);
    const int drawn = g_current.count;
    ASSERT_EQ(drawn, 4);

    // No and Cancel leave the part as it was.
    host.clearEvents();
    host.answerMessageBox(plat::kIdNo);
    EXPECT_FALSE(RunPartDesignWizard(editor, nullptr));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"This will overwrite existing part information--Proceed?"});
    host.answerMessageBox(plat::kIdYes);
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
    EXPECT_FALSE(RunPartDesignWizard(editor, nullptr));
    EXPECT_EQ(g_current.count, drawn);
    EXPECT_EQ(store.pins.count(), 2);

    // A gate that cannot be read keeps the wizard open and the part as it was.
    host.clearEvents();
    host.answerMessageBox(plat::kIdYes);
    host.answerDialog([](plat::Dialog& d) {
        auto& s = static_cast<plat::PropertySheet&>(d);
        page(s).PressButton(kIdcWizGate);
        s.PressButton(plat::kIdWizNext);
        page(s).TypeDlgItemText(kIdcWizPackage, "DIP14");
        s.PressButton(plat::kIdWizNext);
        s.PressButton(plat::kIdWizFinish);
        EXPECT_EQ(page(s).templateId(), kIddWizardOutput) << "the wizard stays open";
        return s.PressButton(plat::kIdCancel);
    });
    EXPECT_FALSE(RunPartDesignWizard(editor, nullptr));
    EXPECT_TRUE(editor.gatesAsked.empty());
    EXPECT_EQ(host.messageBoxes().back(), "No gate chosen: the library \"Symbol\" has no parts");
    EXPECT_EQ(g_current.count, drawn);
    EXPECT_EQ(store.pins.count(), 2);

    // "Save directly to library" saves through the editor's Save Part.
    host.answerMessageBox(plat::kIdYes);
    host.answerDialog([](plat::Dialog& d) { return finishDiscrete(static_cast<plat::PropertySheet&>(d), true); });
    EXPECT_TRUE(RunPartDesignWizard(editor, nullptr));
    EXPECT_EQ(editor.saves, 1);
    EXPECT_EQ(editor.changes, 1);
}

// Back from any page and Next again keep the part information as it was typed.
TEST_F(PartWizardTest, BackFromEveryPageKeepsTheTypedInformation)
{
    const auto expectKept = [](plat::PropertyPage& info) {
        EXPECT_EQ(info.GetDlgItemText(kIdcWizName), "OPAMP");
        EXPECT_EQ(info.GetDlgItemText(kIdcWizDescription), "Dual supply");
        EXPECT_EQ(info.GetDlgItemText(kIdcWizPackage), "DIP8");
    };
    for (const unsigned type : {kIdcWizBlock, kIdcWizAmplifier}) {
        SCOPED_TRACE(type);
        host.clearEvents();
        run([&](plat::PropertySheet& s) {
            page(s).PressButton(type);
            s.PressButton(plat::kIdWizNext);
            plat::PropertyPage& info = page(s);
            info.TypeDlgItemText(kIdcWizName, "OPAMP");
            info.TypeDlgItemText(kIdcWizDescription, "Dual supply");
            info.TypeDlgItemText(kIdcWizPackage, "DIP8");
            s.PressButton(plat::kIdWizBack);
            EXPECT_EQ(page(s).templateId(), kIddWizardType);
            s.PressButton(plat::kIdWizNext);
            expectKept(page(s));
            // On to the last page, then Back page by page to the information again.
            while (page(s).templateId() != kIddWizardOutput)
                s.PressButton(plat::kIdWizNext);
            while (page(s).templateId() != kIddWizardInfo)
                s.PressButton(plat::kIdWizBack);
            expectKept(page(s));
            while (page(s).templateId() != kIddWizardOutput)
                s.PressButton(plat::kIdWizNext);
            return s.PressButton(plat::kIdWizFinish);
        });
        EXPECT_EQ(store.text(2), "OPAMP");
        EXPECT_EQ(g_partWizard.description, "Dual supply");
    }
}
