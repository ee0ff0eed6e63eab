// The board program's Library Parts browser over package catalogues written in the test: search
// counts over one catalogue or all, and Delete acting only on a part chosen in the list shown.
#include "tracelyn/core/package_fixture.h"
#include "tracelyn/core/package_library_fixture.h"
#include "support/temp_folder.h"
#include "support/whole_file.h"

#include "common/library_browser.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_preview.h"
#include "platform/gdi/raster_dc.h"
#include "tracelyn/workspace/edit_dialogs.h"

#include <array>
#include <filesystem>
#include <set>

namespace {

using namespace board_test;
using namespace package_test;
namespace fs = std::filesystem;

class PackageBrowser : public LibraryFolderTest {
protected:
    void SetUp() override
    {
        LibraryFolderTest::SetUp();
        registerTracelynResources();
        writeCatalog(folder.file("STD.CAT"), dip8(), twoSections());
        writeCatalog(folder.file("OTHER.CAT"), dip8());
    }
    static void choose(plat::Dialog& d, unsigned list, const char* text)
    {
        d.ChooseDlgItem(list, d.GetDlgItem(list)->FindStringExact(-1, text));
    }
};

TEST_F(PackageBrowser, SearchAllAddsUpTheCatalogues)
{
    std::vector<std::string> statuses;
    host.answerDialog([&](plat::Dialog& d) {
        d.ChooseDlgItem(quill::kIdcBrowserTab, 1);
        d.CheckDlgButton(quill::kIdcSearchByDescription, 0);
        d.PressButton(quill::kIdcSearchButton);
        statuses.push_back(d.GetDlgItemText(quill::kIdcSearchStatus));
        d.SetDlgItemText(quill::kIdcSearchText, "dip");
        d.PressButton(quill::kIdcSearchButton);
        statuses.push_back(d.GetDlgItemText(quill::kIdcSearchStatus));
        choose(d, quill::kIdcSearchResults, "STD/DIP8");
        statuses.push_back(d.GetDlgItemText(quill::kIdcBrowserDescription));
        return d.PressButton(plat::kIdCancel);
    });
    CLibPartsDlg dialog;
    dialog.DoModal();
    EXPECT_EQ(statuses, (std::vector<std::string>{"No.of matches: 3", "No.of matches: 2", "Eight pins"}));
}

TEST_F(PackageBrowser, DeleteActsOnlyOnThePartChosenInTheListShown)
{
    const std::string std = quill_test::readText(folder.file("STD.CAT"));
    const std::string other = quill_test::readText(folder.file("OTHER.CAT"));
    host.answerDialog([&](plat::Dialog& d) {
        choose(d, quill::kIdcBrowserLibraryList, "STD");
        choose(d, quill::kIdcBrowserPartList, "DIP8");
        host.answerMessageBox(plat::kIdNo);
        d.PressButton(quill::kIdcBrowserDelete);
        // OTHER also has a DIP8, but it was never chosen there.
        choose(d, quill::kIdcBrowserLibraryList, "OTHER");
        d.PressButton(quill::kIdcBrowserDelete);
        return d.PressButton(plat::kIdCancel);
    });
    CLibPartsDlg dialog;
    dialog.DoModal();
    EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"Delect part DIP8?", "Please select a part"}));
    EXPECT_EQ(quill_test::readText(folder.file("STD.CAT")), std);
    EXPECT_EQ(quill_test::readText(folder.file("OTHER.CAT")), other);

    // A protected catalogue is never rewritten, even after Yes.
    fs::permissions(folder.file("OTHER.CAT"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    host.answerDialog([&](plat::Dialog& d) {
        choose(d, quill::kIdcBrowserLibraryList, "OTHER");
        choose(d, quill::kIdcBrowserPartList, "DIP8");
        host.answerMessageBox(plat::kIdYes);
        d.PressButton(quill::kIdcBrowserDelete);
        return d.PressButton(plat::kIdCancel);
    });
    CLibPartsDlg again;
    again.DoModal();
    EXPECT_EQ(host.messageBoxes().back(), "Library is protected: Please save part to another file");
    EXPECT_EQ(quill_test::readText(folder.file("OTHER.CAT")), other);
    fs::permissions(folder.file("OTHER.CAT"), fs::perms::owner_write, fs::perm_options::add);
}

// A catalogue counts packages; a typed name chooses the first part it begins, and a name no
// part begins chooses none, leaving the typing as it is.
TEST_F(PackageBrowser, CountsPackagesAndTypedNamesChooseTheParts)
{
    struct Seen {
        std::string status, partEdit, description;
        int partShown = -2, libraryShown = -2;
    };
    std::vector<Seen> seen;
    const auto look = [&](plat::Dialog& d) {
        seen.push_back({d.GetDlgItemText(quill::kIdcBrowserStatus), d.GetDlgItemText(quill::kIdcBrowserPartName),
                        d.GetDlgItemText(quill::kIdcBrowserDescription),
                        d.GetDlgItem(quill::kIdcBrowserPartList)->GetCurSel(),
                        d.GetDlgItem(quill::kIdcBrowserLibraryList)->GetCurSel()});
    };
    host.answerDialog([&](plat::Dialog& d) {
        choose(d, quill::kIdcBrowserLibraryList, "STD");
        look(d);
        d.TypeDlgItemText(quill::kIdcBrowserPartName, "g");
        look(d);
        d.TypeDlgItemText(quill::kIdcBrowserPartName, "gx");
        look(d);
        d.PressButton(plat::kIdOk);
        d.TypeDlgItemText(quill::kIdcBrowserLibraryName, "oth");
        look(d);
        d.TypeDlgItemText(quill::kIdcBrowserLibraryName, "zz");
        look(d);
        return d.PressButton(plat::kIdCancel);
    });
    CLibPartsDlg dialog;
    dialog.DoModal();
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].status, "2 packages");
    EXPECT_EQ(seen[0].partShown, -1);
    EXPECT_EQ((std::array{seen[1].partEdit, seen[1].description}), (std::array<std::string, 2>{"g", "Two gates"}));
    EXPECT_EQ(seen[1].partShown, 1);
    EXPECT_EQ((std::array{seen[2].partEdit, seen[2].description}), (std::array<std::string, 2>{"gx", ""}));
    EXPECT_EQ(seen[2].partShown, -1);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Please select a part"}) << "nothing chosen to load";
    EXPECT_EQ(seen[3].status, "1 packages");
    EXPECT_EQ(seen[3].libraryShown, 0);
    EXPECT_EQ(seen[4].libraryShown, -1) << "no other catalogue stays highlighted";
}

// The starter packages have dots of their own ("RADIAL0.1"): choosing one keeps the whole name,
// and Load Part loads that package.
TEST_F(PackageBrowser, APackageNameWithADotIsChosenWhole)
{
    TestPackage radial = dip8();
    radial.name = "RADIAL0.1";
    writeCatalog(folder.file("DOTS.CAT"), std::move(radial));
    std::string shown;
    host.answerDialog([&](plat::Dialog& d) {
        choose(d, quill::kIdcBrowserLibraryList, "DOTS");
        choose(d, quill::kIdcBrowserPartList, "RADIAL0.1");
        shown = d.GetDlgItemText(quill::kIdcBrowserPartName);
        return d.PressButton(plat::kIdOk);
    });
    CLibPartsDlg dialog;
    EXPECT_EQ(dialog.DoModal(), plat::kIdOk);
    EXPECT_EQ(shown, "RADIAL0.1");
    EXPECT_EQ(g_packageChoice.part, "RADIAL0.1");
    EXPECT_TRUE(host.messageBoxes().empty()) << host.messageBoxes().front();
}

// The preview draws the package on the background and gives its description; the attribute
// texts are not drawn, and a part that is not there leaves the background alone.
TEST_F(PackageBrowser, PreviewDrawsThePackageFittedIntoTheFrame)
{
    constexpr int kSize = 160;
    const auto colours = [](plat::RasterDc& dc) {
        std::set<plat::ColorRef> seen;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                seen.insert(dc.GetPixel(x, y));
        return seen;
    };
    plat::RasterDc missing(kSize, kSize);
    EXPECT_FALSE(DrawPartPreview(missing, {0, 0, kSize, kSize}, "STD", "NOSUCH").has_value());
    EXPECT_EQ(colours(missing).size(), 1u) << "only the background";

    plat::RasterDc dc(kSize, kSize);
    const BoardObject* board = g_board.objects;
    const std::optional<std::string> description = DrawPartPreview(dc, {0, 0, kSize, kSize}, "std", "dip8");
    ASSERT_TRUE(description.has_value());
    EXPECT_EQ(*description, "Eight pins");
    EXPECT_GE(colours(dc).size(), 2u) << "the package on the background";
    // Fitted into the middle: the outer ring of 10 % stays background.
    const plat::ColorRef background = dc.GetPixel(0, 0);
    for (int i = 0; i < kSize; ++i) {
        EXPECT_EQ(dc.GetPixel(i, 2), background);
        EXPECT_EQ(dc.GetPixel(2, i), background);
    }
    EXPECT_EQ(g_board.objects, board) << "the board globals are given back";
}

}  // namespace
