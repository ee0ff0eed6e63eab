#include "common/library_editor_frame.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/keys.h"
#include "platform/app/resources.h"
#include "platform/app/win_app.h"
#include "platform/core/ui_host.h"

#include <algorithm>
#include <utility>

namespace quill {

namespace {

bool isKeyMessage(unsigned message)
{
    return message == plat::kWmKeyDown || message == plat::kWmSysKeyDown || message == plat::kWmChar ||
           message == plat::kWmSysChar;
}

}  // namespace

LibraryEditorFrame::LibraryEditorFrame(LibraryEditorIds ids, plat::Wnd* parent)
    : plat::Dialog(ids.templateId, parent), ids_(std::move(ids))
{
}

// A frame destroyed without closing (a failed run, an exception unwinding) still gives the
// program its current-document values back.
LibraryEditorFrame::~LibraryEditorFrame() = default;

bool LibraryEditorFrame::OnInitDialog()
{
    editFocus_ = false;
    if (ids_.accelerators && !accelerators_.Load(ids_.accelerators))
        plat::MessageBox("The accelerator table was not loaded");
    loan_ = LendStore();
    return true;
}

void LibraryEditorFrame::SetStatusLine(int pane, std::string_view text)
{
    if (pane < 0 || pane >= static_cast<int>(ids_.statusLines.size()))
        return;
    SetDlgItemText(ids_.statusLines[static_cast<size_t>(pane)], text);
}

std::string LibraryEditorFrame::statusLine(int pane) const
{
    if (pane < 0 || pane >= static_cast<int>(ids_.statusLines.size()))
        return {};
    return GetDlgItemText(ids_.statusLines[static_cast<size_t>(pane)]);
}

void LibraryEditorFrame::ShowHint(int x, int y, std::string text) { hint_ = {true, x, y, std::move(text)}; }

bool LibraryEditorFrame::HideHint() { return std::exchange(hint_.visible, false); }

bool LibraryEditorFrame::CloseEditor()
{
    if (modified_ && !ids_.closeQuestion.empty() &&
        plat::MessageBox(ids_.closeQuestion, plat::kMbYesNo) != plat::kIdYes)
        return false;
    OnEditorClosing();
    loan_.reset();
    EndDialog(plat::kIdOk);
    return true;
}

void LibraryEditorFrame::OnClose() { CloseEditor(); }

bool LibraryEditorFrame::PreTranslateMessage(plat::Msg& msg)
{
    if (!isKeyMessage(msg.message))
        return false;
    if (TypingText()) {
        if (msg.message == plat::kWmKeyDown || msg.message == plat::kWmChar)
            OnTypedKey(msg);
        return true;
    }
    if (!editFocus_) {
        const bool ctrl = plat::GetKeyState(plat::kVkControl) < 0;
        const bool shift = plat::GetKeyState(plat::kVkShift) < 0;
        const bool alt = plat::GetKeyState(plat::kVkMenu) < 0;
        if (const unsigned command = accelerators_.translate(msg.message, static_cast<unsigned>(msg.wParam), ctrl, shift, alt)) {
            SendMessage(plat::kWmCommand, command, 0);
            return true;
        }
    }
    if (msg.message == plat::kWmKeyDown && msg.wParam == plat::kVkReturn)
        return true;
    if (msg.message == plat::kWmKeyDown && msg.wParam == plat::kVkEscape) {
        passEscapeToParent();
        return true;
    }
    if (editFocus_)
        return false;
    // The document windows beneath never see the editor's keys.
    if (msg.message == plat::kWmKeyDown)
        OnDrawingKey(msg);
    return true;
}

void LibraryEditorFrame::OnCancel() { passEscapeToParent(); }

void LibraryEditorFrame::OnToolbarPointer(unsigned commandId)
{
    SetStatusLine(0, commandId != 0 ? plat::commandPrompt(commandId) : "Ready");
}

void LibraryEditorFrame::passEscapeToParent()
{
    if (plat::Wnd* parent = parentWnd() != nullptr ? parentWnd() : plat::GetMainWnd())
        parent->PostMessage(plat::kWmKeyDown, plat::kVkEscape, 1);
}

void LibraryEditorFrame::trackFieldFocus(unsigned id, unsigned setCode, unsigned killCode)
{
    addNotify(id, id, setCode, [this](unsigned) { SetEditFocus(true); });
    if (killCode != 0)
        addNotify(id, id, killCode, [this](unsigned) { SetEditFocus(false); });
}

void LibraryEditorFrame::FillViewTabs(unsigned tabsId, std::span<const char* const> names, int count,
                                      const char* together)
{
    plat::Control* tabs = GetDlgItem(tabsId);
    if (tabs == nullptr || names.empty())
        return;
    count = std::clamp(count, 1, static_cast<int>(names.size()));
    tabs->DeleteAllItems();
    for (int i = 0; i < count; ++i)
        tabs->InsertItem(i, names[static_cast<size_t>(i)]);
    if (count > 1)
        tabs->InsertItem(count, together);
    tabs->SetCurSel(0);
}

}  // namespace quill
