// Aux > Find and Aux > Replace Text through the real frame, with every question answered.
#include "schemora_commands_fixture.h"

#include "common/find_replace_dialogs.h"
#include "resources/schemora/advanced_edit_ids.h"
#include "schemora/core/undo_ring.h"
#include "support/find_replace_answers.h"

#include <string>

namespace schemora_test {
namespace {

using namespace scm;
using paint_test::words;
using quill_test::continueSearch;
using quill_test::replaceAnswer;

using SearchCommands = DrawingCommands;

constexpr quill_test::FindAnswer findAnswer{{kIdcFindText, kIdcFindReference, kIdcFindPlainText}};

TEST_F(SearchCommands, FindStopsAtEachHitAndReportsWhatItMissed)
{
    const int resistor = paint_test::addResistor();
    add(words(kObjPart + resistor, 0, 0), "U:DEVICE\\R").w[6] = 12;
    add(words(kObjPart + resistor, 4000, 4000, 0, 0, 6, 2), "U:DEVICE\\R").w[6] = 1;
    add(words(kObjText, 700, 800), "U1 and U1");
    add(words(kObjPart + resistor, 0, 0), "IC:DEVICE\\R").w[6] = 3;

    {
        SCOPED_TRACE("a designator: U1 does not stop at U12; the view goes to its sheet");
        host.answerDialog(findAnswer(kIdcFindReference, "u1"));
        host.answerDialog(continueSearch);
        ASSERT_TRUE(command(kCmdFind));
        EXPECT_EQ(host.count("dialog 147"), 1);
        EXPECT_EQ(g_sheetView.currentSheet, 2);
        EXPECT_EQ(pane(0), "Search complete");
        EXPECT_TRUE(host.messageBoxes().empty());
    }
    {
        SCOPED_TRACE("the whole prefix: IC3 is found");
        host.clearEvents();
        host.answerDialog(findAnswer(kIdcFindReference, "IC3"));
        ASSERT_TRUE(command(kCmdFind));
        EXPECT_EQ(host.count("dialog 147"), 1);
    }
    {
        SCOPED_TRACE("text: two stops in one text, centred on it; Cancel ends quietly");
        host.clearEvents();
        host.answerDialog(findAnswer(kIdcFindPlainText, "U1"));
        host.answerDialog(continueSearch);
        ASSERT_TRUE(command(kCmdFind));
        EXPECT_EQ(host.count("dialog 147"), 2);
        EXPECT_EQ(g_current.viewCentreX, 700);
        EXPECT_TRUE(host.messageBoxes().empty()) << "the second stop was cancelled";
    }
    {
        SCOPED_TRACE("nothing found, and an empty text finds nothing");
        for (const char* text : {"u1", ""}) {
            host.clearEvents();
            host.answerDialog(findAnswer(kIdcFindPlainText, text));
            ASSERT_TRUE(command(kCmdFind));
            EXPECT_EQ(host.count("dialog 147"), 0);
            EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Text NOT found"});
        }
        host.clearEvents();
        host.answerDialog(findAnswer(kIdcFindReference, "R9"));
        ASSERT_TRUE(command(kCmdFind));
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Reference designator NOT found"});
    }
}

TEST_F(SearchCommands, CtrlFOpensFindAndCtrlHReplaceText)
{
    add(words(kObjText, 0, 0), "VIN");
    host.answerDialog(findAnswer(kIdcFindPlainText, "VIN"));
    ASSERT_TRUE(EditView::key('F', true));
    EXPECT_TRUE(host.shown("dialog 146"));
    EXPECT_FALSE(host.shown("dialog 148"));

    host.clearEvents();
    host.answerDialog(replaceAnswer("VIN", "VCC", kIdcReplaceAll));
    ASSERT_TRUE(EditView::key('H', true));
    EXPECT_TRUE(host.shown("dialog 148"));
    EXPECT_STREQ(object(1).text, "VCC");
    EXPECT_TRUE(host.shown("message box: Number of replacements made:1"));
}

TEST_F(SearchCommands, FindOffersTheLastTenDistinctTexts)
{
    add(words(kObjText, 0, 0), "x");
    for (int i = 1; i <= 11; ++i) {
        host.answerDialog(findAnswer(kIdcFindPlainText, "T" + std::to_string(i % 11 == 0 ? 11 : i)));
        ASSERT_TRUE(command(kCmdFind));
    }
    host.answerDialog(findAnswer(kIdcFindPlainText, "T5"));
    ASSERT_TRUE(command(kCmdFind));
    std::vector<std::string> offered;
    host.answerDialog(findAnswer(kIdcFindPlainText, "x", &offered));
    ASSERT_TRUE(command(kCmdFind));
    ASSERT_EQ(offered.size(), 10u);
    EXPECT_EQ(offered.front(), "T11");
    EXPECT_EQ(offered.back(), "T2");
}

auto confirmAnswer(unsigned button)
{
    return [button](plat::Dialog& d) { return d.PressButton(button); };
}

TEST_F(SearchCommands, ReplaceCountsWhatItMadeMarksTheDrawingAndUndoes)
{
    add(words(kObjText, 0, 0), "R1 R2");
    add(words(kObjText, 100, 0), "AAA");
    add(words(kObjText, 200, 0), std::string(199, 'x').append("R").c_str());
    doc()->SetModifiedFlag(false);

    {
        SCOPED_TRACE("prompt mode, Continue everywhere: nothing changes");
        host.answerDialog(replaceAnswer("R", "RR", kIdcReplacePrompt));
        for (int i = 0; i < 3; ++i)
            host.answerDialog(confirmAnswer(kIdcConfirmContinue));
        ASSERT_TRUE(command(kCmdReplaceText));
        EXPECT_EQ(host.count("dialog 165"), 3);
        EXPECT_TRUE(host.shown("message box: Number of replacements made:0"));
        EXPECT_FALSE(doc()->IsModified());
        EXPECT_EQ(UndoDepth(), 0);
    }
    {
        SCOPED_TRACE("all at once: R to RR without looping; a text past 200 characters is left");
        host.clearEvents();
        host.answerDialog(replaceAnswer("R", "RR", kIdcReplaceAll));
        ASSERT_TRUE(command(kCmdReplaceText));
        EXPECT_STREQ(object(1).text, "RR1 RR2");
        EXPECT_EQ(std::string(object(3).text).size(), 200u);
        EXPECT_TRUE(host.shown("message box: Number of replacements made:2"));
        EXPECT_TRUE(host.shown("message box caption: Replace"));
        EXPECT_TRUE(doc()->IsModified());
    }
    {
        SCOPED_TRACE("prompt: Replace, then Cancel keeps the one made");
        host.clearEvents();
        host.answerDialog(replaceAnswer("A", "AA", kIdcReplacePrompt));
        host.answerDialog(confirmAnswer(kIdcConfirmReplace));
        host.answerDialog(confirmAnswer(plat::kIdCancel));
        ASSERT_TRUE(command(kCmdReplaceText));
        EXPECT_STREQ(object(2).text, "AAAA");
        EXPECT_TRUE(host.shown("message box: Number of replacements made:1"));
    }
    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_STREQ(object(2).text, "AAA");
    ASSERT_TRUE(command(kCmdEditUndo));
    EXPECT_STREQ(object(1).text, "R1 R2");
}

}  // namespace
}  // namespace schemora_test
