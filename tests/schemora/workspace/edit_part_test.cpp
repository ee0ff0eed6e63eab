// Edit Part on a part placed in the test from the starter libraries, reached by a right click on
// the selected part: the words it writes, the label it builds and the pickers it runs.
#include "schemora/core/starter_parts_fixture.h"

#include "common/part_edit_fields.h"
#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "resources/schemora/part_dialog_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/settings.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/model_package_pickers.h"
#include "schemora/workspace/part_editor.h"
#include "schemora/workspace/part_wizard.h"
#include "support/special_files.h"
#include "support/expand_answer.h"
#include "resources/schemora/part_wizard_ids.h"
#include "resources/schemora/part_editor_ids.h"

#include <filesystem>
#include <fstream>
#include <map>

namespace schemora_test {
namespace {

using namespace scm;
namespace fs = std::filesystem;

class EditPart : public StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE", "TTL"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
    }
    // Places one part at (0, 0), selects it and leaves select mode on.
    void placeOne(const char* library, const char* part)
    {
        answerPartChooser(library, part);
        ASSERT_TRUE(key(plat::kVkF5));
        click(0, 0);
        ASSERT_TRUE(key(plat::kVkF9));
        click(0, 0);
        ASSERT_EQ(g_editState.selectionCount, 1);
    }
    // Right-clicks the selected part with the script answering Edit Part.
    void editWith(std::function<int(plat::Dialog&)> script)
    {
        host.answerDialog(std::move(script));
        view()->SendMessage(plat::kWmRButtonDown, plat::kMkRButton, plat::makePointParam(pixelOf(0, 0)));
    }

    struct Picked {
        std::string status;   // what the picker said of its list
        std::string result;   // the part dialog's field after the pick
    };
    // Edit Part, `button` pressed (after `first`, when not 0): the list picker it opens is OK'd
    // with nothing chosen, then on the entry `entry` gives; then the edit is cancelled.
    Picked pickThrough(unsigned first, unsigned button, unsigned statusId, std::function<int(plat::Dialog&)> entry,
                       unsigned resultId)
    {
        Picked picked;
        editWith([&](plat::Dialog& d) {
            if (first)
                d.PressButton(first);
            host.answerDialog([&](plat::Dialog& p) {
                picked.status = p.GetDlgItemText(statusId);
                p.PressButton(plat::kIdOk);   // nothing chosen: nothing assigned
                p.ChooseDlgItem(kIdcPickerList, entry(p));
                return p.PressButton(plat::kIdOk);
            });
            d.PressButton(button);
            picked.result = d.GetDlgItemText(resultId);
            return d.PressButton(plat::kIdCancel);
        });
        return picked;
    }
};

TEST(EditPartFields, AnglesBeyondATurnAreUprightAndNegativeOnesTurnedPositive)
{
    const struct { const char* typed; int schematic; int board; } cases[] = {
        {"-90", 2700, 2700}, {"450", 0, 0}, {"360.5", 0, 0}, {"360", 3600, 0}, {"720", 0, 0},
        {"-400", 3200, 3200}, {"-720.5", 3595, 3595}, {"4.35", 43, 43}, {"1e300", 0, 0}, {"x", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(quill::TypedAngleTenths(c.typed, true), c.schematic);
        EXPECT_EQ(quill::TypedAngleTenths(c.typed, false), c.board);
    }
}

TEST_F(EditPart, OkWritesTheWordsAndTheLabelAsOneUndoStep)
{
    placeOne("TTL", "7400");
    const int undoBefore = UndoDepth();
    std::map<std::string, std::string> shown;
    int refused = 0;
    editWith([&](plat::Dialog& d) {
        for (unsigned id : {kIdcPartPrefix, kIdcPartOf, kIdcPartInstance, kIdcPartRotation, kIdcPartSymbolFile,
                            kIdcPartModelFile, kIdcPartSimKind, kIdcPartPackage, kIdcPartValue})
            shown[std::to_string(id)] = d.GetDlgItemText(id);
        // The drawing keeps a part by the library part its value names: a value that names
        // none is refused before anything changes ("u" has become the micro sign).
        d.SetDlgItemText(kIdcPartValue, "10uF");
        refused = d.PressButton(plat::kIdOk);
        d.SetDlgItemText(kIdcPartValue, "TTL\\7402");
        d.SetDlgItemText(kIdcPartInstance, "9");    // beyond the package's four parts
        d.SetDlgItemText(kIdcPartRotation, "-450");
        d.CheckDlgButton(kIdcPartMirror, 1);
        d.CheckDlgButton(kIdcPartFix, 1);
        d.PressButton(kIdcPartUserPackage);
        d.SetDlgItemText(kIdcPartPackage, "SO14");
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(shown[std::to_string(kIdcPartPrefix)], "U");
    EXPECT_EQ(shown[std::to_string(kIdcPartOf)], "of 4");
    EXPECT_EQ(shown[std::to_string(kIdcPartInstance)], "1");
    EXPECT_EQ(shown[std::to_string(kIdcPartRotation)], "0.0");
    EXPECT_EQ(shown[std::to_string(kIdcPartSymbolFile)], "TTL\\7400");
    EXPECT_EQ(shown[std::to_string(kIdcPartModelFile)], "TTL.LIB");
    EXPECT_EQ(shown[std::to_string(kIdcPartSimKind)], "(Digital)");
    EXPECT_EQ(shown[std::to_string(kIdcPartPackage)], "None");
    EXPECT_EQ(shown[std::to_string(kIdcPartValue)], "TTL\\7400");
    EXPECT_EQ(refused, -1);
    EXPECT_EQ(host.count("message box: No library part is named 10\xB5" "F\nThe value names the part the drawing keeps."), 1);

    const DrawObject& part = object(1);
    EXPECT_EQ(part.w[7], 2700 + 4096) << "-450 degrees is 270, mirrored";
    EXPECT_EQ(part.w[5], 3) << "the fourth part of the package, normal symbol, thru-hole, shown";
    EXPECT_NE(part.w[4] & (1 << 14), 0);
    EXPECT_STREQ(part.text, "U:TTL\\7402!SO14");
    EXPECT_EQ(SymbolOfInstance(part)->name, "TTL\\7402");
    EXPECT_EQ(UndoDepth(), undoBefore + 1);

    const std::string path = folder.file("edited.pic");
    ASSERT_TRUE(doc()->OnSaveDocument(path));

    // Undo gives the part back as it was.
    ASSERT_TRUE(key('Z', true));
    EXPECT_EQ(object(1).w[7], 0);
    EXPECT_STREQ(object(1).text, "U:TTL\\7400");

    // The drawing read again finds the edited part, its package kept.
    ASSERT_TRUE(doc()->OnOpenDocument(path));
    ASSERT_TRUE(object(1).isPart());
    EXPECT_STREQ(object(1).text, "U:TTL\\7402!SO14");
    EXPECT_EQ(object(1).w[7], 2700 + 4096);
}

TEST_F(EditPart, InstanceSymbolAndPackageEdgeCases)
{
    placeOne("DEVICE", "LED");
    editWith([](plat::Dialog& d) {
        EXPECT_TRUE(d.GetDlgItem(kIdcPartSymbolFirst + 1)->IsWindowEnabled()) << "the LED has a lit variant";
        EXPECT_FALSE(d.GetDlgItem(kIdcPartSymbolFirst + 2)->IsWindowEnabled());
        d.SetDlgItemText(kIdcPartInstance, "0");   // below the first part
        d.PressButton(kIdcPartSymbolFirst + 1);
        d.SetDlgItemText(kIdcPartRotation, "360");
        d.CheckDlgButton(kIdcPartAlignBelow, 1);
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(object(1).w[5], 8) << "instance 1 of symbol 2, thru-hole, shown";
    EXPECT_EQ(object(1).w[7], 3600);
    EXPECT_STREQ(object(1).text, "LED:\\DEVICE\\LED");

    editWith([](plat::Dialog& d) {
        d.PressButton(kIdcPartSurface);
        EXPECT_EQ(d.GetDlgItemText(kIdcPartPackage), "LED3MM") << "no surface package: the whole text";
        d.PressButton(kIdcPartUserPackage);
        d.SetDlgItemText(kIdcPartPackage, "SO8");
        d.CheckDlgButton(kIdcPartHide, 1);
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_STREQ(object(1).text, "LED:\\DEVICE\\LED!SO8");
    EXPECT_EQ(object(1).w[5], 8 + 32 + 32768);

    // Cancel changes nothing, Reset included.
    const DrawObject before = object(1);
    editWith([](plat::Dialog& d) {
        d.PressButton(kIdcPartReset);
        d.SetDlgItemText(kIdcPartRotation, "90");
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_EQ(object(1).w, before.w);
}

TEST_F(EditPart, GroundsAndSignalSourcesAreNotEditedHere)
{
    answerPartChooser("DEVICE", "GND");
    ASSERT_TRUE(key(plat::kVkF5));
    click(0, 0);
    ASSERT_EQ(count(), 1);
    int opened = 0;
    host.answerDialog([&](plat::Dialog& d) {
        ++opened;
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_FALSE(EditPartFor(1));
    EXPECT_EQ(opened, 0);
}

// Expand opens the part's library part in the editor; the editor gives the drawing's store back
// when it closes and Edit Part ends as Cancel, so its OK can never write into a stale part.
TEST_F(EditPart, ExpandOpensThePartInTheEditorAndEndsAsCancel)
{
    placeOne("TTL", "7400");
    const int countBefore = count();
    const DrawObject* const storeBefore = g_current.objects.data();
    const int undoBefore = UndoDepth();
    std::string opened;
    int result = -1;
    quill_test::answerExpand<CPartEditorDlg>(host, kIdcPartExpand, [&](CPartEditorDlg& editor) -> int {
        opened = editor.GetDlgItemText(kIdcEditorReference);
        EXPECT_GT(editor.objectCount(), 2);
        editor.SendMessage(plat::kWmCommand, kCmdEditorClose, 0);
        return plat::kIdCancel;
    }, result);
    view()->SendMessage(plat::kWmRButtonDown, plat::kMkRButton, plat::makePointParam(pixelOf(0, 0)));
    EXPECT_FALSE(opened.empty()) << "the editor was opened on the part";
    EXPECT_EQ(result, plat::kIdCancel);
    EXPECT_EQ(thePartEditor, nullptr);
    EXPECT_EQ(g_current.objects.data(), storeBefore);
    EXPECT_EQ(count(), countBefore);
    EXPECT_EQ(UndoDepth(), undoBefore);
}

TEST(SemiconductorModels, OnlyModelsThatFitThePartAreListed)
{
    const std::string file =
        ".model 1N4148 D(IS=2.52n)\n"
        ".MODEL BC547 NPN(BF=300)\n"
        ".MODEL 2N2907 PNP (BF=200)\n"
        "* .MODEL\n"
        ".MODEL J1\n"
        "  .MODEL 2N3819 NJF (VTO=-3)\n"
        ".MODEL MYZENER DZ\n";
    EXPECT_EQ(FittingSemiconductorModels(file, 'Q', "npn"), std::vector<std::string>{"BC547"});
    EXPECT_EQ(FittingSemiconductorModels(file, 'D', "D"), (std::vector<std::string>{"1N4148", "MYZENER"}));
    EXPECT_EQ(FittingSemiconductorModels(file, 'J', "NJFET"), std::vector<std::string>{"2N3819"});
    EXPECT_EQ(FittingSemiconductorModels(file, 'J', "PJFET"), std::vector<std::string>{});
    EXPECT_EQ(FittingSemiconductorModels(file, 'Q', "PNP"), std::vector<std::string>{"2N2907"});
}

TEST_F(EditPart, FindModelPicksASemiconductorModelIntoTheValue)
{
    std::ofstream(folder.path() / "SEMICON.MOD") << ".MODEL BC547 NPN(BF=300)\n.MODEL BC557 PNP(BF=300)\n.MODEL BC548.A NPN\n";
    placeOne("DEVICE", "NPN");
    const Picked model = pickThrough(0, kIdcPartFindModel, kIdcModelStatus, [](plat::Dialog&) { return 1; }, kIdcPartValue);
    EXPECT_EQ(model.status, "NPN models in SemiCon.MOD\n2 models found");
    EXPECT_EQ(model.result, "BC548");
}

// A model picked with Find Model names a starter part of its own: OK keeps it, the drawing read
// again still holds it, the picker lists the models of its type, and the deck names its card.
TEST_F(EditPart, AModelChosenWithFindModelIsKeptThroughSavingAndNamedInTheDeck)
{
    const fs::path models = builtProgramFolder() / "SEMICON.MOD";
    if (!fs::exists(models))
        GTEST_SKIP() << "SEMICON.MOD has not been generated";
    fs::copy_file(models, folder.path() / "SEMICON.MOD");
    placeOne("DEVICE", "NPN");
    std::string status, value;
    editWith([&](plat::Dialog& d) {
        host.answerDialog([&](plat::Dialog& p) {
            status = p.GetDlgItemText(kIdcModelStatus);
            p.ChooseDlgItem(kIdcPickerList, p.GetDlgItem(kIdcPickerList)->FindStringExact(-1, "2N3904"));
            return p.PressButton(plat::kIdOk);
        });
        d.PressButton(kIdcPartFindModel);
        value = d.GetDlgItemText(kIdcPartValue);
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(status, "NPN models in SemiCon.MOD\n4 models found");
    EXPECT_EQ(value, "2N3904");
    EXPECT_EQ(host.count("message box: No library part is named 2N3904\nThe value names the part the drawing keeps."), 0);
    EXPECT_EQ(SymbolOfInstance(object(1))->name, "DEVICE\\2N3904");

    const std::string path = folder.file("amp.pic");
    ASSERT_TRUE(doc()->OnSaveDocument(path));
    ASSERT_TRUE(doc()->OnOpenDocument(path));
    ASSERT_TRUE(object(1).isPart());
    EXPECT_EQ(SymbolOfInstance(object(1))->name, "DEVICE\\2N3904");
    ASSERT_TRUE(key(plat::kVkF9));
    click(0, 0);
    ASSERT_EQ(g_editState.selectionCount, 1);
    status.clear();
    editWith([&](plat::Dialog& d) {
        value = d.GetDlgItemText(kIdcPartValue);
        host.answerDialog([&](plat::Dialog& p) {
            status = p.GetDlgItemText(kIdcModelStatus);
            return p.PressButton(plat::kIdCancel);
        });
        d.PressButton(kIdcPartFindModel);
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_EQ(value, "DEVICE\\2N3904");
    EXPECT_EQ(status, "NPN models in SemiCon.MOD\n4 models found") << "the part's model gives its type";

    // Utilities > Netlist, Spice simulator.
    host.answerDialog([&](plat::Dialog& d) {
        d.SetDlgItemText(kIdcNetlistDesignName, path);
        d.CheckRadioButton(kIdcNetlistPinDesignators, kIdcNetlistSpice, kIdcNetlistSpice);
        return d.PressButton(plat::kIdOk);
    });
    host.answerMessageBox(plat::kIdNo);
    EXPECT_TRUE(command(kCmdNetlist));
    const std::string deck = readText(folder.path() / "amp.cir");
    EXPECT_NE(deck.find(".MODEL 2N3904 NPN("), std::string::npos) << deck;
    EXPECT_NE(deck.find(" 2n3904\n"), std::string::npos) << deck;
}

TEST_F(EditPart, FindModelRefusesAPipeOrAFolderAsTheModelFileAtOnce)
{
    placeOne("DEVICE", "NPN");
    const std::filesystem::path models = folder.path() / "SEMICON.MOD", aside = folder.path() / "ASIDE.MOD";
    for (const bool pipe : {true, false}) {
        const auto nonFiles = pipe ? quill_test::placeNonFiles(models, aside) : quill_test::placeNonFiles(aside, models);
        const quill_test::NonFile& atModels = nonFiles[pipe ? 0 : 1];
        SCOPED_TRACE(atModels.kind);
        host.clearEvents();
        Picked model;
        quill_test::withoutWaiting(nonFiles, [&] {
            model = pickThrough(0, kIdcPartFindModel, kIdcModelStatus, [](plat::Dialog&) { return 0; }, kIdcPartValue);
        });
        EXPECT_TRUE(host.shown("message box: " + quill_test::notAFileMessage(atModels)));
    }
}

// The starter packages' dotted names ("AXIAL0.3") are packages of their own: Browse assigns
// them whole, in Edit Part and in the part wizard.
TEST_F(EditPart, BrowseAssignsABoardPackageByItsWholeName)
{
    if (!useStarterPackages())
        GTEST_SKIP() << "the starter packages have not been built (program folder PACKAGES)";
    placeOne("DEVICE", "R");
    const auto axial = [](plat::Dialog& p) { return p.GetDlgItem(kIdcPickerList)->FindStringExact(-1, "AXIAL0.3"); };
    const Picked package = pickThrough(kIdcPartUserPackage, kIdcPartBrowse, kIdcPickerDescription, axial, kIdcPartPackage);
    EXPECT_EQ(package.status, "1 libraries available");
    EXPECT_EQ(package.result, "STANDARD\\AXIAL0.3");

    // The part wizard's information page browses the same catalogues for its package.
    PartWizardAnswers answers;
    std::string wizardPackage;
    host.answerDialog([&](plat::Dialog& d) {
        auto& sheet = static_cast<plat::PropertySheet&>(d);
        sheet.PressButton(plat::kIdWizNext);
        plat::PropertyPage& info = *sheet.GetActivePage();
        host.answerDialog([](plat::Dialog& p) {
            p.ChooseDlgItem(kIdcPickerList, p.GetDlgItem(kIdcPickerList)->FindStringExact(-1, "RADIAL0.1"));
            return p.PressButton(plat::kIdOk);
        });
        info.PressButton(kIdcWizBrowsePackage);
        wizardPackage = info.GetDlgItemText(kIdcWizPackage);
        return sheet.PressButton(plat::kIdCancel);
    });
    CPartWizard wizard(answers, [](const PartWizardAnswers&) { return false; });
    wizard.DoModal();
    EXPECT_EQ(wizardPackage, "STANDARD\\RADIAL0.1");
}

// The picker draws the chosen package with the board program's own preview routine, in the
// board program's colours, and shows its description; the starter catalogue's dotted names are
// read whole by the board program's catalogue reader.
TEST_F(EditPart, BrowseShowsTheChosenPackageAndItsDescription)
{
    if (!useStarterPackages())
        GTEST_SKIP() << "the starter packages have not been built (program folder PACKAGES)";
    placeOne("DEVICE", "R");
    struct Shown {
        std::string description;
        std::map<uint32_t, int> colours;   // pixels of the preview frame by colour (0xRRGGBB)
        uint32_t corner = 0;
        bool marginPlain = true;                 // the outer tenth of the frame is background
    };
    const auto look = [](plat::Dialog& p) {
        Shown shown;
        shown.description = p.GetDlgItemText(kIdcPickerDescription);
        plat::Control& preview = *p.GetDlgItem(kIdcPickerPreview);
        preview.UpdateWindow();
        const plat::Rect r = preview.clientRect();
        shown.corner = preview.backingPixel(r.left + 2, r.top + 2);
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                const uint32_t c = preview.backingPixel(x, y);
                ++shown.colours[c];
                const bool margin = x < r.left + r.width() / 10 || x >= r.right - r.width() / 10 ||
                                    y < r.top + r.height() / 10 || y >= r.bottom - r.height() / 10;
                if (margin && c != shown.corner)
                    shown.marginPlain = false;
            }
        }
        return shown;
    };
    const auto choose = [](plat::Dialog& p, const char* part) {
        p.ChooseDlgItem(kIdcPickerList, p.GetDlgItem(kIdcPickerList)->FindStringExact(-1, part));
    };
    Shown before, axial, radial;
    std::string assigned;
    editWith([&](plat::Dialog& d) {
        d.PressButton(kIdcPartUserPackage);
        host.answerDialog([&](plat::Dialog& p) {
            before = look(p);
            choose(p, "AXIAL0.3");
            axial = look(p);
            choose(p, "RADIAL0.1");
            radial = look(p);
            choose(p, "AXIAL0.3");
            return p.PressButton(plat::kIdOk);
        });
        d.PressButton(kIdcPartBrowse);
        assigned = d.GetDlgItemText(kIdcPartPackage);
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_EQ(before.description, "1 libraries available");
    EXPECT_EQ(before.colours.size(), 1u) << "nothing chosen: an empty frame";

    EXPECT_EQ(axial.description, "Axial two-pin part, 300 mil pitch");
    EXPECT_EQ(radial.description, "Radial two-pin part, 100 mil pitch");
    // The board program's built-in colours: the background role's colour 26, the pads on all
    // layers green, the top silk red, the pin numbers blue.
    for (Shown* shown : {&axial, &radial}) {
        SCOPED_TRACE(shown->description);
        EXPECT_EQ(shown->corner, 0x7F3F3Fu);
        EXPECT_TRUE(shown->marginPlain) << "the package is fitted into the middle of the frame";
        EXPECT_GT(shown->colours[0x00FF00], 20) << "pads";
        EXPECT_GT(shown->colours[0xFF0000], 20) << "silk";
        EXPECT_GT(shown->colours[0x0000FF], 2) << "pin numbers";
    }
    EXPECT_NE(axial.colours, radial.colours) << "the preview follows the part chosen";
    EXPECT_EQ(assigned, "STANDARD\\AXIAL0.3");
    EXPECT_TRUE(host.messageBoxes().empty()) << host.messageBoxes().front();
}

}  // namespace
}  // namespace schemora_test
