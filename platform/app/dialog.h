#pragma once
// Dialogs built from templates, with their controls kept as data. The control model works
// without any widget: a TestUiHost script sets controls and presses buttons on it exactly as a
// person would on the Qt face, which shows the same model in a QDialog laid out from the
// template.
//
//   class CAlignThermalPadsDlg : public plat::Dialog {
//   public:
//       CAlignThermalPadsDlg() : plat::Dialog(260) {}
//       bool OnInitDialog() override { SetDlgItemText(1031, "10"); return true; }
//       void OnOK() override { m_threshold = GetDlgItemInt(1031); plat::Dialog::OnOK(); }
//   };
//   host.answerDialog([](plat::Dialog& d) { d.SetDlgItemText(1031, "25"); return d.PressButton(plat::kIdOk); });
//
// Changing a control from code sends no notification, except that setting an edit's text sends
// kEnChange. What a person (or PressButton / the choose and type helpers) does notifies.

#include "platform/app/list_entries.h"
#include "platform/app/resources.h"
#include "platform/app/wnd.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class Dialog;
class Menu;

// One control of a dialog (or a child control of another window). Operations that do not
// apply to the control's kind do nothing and answer kLbErr / 0 / "".
class Control : public Wnd {
public:
    Control(Dialog* dialog, const ControlTemplate& t);
    ~Control() override;

    // Escape on a drawn frame cancels its dialog, as the dialog manager does for every control.
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;

    // A drawn frame lets the left button and the mouse's moves through to its dialog
    // (Dialog::OnControlMouse), as statics did on the platform the programs came from; one
    // made with kCsNotify also sends its dialog a click command (kStnClicked) on the press.
    void OnLButtonDown(unsigned flags, Point point) override;
    void OnLButtonUp(unsigned flags, Point point) override;
    void OnMouseMove(unsigned flags, Point point) override;
    void OnRButtonDown(unsigned flags, Point point) override;
    void OnRButtonUp(unsigned flags, Point point) override;

    ControlKind kind() const { return kind_; }
    unsigned id() const { return id_; }
    const ControlTemplate& controlTemplate() const { return template_; }
    Dialog* dialog() const { return dialog_; }

    // ---- text (edits, statics, buttons, editable combos) ----
    void setText(std::string_view text);        // from code: only edits notify kEnChange
    const std::string& text() const { return text_; }

    // ---- buttons ----
    int GetCheck() const { return check_; }
    void SetCheck(int check);                   // from code: no notification
    bool isRadio() const { return kind_ == ControlKind::RadioButton; }
    bool isButton() const;

    // ---- list and combo boxes ----
    void ResetContent();
    int AddString(std::string_view text);       // sorted lists insert in order
    int InsertString(int index, std::string_view text);   // -1 appends
    int DeleteString(int index);                // returns the remaining count, kLbErr when out of range
    int GetCount() const { return static_cast<int>(items_.size()); }
    int GetCurSel() const { return sel_; }
    int SetCurSel(int index);                   // -1 clears; kLbErr when out of range
    std::string GetItemText(int index) const;   // GetText / GetLBText
    int GetTextLen(int index) const;
    int FindString(int startAfter, std::string_view prefix) const;        // case-insensitive prefix
    int FindStringExact(int startAfter, std::string_view text) const;     // case-insensitive
    int SelectString(int startAfter, std::string_view prefix);            // no notification
    void SetItemData(int index, uintptr_t data);
    uintptr_t GetItemData(int index) const;
    void SetItemHeight(int index, int height) { (void)index; itemHeight_ = height; }
    void ShowDropDown(bool show) { (void)show; }

    // ---- progress bars, scroll bars and spins ----
    void SetRange(int minPos, int maxPos);
    void GetRange(int* minPos, int* maxPos) const;
    int SetPos(int pos);                        // returns the previous position
    int GetPos() const { return pos_; }
    void SetScrollInfo(const ScrollInfo& info, bool redraw = true);
    void GetScrollInfo(ScrollInfo* info) const;
    int lastSpinDelta() const { return spinDelta_; }

    // ---- tabs ----
    int InsertItem(int index, std::string_view text);    // tab controls
    int DeleteAllItems();

    // ---- tree views ----
    using TreeItem = uintptr_t;                 // 0 = the root
    TreeItem InsertTreeItem(std::string_view text, TreeItem parent, int image = 0, bool hasChildren = false);
    TreeItem GetParentItem(TreeItem item) const;
    TreeItem GetChildItem(TreeItem item) const;
    TreeItem GetNextSiblingItem(TreeItem item) const;
    TreeItem GetSelectedItem() const { return treeSel_; }
    bool SelectItem(TreeItem item);             // no notification
    std::string GetTreeItemText(TreeItem item) const;
    bool ItemHasChildren(TreeItem item) const;
    bool isExpanded(TreeItem item) const;
    // The node a kTvnItemExpanding notification is about (0 outside one).
    TreeItem expandingItem() const { return expanding_; }

    // ---- what a person does (tests and the Qt face) ----
    // Clicks a button: check boxes toggle, radio buttons check themselves and clear their group;
    // the dialog then receives the command (OK and Cancel end a modal run).
    void click();
    void type(std::string_view text);           // replaces the text, notifies kEnChange / kCbnEditChange
    void choose(int index);                     // list/combo/tab selection, notifies the change
    void scroll(unsigned code, int pos = 0);    // scroll bar: sends the code then kSbEndScroll
    void spin(int delta);                       // spin: notifies kUdnDeltaPos with the delta
    void focus(bool gained);                    // kEnSetFocus/kEnKillFocus, kCbnSetFocus/kCbnKillFocus
    // Tree views: opening a node notifies kTvnItemExpanding the first time (the handler may add
    // its children), clicking one selects it and notifies kTvnSelChanged.
    void expandItem(TreeItem item);
    void clickItem(TreeItem item);

    // A framed static is painted by its dialog: the paint reaches the dialog's OnDrawItem with
    // the control's id, its client rectangle and a device context on the control.
    void OnPaint() override;

    // Revision counter bumped by every change (the Qt face refreshes its widget from it).
    unsigned revision() const { return revision_; }

    using Entry = ListEntry;
    const std::vector<Entry>& entries() const { return items_; }
    struct TreeNode { std::string text; TreeItem parent = 0; int image = 0; bool hasChildren = false; bool expanded = false; };
    const std::vector<TreeNode>& treeNodes() const { return tree_; }

private:
    void changed();
    void notify(unsigned code);

    Dialog* dialog_;
    ControlTemplate template_;
    ControlKind kind_;
    unsigned id_;
    std::string text_;
    int check_ = 0;
    std::vector<Entry> items_;
    int sel_ = -1;
    int itemHeight_ = 14;
    int minPos_ = 0, maxPos_ = 100, pos_ = 0;
    unsigned page_ = 0;
    int spinDelta_ = 0;
    std::vector<TreeNode> tree_;                // node i has handle i + 1
    TreeItem treeSel_ = 0;
    TreeItem expanding_ = 0;
    unsigned revision_ = 0;
    friend class Dialog;
};

class Dialog : public Wnd {
public:
    explicit Dialog(unsigned templateId = 0, Wnd* parent = nullptr);
    ~Dialog() override;

    unsigned templateId() const { return templateId_; }
    Wnd* parentWnd() const { return parent_; }

    // ---- modal ----
    // Builds the controls from the template, runs OnInitDialog and hands the dialog to the UI
    // host; returns what EndDialog was given (kIdOk, kIdCancel, ...), or -1 when the template
    // does not exist.
    virtual int DoModal();
    virtual bool OnInitDialog() { return true; }
    // The left button and mouse moves over a drawn frame control: message is kWmLButtonDown,
    // kWmLButtonUp or kWmMouseMove, point in the control's client pixels.
    virtual void OnControlMouse(Control& control, unsigned message, unsigned flags, Point point)
    {
        (void)control, (void)message, (void)flags, (void)point;
    }
    // The tooltip of a drawn frame control at a point of its client area; nothing: no tooltip.
    virtual std::optional<std::string> OnControlToolTip(Control& control, Point point)
    {
        (void)control, (void)point;
        return std::nullopt;
    }
    // The pointer rests on a button of the dialog's toolbar (commandId its command) or has left
    // the toolbar (0): an editor window shows the command's prompt on its status line.
    virtual void OnToolbarPointer(unsigned commandId) { (void)commandId; }
    // The dialog's window was moved; topLeft in screen pixels.
    virtual void OnMove(Point topLeft) { (void)topLeft; }
    // Opens the dialog with its top-left corner at a screen point, moved back onto the screen
    // as far as it would stand off it; without one the desktop places it. Set before it shows
    // (in OnInitDialog at the latest).
    void OpenAt(Point screenTopLeft);
    // Opens the dialog where the person last clicked (LastClickPoint), `right` pixels to the
    // right of it; before the first click the desktop places it.
    void OpenAtLastClick(int right = 0);
    const std::optional<Point>& openPosition() const { return openAt_; }
    virtual void OnOK() { EndDialog(kIdOk); }
    virtual void OnCancel() { EndDialog(kIdCancel); }
    void EndDialog(int result);
    bool isRunning() const { return running_; }
    void setRunning(bool running) { running_ = running; }
    // The value given to EndDialog, -1 while none was.
    int modalResult() const { return result_; }

    // ---- modeless ----
    virtual bool Create(unsigned templateId, Wnd* parent = nullptr);
    bool DestroyWindow() override;
    void OnClose() override;                    // base: OnCancel for modal, DestroyWindow otherwise

    // ---- menu bar ----
    // The menu of the template (null without one); its items send their commands to OnCommand.
    Menu* dialogMenu() const { return menu_.get(); }
    // For the Qt face: told when DrawMenuBar asks the menu bar to show the menu's changes.
    std::function<void()> menuChangedHook;

    // ---- controls by id ----
    Control* GetDlgItem(unsigned id) const;
    bool hasControls() const { return !controls_.empty(); }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // At most maxChars characters (the rest is cut, as a fixed buffer would).
    std::string GetDlgItemText(unsigned id, int maxChars = 0x7FFFFFFF) const;
    void SetDlgItemText(unsigned id, std::string_view text);
    // Leading blanks, an optional sign, then digits; 0 (and *ok false) when there are none.
    int GetDlgItemInt(unsigned id, bool* ok = nullptr, bool isSigned = true) const;
    void SetDlgItemInt(unsigned id, int value, bool isSigned = true);
    void CheckDlgButton(unsigned id, int check);
    int IsDlgButtonChecked(unsigned id) const;   // a missing control reads 0
    // Checks id and clears the other radio buttons with ids first..last (gaps are skipped).
    void CheckRadioButton(unsigned first, unsigned last, unsigned id);
    unsigned GetCheckedRadioButton(unsigned first, unsigned last) const;   // 0 when none
    void EnableDlgItem(unsigned id, bool enable = true);
    void ShowDlgItem(unsigned id, int cmd);
    void GotoDlgCtrl(unsigned id);
    unsigned GetDefID() const;
    void SetDefID(unsigned id) { defId_ = id; }

    // ---- scripted use (TestUiHost answers and tests) ----
    // Presses a button as a person would (kIdOk and kIdCancel also work without such a control,
    // as Enter and Escape do). Returns modalResult() afterwards: the end value, or -1 when the
    // dialog stays open.
    int PressButton(unsigned id);
    void TypeDlgItemText(unsigned id, std::string_view text);   // notifies like typing
    void ChooseDlgItem(unsigned id, int index);                 // notifies like a click
    void PressEnter() { PressButton(GetDefID()); }
    void PressEscape() { PressButton(kIdCancel); }

    // Routes clicks: OK and Cancel to OnOK / OnCancel unless a handler is registered.
    bool OnCommand(unsigned id) override;
    bool OnCmdMsg(unsigned id, CmdUI* ui) override;

    // For the layer: builds the control model from the template (done by DoModal and Create).
    bool buildControls();
    // For property pages: a page's template may be the dialog's.
    void setTemplateId(unsigned id) { templateId_ = id; }
    // The title shown (template title unless SetWindowText changed it).
    std::string title() const;
    // For the Qt face: called with the control's new state after a person changed it.
    void controlChangedByUser(Control& control, unsigned code);
    // Checks a radio button and clears the others of its group (what a click does).
    void checkRadioInGroup(Control& chosen);
    // For the Qt face: told about every change of a control made from code.
    std::function<void(Control&)> controlChangedHook;

private:
    // A dialog is made from its template: the child-window form stays out of callers' reach.
    using Wnd::Create;
    unsigned templateId_;
    Wnd* parent_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<Menu> menu_;
    bool running_ = false;
    bool modeless_ = false;
    int result_ = -1;
    unsigned defId_ = 0;
    std::string title_;
    std::optional<Point> openAt_;
    friend class Control;
};

// Runs a dialog in the Qt face: a QDialog laid out from the template and bound both ways to
// the control model. The Qt UI host's modal runner; programs never call it directly.
int runDialogWithQt(Dialog& dialog);
// Shows a modeless dialog's Qt face (Create does this unless the test host is installed).
void showModelessWithQt(Dialog& dialog);

}  // namespace plat
