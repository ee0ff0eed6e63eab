// Tracelyn's Edit > Advanced commands, the o key, Ref No and Back Annotate through the real
// frame, keys and dialogs.
#include "board_commands_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/menu.h"
#include "resources/tracelyn/board_search_ids.h"
#include "support/special_files.h"
#include "tracelyn/core/object_painters.h"

#include <array>
#include <fstream>
#include <string>

namespace edit_test {
namespace {

using namespace tly;

using BoardAdvanced = BoardCommands;

TEST_F(BoardAdvanced, MoveBetweenLayersTakesCopperToTheCurrentLayerAndSwapsViaKinds)
{
    BoardObject& via = add(kKindPad, 0, 0, 50, 50, nullptr, kLayerAll);
    via.w[5] = kPadVia;
    add(kKindLine, 0, 0, 100, 0, nullptr, 0);
    add(kKindText, 0, 0, 0, 0, "silk", kLayerSilkTop);
    g_edit.currentLayer = 2;
    select({1, 2, 3});
    host.answerMessageBox(plat::kIdNo);
    key('L', {plat::kVkControl});
    EXPECT_EQ(obj(2).layer(), 0) << "No leaves the board alone";

    select({1, 2, 3});
    host.answerMessageBox(plat::kIdYes);
    key('L', {plat::kVkControl});
    EXPECT_TRUE(host.shown("message box: Move selected objects to current layer?"));
    EXPECT_EQ(obj(1).layer(), 2);
    EXPECT_EQ(obj(1).w[5] & 15, kPadLayerPair);
    EXPECT_EQ(obj(2).layer(), 2);
    EXPECT_EQ(obj(3).layer(), kLayerSilkTop);

    command(kCmdUndo);
    EXPECT_EQ(obj(1).layer(), kLayerAll);
    EXPECT_EQ(obj(1).w[5] & 15, kPadVia);
}

TEST_F(BoardAdvanced, CutTraceCutsStrictlyBetweenItsEndsAsOneUndoStep)
{
    BoardObject& trace = add(kKindLine, 0, 0, 1000, 0, nullptr, 1);
    trace.w[5] = 80;
    add(kKindLine, 0, 0, 300, 300);
    const int before = count();
    board()->SetModifiedFlag(false);
    {
        SCOPED_TRACE("a click at an end cuts nothing");
        select({1});
        g_gesture.pressBoardX = 1000;
        key(plat::kVkF7);
        EXPECT_EQ(count(), before);
        EXPECT_FALSE(board()->IsModified());
    }
    {
        SCOPED_TRACE("a sloped trace is refused");
        select({2});
        key(plat::kVkF7);
        EXPECT_EQ(pane0(), "Trace not orthogonal");
    }
    select({1});
    g_gesture.pressBoardX = 400;
    key(plat::kVkF7);
    ASSERT_EQ(count(), before + 1);
    EXPECT_EQ(obj(1).w[2], 400);
    const BoardObject& piece = object(count());
    EXPECT_EQ(piece.w[0], 400);
    EXPECT_EQ(piece.w[2], 1000);
    EXPECT_EQ(piece.layer(), 1);
    EXPECT_EQ(piece.w[5], 80);
    EXPECT_TRUE(board()->IsModified());

    command(kCmdUndo);
    EXPECT_EQ(count(), before);
    EXPECT_EQ(obj(1).w[2], 1000);
}

// A dialog of two fields answered with their texts and OK.
auto twoFieldAnswer(unsigned first, const char* firstText, unsigned second, const char* secondText)
{
    return [=](plat::Dialog& d) {
        d.SetDlgItemText(first, firstText);
        d.SetDlgItemText(second, secondText);
        return d.PressButton(plat::kIdOk);
    };
}

auto gotoAnswer(const char* x, const char* y) { return twoFieldAnswer(kIdcGotoX, x, kIdcGotoY, y); }

TEST_F(BoardAdvanced, GotoChecksBothCoordinates)
{
    for (auto [x, y] : {std::pair{"-36", "0"}, std::pair{"abc", "1"}, std::pair{"1", "y"}}) {
        SCOPED_TRACE(std::string(x) + "," + y);
        int result = 0;
        host.answerDialog([&](plat::Dialog& d) {
            result = gotoAnswer(x, y)(d);
            return plat::kIdCancel;
        });
        key('G', {plat::kVkControl});
        EXPECT_EQ(result, -1) << "the dialog stays";
    }
    // Y has no range of its own: any number is taken, and the view stays on what a board holds.
    host.clearEvents();
    for (const char* y : {"40", "99999999999", "-1e300"}) {
        SCOPED_TRACE(y);
        int result = 0;
        host.answerDialog([&](plat::Dialog& d) { return result = gotoAnswer("1", y)(d); });
        key('G', {plat::kVkControl});
        EXPECT_EQ(result, plat::kIdOk);
        EXPECT_TRUE(host.messageBoxes().empty());
    }
    const int32_t originX = g_board.viewOriginX;
    host.answerDialog(gotoAnswer("1.5", "-2"));
    key('G', {plat::kVkControl});
    EXPECT_TRUE(host.shown("dialog 184"));
    EXPECT_NE(g_board.viewOriginX, originX);
}

// G is the key the menu shows for Re-grid Objects: it asks, then snaps the selection.
TEST_F(BoardAdvanced, KeyGRegridsTheSelection)
{
    const plat::MenuItem* item = frame().GetMenu()->findCommand(kCmdRegrid);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->text.ends_with("\tG")) << item->text;
    add(kKindLine, 249, 251, -251, 1000);
    add(kKindText, 700, 760, 0, 0, "far");
    g_view.gridStepX = g_view.gridStepY = 500;
    select({1});
    host.answerMessageBox(plat::kIdNo);
    key('G');
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Regrid selected objects?"});
    EXPECT_EQ(obj(1).w[0], 249) << "No leaves the board alone";
    host.answerMessageBox(plat::kIdYes);
    key('G');
    EXPECT_EQ((std::array{obj(1).w[0], obj(1).w[1], obj(1).w[2], obj(1).w[3]}), (std::array{0, 500, -500, 1000}));
    EXPECT_EQ(obj(2).w[0], 700) << "what is not selected stays";
    EXPECT_TRUE(board()->IsModified());
}

TEST_F(BoardAdvanced, SnapTextToPadCountsEachTextOnceAndMarksTheBoard)
{
    add(kKindPad, 1000, 1000, 50, 50);
    add(kKindPad, 1040, 1000, 50, 50);
    add(kKindText, 1010, 1010, 0, 0, "R1");
    add(kKindText, 5000, 5000, 0, 0, "far");
    board()->SetModifiedFlag(false);
    host.answerDialog([](plat::Dialog& d) {
        d.SetDlgItemText(kIdcSnapThreshold, "10");
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdSnapTextToPad);
    EXPECT_TRUE(host.shown("dialog 216"));
    EXPECT_EQ(obj(3).w[0], 1040) << "the last near pad wins";
    EXPECT_EQ(obj(4).w[0], 5000);
    EXPECT_EQ(pane0(), "Snapped 1 text elements to pads");
    EXPECT_TRUE(board()->IsModified());
    command(kCmdUndo);
    EXPECT_EQ(obj(3).w[0], 1010);
}

TEST_F(BoardAdvanced, ClearDrcMarksRemovesEveryMarkAndOriginKeySetsTheReadout)
{
    add(kKindFixedRectangle, 0, 0, 10, 10);
    add(kKindText, 0, 0, 0, 0, "keep");
    add(kKindFixedRectangle, 5, 5, 10, 10);
    command(kCmdClearDrcMarks);
    EXPECT_EQ(count(), base_ + 1);
    EXPECT_STREQ(obj(1).text(), "keep");
    EXPECT_EQ(g_undo.depth, 0);

    plat::Msg msg{plat::kWmChar, 'o', 1, view()};
    frame().PreTranslateMessage(msg);
    EXPECT_EQ(pane0(), "Set new coordinate origin");
    EXPECT_EQ(g_pointer.readoutOriginX, g_gesture.boardX);
}

auto refNoAnswer(const char* type, const char* start)
{
    return twoFieldAnswer(kIdcRefDesType, type, kIdcRefDesStart, start);
}

TEST_F(BoardAdvanced, RefNoAndBackAnnotateRenumberComponents)
{
    for (const char* name : {"U:DIP14", "R:R300", "U:DIP14", "IC:DIP8"})
        add(kKindPart + 1, 0, 0, 0, 0, name).w[7] = 50;
    int refused = 0;
    host.answerDialog([&](plat::Dialog& d) {
        refused = refNoAnswer("u", "0")(d);
        return refNoAnswer("u", "5")(d);
    });
    command(kCmdRefNo);
    EXPECT_TRUE(host.shown("dialog 131"));
    EXPECT_EQ(refused, -1);
    EXPECT_EQ(obj(1).w[7], 5);
    EXPECT_EQ(obj(2).w[7], 50);
    EXPECT_EQ(obj(3).w[7], 6);

    const std::string long_line = std::string(100, ' ') + "R50----R9";
    std::ofstream(folder.path() / "out.ano") << "U5----U1\nIC50----IC12\n" << long_line << "\nU6----U\nnothing here\n";
    board()->SetModifiedFlag(false);
    host.answerDialog([&](plat::Dialog& d) {
        d.SetDlgItemText(kIdcAnnotationFile, (folder.path() / "out.ano").string());
        return d.PressButton(plat::kIdOk);
    });
    key(plat::kVkF11);
    EXPECT_TRUE(host.shown("dialog 218"));
    EXPECT_EQ(obj(1).w[7], 1);
    EXPECT_EQ(obj(4).w[7], 12) << "the digits after the letters";
    EXPECT_EQ(obj(2).w[7], 9) << "a long line is read whole";
    EXPECT_EQ(obj(3).w[7], 6) << "a new reference without digits is skipped";
    EXPECT_EQ(pane0(), "Annotated 3 references");
    EXPECT_TRUE(board()->IsModified());

    // A line of megabytes from elsewhere is passed over without holding it; the lines after it
    // still count.
    std::ofstream(folder.path() / "out.ano") << std::string(8 << 20, 'x') << "----U3\nU1----U7\n";
    host.answerDialog([&](plat::Dialog& d) {
        d.SetDlgItemText(kIdcAnnotationFile, (folder.path() / "out.ano").string());
        return d.PressButton(plat::kIdOk);
    });
    key(plat::kVkF11);
    EXPECT_EQ(obj(1).w[7], 7);
    EXPECT_EQ(pane0(), "Annotated 1 references");

    host.answerDialog([&](plat::Dialog& d) {
        d.SetDlgItemText(kIdcAnnotationFile, "missing.ano");
        return d.PressButton(plat::kIdOk);
    });
    key(plat::kVkF11);
    EXPECT_TRUE(host.shown("message box: File missing.ano not found"));
}

// An annotation file named after a pipe or a folder is refused at once by its kind; no
// reference changes and the board stays as it was.
TEST_F(BoardAdvanced, BackAnnotateRefusesAPipeOrAFolderAtOnce)
{
    add(kKindPart + 1, 0, 0, 0, 0, "U:DIP14").w[7] = 5;
    board()->SetModifiedFlag(false);
    for (const quill_test::NonFile& f : quill_test::placeNonFiles(folder.path() / "pipe.ano", folder.path() / "dir.ano")) {
        SCOPED_TRACE(f.kind);
        host.clearEvents();
        host.answerDialog([&](plat::Dialog& d) {
            d.SetDlgItemText(kIdcAnnotationFile, f.path.string());
            return d.PressButton(plat::kIdOk);
        });
        quill_test::withoutWaiting({f}, [&] { key(plat::kVkF11); });
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{quill_test::notAFileMessage(f)});
        EXPECT_EQ(obj(1).w[7], 5);
        EXPECT_FALSE(board()->IsModified());
    }
}

}  // namespace
}  // namespace edit_test
