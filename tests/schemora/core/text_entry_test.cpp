// Typed text through the real view: keys as the platform delivers them (accelerators first,
// then the view's key and character messages).
#include "edit_view_fixture.h"

#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/settings.h"
#include "schemora/core/text_entry.h"
#include "schemora/core/undo_ring.h"

using namespace schemora_test;
using namespace scm;

namespace {

class TextEntry : public EditView {
protected:
    void typeKey(unsigned vk, bool ctrl = false)
    {
        if (ctrl)
            plat::noteKeyDown(plat::kVkControl);
        if (!key(vk, false))
            view()->SendMessage(plat::kWmKeyDown, vk, 1);
        if (ctrl)
            plat::noteKeyUp(plat::kVkControl);
        harness->idle();
    }
    void type(std::string_view text)
    {
        for (char c : text)
            if (!character(c))
                view()->SendMessage(plat::kWmChar, static_cast<unsigned char>(c), 1);
        harness->idle();
    }
    void startText(int x, int y)
    {
        ASSERT_TRUE(character('t')) << "T chooses the text tool";
        ASSERT_EQ(g_editState.CurrentTool, kCmdToolText);
        click(x, y);
        ASSERT_TRUE(TextEntryActive());
    }
    void TearDown() override
    {
        EndTextEntry(nullptr);
        g_textEntry.insertMode = false;
        EditView::TearDown();
    }
};

}  // namespace

TEST_F(TextEntry, TypingOvertypeAndInsert)
{
    for (const bool insert : {false, true}) {
        SCOPED_TRACE(insert);
        g_textEntry.insertMode = false;
        const int before = count();
        startText(200, 200 + (insert ? 400 : 0));
        if (insert)
            typeKey(plat::kVkInsert);
        type("AB");
        typeKey(plat::kVkHome);
        type("C");
        EXPECT_STREQ(object(count()).text, insert ? "CAB" : "CB");
        typeKey(plat::kVkEscape);
        EXPECT_FALSE(TextEntryActive());
        EXPECT_EQ(count(), before + 1);
    }
}

TEST_F(TextEntry, KeysWhileTypingGoToTheTextNotToTools)
{
    startText(200, 200);
    type("lxm");
    typeKey('Z', true);     // Ctrl+Z gives a control character and no undo
    type(std::string(1, '\x1A'));
    EXPECT_STREQ(object(1).text, "lxm");
    EXPECT_EQ(g_editState.CurrentTool, kCmdToolText);
    EXPECT_EQ(count(), 1);
    typeKey(plat::kVkLeft);
    typeKey(plat::kVkBack);
    typeKey(plat::kVkEnd);
    typeKey(plat::kVkDelete);
    EXPECT_STREQ(object(1).text, "lm");
    typeKey(plat::kVkEscape);
}

TEST_F(TextEntry, EnterStartsTheNextLineAndEmptyLinesGoWithTheirOwnStep)
{
    startText(200, 200);
    type("R1");
    typeKey(plat::kVkReturn);
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(object(2).w[1] - object(1).w[1], 50) << "the standard font's line height";
    EXPECT_EQ(object(2).w[2], object(1).w[2]);
    typeKey(plat::kVkReturn);   // an empty line is removed, the next one started
    ASSERT_EQ(count(), 2);
    typeKey(plat::kVkEscape);
    EXPECT_EQ(count(), 1) << "the empty last line is removed";
    EXPECT_EQ(UndoDepth(), 1) << "only the typed line's own step is left";
    ASSERT_TRUE(key('Z', true));
    EXPECT_EQ(object(1).type(), 0);
    EXPECT_EQ(UndoDepth(), 0);
}

// An edit of an existing text is one undo step that brings the old text back; opening a text
// and leaving it as it was adds none.
TEST_F(TextEntry, EditingAnExistingTextIsOneUndoStep)
{
    command(kCmdToolLine);
    drag(0, 0, 400, 0);
    startText(200, 200);
    type("VCC");
    typeKey(plat::kVkEscape);
    const int depth = UndoDepth();
    const int n = count();
    doc()->SetModifiedFlag(false);
    click(210, 195);            // on the text: opened, not a new one
    ASSERT_TRUE(TextEntryActive());
    EXPECT_EQ(count(), n);
    type("X");
    EXPECT_EQ(count(), n) << "the store's count is never lowered while typing";
    EXPECT_TRUE(doc()->IsModified());
    typeKey(plat::kVkEscape);
    EXPECT_EQ(UndoDepth(), depth + 1);
    const std::string edited = object(n).text;
    EXPECT_NE(edited.find('X'), std::string::npos);

    click(210, 195);            // opened again and left alone
    ASSERT_TRUE(TextEntryActive());
    typeKey(plat::kVkEscape);
    EXPECT_EQ(UndoDepth(), depth + 1);
    EXPECT_EQ(std::string(object(n).text), edited);

    typeKey('Z', true);
    EXPECT_EQ(UndoDepth(), depth);
    ASSERT_EQ(object(n).type(), kObjText);
    EXPECT_EQ(std::string(object(n).text), "VCC");
    EXPECT_EQ(object(1).type(), kObjLine) << "the earlier line stays";
}

TEST_F(TextEntry, FocusLossEndsTyping)
{
    startText(200, 200);
    type("A");
    view()->SendMessage(plat::kWmKillFocus, 0, 0);
    EXPECT_FALSE(TextEntryActive());
    EXPECT_EQ(g_editState.CurrentTool, 0);
}

TEST_F(TextEntry, LeavingTheTypedLineEndsTypingWithAutomaticTextExit)
{
    struct Case {
        int autoExit;
        int toX, toY;
        bool stillTyping;
    };
    const Case cases[] = {
        {1, 210, 0, true},       // a small wander over the line keeps the typing
        {1, 1500, 1300, false},  // far off the line ends it as Esc does
        {0, 1500, 1300, true},   // with the option off only keys end it
    };
    const int saved = g_settings.AutoTextExit;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.autoExit * 10000 + c.toX);
        g_settings.AutoTextExit = c.autoExit;
        const int before = count();
        const int y = 200 + before * 200;
        startText(200, y);
        type("IN");
        move(c.toX, y + c.toY);
        EXPECT_EQ(TextEntryActive(), c.stillTyping);
        if (!c.stillTyping) {
            EXPECT_EQ(count(), before + 1);
            EXPECT_STREQ(object(count()).text, "IN") << "the line is kept as Esc keeps it";
        }
        typeKey(plat::kVkEscape);
        EXPECT_FALSE(TextEntryActive());
    }
    g_settings.AutoTextExit = saved;
}
