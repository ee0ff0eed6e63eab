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
#include "support/default_stores.h"
#include "support/raster_hash.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/workspace/edit_dialogs.h"

#include "platform/app/wnd_state.h"

#include <QLayout>
#include <QWidget>

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
        // A pick from another catalogue: the list page follows it, catalogue and package.
        choose(d, quill::kIdcSearchResults, "OTHER/DIP8");
        const plat::Control* libraries = d.GetDlgItem(quill::kIdcBrowserLibraryList);
        const plat::Control* parts = d.GetDlgItem(quill::kIdcBrowserPartList);
        statuses.push_back(libraries->GetItemText(libraries->GetCurSel()) + " " + d.GetDlgItemText(quill::kIdcBrowserLibraryName));
        statuses.push_back(parts->GetCurSel() < 0 ? "" : parts->GetItemText(parts->GetCurSel()) + " " +
                                                             d.GetDlgItemText(quill::kIdcBrowserPartName));
        return d.PressButton(plat::kIdCancel);
    });
    CLibPartsDlg dialog;
    dialog.DoModal();
    EXPECT_EQ(statuses, (std::vector<std::string>{"No.of matches: 3", "No.of matches: 2", "Eight pins", "OTHER.CAT OTHER",
                                                  "DIP8 DIP8"}));
}

TEST_F(PackageBrowser, DeleteActsOnlyOnThePartChosenInTheListShown)
{
    const std::string std = quill_test::readText(folder.file("STD.CAT"));
    const std::string other = quill_test::readText(folder.file("OTHER.CAT"));
    host.answerDialog([&](plat::Dialog& d) {
        choose(d, quill::kIdcBrowserLibraryList, "STD.CAT");
        choose(d, quill::kIdcBrowserPartList, "DIP8");
        host.answerMessageBox(plat::kIdNo);
        d.PressButton(quill::kIdcBrowserDelete);
        // OTHER also has a DIP8, but it was never chosen there.
        choose(d, quill::kIdcBrowserLibraryList, "OTHER.CAT");
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
        choose(d, quill::kIdcBrowserLibraryList, "OTHER.CAT");
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
        look(d);
        choose(d, quill::kIdcBrowserLibraryList, "STD.CAT");
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
    ASSERT_EQ(seen.size(), 6u);
    // Opened, the catalogues are listed with their extension and counted until one is chosen.
    EXPECT_EQ(seen.front().status, "2 libraries available");
    seen.erase(seen.begin());
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
        choose(d, quill::kIdcBrowserLibraryList, "DOTS.CAT");
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

// Every kind and pad shape a package holds, on the copper, silk and all-layers layers.
TestPackage everyShape()
{
    TestPackage p("SHAPES");
    p.text(-10000, -5000, ";Every shape");
    const int32_t padWords[][4] = {{600, 600, 0, 350},   {800, 400, 1, 300},  {500, 500, 2, 0},
                                   {600, 600, 3, 350},   {300, 900, 4, 200},  {400, 400, 5, 150},
                                   {400, 400, 6, 150},   {700, 700, 7, 300},  {900, 900, 8, 400},
                                   {600, 300, 2 | 450 << 3, 0}};
    for (int i = 0; i < 10; ++i) {
        BoardObject& pad = p.add(kKindPad, i == 6 || i == 9 ? 0 : 31, -13000 + 1000 * (i % 5), -7000 + 1500 * (i / 5));
        pad.w[2] = padWords[i][0];
        pad.w[3] = padWords[i][1];
        pad.w[5] = padWords[i][2];
        pad.w[6] = padWords[i][3];
    }
    p.line(-13500, -8000, -8500, -8000);
    BoardObject& dashed = p.add(kKindLine, 0, -13500, -3500);
    dashed.w[2] = -8500;
    dashed.w[3] = -3000;
    dashed.w[5] = 1;
    BoardObject& bottom = p.add(kKindLine, 1, -13500, -2500);
    bottom.w[2] = -8500;
    bottom.w[3] = -2500;
    bottom.w[7] = 200;
    BoardObject& arc = p.add(kKindArc, 16, -13000, -2000);
    arc.w[2] = -11000;
    arc.w[3] = -1000;
    arc.w[7] = 80;
    BoardObject& box = p.add(kKindRectangle, 16, -10500, -2200);
    box.w[2] = 1500;
    box.w[3] = 800;
    box.w[6] = 3;
    BoardObject& turned = p.add(kKindRectangle, 0, -8500, -2200);
    turned.w[2] = 1000;
    turned.w[3] = 500;
    turned.w[5] = 300 << 2 | 1 << 15;
    turned.w[6] = 1;
    BoardObject& ring = p.add(kKindEllipse, 17, -12000, -500);
    ring.w[2] = 700;
    ring.w[3] = 400;
    ring.w[7] = 60;
    BoardObject& disc = p.add(kKindEllipse, 0, -10000, -500);
    disc.w[2] = 300;
    disc.w[3] = 300;
    disc.w[6] = 1;
    BoardObject& fixed = p.add(kKindFixedRectangle, 0, -9000, -1000);
    fixed.w[2] = -9000 + 800;   // its second corner
    fixed.w[3] = -1000 + 600;
    p.polygon({-8000, -1000, -7000, -1000, -7500, 0});
    p.text(-13000, 500, "U1 +5V");
    BoardObject& upright = p.add(kKindText, 31, -9000, 500);
    upright.w[2] = 0x301;
    upright.w[3] = 900 | 1 << 12;
    upright.data = StrDupChecked("PIN");
    p.text(-11000, -9000, "p?");
    return p;
}

// The preview's pixels under the view settings it follows (the current layer, the silk
// switches, the mask margin, the via options, the unit mode), as recorded.
TEST_F(PackageBrowser, PreviewKeepsItsPixelsUnderEveryViewSetting)
{
    writeCatalog(folder.file("SHAPES.CAT"), everyShape());
    const BoardEditState edit = g_edit;
    const BoardSettings settings = g_boardSettings;
    const BoardColors colors = g_boardColors;
    // The view, the settings and the colours as a new board program has them.
    quill_test::resetToDefaults(g_view, g_paint, g_print, g_boardColors);
    SeedColorMap();
    const struct {
        const char* setting;
        void (*apply)();
        uint64_t recorded;
    } cases[] = {
        {"as started", [] {}, 0xaa4bf41ed1e99528ull},
        {"top silk shown", [] { g_boardSettings.layerDisplay = {1, 0}; }, 0xc576dca84039f22aull},
        {"bottom layer, both silks", [] { g_edit.currentLayer = 1; g_boardSettings.layerDisplay = {1, 1}; }, 0xb76e2df962cf5297ull},
        {"top mask", [] { g_edit.currentLayer = 18; g_boardSettings.mask = 80; g_boardSettings.viamode = 367; }, 0xa5de7a8e32f3b2f7ull},
        {"bottom paste", [] { g_edit.currentLayer = 21; }, 0x2452e47d264cb515ull},
        {"VCC plane", [] { g_edit.currentLayer = 22; }, 0x7020e3d8d22bc83bull},
        {"all layers, round vias", [] { g_edit.currentLayer = 31; g_boardSettings.RoundVias = 1; }, 0x30934c2aa32d7abcull},
        {"metric", [] { g_boardSettings.units = 726; g_boardSettings.layerDisplay = {1, 1}; }, 0x2af9b2379a8afc5eull},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        quill_test::resetToDefaults(g_edit, g_boardSettings);
        c.apply();
        plat::RasterDc dc(200, 150);
        ASSERT_TRUE(DrawPartPreview(dc, {0, 0, 200, 150}, "SHAPES", "SHAPES").has_value());
        const uint64_t now = quill_test::rasterHash(dc.bitmap());
        if (quill_test::printingRasterHashes()) {
            std::printf("%s 0x%016llxull\n", c.setting, static_cast<unsigned long long>(now));
        } else {
            EXPECT_EQ(now, c.recorded);
        }
    }
    g_edit = edit;
    g_boardSettings = settings;
    g_boardColors = colors;
}

// Laid out by its Qt face, the Search tab takes the rows the Libraries tab leaves: the dialog
// keeps its height, and the search fields start where the library fields did.
TEST_F(PackageBrowser, TheSearchTabFillsTheRowsOfTheLibrariesTab)
{
    CLibPartsDlg dialog;
    ASSERT_TRUE(dialog.Create(tly::kIddLibraryParts));
    plat::showModelessWithQt(dialog);
    QWidget* face = dialog.state()->widget;
    ASSERT_NE(face, nullptr);
    const auto top = [&](unsigned id) {
        face->adjustSize();
        face->layout()->activate();
        return dialog.GetDlgItem(id)->state()->widget->geometry().top();
    };
    const int height = face->minimumSizeHint().height();
    const int libraryTop = top(quill::kIdcBrowserLibraryLabel);
    const int packageTop = top(quill::kIdcBrowserPackage);
    dialog.ChooseDlgItem(quill::kIdcBrowserTab, 1);
    ASSERT_TRUE(dialog.GetDlgItem(quill::kIdcSearchText)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(quill::kIdcBrowserLibraryList)->IsWindowVisible());
    EXPECT_EQ(face->minimumSizeHint().height(), height) << "the dialog grows for the Search tab";
    EXPECT_EQ(top(quill::kIdcSearchTextLabel), libraryTop) << "a blank band above the search fields";
    EXPECT_EQ(top(quill::kIdcBrowserPackage), packageTop);
    dialog.DestroyWindow();
}

}  // namespace
