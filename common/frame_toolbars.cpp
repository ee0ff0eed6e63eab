#include "common/frame_toolbars.h"

#include "platform/app/win_app.h"

namespace {

constexpr unsigned kBarStyle = plat::kWsChild | plat::kWsVisible | plat::kCbrsAlignTop | plat::kCbrsGripper |
                               plat::kCbrsBorderBottom | plat::kCbrsFlyBy | plat::kCbrsTooltips;

bool fillBar(plat::ToolBar& bar, const ToolBarSpec& spec)
{
    if (spec.buttons.empty())
        return bar.LoadToolBar(spec.barId);
    if (!bar.SetButtons(spec.buttons))
        return false;
    bar.SetHeight(kToolBarHeight);
    for (const ToolBarComboSpec& c : spec.combos) {
        plat::ToolBarCombo* combo = bar.AddCombo(c.buttonIndex, c.id, c.width, true);
        if (!combo)
            return false;
        for (const char* item : c.items)
            combo->AddString(item);
        combo->SetItemHeight(kComboItemHeight);
        if (c.initialSelection >= 0)
            combo->SetCurSel(c.initialSelection);
    }
    return true;
}

}  // namespace

FrameToolBars::FrameToolBars(std::span<const ToolBarSpec> specs, unsigned firstToggle)
    : specs_(specs), firstToggle_(firstToggle)
{
}

FrameToolBars::~FrameToolBars() = default;

bool FrameToolBars::create(plat::FrameWnd& frame)
{
    frame_ = &frame;
    bars_.clear();
    for (const ToolBarSpec& spec : specs_) {
        auto bar = std::make_unique<plat::ToolBar>();
        if (!bar->CreateEx(&frame, plat::kTbstyleFlat | plat::kTbstyleTransparent, kBarStyle, spec.barId) ||
            !fillBar(*bar, spec))
            return false;
        bar->EnableDocking(plat::kCbrsAlignAny);
        bars_.push_back(std::move(bar));
    }
    frame.EnableDocking(plat::kCbrsAlignAny);
    return true;
}

void FrameToolBars::arrange(std::span<const ToolBarDock> steps, std::span<const unsigned> hidden)
{
    if (!frame_)
        return;
    for (const ToolBarDock& step : steps) {
        if (step.rightOf == 0)
            frame_->DockControlBar(bar(step.barId), plat::kCbrsAlignTop);
        else
            frame_->DockControlBarNextTo(bar(step.barId), bar(step.rightOf));
    }
    for (unsigned id : hidden)
        frame_->ShowControlBar(bar(id), false);
    frame_->SaveBarState(kDefaultToolBarLayout);
    if (frame_->VerifyBarState(kSavedToolBarLayout))
        frame_->LoadBarState(kSavedToolBarLayout);
}

void FrameToolBars::saveLayout() const
{
    if (frame_)
        frame_->SaveBarState(kSavedToolBarLayout);
}

void FrameToolBars::restoreDefault()
{
    if (frame_)
        frame_->LoadBarState(kDefaultToolBarLayout);
}

plat::ToolBar* FrameToolBars::barOfToggle(unsigned command) const
{
    if (command < firstToggle_ || command - firstToggle_ >= bars_.size())
        return nullptr;
    return bars_[command - firstToggle_].get();
}

bool FrameToolBars::toggle(unsigned command)
{
    plat::ToolBar* b = barOfToggle(command);
    if (!b || !frame_)
        return false;
    frame_->ShowControlBar(b, !b->isShown());
    return true;
}

void FrameToolBars::updateToggle(plat::CmdUI& ui) const
{
    if (const plat::ToolBar* b = barOfToggle(ui.id()))
        ui.SetCheck(b->isShown());
}

plat::ToolBar* FrameToolBars::bar(unsigned barId) const
{
    for (const auto& b : bars_)
        if (b->barId() == barId)
            return b.get();
    return nullptr;
}

plat::ToolBarCombo* FrameToolBars::combo(unsigned comboId) const
{
    for (const auto& b : bars_)
        if (plat::ToolBarCombo* c = b->combo(comboId))
            return c;
    return nullptr;
}

int StatusAnimation::advance()
{
    const int icon = icons_[phase_ % 2];
    phase_ = (phase_ + 1) % 4;
    return icon;
}
