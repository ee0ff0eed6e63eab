#pragma once
// The main frame's dockable toolbars, the same in both editors: a table of bars (buttons from a
// toolbar resource or a button list, combos over placeholder buttons), their docking rows, the
// layout kept in the profile ("ToolBars" between runs, "Default" as built), and the
// View > Toolbars commands that show and hide them. Each program passes in its own bars, ids and
// combo items.

#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"

#include <memory>
#include <span>
#include <string_view>
#include <vector>

// A combo box placed over one button of a bar; the button becomes a separator of its width.
struct ToolBarComboSpec {
    unsigned id = 0;
    int buttonIndex = 0;
    int width = 100;
    std::span<const char* const> items;
    int initialSelection = -1;
};

struct ToolBarSpec {
    unsigned barId = 0;                      // the resource id, also the bar's id in the frame
    std::span<const unsigned> buttons;       // empty: the buttons of the toolbar resource barId
    std::span<const ToolBarComboSpec> combos;
};

// One docking step: the bar goes at the start of a new top row (rightOf 0) or right after the
// bar rightOf in its row.
struct ToolBarDock {
    unsigned barId = 0;
    unsigned rightOf = 0;
};

inline constexpr std::string_view kSavedToolBarLayout = "ToolBars";
inline constexpr std::string_view kDefaultToolBarLayout = "Default";
inline constexpr int kToolBarHeight = 25;
inline constexpr int kComboItemHeight = 14;

class FrameToolBars {
public:
    // firstToggle: the View > Toolbars command of the first bar; the others follow in order.
    FrameToolBars(std::span<const ToolBarSpec> specs, unsigned firstToggle);
    ~FrameToolBars();
    FrameToolBars(const FrameToolBars&) = delete;
    FrameToolBars& operator=(const FrameToolBars&) = delete;

    // Makes every bar in the frame in table order; false when one cannot be made.
    bool create(plat::FrameWnd& frame);
    // Docks the bars step by step, hides the listed ones, keeps the result as "Default" and then
    // puts back the layout of the last run unless it names a bar this frame lacks.
    void arrange(std::span<const ToolBarDock> steps, std::span<const unsigned> hidden);
    void saveLayout() const;
    void restoreDefault();

    unsigned firstToggle() const { return firstToggle_; }
    unsigned lastToggle() const { return firstToggle_ + static_cast<unsigned>(specs_.size()) - 1; }
    // View > Toolbars: shows a hidden bar, hides a shown one; false for ids not of this table.
    bool toggle(unsigned command);
    // Marks the View > Toolbars item of a shown bar.
    void updateToggle(plat::CmdUI& ui) const;

    plat::ToolBar* bar(unsigned barId) const;
    plat::ToolBarCombo* combo(unsigned comboId) const;
    int count() const { return static_cast<int>(bars_.size()); }

private:
    plat::ToolBar* barOfToggle(unsigned command) const;
    std::span<const ToolBarSpec> specs_;
    unsigned firstToggle_;
    plat::FrameWnd* frame_ = nullptr;
    std::vector<std::unique_ptr<plat::ToolBar>> bars_;
};

// The status-bar animation: four phases per cycle, the first icon in phases 0 and 2, the
// second in 1 and 3.
class StatusAnimation {
public:
    StatusAnimation(int firstIcon, int secondIcon) : icons_{firstIcon, secondIcon} {}
    // The icon of this tick; the phase then moves on.
    int advance();
    int phase() const { return phase_; }

private:
    int icons_[2];
    int phase_ = 0;
};
