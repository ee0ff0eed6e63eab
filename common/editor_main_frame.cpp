#include "common/editor_main_frame.h"

#include "common/editor_startup.h"
#include "common/maker_web_page.h"
#include "platform/app/command_ids.h"
#include "platform/app/win_constants.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"

#include <vector>

namespace quill {

EditorMainFrame::EditorMainFrame(const EditorFrameSpec& spec)
    : bars_(spec.bars.bars, spec.bars.firstToggle),
      spec_(spec),
      animation_(spec.status.animationIcons[0], spec.status.animationIcons[1])
{
    onCommandRange(bars_.firstToggle(), bars_.lastToggle(), &EditorMainFrame::OnToggleToolBar);
    onUpdateCommandUIRange(bars_.firstToggle(), bars_.lastToggle(), &EditorMainFrame::OnUpdateToggleToolBar);
    onCommand(spec.bars.restoreDefault, &EditorMainFrame::OnDefaultToolBars);
    onCommand(spec.tipOfTheDayCommand, &EditorMainFrame::OnTipOfTheDay);
    onCommand(spec.websiteCommand, &EditorMainFrame::OnWebsite);
    if (spec.partsBin.bin) {
        onCommand(spec.partsBin.command, &EditorMainFrame::OnPartsBin);
        onUpdateCommandUI(spec.partsBin.command, &EditorMainFrame::OnUpdatePartsBin);
    }
}

EditorMainFrame::~EditorMainFrame() = default;

int EditorMainFrame::OnCreate()
{
    if (plat::MDIFrameWnd::OnCreate() == -1)
        return -1;
    if (spec_.startMaximised)
        ModifyStyle(0, plat::kWsMaximize);
    if (!bars_.create(*this))
        return -1;
    fillToolBarCombos();
    if (!createStatusBar())
        return -1;
    bars_.arrange(spec_.bars.docking, spec_.bars.hidden);
    if (!spec_.status.cursorPaneTip.empty())
        status_.SetPaneTipText(1, spec_.status.cursorPaneTip);
    return 0;
}

bool EditorMainFrame::createStatusBar()
{
    const std::span<const int> widths = spec_.status.paneWidths;
    const std::vector<unsigned> indicators(widths.size() + 1, plat::kIdSeparator);
    if (!status_.Create(this) || !status_.SetIndicators(indicators))
        return false;
    for (size_t pane = 1; pane <= widths.size(); ++pane)
        status_.SetPaneInfo(static_cast<int>(pane), plat::kIdSeparator, plat::kSbpsNormal, widths[pane - 1]);
    return true;
}

void EditorMainFrame::startRunning(int readyIcon, int backupMinutes, std::string& soundFolder)
{
    constexpr unsigned kAnimationTickMs = 500;
    spec_.routines.setStatusIcon(readyIcon, spec_.status.animationPane);
    SetTimer(spec_.timers.statusAnimation, kAnimationTickMs);
    soundFolder = plat::appendFolder(plat::currentFolder(), "SOUNDS");
    StartBackupTimer(*this, spec_.timers.backup, backupMinutes);
    ShowWindow(plat::kSwShowMaximized);
}

void EditorMainFrame::OnTimer(unsigned id)
{
    const EditorFrameRoutines& run = spec_.routines;
    if (id == spec_.timers.statusAnimation) {
        if (!run.animationHeld || !run.animationHeld())
            run.setStatusIcon(animation_.advance(), spec_.status.animationPane);
        return;
    }
    if (id == spec_.timers.backup) {
        run.backUpOpenDocuments();
        return;
    }
    if (id == spec_.timers.blinkMarker) {
        run.advanceBlinkMarker();
        return;
    }
    plat::MDIFrameWnd::OnTimer(id);
}

bool EditorMainFrame::PreTranslateMessage(plat::Msg& msg)
{
    if (spec_.routines.typingText())
        return false;
    return plat::MDIFrameWnd::PreTranslateMessage(msg);
}

void EditorMainFrame::OnMeasureItem(unsigned ctlId, plat::MeasureItem& item)
{
    if (!bars_.combo(ctlId))
        return plat::MDIFrameWnd::OnMeasureItem(ctlId, item);
    constexpr int kComboItemWidth = 100;
    item.itemWidth = kComboItemWidth;
    item.itemHeight = kComboItemHeight;
}

void EditorMainFrame::OnPartsBin()
{
    spec_.partsBin.bin().Open(this);
    if (spec_.partsBin.opened)
        spec_.partsBin.opened();
}

void EditorMainFrame::OnUpdatePartsBin(plat::CmdUI& ui) { UpdatePartsBinCommand(ui, spec_.partsBin.bin()); }

void EditorMainFrame::OnUpdateNeedsDocument(plat::CmdUI& ui) { ui.Enable(GetActiveDocument() != nullptr); }

void EditorMainFrame::needsDocument(std::initializer_list<unsigned> ids)
{
    for (const unsigned id : ids)
        onUpdateCommandUI(id, &EditorMainFrame::OnUpdateNeedsDocument);
}

void EditorMainFrame::OnToggleToolBar(unsigned id) { bars_.toggle(id); }

void EditorMainFrame::OnUpdateToggleToolBar(plat::CmdUI& ui) { bars_.updateToggle(ui); }

void EditorMainFrame::OnDefaultToolBars() { bars_.restoreDefault(); }

void EditorMainFrame::OnTipOfTheDay()
{
    CTipDlg tip(this, spec_.routines.tips());
    tip.DoModal();
}

void EditorMainFrame::OnWebsite() { OpenMakerWebPage(); }

}  // namespace quill
