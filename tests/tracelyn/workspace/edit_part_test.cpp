// Edit Part on a component placed in the test from a catalogue written in the test, reached by
// a right click on the selected component: the words it writes, one undo step, and the package
// and designator dialogs it opens.
#include "tracelyn/core/edit_fixture.h"
#include "tracelyn/core/package_fixture.h"

#include "common/library_browser.h"
#include "resources/tracelyn/library_ids.h"
#include "tracelyn/core/board_settings.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "support/expand_answer.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/package_editor.h"

namespace {

using namespace edit_test;
using namespace package_test;
using namespace tly;

class BoardEditPart : public BoardEditTest {
protected:
    void SetUp() override
    {
        BoardEditTest::SetUp();
        g_boardFolders.libraryFolder = folder.path().string() + "/";
        writeCatalog(folder.file("STD.CAT"), dip8(), twoSections());
        g_packageChoice = {"STD", {}};
        placeFromBrowser("DIP8", 200, 200);
        command(kCmdSelect);
        click(200, 200);
        ASSERT_EQ(g_selection.count, 1);
        part_ = g_selection.list[1];
        ASSERT_TRUE(object(part_).isPart());
    }
    void TearDown() override
    {
        g_packageChoice = {};
        BoardEditTest::TearDown();
    }
    // F5, then Load Part of the named part of STD, then a click places it.
    void placeFromBrowser(const char* part, int x, int y)
    {
        host.answerDialog([part](plat::Dialog& d) {
            plat::Control* parts = d.GetDlgItem(quill::kIdcBrowserPartList);
            d.ChooseDlgItem(quill::kIdcBrowserPartList, parts->FindStringExact(-1, part));
            return d.PressButton(plat::kIdOk);
        });
        command(kCmdToolPart);
        click(x, y);
    }
    void rightClick(int x, int y)
    {
        view()->SendMessage(plat::kWmMouseMove, 0, at(x, y));
        view()->SendMessage(plat::kWmRButtonDown, plat::kMkRButton, at(x, y));
    }
    int part_ = 0;
};

// Expand opens the component's package in the package editor; the editor gives the board's store
// back when it closes and Edit Part ends as Cancel.
TEST_F(BoardEditPart, ExpandOpensThePackageInTheEditorAndEndsAsCancel)
{
    BoardObject* const storeBefore = g_board.objects;
    const int countBefore = g_board.count;
    const BoardObject before = object(part_);
    bool opened = false;
    int result = -1;
    quill_test::answerExpand<CLibPartEditorDlg>(host, kIdcEditExpand, [&](CLibPartEditorDlg& editor) {
        opened = g_board.objects != storeBefore && g_board.count > 0;
        editor.SendMessage(plat::kWmCommand, kCmdCloseEditor, 0);
        return editor.modalResult();
    }, result);
    rightClick(200, 200);
    EXPECT_TRUE(opened) << "the editor was opened on the package";
    EXPECT_EQ(result, plat::kIdCancel);
    EXPECT_EQ(g_board.objects, storeBefore);
    EXPECT_EQ(g_board.count, countBefore);
    EXPECT_EQ(object(part_).w, before.w);
}

TEST_F(BoardEditPart, OkWritesAngleFixPlacementAndLabelAsOneUndoStep)
{
    const BoardObject before = object(part_);
    std::map<unsigned, std::string> shown;
    host.answerDialog([&](plat::Dialog& d) {
        for (unsigned id : {kIdcEditPrefix, kIdcEditFile, kIdcEditRotation, kIdcEditInformation})
            shown[id] = d.GetDlgItemText(id);
        d.SetDlgItemText(kIdcEditRotation, "-400");
        d.CheckDlgButton(kIdcEditMirrored, 1);
        d.CheckDlgButton(kIdcEditFix, 1);
        d.CheckDlgButton(kIdcEditHide, 1);
        d.PressButton(kIdcEditSilkBottom);
        d.PressButton(kIdcEditLayer2);   // DIP8 has one layer: limited to it
        d.SetDlgItemText(kIdcEditValue, "NE555");
        d.SetDlgItemText(kIdcEditNumber, "12000");
        return d.PressButton(plat::kIdOk);
    });
    rightClick(200, 200);
    EXPECT_EQ(shown[kIdcEditFile], "STD\\DIP8");
    EXPECT_EQ(shown[kIdcEditInformation], "Eight pins");
    EXPECT_EQ(shown[kIdcEditRotation], "0.0");
    const BoardObject& after = object(part_);
    EXPECT_EQ(after.w[6], 3200 | 4096) << "-400 degrees is 320, the mirror bit apart";
    EXPECT_NE(after.w[4] & 0x100, 0);
    EXPECT_EQ(after.w[5], ((1 * 1024 + 1) * 4 + 0) * 8 + (before.w[5] == -1 ? 0 : before.w[5] & 7));
    EXPECT_EQ(after.w[7], 0) << "a reference above 9999 is not kept";
    EXPECT_STREQ(after.text(), (shown[kIdcEditPrefix] + ":NE555").c_str());
    EXPECT_EQ(after.package(), before.package());

    command(kCmdUndo);
    EXPECT_EQ(object(part_).w, before.w);
}

TEST_F(BoardEditPart, ChangePackageAndDesignatorApplyOnlyOnOk)
{
    const int dip8 = object(part_).package();
    std::vector<std::string> messages;
    host.answerDialog([&](plat::Dialog& d) {
        host.answerDialog([&](plat::Dialog& change) {
            change.SetDlgItemText(kIdcPackageName, "");
            EXPECT_EQ(change.PressButton(plat::kIdOk), -1);
            change.SetDlgItemText(kIdcPackageName, "STD\\NOSUCH");
            EXPECT_EQ(change.PressButton(plat::kIdOk), -1) << "a package that did not load changes nothing";
            change.SetDlgItemText(kIdcPackageName, "std\\gate");
            return change.PressButton(plat::kIdOk);
        });
        d.PressButton(kIdcEditChange);
        host.answerDialog([](plat::Dialog& designator) {
            designator.SetDlgItemText(kIdcDesignatorType, "IC2");
            EXPECT_EQ(designator.PressButton(plat::kIdOk), -1);
            designator.SetDlgItemText(kIdcDesignatorType, "ic");
            return designator.PressButton(plat::kIdOk);
        });
        d.PressButton(kIdcEditPrefix);
        messages.push_back(d.GetDlgItemText(kIdcEditFile));
        messages.push_back(d.GetDlgItemText(kIdcEditPrefix));
        d.SetDlgItemText(kIdcEditValue, "");
        return d.PressButton(plat::kIdCancel);
    });
    rightClick(200, 200);
    EXPECT_EQ(messages, (std::vector<std::string>{"STD\\GATE", "IC"}));
    EXPECT_EQ(object(part_).package(), dip8) << "Cancel: the component is as it was";
    EXPECT_EQ(host.messageBoxes().front(), "Specify both part and library!");
    EXPECT_EQ(host.count("message box: Enter 1 to 10 letters (no numbers)"), 1);

    host.answerDialog([&](plat::Dialog& d) {
        host.answerDialog([](plat::Dialog& change) {
            change.SetDlgItemText(kIdcPackageName, "STD\\GATE");
            return change.PressButton(plat::kIdOk);
        });
        d.PressButton(kIdcEditChange);
        d.SetDlgItemText(kIdcEditValue, "");
        return d.PressButton(plat::kIdOk);
    });
    rightClick(200, 200);
    EXPECT_EQ(std::string(PackageNameOf(object(part_).package())), "STD\\GATE");
    EXPECT_EQ(std::string(object(part_).text()).find(':'), std::string::npos) << "no value: the prefix alone";
}

}  // namespace
