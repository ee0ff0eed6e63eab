#pragma once
// The window both library editors run in (the schematic part editor and the board package
// editor): a maximised dialog with a menu bar, a toolbar, its own accelerators, two status lines
// and a drawing area. While it runs, the program's current-document values point at the
// editor's own store and the undo ring holds the editor's steps; when it closes, both go back to
// what they were (the active document, or none), whatever way it closes. Each program passes in
// its ids and lends its store through an EditorStoreLoan.

#include "platform/app/dialog.h"
#include "platform/app/menu.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace quill {

// What differs between the programs' editor windows.
struct LibraryEditorIds {
    unsigned templateId = 0;                  // maximised template with menu and toolbar
    unsigned accelerators = 0;                // accelerator table of the editor
    unsigned drawingArea = 0;                 // the framed static the drawing shows in
    std::array<unsigned, 2> statusLines{};    // the two status statics (panes 0 and 1)
    std::string closeQuestion;                // asked on close after a change
    bool (*typingText)() = nullptr;           // a text is being typed into the drawing; null: never
};

// The close question both programs' editors ask.
inline constexpr const char* kLibraryPartChangedQuestion = "Library part has been changed--close editor?";

// The program's current-document values lent to the editor's store: made when the editor opens,
// destroyed when it closes, and its destructor gives back what the program had before (the
// document's values and undo steps, the open-editor pointer cleared).
class EditorStoreLoan {
public:
    virtual ~EditorStoreLoan() = default;
};

// The hint text drawn into an empty drawing until the first drawing action.
struct EditorHint {
    bool visible = false;
    int x = 0;
    int y = 0;
    std::string text;
};

class LibraryEditorFrame : public plat::Dialog {
public:
    LibraryEditorFrame(LibraryEditorIds ids, plat::Wnd* parent);
    ~LibraryEditorFrame() override;

    const LibraryEditorIds& ids() const { return ids_; }
    bool isModified() const { return modified_; }
    void SetModified(bool modified = true) { modified_ = modified; }

    // Status panes 0 and 1 show in the two status statics; other panes are dropped.
    void SetStatusLine(int pane, std::string_view text);
    std::string statusLine(int pane) const;

    const EditorHint& hint() const { return hint_; }
    void ShowHint(int x, int y, std::string text);
    // Hides the hint; true when it was shown (the caller repaints).
    bool HideHint();

    // Set while one of the editor's edit or combo fields has the keyboard focus: keys then go
    // to that field, not to the accelerators.
    bool editFocus() const { return editFocus_; }
    void SetEditFocus(bool focus) { editFocus_ = focus; }
    // Keys go to field `id` while it has the focus: its set-focus notification (setCode) sets
    // editFocus and its kill-focus notification (killCode; 0: the program handles it) clears it.
    void trackFieldFocus(unsigned id, unsigned setCode, unsigned killCode);

    // Fills the tab control tabsId with the first `count` names (at least one, at most all) and,
    // when there are several, a last tab `together` that shows them all; the first tab is
    // chosen. Nothing when the control is missing.
    void FillViewTabs(unsigned tabsId, std::span<const char* const> names, int count, const char* together);

    // Closing: after a change asks the close question and stays open on No. Otherwise the
    // program's close work runs, the store loan ends and the dialog ends. True when closed.
    bool CloseEditor();
    bool isStoreLent() const { return loan_ != nullptr; }

    // Keys typed into the drawing area: a text being typed gets them all; else the editor's
    // accelerators translate them (not while a field has the focus). Enter is dropped, Escape
    // goes on to the parent window, and other keys the accelerators do not name stay with the
    // editor, or with the field that has the focus.
    bool PreTranslateMessage(plat::Msg& msg) override;
    void OnClose() override;
    // A toolbar button's prompt on status line 0 while the pointer rests on it; "Ready" when
    // the pointer leaves the toolbar.
    void OnToolbarPointer(unsigned commandId) override;
    // Enter and Escape do not end an editor window; Escape from a field goes to the parent.
    void OnOK() override {}
    void OnCancel() override;

protected:
    // Loads the accelerators ("The accelerator table was not loaded" when missing; the editor
    // then runs without them) and lends the store. Programs call it first in their own.
    bool OnInitDialog() override;
    // Points the program's current-document values at the editor's store.
    virtual std::unique_ptr<EditorStoreLoan> LendStore() = 0;
    // Runs after the close question, before the loan ends: the selection, drags and tool of
    // the editor are dropped and its undo steps freed.
    virtual void OnEditorClosing() {}
    // Whether a text is being typed into the drawing (keys then go to OnTypedKey): the
    // program's typingText routine.
    virtual bool TypingText() const { return ids_.typingText && ids_.typingText(); }
    virtual void OnTypedKey(const plat::Msg& msg) { (void)msg; }
    // A key the accelerators do not name, typed over the drawing area.
    virtual void OnDrawingKey(const plat::Msg& msg) { (void)msg; }

private:
    // Posts a key-down of Escape to the parent window (the main window when none was given).
    void passEscapeToParent();

    LibraryEditorIds ids_;
    plat::AcceleratorTable accelerators_;
    std::unique_ptr<EditorStoreLoan> loan_;
    EditorHint hint_;
    bool modified_ = false;
    bool editFocus_ = false;
};

}  // namespace quill
