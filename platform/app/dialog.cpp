#include "platform/app/dialog.h"

#include "platform/app/keys.h"
#include "platform/app/menu.h"

#include "platform/app/wnd_state.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/ascii_case.h"

#include <QDialog>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace plat {
namespace {

// The test host records dialogs by their template id.
const bool g_dialogIdRegistered = [] {
    TestUiHost::dialogIdOf = [](const Dialog& d) { return static_cast<int>(d.templateId()); };
    return true;
}();

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return prefix.size() <= text.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

bool lessNoCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return toLowerAscii(x) < toLowerAscii(y); });
}

bool isList(ControlKind k)
{
    return k == ControlKind::ListBox || k == ControlKind::ComboDropList || k == ControlKind::ComboDropDown ||
           k == ControlKind::ComboOwnerDraw || k == ControlKind::Tab;
}

bool isCombo(ControlKind k)
{
    return k == ControlKind::ComboDropList || k == ControlKind::ComboDropDown || k == ControlKind::ComboOwnerDraw;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Control

Control::Control(Dialog* dialog, const ControlTemplate& t)
    : dialog_(dialog), template_(t), kind_(t.kind), id_(t.id)
{
    if (!isList(kind_) && kind_ != ControlKind::Tree)
        text_ = t.text;
    WndState& s = wndState(*this);
    s.created = true;
    s.parent = dialog;
    s.id = t.id;
    s.visible = !(t.style & kCsHidden);
    s.enabled = !(t.style & kCsDisabled);
    s.size = {std::max(t.width, 40) * 2, std::max(t.height, 12) * 2};   // dialog units at base 8/16 -> pixels
    s.eraseBackground = kind_ != ControlKind::StaticFrame;
    if (kind_ == ControlKind::Spin) {
        minPos_ = 100;   // an up-down control's default range runs downwards
        maxPos_ = 0;
    }
}

Control::~Control() = default;

void Control::OnPaint()
{
    if (!dialog_ || (kind_ != ControlKind::StaticFrame && kind_ != ControlKind::OwnerDrawButton))
        return;
    PaintDC dc(this);
    DrawItem item;
    item.ctlId = id_;
    item.dc = dc.get();
    item.rcItem = clientRect();
    dialog_->OnDrawItem(id_, item);
    // An owner-drawn button keeps a frame, so a face painted white still reads as a button.
    if (kind_ == ControlKind::OwnerDrawButton && item.dc)
        item.dc->FrameRect(item.rcItem, Brush::solid(rgb(128, 128, 128)));
}

void Control::changed()
{
    ++revision_;
    if (dialog_ && dialog_->controlChangedHook)
        dialog_->controlChangedHook(*this);
}

void Control::notify(unsigned code)
{
    if (dialog_)
        dialog_->controlChangedByUser(*this, code);
}

bool Control::isButton() const
{
    return kind_ == ControlKind::PushButton || kind_ == ControlKind::DefPushButton ||
           kind_ == ControlKind::OwnerDrawButton || kind_ == ControlKind::CheckBox || kind_ == ControlKind::RadioButton;
}

void Control::setText(std::string_view text)
{
    text_ = std::string(text);
    if (kind_ == ControlKind::Edit || kind_ == ControlKind::MultiLineEdit) {
        if (template_.limit > 0 && static_cast<int>(text_.size()) > template_.limit)
            text_.resize(static_cast<size_t>(template_.limit));
    }
    changed();
    // Setting an edit's text is the one change from code that notifies, as the platform does.
    if (kind_ == ControlKind::Edit || kind_ == ControlKind::MultiLineEdit)
        notify(kEnChange);
}

void Control::SetCheck(int check)
{
    check_ = check;
    changed();
}

void Control::ResetContent()
{
    items_.clear();
    sel_ = -1;
    if (kind_ == ControlKind::ComboDropList || kind_ == ControlKind::ComboOwnerDraw)
        text_.clear();
    changed();
}

int Control::AddString(std::string_view text)
{
    if (!isList(kind_))
        return kLbErr;
    int index = GetCount();
    if (template_.style & kCsSorted) {
        const auto it = std::upper_bound(items_.begin(), items_.end(), text,
                                         [](std::string_view t, const Entry& e) { return lessNoCase(t, e.text); });
        index = static_cast<int>(it - items_.begin());
    }
    return InsertString(index, text);
}

int Control::InsertString(int index, std::string_view text)
{
    if (!isList(kind_))
        return kLbErr;
    index = insertListEntry(items_, sel_, index, text);
    changed();
    return index;
}

int Control::DeleteString(int index)
{
    if (!eraseListEntry(items_, sel_, index))
        return kLbErr;
    changed();
    return GetCount();
}

int Control::SetCurSel(int index)
{
    if (index < -1 || index >= GetCount()) {
        sel_ = -1;
        changed();
        return kLbErr;
    }
    sel_ = index;
    if (isCombo(kind_))
        text_ = index >= 0 ? items_[static_cast<size_t>(index)].text : std::string();
    changed();
    return index < 0 ? kLbErr : index;
}

std::string Control::GetItemText(int index) const { return listEntryText(items_, index); }

int Control::GetTextLen(int index) const
{
    const Entry* item = itemAt(items_, index);
    return item ? static_cast<int>(item->text.size()) : kLbErr;
}

// The search starts after startAfter and wraps round to the top, as the platform's lists do.
int Control::FindString(int startAfter, std::string_view prefix) const
{
    const int n = GetCount();
    for (int k = 1; k <= n; ++k) {
        const int i = ((startAfter < 0 ? -1 : startAfter) + k) % n;
        if (startsWithNoCase(items_[static_cast<size_t>(i)].text, prefix))
            return i;
    }
    return kLbErr;
}

int Control::FindStringExact(int startAfter, std::string_view text) const
{
    const int n = GetCount();
    for (int k = 1; k <= n; ++k) {
        const int i = ((startAfter < 0 ? -1 : startAfter) + k) % n;
        const std::string& t = items_[static_cast<size_t>(i)].text;
        if (t.size() == text.size() && startsWithNoCase(t, text))
            return i;
    }
    return kLbErr;
}

int Control::SelectString(int startAfter, std::string_view prefix)
{
    const int i = FindString(startAfter, prefix);
    if (i != kLbErr)
        SetCurSel(i);
    return i;
}

void Control::SetItemData(int index, uintptr_t data) { setListEntryData(items_, index, data); }

uintptr_t Control::GetItemData(int index) const { return listEntryData(items_, index); }

void Control::SetRange(int minPos, int maxPos)
{
    minPos_ = minPos;
    maxPos_ = maxPos;
    changed();
}

void Control::GetRange(int* minPos, int* maxPos) const
{
    if (minPos)
        *minPos = minPos_;
    if (maxPos)
        *maxPos = maxPos_;
}

int Control::SetPos(int pos)
{
    const int previous = pos_;
    pos_ = pos;
    changed();
    return previous;
}

void Control::SetScrollInfo(const ScrollInfo& info, bool)
{
    if (info.mask & kSifRange) {
        minPos_ = info.min;
        maxPos_ = info.max;
    }
    if (info.mask & kSifPage)
        page_ = info.page;
    if (info.mask & kSifPos)
        pos_ = info.pos;
    const int top = std::max(minPos_, maxPos_ - std::max(static_cast<int>(page_) - 1, 0));
    pos_ = std::clamp(pos_, minPos_, top);
    changed();
}

void Control::GetScrollInfo(ScrollInfo* info) const
{
    info->min = minPos_;
    info->max = maxPos_;
    info->page = page_;
    info->pos = pos_;
    info->trackPos = pos_;
}

int Control::InsertItem(int index, std::string_view text) { return InsertString(index, text); }

int Control::DeleteAllItems()
{
    if (kind_ == ControlKind::Tree) {
        tree_.clear();
        treeSel_ = 0;
        changed();
        return 1;
    }
    ResetContent();
    return 1;
}

Control::TreeItem Control::InsertTreeItem(std::string_view text, TreeItem parent, int image, bool hasChildren)
{
    tree_.push_back(TreeNode{std::string(text), parent, image, hasChildren});
    changed();
    return tree_.size();
}

Control::TreeItem Control::GetParentItem(TreeItem item) const
{
    return item >= 1 && item <= tree_.size() ? tree_[item - 1].parent : 0;
}

Control::TreeItem Control::GetChildItem(TreeItem item) const
{
    for (size_t i = 0; i < tree_.size(); ++i)
        if (tree_[i].parent == item)
            return i + 1;
    return 0;
}

Control::TreeItem Control::GetNextSiblingItem(TreeItem item) const
{
    if (item < 1 || item > tree_.size())
        return 0;
    const TreeItem parent = tree_[item - 1].parent;
    for (size_t i = item; i < tree_.size(); ++i)
        if (tree_[i].parent == parent)
            return i + 1;
    return 0;
}

bool Control::SelectItem(TreeItem item)
{
    if (item > tree_.size())
        return false;
    treeSel_ = item;
    changed();
    return true;
}

std::string Control::GetTreeItemText(TreeItem item) const
{
    return item >= 1 && item <= tree_.size() ? tree_[item - 1].text : std::string();
}

bool Control::ItemHasChildren(TreeItem item) const
{
    if (item < 1 || item > tree_.size())
        return false;
    return tree_[item - 1].hasChildren || GetChildItem(item) != 0;
}

bool Control::isExpanded(TreeItem item) const
{
    return item >= 1 && item <= tree_.size() && tree_[item - 1].expanded;
}

// ---- what a person does ----

void Control::expandItem(TreeItem item)
{
    if (item < 1 || item > tree_.size() || tree_[item - 1].expanded || !IsWindowEnabled())
        return;
    expanding_ = item;
    notify(kTvnItemExpanding);
    expanding_ = 0;
    tree_[item - 1].expanded = true;
    changed();
}

void Control::clickItem(TreeItem item)
{
    if (item < 1 || item > tree_.size() || !IsWindowEnabled())
        return;
    SelectItem(item);
    notify(kTvnSelChanged);
}

void Control::click()
{
    if (!IsWindowEnabled() || !IsWindowVisible())
        return;
    if (kind_ == ControlKind::CheckBox) {
        check_ = check_ ? 0 : 1;
        changed();
    } else if (kind_ == ControlKind::RadioButton && dialog_) {
        dialog_->checkRadioInGroup(*this);
    }
    notify(kBnClicked);
}

void Control::type(std::string_view text)
{
    text_ = std::string(text);
    if (template_.limit > 0 && static_cast<int>(text_.size()) > template_.limit)
        text_.resize(static_cast<size_t>(template_.limit));
    changed();
    if (kind_ == ControlKind::Edit || kind_ == ControlKind::MultiLineEdit)
        notify(kEnChange);
    else if (kind_ == ControlKind::ComboDropDown)
        notify(kCbnEditChange);
}

void Control::choose(int index)
{
    if (index < 0 || index >= GetCount() || !IsWindowEnabled())
        return;
    SetCurSel(index);
    notify(kind_ == ControlKind::Tab ? kTcnSelChange : (isCombo(kind_) ? kCbnSelChange : kLbnSelChange));
}

void Control::scroll(unsigned code, int pos)
{
    if (!dialog_)
        return;
    const bool horizontal = kind_ == ControlKind::ScrollBarH;
    auto send = [&](unsigned c) {
        dialog_->SendMessage(horizontal ? kWmHScroll : kWmVScroll, scrollParam(c, pos), reinterpret_cast<intptr_t>(this));
    };
    send(code);
    if (code != kSbEndScroll)
        send(kSbEndScroll);
}

void Control::spin(int delta)
{
    spinDelta_ = delta;
    notify(kUdnDeltaPos);
}

void Control::focus(bool gained)
{
    if (kind_ == ControlKind::Edit || kind_ == ControlKind::MultiLineEdit)
        notify(gained ? kEnSetFocus : kEnKillFocus);
    else if (isCombo(kind_))
        notify(gained ? kCbnSetFocus : kCbnKillFocus);
}

void Control::OnLButtonDown(unsigned flags, Point point)
{
    if (!dialog_ || kind_ != ControlKind::StaticFrame)
        return;
    // A frame that asked for clicks tells its dialog by command, as a clicked static does.
    if ((template_.style & kCsNotify) != 0 && IsWindowEnabled())
        notify(kStnClicked);
    dialog_->OnControlMouse(*this, kWmLButtonDown, flags, point);
}

void Control::OnLButtonUp(unsigned flags, Point point)
{
    // An owner-drawn button shown as a painted surface is clicked by its release.
    if (dialog_ && kind_ == ControlKind::OwnerDrawButton && IsWindowEnabled()) {
        click();
        return;
    }
    if (dialog_ && kind_ == ControlKind::StaticFrame)
        dialog_->OnControlMouse(*this, kWmLButtonUp, flags, point);
}

void Control::OnKeyDown(unsigned vk, unsigned repeat, unsigned flags)
{
    if (dialog_ && kind_ == ControlKind::StaticFrame && vk == kVkEscape)
        dialog_->PressEscape();
    else
        Wnd::OnKeyDown(vk, repeat, flags);
}

void Control::OnMouseMove(unsigned flags, Point point)
{
    if (dialog_ && kind_ == ControlKind::StaticFrame)
        dialog_->OnControlMouse(*this, kWmMouseMove, flags, point);
}

void Control::OnRButtonDown(unsigned flags, Point point)
{
    if (dialog_ && kind_ == ControlKind::StaticFrame)
        dialog_->OnControlMouse(*this, kWmRButtonDown, flags, point);
}

void Control::OnRButtonUp(unsigned flags, Point point)
{
    if (dialog_ && kind_ == ControlKind::StaticFrame)
        dialog_->OnControlMouse(*this, kWmRButtonUp, flags, point);
}

// ---------------------------------------------------------------------------------------------
// Dialog

Dialog::Dialog(unsigned templateId, Wnd* parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog()
{
    controlChangedHook = nullptr;
    menuChangedHook = nullptr;
    if (IsWindow())
        Wnd::DestroyWindow();
}

bool Dialog::buildControls()
{
    controls_.clear();
    const DialogTemplate* t = templateId_ ? findDialogTemplate(templateId_) : nullptr;
    if (templateId_ && !t)
        return false;
    menu_.reset();
    if (t) {
        title_ = t->title;
        for (const ControlTemplate& c : t->controls)
            controls_.push_back(std::make_unique<Control>(this, c));
        if (t->menu != 0) {
            menu_ = std::make_unique<Menu>();
            if (!menu_->LoadMenu(t->menu))
                menu_.reset();
        }
    }
    WndState& s = wndState(*this);
    s.created = true;
    s.parent = parent_;
    s.visible = true;
    if (t && t->width > 0 && t->height > 0)
        s.size = {t->width * 2, t->height * 2};   // dialog units at base 8/16 -> pixels
    return true;
}

std::string Dialog::title() const
{
    if (state() && !state()->name.empty())
        return state()->name;
    return title_;
}

int Dialog::DoModal()
{
    if (!buildControls())
        return -1;
    result_ = -1;
    running_ = true;
    modeless_ = false;
    struct End {
        Dialog& d;
        ~End()
        {
            releaseKeys();
            d.running_ = false;
            if (d.state()) {
                d.state()->created = false;
                d.state()->visible = false;
            }
        }
    } end{*this};
    OnInitDialog();
    if (result_ != -1)
        return result_;   // ended from OnInitDialog
    return uiHost().runModal(*this);
}

void Dialog::EndDialog(int result)
{
    result_ = result;
    running_ = false;
    if (state() && state()->widget) {
        if (modeless_)
            state()->widget->hide();   // a modeless dialog ended stays until DestroyWindow
        else if (auto* qd = qobject_cast<QDialog*>(state()->widget.data()))
            qd->done(result);
    }
}

bool Dialog::Create(unsigned templateId, Wnd* parent)
{
    if (IsWindow() && modeless_)
        return false;
    templateId_ = templateId;
    parent_ = parent;
    if (!buildControls())
        return false;
    modeless_ = true;
    result_ = -1;
    running_ = true;
    OnInitDialog();
    if (!headlessHost())
        showModelessWithQt(*this);
    return true;
}

bool Dialog::DestroyWindow()
{
    if (!IsWindow())
        return false;
    running_ = false;
    controlChangedHook = nullptr;
    menuChangedHook = nullptr;
    releaseKeys();
    return Wnd::DestroyWindow();
}

void Dialog::OnClose()
{
    if (modeless_)
        DestroyWindow();
    else
        OnCancel();
}

Control* Dialog::GetDlgItem(unsigned id) const
{
    for (const auto& c : controls_)
        if (c->id() == id)
            return c.get();
    return nullptr;
}

std::string Dialog::GetDlgItemText(unsigned id, int maxChars) const
{
    const Control* c = GetDlgItem(id);
    if (!c)
        return {};
    std::string text = c->text();
    if (maxChars >= 0 && static_cast<int>(text.size()) > maxChars)
        text.resize(static_cast<size_t>(maxChars));
    return text;
}

void Dialog::SetDlgItemText(unsigned id, std::string_view text)
{
    if (Control* c = GetDlgItem(id))
        c->setText(text);
}

int Dialog::GetDlgItemInt(unsigned id, bool* ok, bool isSigned) const
{
    const std::string text = GetDlgItemText(id);
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+') && isSigned) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = std::min<long long>(value * 10 + (text[i] - '0'), static_cast<long long>(INT_MAX) + 1);
        digits = true;
        ++i;
    }
    if (ok)
        *ok = digits;
    if (!digits)
        return 0;
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void Dialog::SetDlgItemInt(unsigned id, int value, bool isSigned)
{
    SetDlgItemText(id, isSigned ? std::to_string(value) : std::to_string(static_cast<unsigned>(value)));
}

void Dialog::CheckDlgButton(unsigned id, int check)
{
    if (Control* c = GetDlgItem(id))
        c->SetCheck(check);
}

int Dialog::IsDlgButtonChecked(unsigned id) const
{
    const Control* c = GetDlgItem(id);
    return c ? c->GetCheck() : 0;
}

void Dialog::CheckRadioButton(unsigned first, unsigned last, unsigned id)
{
    for (const auto& c : controls_)
        if (c->id() >= first && c->id() <= last && c->isRadio())
            c->SetCheck(c->id() == id ? 1 : 0);
}

unsigned Dialog::GetCheckedRadioButton(unsigned first, unsigned last) const
{
    for (const auto& c : controls_)
        if (c->id() >= first && c->id() <= last && c->isRadio() && c->GetCheck())
            return c->id();
    return 0;
}

// A radio button's group runs from the nearest control marked as a group start up to the next.
void Dialog::checkRadioInGroup(Control& chosen)
{
    const auto at = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) { return c.get() == &chosen; });
    if (at == controls_.end())
        return;
    auto first = at;
    while (first != controls_.begin() && !(*first)->controlTemplate().group)
        --first;
    auto last = at + 1;
    while (last != controls_.end() && !(*last)->controlTemplate().group)
        ++last;
    for (auto it = first; it != last; ++it)
        if ((*it)->isRadio())
            (*it)->SetCheck(it->get() == &chosen ? 1 : 0);
}

void Dialog::EnableDlgItem(unsigned id, bool enable)
{
    if (Control* c = GetDlgItem(id))
        c->EnableWindow(enable);
}

void Dialog::ShowDlgItem(unsigned id, int cmd)
{
    if (Control* c = GetDlgItem(id))
        c->ShowWindow(cmd);
}

void Dialog::GotoDlgCtrl(unsigned id)
{
    if (Control* c = GetDlgItem(id))
        c->SetFocus();
}

unsigned Dialog::GetDefID() const
{
    if (defId_)
        return defId_;
    for (const auto& c : controls_)
        if (c->kind() == ControlKind::DefPushButton)
            return c->id();
    return kIdOk;
}

int Dialog::PressButton(unsigned id)
{
    if (Control* c = GetDlgItem(id))
        c->click();
    else
        OnCommand(id);   // OK and Cancel work without buttons, as Enter and Escape do
    return modalResult();
}

void Dialog::TypeDlgItemText(unsigned id, std::string_view text)
{
    if (Control* c = GetDlgItem(id))
        c->type(text);
}

void Dialog::ChooseDlgItem(unsigned id, int index)
{
    if (Control* c = GetDlgItem(id))
        c->choose(index);
}

bool Dialog::OnCommand(unsigned id)
{
    if (dispatchOwn(id, nullptr))
        return true;
    if (id == kIdOk) {
        OnOK();
        return true;
    }
    if (id == kIdCancel) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnCmdMsg(unsigned id, CmdUI* ui) { return dispatchOwn(id, ui); }

void Dialog::controlChangedByUser(Control& control, unsigned code)
{
    if (code == kBnClicked)
        OnCommand(control.id());
    else
        OnNotify(control.id(), code);
}

// The window knows its place at once, so that it reads back where it will open.
void Dialog::OpenAt(Point screenTopLeft)
{
    openAt_ = screenTopLeft;
    SetWindowPos(screenTopLeft.x, screenTopLeft.y, 0, 0, kSwpNoSize | kSwpNoZOrder);
}

void Dialog::OpenAtLastClick(int right)
{
    if (const std::optional<Point> click = LastClickPoint())
        OpenAt({click->x + right, click->y});
}

}  // namespace plat
