// The part wizard in a running Schemora: Utilities > Part Wizard opens a new part editor and
// draws into it, the editor's "Part Design Wizard" button replaces its part only on Finish,
// and Logic Gate opens a gate of the starter "Symbol" library through the editor.
#include "part_editor_fixture.h"

#include "platform/app/property_sheet.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/part_editor_ids.h"
#include "resources/schemora/part_wizard_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_library.h"
#include "schemora/core/symbol_elements.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/part_editor.h"
#include "schemora/workspace/wizard_pins.h"
#include "support/build_utility.h"

#include <functional>

namespace schemora_test {
namespace {

using namespace scm;
using Sheet = plat::PropertySheet;

plat::PropertyPage& page(Sheet& s) { return *s.GetActivePage(); }

std::vector<std::string> terminalsOf(const CPartEditorDlg& e)
{
    std::vector<std::string> out;
    for (const DrawObject& o : e.objects())
        if (IsTerminal(o))
            out.push_back(TerminalPinText(o));
    return out;
}

class PartEditorWizardTest : public PartEditorView {
protected:
    void answerWizard(std::function<int(Sheet&)> script)
    {
        host.answerDialog([script = std::move(script)](plat::Dialog& d) { return script(static_cast<Sheet&>(d)); });
    }
    static void close(CPartEditorDlg& e)
    {
        e.SendMessage(plat::kWmCommand, kCmdEditorClose, 0);
    }
};

int discreteEditFirst(Sheet& s)
{
    page(s).PressButton(kIdcWizDiscrete);
    s.PressButton(plat::kIdWizNext);
    page(s).TypeDlgItemText(kIdcWizName, "MYDIODE");
    page(s).TypeDlgItemText(kIdcWizPackage, "DO35");
    page(s).ChooseDlgItem(kIdcWizDesignator, 3);   // d
    s.PressButton(plat::kIdWizNext);
    return s.PressButton(plat::kIdWizFinish);
}

TEST_F(PartEditorWizardTest, PartWizardCommandDrawsIntoANewPartEditorNotTheDrawing)
{
    StarterPartsView::wire(-500, 0, 500, 0);
    const int drawingCount = count();
    const DrawObject* drawingStore = g_current.objects.data();

    answerWizard(discreteEditFirst);
    answerEditor([&](CPartEditorDlg& e) {
        EXPECT_EQ(thePartEditor, &e);
        EXPECT_EQ(terminalsOf(e), (std::vector<std::string>{"1", "2"}));
        EXPECT_STREQ(e.objects()[0].text, "Ref(D)");
        EXPECT_STREQ(e.objects()[1].text, "MYDIODE");
        EXPECT_EQ(e.GetDlgItemText(kIdcEditorPackage), "DO35");
        EXPECT_EQ(e.GetDlgItemText(kIdcEditorReference), "D");
        EXPECT_TRUE(e.hint().visible);
        EXPECT_EQ(e.hint().text, "<---Draw symbol here--->");
        EXPECT_TRUE(e.isModified()) << "an unsaved generated part asks before closing";
        host.answerMessageBox(plat::kIdYes);
        close(e);
    });
    ASSERT_TRUE(command(kCmdPartWizard));
    EXPECT_EQ(host.messageBoxes().front(), plat::LoadString(kStrPartCreated));
    EXPECT_EQ(thePartEditor, nullptr);
    EXPECT_EQ(g_current.objects.data(), drawingStore);
    EXPECT_EQ(count(), drawingCount) << "the wizard never writes into the drawing";

    // Cancel closes the new editor before it shows.
    host.clearEvents();
    answerWizard([](Sheet& s) { return s.PressButton(plat::kIdCancel); });
    ASSERT_TRUE(command(kCmdPartWizard));
    EXPECT_EQ(host.events().size(), 1u) << "only the wizard was shown";
    EXPECT_EQ(thePartEditor, nullptr);
    EXPECT_EQ(count(), drawingCount);
}

TEST_F(PartEditorWizardTest, DesignWizardButtonAsksAndSavesTheGeneratedBlock)
{
    answerEditor([&](CPartEditorDlg& e) {
        // Empty part: no question.
        answerWizard(discreteEditFirst);
        e.PressButton(kIdcEditorPartWizard);
        ASSERT_EQ(terminalsOf(e).size(), 2u);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{plat::LoadString(kStrPartCreated)});

        // No leaves the part; Yes and Cancel too.
        host.answerMessageBox(plat::kIdNo);
        e.PressButton(kIdcEditorPartWizard);
        host.answerMessageBox(plat::kIdYes);
        answerWizard([](Sheet& s) { return s.PressButton(plat::kIdCancel); });
        e.PressButton(kIdcEditorPartWizard);
        EXPECT_EQ(terminalsOf(e), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(e.GetDlgItemText(kIdcEditorPackage), "DO35");

        // A block saved straight into a new library.
        host.answerMessageBox(plat::kIdYes);
        answerWizard([](Sheet& s) {
            s.PressButton(plat::kIdWizNext);
            page(s).TypeDlgItemText(kIdcWizPins, "4");
            page(s).TypeDlgItemText(kIdcWizName, "QUAD");
            page(s).TypeDlgItemText(kIdcWizPackage, "SIP4");
            s.PressButton(plat::kIdWizNext);
            page(s).ChooseDlgItem(kIdcWizTypeFirst + 3, kPinGround);
            s.PressButton(plat::kIdWizNext);
            page(s).PressButton(kIdcWizSaveToLibrary);
            return s.PressButton(plat::kIdWizFinish);
        });
        answerSavePart("MINE", "QUAD");
        host.answerMessageBox(plat::kIdYes);   // "Start new library: ...?"
        e.PressButton(kIdcEditorPartWizard);
        EXPECT_EQ(terminalsOf(e), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(e.pins().count(), 4) << "the ground pin is a hidden power pin";
        EXPECT_FALSE(e.hint().visible);
        EXPECT_FALSE(e.isModified()) << "saved";
        close(e);
    });
    ASSERT_TRUE(command(kCmdNewLibraryPart));
    ASSERT_EQ(LoadLibraryPart("MINE", "QUAD"), 1);
    const PartSymbol& quad = g_partSymbols.entries[static_cast<size_t>(g_partSymbols.current)];
    EXPECT_EQ(quad.package, "SIP4");
    EXPECT_EQ(quad.groundNet, "4") << "the hidden ground pin is saved with the part";
}

// The pin descriptions the wizard saves (beside the libraries, where the Build Part Utility lists
// them) make, through the build utility, the very records the wizard's Finish saves.
TEST_F(PartEditorWizardTest, SavedPinDescriptionsBuildTheSamePartAsFinish)
{
    const std::string pinFile = (folder.path() / "LIB" / "COUNTER.LIB").string();
    host.answerFileDialog({pinFile, 1});
    answerWizard([](Sheet& s) {
        s.PressButton(plat::kIdWizNext);
        page(s).TypeDlgItemText(kIdcWizPins, "6");
        page(s).TypeDlgItemText(kIdcWizName, "COUNTER");
        page(s).TypeDlgItemText(kIdcWizPackage, "DIP8");
        page(s).TypeDlgItemText(kIdcWizDescription, "Up counter");
        s.PressButton(plat::kIdWizNext);
        plat::PropertyPage& pins = page(s);
        pins.TypeDlgItemText(kIdcWizLabelFirst, "CLK");
        pins.TypeDlgItemText(kIdcWizPinFirst + 1, "7");
        pins.ChooseDlgItem(kIdcWizSideRow1 + 1, kSideTop);
        pins.TypeDlgItemText(kIdcWizLabelFirst + 3, "vcc");
        pins.ChooseDlgItem(kIdcWizTypeFirst + 3, kPinVcc);
        pins.ChooseDlgItem(kIdcWizSideRow1 + 2, kSideNone);
        pins.PressButton(kIdcWizSavePins);
        s.PressButton(plat::kIdWizNext);
        page(s).PressButton(kIdcWizSaveToLibrary);
        return s.PressButton(plat::kIdWizFinish);
    });
    answerSavePart("FINISHED", "COUNTER");
    host.answerMessageBox(plat::kIdYes);   // "Start new library: FINISHED?"
    answerEditor([](CPartEditorDlg& e) { close(e); });
    ASSERT_TRUE(command(kCmdPartWizard));
    ASSERT_FALSE(host.fileDialogRequests().empty());
    EXPECT_EQ(host.fileDialogRequests().back().initialFolder, g_folders.libraryFolder);
    EXPECT_EQ(host.fileDialogRequests().back().defaultName, "COUNTER.LIB");
    const std::string finished = readText(folder.path() / "LIB" / "FINISHED.CON");
    ASSERT_FALSE(finished.empty());

    const auto run = quill_test::runBuildUtility({pinFile});
    if (!run)
        GTEST_SKIP() << "the build utility is made by the full build (program folder \"build\")";
    EXPECT_EQ(run->exitCode, 0) << run->output;
    EXPECT_EQ(readText(folder.path() / "LIB" / "COUNTER.CON"), finished);
}

TEST_F(PartEditorWizardTest, LogicGateOpensAGateOfTheSymbolLibrary)
{
    if (!copyStarterLibraries({"SYMBOL"}))
        GTEST_SKIP() << "starter libraries not built";
    answerEditor([&](CPartEditorDlg& e) {
        answerWizard([](Sheet& s) {
            page(s).PressButton(kIdcWizGate);
            plat::Control* gates = page(s).GetDlgItem(kIdcWizGateList);
            EXPECT_TRUE(gates->IsWindowVisible());
            page(s).ChooseDlgItem(kIdcWizGateList, gates->FindStringExact(-1, "NAND"));
            s.PressButton(plat::kIdWizNext);
            page(s).TypeDlgItemText(kIdcWizName, "MYNAND");
            page(s).TypeDlgItemText(kIdcWizPackage, "DIP14");
            s.PressButton(plat::kIdWizNext);
            return s.PressButton(plat::kIdWizFinish);
        });
        e.PressButton(kIdcEditorPartWizard);
        EXPECT_EQ(terminalsOf(e).size(), 3u);
        std::vector<std::string> numbers;
        for (const EditorPin& p : e.pins().pins())
            numbers.push_back(p.number);
        EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_STREQ(e.objects()[1].text, "MYNAND");
        EXPECT_EQ(e.objects()[1].w[0], -1000);
        EXPECT_EQ(e.objects()[1].w[1], -100);
        EXPECT_EQ(e.GetDlgItemText(kIdcEditorPackage), "DIP14");
        EXPECT_TRUE(e.fields().namePlaceholder) << "the gate has none, the generated part names itself";
        for (const DrawObject& o : e.objects().subspan(2)) {
            if (o.type() == kObjText && o.text) {
                EXPECT_NE(std::string_view(o.text).back(), '?') << "the placeholder left the drawing";
            }
        }
        host.answerMessageBox(plat::kIdYes);
        close(e);
    });
    ASSERT_TRUE(command(kCmdNewLibraryPart));
}

}  // namespace
}  // namespace schemora_test
