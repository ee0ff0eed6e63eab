// The parts bin of the schematic program, driven as a person does: P opens it, its menu adds
// and deletes parts, the mouse hovers and drags thumbnails out into the drawing.
#include "../core/starter_parts_fixture.h"
#include "support/parts_bin_driver.h"

#include "common/parts_bin.h"
#include "platform/app/keys.h"
#include "platform/app/menu.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_previews.h"
#include "schemora/core/settings.h"
#include "schemora/core/undo_ring.h"
#include "schemora/workspace/parts_bin_window.h"

#include <algorithm>
#include <cctype>

namespace schemora_test {
namespace {

using namespace scm;

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

class PartsBin : public StarterPartsView {
protected:
    void SetUp() override
    {
        if (!startWithStarterLibraries({"DEVICE"}))
            GTEST_SKIP() << "the starter library has not been built (program folder LIB)";
        g_settings.binParts.clear();
        // Far from the drawing, so that a point of the drawing lies outside the bin.
        g_settings.binX = 3000;
        g_settings.binY = 3000;
        g_settings.binShut = 0;
    }
    void TearDown() override
    {
        ThePartsBin().Close();
        g_settings.binParts.clear();
        EditView::TearDown();
    }

    static CPartsBinDlg& bin() { return ThePartsBin(); }
    static plat::Control* cells() { return bin().GetDlgItem(quill::kIdcPartsBinCells); }
    void open()
    {
        ASSERT_TRUE(character('p'));
        ASSERT_TRUE(bin().isOpen());
        cells()->UpdateWindow();
    }
    // A command of the bin's own menu, chosen there.
    void menu(unsigned id)
    {
        ASSERT_NE(bin().GetMenu()->findCommand(id), nullptr);
        bin().OnCommand(id);
        cells()->UpdateWindow();
    }
    quill_test::PartsBinDriver hand() const { return {bin(), g_partsBinCells.cells}; }
    void mouse(unsigned message, plat::Point p, unsigned flags = 0) { hand().mouse(message, p, flags); }
    plat::Point cellCentre(int k) const { return hand().cellCentre(k); }
    void pick(int k)
    {
        mouse(plat::kWmLButtonDown, cellCentre(k), plat::kMkLButton);
        mouse(plat::kWmLButtonUp, cellCentre(k));
    }
    // Drags thumbnail k out of the bin over drawing point (x, y).
    void dragOut(int k, int x, int y) { hand().dragOut(k, *view(), pixelOf(x, y)); }
};

TEST_F(PartsBin, PAddsPartsThroughTheBrowserAndTheSettingsKeepThemWithThePlace)
{
    open();
    answerPartChooser("DEVICE", "NPN");
    menu(kCmdToolPart);
    answerPartChooser("DEVICE", "R");
    menu(kCmdToolPart);
    ASSERT_EQ(g_settings.binParts.size(), 2u);
    EXPECT_EQ(upper(g_settings.binParts[0]), "DEVICE\\NPN");
    EXPECT_EQ(g_partsBinCells.cells.size(), 2u) << "both painted";

    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
    menu(kCmdToolPart);
    EXPECT_EQ(g_settings.binParts.size(), 2u) << "Cancel adds nothing";

    bin().MoveWindow(150, 90, 240, 340);
    bin().SendMessage(plat::kWmClose);
    EXPECT_FALSE(bin().isOpen());
    SaveSettings();
    const auto saved = g_settings.binParts;
    g_settings.binParts.clear();
    g_settings.binX = g_settings.binY = 0;
    LoadSettings();
    EXPECT_EQ(g_settings.binParts, saved);
    EXPECT_EQ(g_settings.binX, 150);
    EXPECT_EQ(g_settings.binY, 90);
}

TEST_F(PartsBin, AFullBinRefusesWithoutOpeningTheBrowser)
{
    g_settings.binParts.assign(quill::kPartsBinMaxEntries, "DEVICE\\R");
    open();
    host.clearEvents();
    menu(kCmdToolPart);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Parts Bin FULL\nDelete existing part to add"});
    EXPECT_EQ(std::count_if(host.events().begin(), host.events().end(),
                            [](const std::string& e) { return e.rfind("dialog", 0) == 0; }),
              0);
    EXPECT_EQ(g_settings.binParts.size(), 20u);
}

// After a delete no cell stays selected: a second Delete asks again instead of removing
// whatever entry now fills the slot.
TEST_F(PartsBin, DeletingEntryThreeOfFiveMovesTheLastIntoItsPlace)
{
    g_settings.binParts = {"DEVICE\\R", "DEVICE\\C", "DEVICE\\L", "DEVICE\\D", "DEVICE\\LED"};
    open();
    pick(2);
    EXPECT_EQ(bin().selectedCell(), 2);
    menu(kCmdEditErase);
    EXPECT_EQ(g_settings.binParts, (std::vector<std::string>{"DEVICE\\R", "DEVICE\\C", "DEVICE\\LED", "DEVICE\\D"}));
    EXPECT_EQ(bin().selectedCell(), -1);

    host.clearEvents();
    menu(kCmdEditErase);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Select part to delete"});
    EXPECT_EQ(g_settings.binParts.size(), 4u);

    g_settings.binParts = {"DEVICE\\R"};
    cells()->Invalidate();
    cells()->UpdateWindow();
    pick(0);
    menu(kCmdEditErase);
    EXPECT_TRUE(g_settings.binParts.empty());
}

// The entry is kept by name: its part is loaded when it is dragged out, and the placed part gets
// its designator from the symbol and its number from automatic references.
TEST_F(PartsBin, DraggingAThumbnailOutPlacesExactlyOnePart)
{
    g_settings.binParts = {"DEVICE\\NPN"};
    open();
    ASSERT_EQ(FindLoadedSymbol("DEVICE\\NPN"), 0);
    dragOut(0, 600, 400);
    ASSERT_EQ(count(), 1) << "one part however long the mouse goes on";
    const DrawObject& q = object(1);
    EXPECT_TRUE(q.isPart());
    EXPECT_STREQ(q.text, "Q:DEVICE\\NPN");
    EXPECT_EQ(q.w[6], 1);
    EXPECT_EQ(q.x(), 600);
    EXPECT_EQ(q.y(), 400);
    EXPECT_EQ(q.sheet(), 1);
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_EQ(g_editState.CurrentTool, kCmdToolPart) << "the next click places another";

    dragOut(0, 1000, 400);
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(object(2).w[6], 2);
    EXPECT_NE(object(2).text, object(1).text) << "each part owns its text";

    EXPECT_TRUE(UndoLastStep());
    EXPECT_EQ(count(), 1);
}

TEST_F(PartsBin, LettingGoInsideTheBinOrAFullDrawingPlacesNothing)
{
    g_settings.binParts = {"DEVICE\\R"};
    open();
    const plat::Point from = cellCentre(0);
    mouse(plat::kWmLButtonDown, from, plat::kMkLButton);
    mouse(plat::kWmMouseMove, {from.x + 1, from.y}, plat::kMkLButton);
    mouse(plat::kWmMouseMove, {from.x + 5, from.y + 5}, plat::kMkLButton);
    mouse(plat::kWmLButtonUp, {from.x + 5, from.y + 5});
    EXPECT_EQ(count(), 0);

    doc()->data().objectCount = kMaxObjectCount;
    view()->LoadCurrentDocument();
    host.clearEvents();
    dragOut(0, 600, 400);
    EXPECT_EQ(count(), kMaxObjectCount);
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_EQ(host.messageBoxes().size(), 1u) << "the full drawing is reported";
    doc()->data().objectCount = 0;
    view()->LoadCurrentDocument();
}

// A dragged thumbnail follows the mouse as its picture, not as a frame, and leaves the bin's
// pixels as they were when it is let go.
TEST_F(PartsBin, ADraggedThumbnailShowsItsPicture)
{
    g_settings.binParts = {"DEVICE\\R"};
    ASSERT_EQ(LoadLibraryPart("DEVICE", "R"), 1) << "the bin paints the parts already loaded";
    open();
    const plat::Rect cell = g_partsBinCells.cells.at(0);
    const plat::Rect client = cells()->clientRect();
    const auto pixels = [&](const plat::Rect& r) {
        plat::ClientDC dc(cells());
        std::vector<plat::ColorRef> out;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                out.push_back(dc->GetPixel(x, y));
        return out;
    };
    // Right of the thumbnail, where the bin is empty.
    const plat::Point to{cell.right + cell.width() / 2, (cell.top + cell.bottom) / 2};
    ASSERT_LT(to.x, client.right - quill::kPartsBinEdge);
    const plat::Rect there{to.x - cell.width() / 2, to.y - cell.height() / 2, to.x - cell.width() / 2 + cell.width(),
                           to.y - cell.height() / 2 + cell.height()};
    const std::vector<plat::ColorRef> thumbnail = pixels(cell);
    const std::vector<plat::ColorRef> empty = pixels(there);
    ASSERT_NE(thumbnail, empty);

    const plat::Point from = cellCentre(0);
    mouse(plat::kWmLButtonDown, from, plat::kMkLButton);
    mouse(plat::kWmMouseMove, {from.x + 1, from.y}, plat::kMkLButton);
    mouse(plat::kWmMouseMove, to, plat::kMkLButton);
    EXPECT_EQ(pixels(there), thumbnail) << "the part's picture under the mouse";
    mouse(plat::kWmLButtonUp, to);
    EXPECT_EQ(pixels(there), empty) << "gone when let go";
    EXPECT_EQ(count(), 0);
}

TEST_F(PartsBin, ShutAndOpenSlideTheWindowWithTheirSoundsAndReopeningKeepsIt)
{
    g_settings.sound = 1;
    g_folders.soundFolder = "/sounds/";
    host.setSoundWorks(true);
    open();
    plat::Rect r;
    bin().GetWindowRect(&r);
    const int openHeight = r.height();
    EXPECT_EQ(bin().GetMenu()->GetMenuString(quill::kCmdPartsBinShut), "Shut");
    host.clearEvents();
    menu(quill::kCmdPartsBinShut);
    bin().GetWindowRect(&r);
    EXPECT_EQ(r.height(), plat::GetSystemMetrics(plat::kSmCySmCaption) + plat::GetSystemMetrics(plat::kSmCyMenu) +
                              plat::GetSystemMetrics(plat::kSmCySizeFrame));
    EXPECT_EQ(g_settings.binShut, 1);
    EXPECT_EQ(bin().GetMenu()->GetMenuString(quill::kCmdPartsBinShut), "Open");
    EXPECT_EQ(host.events(), (std::vector<std::string>{"beep", "sound: /sounds/retract.wav"}));

    bin().MoveWindow(40, 50, r.width(), r.height());
    bin().PressEnter();
    EXPECT_TRUE(bin().isOpen()) << "Enter is no way out";
    cells()->SendMessage(plat::kWmKeyDown, plat::kVkEscape, 1);
    harness->idle();
    EXPECT_FALSE(bin().isOpen());
    host.clearEvents();
    open();
    bin().GetWindowRect(&r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(g_settings.binShut, 1) << "it comes back shut";
    EXPECT_EQ(bin().GetMenu()->GetMenuString(quill::kCmdPartsBinShut), "Open");

    host.clearEvents();
    menu(quill::kCmdPartsBinShut);
    bin().GetWindowRect(&r);
    EXPECT_EQ(r.height(), openHeight);
    EXPECT_EQ(host.events(), std::vector<std::string>{"sound: /sounds/extend.wav"});
}

TEST_F(PartsBin, HoveringShowsTheDescriptionAndTheTooltipFollowsTheSetting)
{
    g_settings.binParts = {"DEVICE\\NPN"};
    open();
    mouse(plat::kWmMouseMove, cellCentre(0));
    EXPECT_EQ(pane(0), "NPN transistor");
    EXPECT_EQ(bin().OnControlToolTip(*cells(), cellCentre(0)), std::optional<std::string>("NPN transistor"));
    g_settings.PartsBinHelp = 0;
    EXPECT_EQ(bin().OnControlToolTip(*cells(), cellCentre(0)), std::nullopt);
    g_settings.PartsBinHelp = 1;
    mouse(plat::kWmMouseMove, {1, 1});
    EXPECT_EQ(bin().tooltipText(), "");
}

TEST_F(PartsBin, TheScrollBarMovesTheThumbnailsWithinTheirHeight)
{
    g_settings.binParts.assign(quill::kPartsBinMaxEntries, "DEVICE\\R");
    open();
    plat::Control* bar = bin().GetDlgItem(quill::kIdcPartsBinScroll);
    const int needed = (20 / 2 + 1) * quill::kPartsBinRowHeight;
    const int page = cells()->clientRect().height();
    bar->scroll(plat::kSbLineDown);
    cells()->UpdateWindow();
    EXPECT_EQ(bar->GetPos(), needed / 40);
    EXPECT_EQ(g_partsBinCells.cells.at(0).top, -(needed / 40));
    bar->scroll(plat::kSbPageDown);
    EXPECT_EQ(bar->GetPos(), needed / 40 + needed / 20);
    bar->scroll(plat::kSbThumbPosition, 5000);
    cells()->UpdateWindow();
    EXPECT_EQ(bar->GetPos(), needed - page) << "the last row stays in view";
    EXPECT_EQ(g_partsBinCells.cells.at(19).bottom + quill::kPartsBinRowHeight, page) << "and the spare row below it";
    bar->scroll(plat::kSbPageUp);
    bar->scroll(plat::kSbThumbPosition, 0);
    EXPECT_EQ(bar->GetPos(), 0);
}

TEST(PartsBinTooltip, LongDescriptionsEndAtTheNextBlank)
{
    struct Case {
        const char* description;
        size_t length;
        const char* tip;
    } cases[] = {
        {"exactly twenty-five chars", 25, "exactly twenty-five chars"},
        {"Quad two-input NAND gate, open collector", 25, "Quad two-input NAND gate"},
        {"Operational amplifier with rail outputs", 25, "Operational amplifier with"},
        {"Dual in-line package, eight pins", 20, "Dual in-line package"},
        {"Twenty-one-characters", 20, "Twenty-one-characters"},
        {"Twenty-characters-no-blank-after", 20, "Twenty-characters-no-blank-after"},
        {"", 20, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_EQ(quill::PartsBinTooltip(c.description, c.length), c.tip);
    }
    EXPECT_EQ(quill::PartsBinTooltip(std::string(1000, 'x'), 20).size(), 255u) << "the copy is bounded";
}

}  // namespace
}  // namespace schemora_test
