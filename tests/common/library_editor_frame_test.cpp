#include "common/library_editor_frame.h"
#include "platform/app/keys.h"
#include "platform/core/test_ui_host.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr unsigned kTemplate = 9101;
constexpr unsigned kAccel = 9102;
constexpr unsigned kArea = 1048;
constexpr unsigned kStatus0 = 1047;
constexpr unsigned kStatus1 = 1112;
constexpr unsigned kCmdRedraw = 221;
constexpr unsigned kCmdClose = 32919;

// Stands for a program's current-document value.
int g_currentStore = 1;

class Loan : public quill::EditorStoreLoan {
public:
    explicit Loan(int store) : saved_(g_currentStore) { g_currentStore = store; }
    ~Loan() override { g_currentStore = saved_; }

private:
    int saved_;
};

// The window beneath an editor, keeping the keys that reach it.
class Beneath : public plat::Wnd {
public:
    void OnKeyDown(unsigned vk, unsigned, unsigned) override { keys.push_back(vk); }
    std::vector<unsigned> keys;
};

class Editor : public quill::LibraryEditorFrame {
public:
    explicit Editor(plat::Wnd* parent = nullptr)
        : quill::LibraryEditorFrame({kTemplate, kAccel, kArea, {kStatus0, kStatus1}, "Changed--close editor?"}, parent)
    {
        addCommand(kCmdRedraw, kCmdRedraw, [this](unsigned id) { commands.push_back(id); return true; });
        addCommand(kCmdClose, kCmdClose, [this](unsigned) { return CloseEditor(); });
    }
    bool OnInitDialog() override
    {
        quill::LibraryEditorFrame::OnInitDialog();
        storeWhileOpen = g_currentStore;
        return true;
    }
    std::unique_ptr<quill::EditorStoreLoan> LendStore() override { return std::make_unique<Loan>(77); }
    void OnEditorClosing() override { closingSawStore = g_currentStore; }
    bool TypingText() const override { return typing; }
    void OnTypedKey(const plat::Msg& msg) override { typed.push_back(static_cast<unsigned>(msg.wParam)); }
    void OnDrawingKey(const plat::Msg& msg) override { other.push_back(static_cast<unsigned>(msg.wParam)); }

    bool key(unsigned vk)
    {
        plat::Msg msg{plat::kWmKeyDown, vk, 1, GetDlgItem(kArea)};
        return PreTranslateMessage(msg);
    }

    std::vector<unsigned> commands, typed, other;
    int storeWhileOpen = 0;
    int closingSawStore = 0;
    bool typing = false;
};

class LibraryEditorFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plat::ResourceSet set;
        plat::DialogTemplate t;
        t.id = kTemplate;
        t.title = "Editor";
        t.controls = {{kArea, plat::ControlKind::StaticFrame, ""},
                      {kStatus0, plat::ControlKind::Static, ""},
                      {kStatus1, plat::ControlKind::Static, ""},
                      {1098, plat::ControlKind::Edit, ""}};
        t.maximized = true;
        set.dialogs = {t};
        set.accelerators = {{kAccel, {{plat::kFVirtKey, plat::kVkEscape, kCmdRedraw}}}};
        plat::registerResources(std::move(set));
        g_currentStore = 1;
    }
    plat::TestUiHost host;
};

TEST_F(LibraryEditorFrameTest, LendsTheStoreWhileOpenAndGivesItBackOnClose)
{
    Editor editor;
    host.answerDialog([&](plat::Dialog&) {
        EXPECT_TRUE(editor.CloseEditor()) << "nothing changed: no question";
        return editor.modalResult();
    });
    editor.DoModal();
    EXPECT_EQ(editor.storeWhileOpen, 77);
    EXPECT_EQ(editor.closingSawStore, 77) << "the closing work runs on the editor's store";
    EXPECT_EQ(g_currentStore, 1);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_FALSE(editor.isStoreLent());
}

TEST_F(LibraryEditorFrameTest, AsksBeforeClosingAChangedEditor)
{
    Editor editor;
    host.answerDialog([&](plat::Dialog&) {
        editor.SetModified();
        host.answerMessageBox(plat::kIdNo);
        EXPECT_FALSE(editor.CloseEditor());
        EXPECT_EQ(g_currentStore, 77) << "No keeps the editor open on its store";
        host.answerMessageBox(plat::kIdNo);
        editor.SendMessage(plat::kWmClose);   // the window's close box
        EXPECT_EQ(editor.modalResult(), -1);
        host.answerMessageBox(plat::kIdYes);
        editor.SendMessage(plat::kWmCommand, kCmdClose, 0);
        return editor.modalResult();
    });
    EXPECT_EQ(editor.DoModal(), plat::kIdOk);
    EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>(3, "Changed--close editor?")));
    EXPECT_EQ(g_currentStore, 1);
}

TEST_F(LibraryEditorFrameTest, AnEditorThatEndsWithoutClosingStillGivesTheStoreBack)
{
    {
        Editor editor;
        host.answerDialog([](plat::Dialog& d) {
            d.PressEscape();   // Escape does not end an editor
            EXPECT_EQ(d.modalResult(), -1);
            return plat::kIdCancel;
        });
        editor.DoModal();
        EXPECT_EQ(g_currentStore, 77);
    }
    EXPECT_EQ(g_currentStore, 1);
}

TEST_F(LibraryEditorFrameTest, KeysGoToTheTextBeingTypedOrTheAcceleratorsAndNeverBeneath)
{
    Editor editor;
    host.answerDialog([&](plat::Dialog&) {
        EXPECT_TRUE(editor.key(plat::kVkEscape));
        EXPECT_TRUE(editor.key('Q')) << "an unnamed key stays with the editor";
        editor.typing = true;
        EXPECT_TRUE(editor.key(plat::kVkEscape));
        editor.typing = false;
        editor.SetEditFocus(true);
        EXPECT_FALSE(editor.key('Q')) << "a focused field gets its own keys";
        editor.SetEditFocus(false);
        plat::Msg mouse{plat::kWmLButtonDown, 0, 0, nullptr};
        EXPECT_FALSE(editor.PreTranslateMessage(mouse));
        editor.CloseEditor();
        return editor.modalResult();
    });
    editor.DoModal();
    EXPECT_EQ(editor.commands, std::vector<unsigned>{kCmdRedraw});
    EXPECT_EQ(editor.other, std::vector<unsigned>{'Q'});
    EXPECT_EQ(editor.typed, std::vector<unsigned>{plat::kVkEscape});
}

// Escape from a field, or one that reached the window itself, goes on to the window beneath;
// Enter is dropped there.
TEST_F(LibraryEditorFrameTest, EnterIsDroppedAndEscapeGoesToTheParentWindow)
{
    Beneath parent;
    Editor editor(&parent);
    host.answerDialog([&](plat::Dialog&) {
        editor.SetEditFocus(true);
        EXPECT_TRUE(editor.key(plat::kVkEscape));
        EXPECT_TRUE(editor.key(plat::kVkReturn));
        editor.SetEditFocus(false);
        editor.PressEscape();
        EXPECT_EQ(editor.modalResult(), -1) << "the editor stays open";
        QCoreApplication::processEvents();
        editor.CloseEditor();
        return editor.modalResult();
    });
    editor.DoModal();
    EXPECT_EQ(parent.keys, (std::vector<unsigned>{plat::kVkEscape, plat::kVkEscape}));
    EXPECT_TRUE(editor.commands.empty()) << "a field's Escape is not the drawing's redraw";
}

// The toolbar's fly-by help: a button's prompt while the pointer is on it, "Ready" after.
TEST_F(LibraryEditorFrameTest, ToolbarPointerShowsTheCommandsPrompt)
{
    plat::ResourceSet set = plat::registeredResources();
    set.strings[kCmdRedraw] = "Redraw the part\nRedraw";
    plat::registerResources(std::move(set));
    Editor editor;
    host.answerDialog([&](plat::Dialog&) {
        editor.OnToolbarPointer(kCmdRedraw);
        EXPECT_EQ(editor.statusLine(0), "Redraw the part");
        editor.OnToolbarPointer(0);
        EXPECT_EQ(editor.statusLine(0), "Ready");
        editor.CloseEditor();
        return editor.modalResult();
    });
    editor.DoModal();
}

TEST_F(LibraryEditorFrameTest, StatusLinesAndHint)
{
    Editor editor;
    host.answerDialog([&](plat::Dialog&) {
        editor.SetStatusLine(0, "Selected edit DOTS only");
        editor.SetStatusLine(1, "x=1");
        editor.SetStatusLine(2, "dropped");
        EXPECT_EQ(editor.GetDlgItemText(kStatus0), "Selected edit DOTS only");
        EXPECT_EQ(editor.statusLine(1), "x=1");
        EXPECT_EQ(editor.statusLine(2), "");
        editor.ShowHint(-900, -400, "<---Draw part here--->");
        EXPECT_TRUE(editor.hint().visible);
        EXPECT_TRUE(editor.HideHint());
        EXPECT_FALSE(editor.HideHint()) << "hidden once";
        editor.CloseEditor();
        return editor.modalResult();
    });
    editor.DoModal();
}

TEST_F(LibraryEditorFrameTest, TrackedFieldsTakeTheKeysWhileTheyHaveTheFocus)
{
    Editor editor;
    constexpr unsigned kEdit = 30, kCombo = 31;
    editor.trackFieldFocus(kEdit, plat::kEnSetFocus, plat::kEnKillFocus);
    editor.trackFieldFocus(kCombo, plat::kCbnSetFocus, 0);
    EXPECT_TRUE(editor.dispatchNotify(kEdit, plat::kEnSetFocus));
    EXPECT_TRUE(editor.editFocus());
    EXPECT_TRUE(editor.dispatchNotify(kEdit, plat::kEnKillFocus));
    EXPECT_FALSE(editor.editFocus());
    EXPECT_TRUE(editor.dispatchNotify(kCombo, plat::kCbnSetFocus));
    EXPECT_TRUE(editor.editFocus());
    EXPECT_FALSE(editor.dispatchNotify(kCombo, plat::kCbnKillFocus)) << "the program handles that one";
    EXPECT_TRUE(editor.editFocus());
}

}  // namespace
