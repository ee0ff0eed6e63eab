// The Setup toolbar's toggles, View > Toolbars and the Help commands of the main frame.
#include "schemora/workspace/main_frame.h"

#include "common/editor_startup.h"
#include "common/set_colors_dialog.h"
#include "platform/app/command_ids.h"
#include "platform/app/win_app.h"
#include "resources/schemora/frame_ids.h"
#include "resources/schemora/frame_resources.h"
#include "resources/schemora/general_setup_ids.h"
#include "schemora/workspace/general_setup_sheet.h"
#include "schemora/core/app_state.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/sheet_state.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/settings.h"
#include "schemora/core/workspace_services.h"

namespace {

constexpr int kHiddenPinsOff = 517, kHiddenPinsOn = 518;
constexpr int kEnglishUnits = 724, kMetricUnits = 725;

struct SetupToggle {
    unsigned id;
    int* setting;
    int off, on;
    bool redraw;
};

// The settings the toggles switch; rubberband (328) has its own command with a status text.
std::span<const SetupToggle> setupToggles()
{
    static const SetupToggle toggles[] = {
        {scm::kCmdLimitMode, &g_settings.limit, 0, 1, false},
        {scm::kCmdVisibleGrid, &g_settings.visible, 0, 1, true},
        {scm::kCmdPageBreaks, &g_settings.breaks, 0, 1, true},
        {scm::kCmdHiddenPins, &g_settings.hidden, kHiddenPinsOff, kHiddenPinsOn, true},
        {scm::kCmdTerminalEnds, &g_settings.TerminalEnd, 0, 1, true},
        {scm::kCmdUnits, &g_settings.units, kEnglishUnits, kMetricUnits, true},
    };
    return toggles;
}

const SetupToggle* toggleOf(unsigned id)
{
    for (const SetupToggle& t : setupToggles())
        if (t.id == id)
            return &t;
    return nullptr;
}

}  // namespace

void CMainFrame::registerSetupCommands()
{
    for (const SetupToggle& t : setupToggles()) {
        onCommandRange(t.id, t.id, &CMainFrame::OnSetupToggle);
        onUpdateCommandUI(t.id, &CMainFrame::OnUpdateSetupToggle);
    }
    onCommand(scm::kCmdSetColors, &CMainFrame::OnSetColors);
    onDocumentCommand(scm::kCmdGeneralSetup, &CMainFrame::OnGeneralSetup);
    onCommand(scm::kCmdHelpContents, &CMainFrame::OnHelpContents);
    onCommand(scm::kCmdContextHelp, &CMainFrame::OnContextHelp);
}

void CMainFrame::OnSetupToggle(unsigned id)
{
    const SetupToggle* t = toggleOf(id);
    if (!t)
        return;
    // Units stay switchable without a drawing (they are a program setting shown in dialogs).
    if (id != scm::kCmdUnits && !GetActiveDocument())
        return;
    *t->setting = *t->setting == t->on ? t->off : t->on;
    if (t->redraw)
        RedrawActiveFrame();
}

void CMainFrame::OnUpdateSetupToggle(plat::CmdUI& ui)
{
    const SetupToggle* t = toggleOf(ui.id());
    if (!t)
        return;
    ui.Enable(ui.id() == scm::kCmdUnits || GetActiveDocument() != nullptr);
    ui.SetCheck(*t->setting == t->on);
}

namespace {

constexpr int kMarkColorSlot = 19;
int g_setColorsSlot = 0;   // the slot chosen last, kept between runs of the dialog

}  // namespace

void CMainFrame::OnSetColors()
{
    SetColorsTarget target{.live = g_colorRoles.index,
                           .schemes = PresentColorSchemes(g_settings.schemes, &ColorScheme::values),
                           .currentScheme = &g_settings.colorscheme,
                           .colorMode = &g_drawModes.colorMode,
                           .selectedSlot = &g_setColorsSlot,
                           .pickedColor = &g_drawModes.objectColor,
                           .colorOf = [](int index) { return GetColorRef(index); },
                           .selectPalette = [](plat::Dc& dc) { SelectProgramPalette(dc); },
                           .afterOk = [](std::span<const int32_t> colors) { g_drawModes.markColor = colors[kMarkColorSlot]; }};
    CSetColorsDlg dialog(scm::SetColorsDialogIds(), std::move(target), this);
    dialog.DoModal();
    RedrawActiveFrame();
}

void CMainFrame::OnGeneralSetup()
{
    RunGeneralSetup(this);
    // The backup timer follows the interval whether or not the sheet was confirmed.
    KillTimer(scm::kTimerBackup);
    StartBackupTimer(*this, scm::kTimerBackup, g_settings.BackupTime);
    RedrawActiveFrame();
}

// With a drawing open its document answers Help > Contents first; the frame's own handler
// has nothing to show.
void CMainFrame::OnHelpContents() {}

void CMainFrame::OnContextHelp()
{
    if (plat::WinApp* app = plat::GetApp())
        app->WinHelp(0, 3);
}
