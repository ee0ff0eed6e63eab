// Saving the part being drawn into a package catalogue, copying packages between catalogues,
// and re-loading the packages the board uses, over catalogues written in the test.
#include "tracelyn/core/package_fixture.h"
#include "tracelyn/core/package_library_fixture.h"
#include "support/save_part_answer.h"
#include "support/temp_folder.h"
#include "support/whole_file.h"

#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/library_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_reload.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/package_library_dialogs.h"

#include <filesystem>
#include <utility>
#include <vector>

void registerTracelynResources();

namespace {

using namespace board_test;
using namespace package_test;
using namespace tly;
namespace fs = std::filesystem;

class PackageSaveCopy : public LibraryFolderTest {
protected:
    void SetUp() override
    {
        LibraryFolderTest::SetUp();
        registerTracelynResources();
        g_packageChoice = {"Standard", {}};
        writeCatalog(folder.file("STANDARD.CAT"), dip8(), twoSections());
        writeCatalog(folder.file("OTHER.CAT"), twoSections());
        addText(";drawn part");
    }
    std::string bytes(const char* name) const { return quill_test::readText(folder.file(name)); }
    std::vector<std::string> partsOf(const char* library) const
    {
        std::vector<std::string> names;
        FillLibraryPartList(library, names);
        return names;
    }
    // Types the names, presses Save Part and cancels a dialog left open; the end value (-1 open).
    int save(const std::string& library, const std::string& part)
    {
        int result = -2;
        host.answerDialog(quill_test::savePartAnswer({kIdcSaveLibraryName, kIdcSavePartName}, library, part, result));
        RunSaveLibraryPartDialog();
        return result;
    }
    void makeReadOnly(const char* name) const
    {
        fs::permissions(folder.file(name), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
};

TEST_F(PackageSaveCopy, SaveChecksTheNamesBeforeAnyCatalogueIsTouched)
{
    const std::string standard = bytes("STANDARD.CAT");
    quill_test::expectSaveRefusesBadNames([this](const std::string& l, const std::string& p) { return save(l, p); },
                                          host, "Standard", "SO8");
    EXPECT_EQ(bytes("STANDARD.CAT"), standard);
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "Standard.CAT"));

    // Sixteen characters are fine; the library matches regardless of case.
    EXPECT_EQ(save("standard", "SIXTEEN_CHARS_OK"), plat::kIdOk);
    EXPECT_EQ(partsOf("Standard"), (std::vector<std::string>{"DIP8", "GATE", "SIXTEEN_CHARS_OK"}));
    EXPECT_EQ(g_packageChoice.part, "SIXTEEN_CHARS_OK");
}

// A package name's dot is its own ("AXIAL0.3"): saved, chosen, saved over and copied, the name
// stays whole, and no package cut at the dot appears beside it.
TEST_F(PackageSaveCopy, DottedPackageNamesAreWholeNames)
{
    EXPECT_EQ(save("Standard", "AXIAL0.3"), plat::kIdOk);
    EXPECT_EQ(partsOf("Standard"), (std::vector<std::string>{"DIP8", "GATE", "AXIAL0.3"}));
    EXPECT_EQ(g_packageChoice.part, "AXIAL0.3");

    // Chosen from the list, the name in the field is whole; saving over it asks to replace it.
    std::string proposed;
    int result = -2;
    host.answerDialog([&](plat::Dialog& d) {
        d.ChooseDlgItem(kIdcPartList, d.GetDlgItem(kIdcPartList)->FindStringExact(-1, "AXIAL0.3"));
        proposed = d.GetDlgItemText(kIdcSavePartName);
        host.answerMessageBox(plat::kIdYes);
        result = d.PressButton(plat::kIdOk);
        return result;
    });
    RunSaveLibraryPartDialog();
    EXPECT_EQ(proposed, "AXIAL0.3");
    EXPECT_EQ(result, plat::kIdOk);
    EXPECT_EQ(host.messageBoxes().back(), "Replace part AXIAL0.3?");
    EXPECT_EQ(partsOf("Standard"), (std::vector<std::string>{"DIP8", "GATE", "AXIAL0.3"}));

    std::string status;
    host.answerDialog([&](plat::Dialog& d) {
        d.ChooseDlgItem(kIdcPartList, d.GetDlgItem(kIdcPartList)->FindStringExact(-1, "AXIAL0.3"));
        d.SetDlgItemText(kIdcCopyDestination, "other");
        d.PressButton(plat::kIdOk);
        status = d.GetDlgItemText(kIdcCopyStatus);
        return d.PressButton(plat::kIdCancel);
    });
    CCopyLibPartDlg copy;
    copy.DoModal();
    EXPECT_EQ(status, "Copied part AXIAL0.3 to OTHER.CAT");
    EXPECT_EQ(partsOf("OTHER"), (std::vector<std::string>{"GATE", "AXIAL0.3"}));
}

TEST_F(PackageSaveCopy, SaveIntoAProtectedOrUnknownCatalogue)
{
    makeReadOnly("OTHER.CAT");
    const std::string other = bytes("OTHER.CAT");
    EXPECT_EQ(save("other", "SO8"), -1);
    EXPECT_EQ(host.messageBoxes().back(), "Library is protected: Please save part to another file");
    EXPECT_EQ(bytes("OTHER.CAT"), other);

    host.answerMessageBox(plat::kIdNo);
    EXPECT_EQ(save("NEWLIB", "SO8"), -1);
    EXPECT_EQ(host.messageBoxes().back(), "Start new library: NEWLIB.CAT?");
    EXPECT_FALSE(fs::exists(folder.file("NEWLIB.CAT")));

    host.answerMessageBox(plat::kIdYes);
    EXPECT_EQ(save("NEWLIB", "SO8"), plat::kIdOk);
    EXPECT_EQ(partsOf("NEWLIB"), (std::vector<std::string>{"SO8"}));
}

// A typed name highlights the first entry it begins and nothing when it begins none: a new
// part or library name never leaves an old entry highlighted.
TEST_F(PackageSaveCopy, TypedNamesHighlightOnlyTheEntriesTheyBegin)
{
    constexpr quill::LibraryStoreIds lists{};
    std::vector<std::pair<int, int>> highlighted;   // library, part
    host.answerDialog([&](plat::Dialog& d) {
        const auto look = [&] {
            highlighted.emplace_back(d.GetDlgItem(lists.libraryList)->GetCurSel(), d.GetDlgItem(lists.partList)->GetCurSel());
        };
        d.ChooseDlgItem(lists.partList, 1);
        look();
        for (const char* part : {"NEWPART", "di", ""}) {
            d.TypeDlgItemText(kIdcSavePartName, part);
            look();
        }
        for (const char* library : {"NEWLIB", "oth"}) {
            d.TypeDlgItemText(kIdcSaveLibraryName, library);
            look();
        }
        return d.PressButton(plat::kIdCancel);
    });
    RunSaveLibraryPartDialog();
    EXPECT_EQ(highlighted, (std::vector<std::pair<int, int>>{{1, 1}, {1, -1}, {1, 0}, {1, -1}, {-1, -1}, {0, -1}}));
}

TEST_F(PackageSaveCopy, SavingAPackageTheBoardUsesOffersOneReloadThatKeepsEveryIndex)
{
    ASSERT_EQ(LoadLibraryPart("STANDARD", "GATE"), 1);
    ASSERT_EQ(LoadLibraryPart("STANDARD", "DIP8"), 1);
    ASSERT_EQ(LoadLibraryPart("OTHER", "GATE"), 1);
    const std::string gateComment = g_packages.defs[1].comment;

    // Replace DIP8 in the catalogue and re-load: every package stays at its index.
    host.answerMessageBox(plat::kIdYes);   // Replace part DIP8?
    host.answerMessageBox(plat::kIdYes);   // Part is being used
    EXPECT_EQ(save("Standard", "DIP8"), plat::kIdOk);
    const auto boxes = host.messageBoxes();
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "Part is being used.\nClick YES to re-load the library"), 1);
    ASSERT_EQ(g_packages.count, 3);
    EXPECT_EQ(g_packages.defs[1].name, "STANDARD\\GATE");
    EXPECT_EQ(g_packages.defs[2].name, "STANDARD\\DIP8");
    EXPECT_EQ(g_packages.defs[2].comment, "drawn part");
    EXPECT_EQ(g_packages.defs[3].name, "OTHER\\GATE");

    // A catalogue that has gone: its package keeps its old definition, the others reload.
    fs::remove(folder.file("OTHER.CAT"));
    const int32_t objects = g_packages.defs[3].objectCount();
    EXPECT_EQ(ReloadBoardPackages(), 2);
    EXPECT_EQ(host.messageBoxes().back(), "Part re-load error!");
    ASSERT_EQ(g_packages.count, 3);
    EXPECT_EQ(g_packages.defs[3].name, "OTHER\\GATE");
    EXPECT_EQ(g_packages.defs[3].objectCount(), objects);
    EXPECT_EQ(g_packages.defs[3].comment, gateComment);
    // Its pin sections still chain inside its own records.
    const int first = g_packages.defs[3].firstObject();
    const BoardObject& header = g_packages.objects[static_cast<size_t>(first)];
    EXPECT_EQ(header.kind(), kKindDeleted);
    EXPECT_GE(header.w[1], first);
    EXPECT_LT(header.w[1], first + objects);
    EXPECT_EQ(LoadedPackageOf("other", "gate"), 3);
}

TEST_F(PackageSaveCopy, CopyStaysOpenAndReportsOnlyWhatWasWritten)
{
    makeReadOnly("OTHER.CAT");
    std::vector<std::string> statuses;
    host.answerDialog([&](plat::Dialog& d) {
        plat::Control* libraries = d.GetDlgItem(kIdcLibraryList);
        d.ChooseDlgItem(kIdcLibraryList, libraries->FindStringExact(-1, "STANDARD.CAT"));
        d.PressButton(plat::kIdOk);   // no part chosen: nothing written
        statuses.push_back(d.GetDlgItemText(kIdcCopyStatus));
        d.ChooseDlgItem(kIdcPartList, d.GetDlgItem(kIdcPartList)->FindStringExact(-1, "DIP8"));
        d.SetDlgItemText(kIdcCopyDestination, "other");
        d.PressButton(plat::kIdOk);   // protected
        statuses.push_back(d.GetDlgItemText(kIdcCopyStatus));
        d.SetDlgItemText(kIdcCopyDestination, "../other");
        d.PressButton(plat::kIdOk);   // outside the folder
        statuses.push_back(d.GetDlgItemText(kIdcCopyStatus));
        EXPECT_TRUE(d.isRunning());
        return d.PressButton(plat::kIdCancel);
    });
    const std::string other = bytes("OTHER.CAT");
    CCopyLibPartDlg refused;
    refused.DoModal();
    EXPECT_EQ(statuses, std::vector<std::string>(3, "Select source part"));
    EXPECT_EQ(host.messageBoxes(),
              (std::vector<std::string>{"Please select a part", "Library is protected: Please save part to another file",
                                        "Invalid library name!\nToo long or contains blanks."}));
    EXPECT_EQ(bytes("OTHER.CAT"), other);

    writeCatalog(folder.file("THIRD.CAT"), twoSections());
    statuses.clear();
    host.answerDialog([&](plat::Dialog& d) {
        d.ChooseDlgItem(kIdcPartList, d.GetDlgItem(kIdcPartList)->FindStringExact(-1, "DIP8"));
        d.SetDlgItemText(kIdcCopyDestination, "third.cat");
        d.PressButton(plat::kIdOk);
        statuses.push_back(d.GetDlgItemText(kIdcCopyStatus));
        d.ChooseDlgItem(kIdcPartList, d.GetDlgItem(kIdcPartList)->FindStringExact(-1, "GATE"));
        host.answerMessageBox(plat::kIdYes);   // Replace part GATE?
        d.PressButton(plat::kIdOk);
        statuses.push_back(d.GetDlgItemText(kIdcCopyStatus));
        return d.PressButton(plat::kIdCancel);
    });
    const int boardCount = g_board.count;
    CCopyLibPartDlg twice;
    twice.DoModal();
    EXPECT_EQ(statuses, (std::vector<std::string>{"Copied part DIP8 to THIRD.CAT", "Copied part GATE to THIRD.CAT"}));
    EXPECT_EQ(partsOf("THIRD"), (std::vector<std::string>{"GATE", "DIP8"}));
    // The board the copy passed by is as it was.
    EXPECT_EQ(g_board.count, boardCount);
}

}  // namespace
