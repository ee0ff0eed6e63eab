#pragma once
// Toolbars and the status bar of a frame. Both keep their state as data (buttons, pane texts
// and icons) so that tests read them back; the Qt face shows them.

#include "platform/app/command_ids.h"
#include "platform/app/list_entries.h"
#include "platform/app/wnd.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QMainWindow;
class QToolBar;
class QWidget;

namespace plat {

class FrameWnd;

enum : unsigned {
    kCbrsAlignTop = 0x1000, kCbrsAlignBottom = 0x2000, kCbrsAlignLeft = 0x4000, kCbrsAlignRight = 0x8000,
    kCbrsAlignAny = 0xF000, kCbrsTooltips = 0x0010, kCbrsFlyBy = 0x0020, kCbrsGripper = 0x00400000,
    kCbrsBorderBottom = 0x0200, kCbrsSizeDynamic = 0x0040,
    kTbstyleFlat = 0x0800, kTbstyleTransparent = 0x8000,
};

// Button styles of toolbar buttons.
enum : unsigned { kTbbsButton = 0x00, kTbbsSeparator = 0x01, kTbbsCheckBox = 0x02, kTbbsGroup = 0x04,
                  kTbbsCheckGroup = 0x06, kTbbsChecked = 0x0100, kTbbsDisabled = 0x0400,
                  kTbbsHidden = 0x0800, kTbbsPressed = 0x0200 };

// Status-bar pane styles.
enum : unsigned { kSbpsNormal = 0x0000, kSbpsNoBorders = 0x0100, kSbpsPopout = 0x0200,
                  kSbpsDisabled = 0x04000000, kSbpsStretch = 0x08000000 };

// Where a docked bar sits: the frame side, the row on that side (0 nearest the menu bar or
// the frame's edge) and the place in the row, left to right.
struct DockPlace {
    unsigned side = kCbrsAlignTop;
    int row = 0;
    int index = 0;
    bool operator==(const DockPlace&) const = default;
};

class ControlBar : public Wnd {
public:
    // The bar's id in the frame (toolbar ids are used for show/hide commands and saved layouts).
    unsigned barId() const { return barId_; }
    FrameWnd* frame() const { return frame_; }
    bool isShown() const { return shown_; }
    void EnableDocking(unsigned align) { dockAlign_ = align; }
    unsigned dockAlign() const { return dockAlign_; }
    const DockPlace& dockPlace() const { return dock_; }

protected:
    // Makes the bar a created child of parent with style and id, shown when style has
    // kWsVisible; makeWidget gives the bar's widget in the frame's main window, where it has one.
    // False when parent is null or the bar is created already.
    bool attach(FrameWnd* parent, unsigned style, unsigned id, const std::function<QWidget*(QMainWindow&)>& makeWidget);

    unsigned barId_ = 0;
    FrameWnd* frame_ = nullptr;
    bool shown_ = true;
    unsigned dockAlign_ = 0;
    DockPlace dock_;
    friend class FrameWnd;
};

struct ToolButton {
    unsigned id = 0;                // command id, 0 for a separator
    unsigned style = kTbbsButton;   // kTbbs*
    int image = -1;                 // index into the bar's image strip
    int width = 0;                  // separators and combo placeholders: width in pixels
};

// A combo box placed in a toolbar over a separator (layer, sheet, scale, grid selectors).
// Choosing an entry sends the combo's id as a command to the frame; setting the selection from
// code sends nothing. Owner-drawn combos call the toolbar's OnDrawItem for each item.
class ToolBarCombo {
public:
    unsigned id() const { return id_; }
    void ResetContent();
    int AddString(std::string_view text);
    int InsertString(int index, std::string_view text);
    int DeleteString(int index);
    int GetCount() const { return static_cast<int>(items_.size()); }
    int GetCurSel() const { return sel_; }
    int SetCurSel(int index);
    std::string GetLBText(int index) const;
    void SetItemData(int index, uintptr_t data);
    uintptr_t GetItemData(int index) const;
    void SetItemHeight(int height) { itemHeight_ = height; }
    void EnableWindow(bool enable) { enabled_ = enable; }
    bool IsWindowEnabled() const { return enabled_; }
    bool ownerDraw() const { return ownerDraw_; }
    int width() const { return width_; }
    // As if the user chose the entry: sets the selection and sends the command.
    void choose(int index);

    using Entry = ListEntry;
    const std::vector<Entry>& entries() const { return items_; }

private:
    friend class ToolBar;
    unsigned id_ = 0;
    int width_ = 100;
    bool ownerDraw_ = false;
    bool enabled_ = true;
    int itemHeight_ = 14;
    int sel_ = -1;
    std::vector<Entry> items_;
    class ToolBar* bar_ = nullptr;
};

class ToolBar : public ControlBar {
public:
    ToolBar();
    ~ToolBar() override;

    // Makes the bar in the frame; id is the bar's id (kIdwToolBar for the first).
    bool Create(FrameWnd* parent, unsigned style = kWsChild | kWsVisible | kCbrsAlignTop, unsigned id = kIdwToolBar);
    bool CreateEx(FrameWnd* parent, unsigned tbStyle, unsigned style, unsigned id);
    // Buttons and images from a toolbar resource.
    bool LoadToolBar(unsigned resourceId);
    // Buttons by command id (kIdSeparator for separators); images are numbered in order.
    bool SetButtons(std::span<const unsigned> ids);
    void SetSizes(Size button, Size image);
    void SetHeight(int height);

    int GetCount() const { return static_cast<int>(buttons_.size()); }
    unsigned GetItemID(int index) const;
    int CommandToIndex(unsigned id) const;
    void GetButtonInfo(int index, unsigned& id, unsigned& style, int& image) const;
    void SetButtonInfo(int index, unsigned id, unsigned style, int image);
    unsigned GetButtonStyle(int index) const;
    void SetButtonStyle(int index, unsigned style);
    const ToolButton& button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

    // Run-time edits of the button list.
    bool InsertButton(int index, const ToolButton& button);
    bool DeleteButton(int index);
    bool HideButton(unsigned id, bool hide = true);
    bool IsButtonHidden(unsigned id) const;
    bool ChangeBitmap(unsigned id, int image);     // the image of the button with command id
    bool CheckButton(unsigned id, bool check = true);
    bool EnableButton(unsigned id, bool enable = true);
    bool IsButtonChecked(unsigned id) const;
    bool IsButtonEnabled(unsigned id) const;

    // Puts a combo box over the button at index (turned into a separator of the given width).
    ToolBarCombo* AddCombo(int index, unsigned comboId, int width, bool ownerDraw = false);
    ToolBarCombo* combo(unsigned comboId) const;

    // Runs update-UI for every button through the frame's route (idle-time update).
    void updateCommandUI();
    // As if the user clicked the button with this command id: the frame receives the command.
    bool click(unsigned id);

    // Reflected owner-draw of the bar's combos; the base calls the frame's handlers.
    void OnDrawItem(unsigned ctlId, DrawItem& item) override;
    void OnMeasureItem(unsigned ctlId, MeasureItem& item) override;

    // For the layer: the bar's look changed.
    void changed();
    // The command whose picture fills image slot `image` of the bar: slots are numbered in the
    // order of the buttons the bar was loaded with (0 when there is no such slot).
    unsigned imageCommand(int image) const;

private:
    // A bar is made only in its frame: the child-window form stays out of callers' reach.
    using Wnd::Create;
    // Sets or clears a style bit of the button with command id; false when there is none.
    bool setStyleBit(unsigned id, unsigned bit, bool on);
    // The layout the Qt bar was last built from: when only states change (enabled, checked,
    // a combo's selection), the bar's actions and combos are updated instead of rebuilt.
    struct BuiltLayout;
    BuiltLayout layout() const;
    bool updateInPlace(QToolBar* bar, const BuiltLayout& wanted);
    void rebuild(QToolBar* bar);

    std::unique_ptr<BuiltLayout> built_;
    std::vector<ToolButton> buttons_;
    std::vector<std::unique_ptr<ToolBarCombo>> combos_;
    Size buttonSize_{23, 22};
    Size imageSize_{16, 15};
    int height_ = 0;
    unsigned bitmapId_ = 0;
    std::vector<unsigned> imageCommands_;   // the command of each image slot
    friend class ToolBarCombo;
};

class StatusBar : public ControlBar {
public:
    StatusBar();
    ~StatusBar() override;

    bool Create(FrameWnd* parent, unsigned style = kWsChild | kWsVisible | kCbrsAlignBottom, unsigned id = kIdwStatusBar);
    // Panes by id; kIdSeparator (0) makes a plain pane. Pane 0 stretches.
    bool SetIndicators(std::span<const unsigned> ids);
    void SetPaneInfo(int index, unsigned id, unsigned style, int width);
    void GetPaneInfo(int index, unsigned& id, unsigned& style, int& width) const;
    int GetCount() const { return static_cast<int>(panes_.size()); }
    int CommandToIndex(unsigned id) const;

    bool SetPaneText(int index, std::string_view text, bool update = true);
    std::string GetPaneText(int index) const;
    // The icon shown in a pane (the platform's SB_SETICON); 0 removes it.
    bool SetPaneIcon(int index, Icon icon);
    Icon GetPaneIcon(int index) const;
    void SetPaneTipText(int index, std::string_view text);
    Rect GetItemRect(int index) const;

    // A progress control placed over the bar (rectangle in the bar's client coordinates) with
    // the range 0..range. False, and nothing changed, when one is already there.
    bool CreateProgress(const Rect& rect, int range);
    void SetProgressPos(int pos);
    void DestroyProgress();
    bool hasProgress() const { return progress_.shown; }
    Rect progressRect() const { return progress_.rect; }
    int progressRange() const { return progress_.range; }
    int progressPos() const { return progress_.pos; }

    // Pane 0's idle text and fly-by prompts.
    void showIdleMessage();
    void showPrompt(unsigned commandId);

    struct Pane { unsigned id = 0; unsigned style = 0; int width = 0; std::string text; Icon icon = 0; std::string tip; };
    const std::vector<Pane>& panes() const { return panes_; }

    void changed();

private:
    // A bar is made only in its frame: the child-window form stays out of callers' reach.
    using Wnd::Create;
    void progressChanged();
    std::vector<Pane> panes_;
    struct Progress { bool shown = false; Rect rect; int range = 0; int pos = 0; };
    Progress progress_;
};

}  // namespace plat
