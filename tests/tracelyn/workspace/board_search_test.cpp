// Tracelyn's Aux > Find and Replace, Alt+S scaling and the V, N, H alignments through the real
// frame, keys and dialogs, on boards built in the test.
#include "board_commands_fixture.h"

#include "common/find_replace_dialogs.h"
#include "common/string_helpers.h"
#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "resources/tracelyn/board_search_ids.h"
#include "support/find_replace_answers.h"
#include "support/key_steps.h"
#include "tracelyn/core/board_alignment.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/route_services.h"

#include <array>
#include <string>
#include <vector>

namespace edit_test {
namespace {

using namespace tly;
using quill_test::continueSearch;
using quill_test::replaceAnswer;

using BoardSearch = BoardCommands;

constexpr quill_test::FindAnswer searchAnswer{{kIdcSearchText, kIdcSearchReference, kIdcSearchHiddenVia}};

TEST_F(BoardSearch, FindEachKindStopsAtItsHitsAndNamesWhatItMissed)
{
    add(kKindPart + 1, 100, 100, 0, 0, "U:DIP14").w[7] = 12;
    add(kKindPart + 1, 5000, 6000, 0, 0, "U:DIP14").w[7] = 1;
    add(kKindPart + 1, 300, 300, 0, 0, "IC:DIP8").w[7] = 3;
    add(kKindText, 700, 800, 0, 0, "GND and GND");
    g_edit.currentLayer = kLayerAll;

    struct Case {
        unsigned kind;
        const char* text;
        int stops;
        const char* missing;
    };
    const Case cases[] = {
        {kIdcSearchReference, "u1", 1, nullptr},     // U1 does not stop at U12
        {kIdcSearchReference, "IC3", 1, nullptr},    // the whole prefix
        {kIdcSearchPlainText, "GND", 2, nullptr},
        {kIdcSearchPlainText, "gnd", 0, "Text NOT found"},   // case as typed
        {kIdcSearchPlainText, "", 0, "Text NOT found"},
        {kIdcSearchDrcMark, "", 0, "No DRC marks found"},
        {kIdcSearchHiddenVia, "", 0, "No hidden vias found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.kind));
        host.clearEvents();
        host.answerDialog(searchAnswer(c.kind, c.text));
        for (int i = 0; i < c.stops; ++i)
            host.answerDialog(continueSearch);
        key('F', {plat::kVkControl});
        EXPECT_TRUE(host.shown("dialog 150"));
        EXPECT_EQ(host.count("dialog 164"), c.stops);
        if (c.missing)
            EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{c.missing});
        else
            EXPECT_TRUE(host.messageBoxes().empty());
    }

    add(kKindFixedRectangle, 0, 0, 100, 200);
    BoardObject& via = add(kKindPad, 40, 40, 20, 20);
    via.w[5] = kPadLayerPair;
    host.clearEvents();
    host.answerDialog(searchAnswer(kIdcSearchHiddenVia, ""));
    host.answerDialog(continueSearch);
    key('F', {plat::kVkControl});
    EXPECT_EQ(host.count("dialog 164"), 1);
    EXPECT_TRUE(host.messageBoxes().empty());
}

// A designator is shown where its label stands: the part's label point turned with the part.
TEST_F(BoardSearch, ReferenceDesignatorIsShownAtItsLabel)
{
    const struct {
        int32_t angleWord;
        int32_t labelX, labelY;   // board point of the label point (-9000, -5500) of the package
    } cases[] = {{0, 6000, 5500}, {900, 5500, 7000}, {1800 | 0x1000, 6000, 6500}};
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angleWord);
        BoardObject& part = add(kKindPart + 1, 5000, 6000, -9000, -5500, "U:DIP14");
        part.w[6] = c.angleWord;
        part.w[7] = ++number;
        int32_t originX = 0, originY = 0;
        host.answerDialog(searchAnswer(kIdcSearchReference, "U" + std::to_string(number)));
        host.answerDialog([&](plat::Dialog& d) {
            originX = g_board.viewOriginX;
            originY = g_board.viewOriginY;
            return continueSearch(d);
        });
        key('F', {plat::kVkControl});
        int32_t x = c.labelX, y = c.labelY;
        WorldToScreen(x, y);
        EXPECT_EQ((std::array{originX, originY}), (std::array{x, y}));
    }
}

// Asking whether to replace, the view shows the text in question selected; the selection ends
// with the question.
TEST_F(BoardSearch, ReplacePromptSelectsTheTextItAsksAbout)
{
    add(kKindText, 0, 0, 0, 0, "other");
    add(kKindText, 2000, 3000, 0, 0, "AB");
    g_edit.currentLayer = kLayerAll;
    select({1});
    std::vector<int> selected;
    host.answerDialog(replaceAnswer("B", "C", kIdcReplacePrompt));
    host.answerDialog([&](plat::Dialog& d) {
        selected.assign(g_selection.list.begin() + 1, g_selection.list.begin() + 1 + g_selection.count);
        return d.PressButton(kIdcConfirmReplace);
    });
    key('H', {plat::kVkControl});
    EXPECT_EQ(selected, std::vector<int>{base_ + 2});
    EXPECT_EQ(g_selection.count, 0);
    EXPECT_STREQ(obj(2).text(), "AC");
}

// Each answer shows on the board before the next question: the second question finds the first
// occurrence already replaced, in the same text and in the one asked about before.
TEST_F(BoardSearch, ReplacePromptShowsEachAnswerBeforeTheNextQuestion)
{
    add(kKindText, 0, 0, 0, 0, "BB");
    add(kKindText, 2000, 3000, 0, 0, "B");
    g_edit.currentLayer = kLayerAll;
    std::vector<std::string> seen;
    host.answerDialog(replaceAnswer("B", "C", kIdcReplacePrompt));
    for (int question = 0; question < 3; ++question)
        host.answerDialog([&](plat::Dialog& d) {
            seen.push_back(std::string(obj(1).text()) + "/" + obj(2).text());
            return d.PressButton(kIdcConfirmReplace);
        });
    key('H', {plat::kVkControl});
    EXPECT_EQ(seen, (std::vector<std::string>{"BB/B", "CB/B", "CC/B"}));
    EXPECT_STREQ(obj(2).text(), "C");
}

TEST_F(BoardSearch, NetNameWalksOnlyTheNetsOwnChainWithinTheTable)
{
    ASSERT_FALSE(NetTable().empty()) << "start-up locks the router memory";
    NetTable()[0] = NetRecord{0, 2, 0, 0, StrDupChecked("Vcc")};
    NetTable()[1] = NetRecord{2, 0, 0, 0, StrDupChecked("EMPTY")};
    ConnectionTable()[0] = NetConnection{};
    ConnectionTable()[0].x1 = 10;
    ConnectionTable()[0].next = 1;
    ConnectionTable()[1] = NetConnection{};
    ConnectionTable()[1].x1 = 20;
    ConnectionTable()[1].x2 = 30;
    ConnectionTable()[1].next = 77;   // beyond the table: the walk ends there
    g_netlist.netCount = 2;
    g_router.ratsNestCount = 2;
    g_netlist.loadedBoard = g_board.objects;

    std::vector<std::string> offered;
    host.answerDialog(searchAnswer(kIdcSearchNetName, "vcc", &offered));
    for (int i = 0; i < 3; ++i)
        host.answerDialog(continueSearch);
    key('F', {plat::kVkControl});
    EXPECT_EQ(host.count("dialog 164"), 3) << "two first pins and the last connection's second pin";
    EXPECT_TRUE(host.messageBoxes().empty());

    host.clearEvents();
    host.answerDialog(searchAnswer(kIdcSearchNetName, "EMPTY", &offered));
    key('F', {plat::kVkControl});
    EXPECT_EQ(offered, (std::vector<std::string>{"Vcc", "EMPTY"})) << "the net names are offered";
    EXPECT_EQ(host.count("dialog 164"), 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Net not found"});

    ForgetNets();
    g_router.ratsNestCount = 0;
    g_netlist.loadedBoard = nullptr;
}

TEST_F(BoardSearch, HistoryKeepsFourDistinctTextsWithoutReordering)
{
    for (const char* text : {"A", "B", "C", "B", "D", "E"}) {
        host.answerDialog(searchAnswer(kIdcSearchPlainText, text));
        key('F', {plat::kVkControl});
    }
    std::vector<std::string> offered;
    host.answerDialog(searchAnswer(kIdcSearchPlainText, "E", &offered));
    key('F', {plat::kVkControl});
    EXPECT_EQ(offered, (std::vector<std::string>{"E", "D", "C", "B"}));
}

TEST_F(BoardSearch, ReplaceCountsWhatItMadeOnTheCurrentLayer)
{
    add(kKindText, 0, 0, 0, 0, "AAA");
    add(kKindText, 0, 0, 0, 0, "AAA", 1);
    add(kKindText, 0, 0, 0, 0, std::string(199, 'x').append("A").c_str());
    g_edit.currentLayer = kLayerTop;
    board()->SetModifiedFlag(false);
    {
        SCOPED_TRACE("prompt, Continue everywhere");
        host.answerDialog(replaceAnswer("A", "AA", kIdcReplacePrompt));
        for (int i = 0; i < 4; ++i)
            host.answerDialog([](plat::Dialog& d) { return d.PressButton(kIdcConfirmContinue); });
        key('H', {plat::kVkControl});
        EXPECT_EQ(host.count("dialog 165"), 4);
        EXPECT_TRUE(host.shown("message box: Number of replacements made:0"));
        EXPECT_FALSE(board()->IsModified());
    }
    {
        SCOPED_TRACE("all at once: the current layer only, no text past 200 characters");
        host.clearEvents();
        host.answerDialog(replaceAnswer("A", "AA", kIdcReplaceAll));
        key('H', {plat::kVkControl});
        EXPECT_STREQ(obj(1).text(), "AAAAAA");
        EXPECT_STREQ(obj(2).text(), "AAA");
        EXPECT_EQ(std::string(obj(3).text()).size(), 200u);
        EXPECT_TRUE(host.shown("message box: Number of replacements made:3"));
        EXPECT_TRUE(board()->IsModified());
    }
    {
        SCOPED_TRACE("Cancel ends without the count");
        host.clearEvents();
        host.answerDialog(replaceAnswer("A", "B", kIdcReplacePrompt));
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(kIdcConfirmReplace); });
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
        key('H', {plat::kVkControl});
        EXPECT_STREQ(obj(1).text(), "BAAAAA");
        EXPECT_TRUE(host.messageBoxes().empty());
    }
}

TEST_F(BoardSearch, AlignmentsFollowTheReferenceTraceOrBox)
{
    add(kKindPad, 100, 420, 20, 20);
    add(kKindPad, 300, 380, 20, 20);
    add(kKindLine, 0, 200, 1000, 200);       // horizontal
    add(kKindLine, 2000, 0, 2000, 600);      // vertical
    add(kKindLine, 0, 0, 100, 100);          // sloped
    add(kKindRectangle, 4000, 4000, 400, 200);
    const quill_test::KeyStep steps[] = {
        {"one selected object: nothing moves", {1}, 'V', {{1, 0, 100}}, 0},
        // Anchor (200, 400) to the middle 500.
        {"horizontal reference: x only", {1, 2, 3}, 'V', {{1, 0, 400}, {1, 1, 420}}},
        // Anchor y 400 to the middle 300.
        {"vertical reference: y only", {1, 2, 4}, 'V', {{1, 1, 320}, {1, 0, 400}}},
        {"sloped reference: nothing", {1, 2, 5}, 'V', {{1, 0, 400}, {1, 1, 320}}},
        {"Align On Line drops pads onto the trace", {1, 2, 3}, 'H', {{1, 1, 200}, {2, 1, 200}}},
        {"Align To Center to the box", {1, 2, 6}, 'N', {{1, 0, 4100}, {1, 1, 4100}}},
    };
    quill_test::playKeySteps({[this](std::span<const int> s) { select(s); }, [this](char c) { key(unsigned(c)); },
                              [this](int i, int word) { return obj(i).w[word]; }, [] { return g_undo.depth; }},
                             steps);
    ASSERT_GE(g_undo.depth, 1);
    command(kCmdUndo);
    EXPECT_EQ(obj(1).w[1], 200);
}

TEST_F(BoardSearch, ScalingMovesEveryPointAndEveryObjectAsOneUndoStep)
{
    BoardObject& polygon = add(kKindPolygon, 0, 0, 3);
    polygon.data = NewPointBlock(6);
    const int32_t points[] = {0, 0, 100, 0, 100, 100};
    std::copy(std::begin(points), std::end(points), polygon.points());
    add(kKindPart + 1, 1000, 0);
    add(kKindLine, 1000, 0, 1000, 500, nullptr, 1);   // copper on another layer, ends on the part
    g_edit.currentLayer = kLayerTop;
    select({1});
    host.answerDialog([](plat::Dialog& d) {
        d.SetDlgItemText(kIdcScaleX, "0");
        d.SetDlgItemText(kIdcScaleY, "100");
        EXPECT_EQ(d.PressButton(plat::kIdOk), -1) << "a factor of 0 is refused";
        d.SetDlgItemText(kIdcScaleX, "200");
        d.SetDlgItemText(kIdcScaleY, "200");
        return d.PressButton(plat::kIdOk);
    });
    key('S', {plat::kVkMenu});
    EXPECT_TRUE(host.shown("dialog 173"));
    EXPECT_EQ(g_selection.count, 1) << "the selection stays";
    // Every vertex is scaled (not only the first point), and the re-centring moves the part and
    // the trace on another layer by one offset, so the trace still ends on the part.
    const int32_t* v = obj(1).points();
    EXPECT_EQ(v[2] - v[0], 200);
    EXPECT_EQ(v[5] - v[3], 200);
    EXPECT_EQ(v[0], obj(1).w[0]);
    EXPECT_EQ(obj(3).w[0], obj(2).w[0]);
    EXPECT_EQ(obj(3).w[1], obj(2).w[1]);
    EXPECT_EQ(obj(3).w[3] - obj(3).w[1], 500) << "the other layer is not scaled";
    command(kCmdUndo);
    EXPECT_EQ(obj(1).points()[2], 100);
    EXPECT_EQ(obj(2).w[0], 1000);
    EXPECT_EQ(obj(3).w[3], 500);
}

}  // namespace
}  // namespace edit_test
