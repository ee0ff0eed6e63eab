#include "tracelyn/workspace/package_editor_dialogs.h"

#include "common/setup_pages.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/selective_edit_choice.h"

#include <algorithm>

namespace {

using namespace tly;

constexpr double kMillimetresToMils = 39.37008;
constexpr int kStyleRound = 0;
constexpr int kStyleSurface = 2;
constexpr int kStyleMount = 7;

// A pad length as typed, in the single precision the pad dialog keeps.
float typedLength(const plat::Dialog& dialog, unsigned id) { return static_cast<float>(NumberTyped(dialog, id)); }

}  // namespace

// ---- Selective Editing (Library Editor) ----

CLibSelectiveEditDlg::CLibSelectiveEditDlg() : plat::Dialog(kIddLibSelectiveEdit, nullptr) {}

bool CLibSelectiveEditDlg::OnInitDialog()
{
    for (unsigned k = 0; k < kSelectiveEditSwitchCount; ++k)
        if (GetDlgItem(kCmdSelectiveFirst + 1 + k) != nullptr)
            CheckDlgButton(kCmdSelectiveFirst + 1 + k, g_selectiveEdit.on[k] != 0 ? 1 : 0);
    return true;
}

bool CLibSelectiveEditDlg::OnCommand(unsigned id)
{
    if (id == kIdcSelectAllObjects || id == kIdcSelectNoObjects) {
        const int32_t on = id == kIdcSelectAllObjects ? 1 : 0;
        g_selectiveEdit.on.fill(on);
        for (unsigned k = 0; k < kSelectiveEditSwitchCount; ++k)
            if (GetDlgItem(kCmdSelectiveFirst + 1 + k) != nullptr)
                CheckDlgButton(kCmdSelectiveFirst + 1 + k, on);
        return true;
    }
    return plat::Dialog::OnCommand(id);
}

void CLibSelectiveEditDlg::OnOK()
{
    // Parts and no-routes have no box here: a package holds neither.
    for (unsigned k = 0; k + 1 < kSelectiveEditSwitchCount; ++k)
        g_selectiveEdit.on[k] = IsDlgButtonChecked(kCmdSelectiveFirst + 1 + k) != 0 ? 1 : 0;
    g_gesture.selectiveMode = 0;
    plat::Dialog::OnOK();
}

void ChooseLibrarySelectiveEdit(unsigned id)
{
    if (g_gesture.multi && g_gesture.bandShown)
        return;
    if (ChooseSelectiveEditClass(id) >= 0)
        g_gesture.tool = kToolSelect;
}

// ---- Pad Setup (library) ----

CLibPadSetupDlg::CLibPadSetupDlg() : plat::Dialog(kIddLibPadSetup, nullptr) {}

void CLibPadSetupDlg::applyStyleRule(int chosen)
{
    EnableDlgItem(kIdcLibPadHole, true);
    EnableDlgItem(kIdcPadY, true);
    if (chosen == kStyleRound || chosen == kStyleMount || chosen == 5 || chosen == 6) {
        EnableDlgItem(kIdcPadY, false);
        SetDlgItemText(kIdcPadY, GetDlgItemText(kIdcPadX));
    } else if (chosen == kStyleSurface) {
        EnableDlgItem(kIdcLibPadHole, false);
    }
}

bool CLibPadSetupDlg::OnInitDialog()
{
    style = std::clamp(style, 0, 7);
    CheckRadioButton(kIdcPadShapeFirst, kIdcPadShapeFirst + 7, kIdcPadShapeFirst + static_cast<unsigned>(style));
    const bool metric = MetricUnits();
    const float scale = metric ? static_cast<float>(1.0 / kMillimetresToMils) : 1.0f;
    SetDlgItemText(kIdcLibPadDimensions, metric ? "Dimensions (mm)" : "Dimensions (mils)");
    SetDlgItemText(kIdcPadX, Formatted("%.2f", sizeX * scale));
    SetDlgItemText(kIdcPadY, Formatted("%.2f", sizeY * scale));
    SetDlgItemText(kIdcLibPadHole, Formatted("%.2f", hole * scale));
    applyStyleRule(style);
    if (g_selection.count == 1 && g_board.objects != nullptr) {
        const int index = g_selection.list[1];
        if (index >= 1 && index <= g_board.count && g_board.objects[index].kind() == kKindPad) {
            SetDlgItemText(kIdcLibPadPin, g_board.objects[index].pinNumber());
            GotoDlgCtrl(kIdcLibPadPin);
        }
    }
    return true;
}

bool CLibPadSetupDlg::OnCommand(unsigned id)
{
    if (id >= kIdcPadShapeFirst && id <= kIdcPadShapeFirst + 7) {
        applyStyleRule(static_cast<int>(id - kIdcPadShapeFirst));
        return plat::Dialog::OnCommand(id);
    }
    return plat::Dialog::OnCommand(id);
}

void CLibPadSetupDlg::OnOK()
{
    const unsigned checked = GetCheckedRadioButton(kIdcPadShapeFirst, kIdcPadShapeFirst + 7);
    const int chosen = checked == 0 ? style : static_cast<int>(checked - kIdcPadShapeFirst);
    const std::string pin = GetDlgItemText(kIdcLibPadPin, 10);
    if (pin.empty() && chosen != kStyleMount)
        plat::MessageBox("Warning: Pin number required!");
    const int selected = g_selection.count >= 1 ? g_selection.list[1] : 0;
    if (!pin.empty() && g_board.objects != nullptr) {
        const std::string wanted = plat::upperCaseAscii(pin);
        for (int i = 1; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (i != selected && o.kind() == kKindPad && !o.pinNumber().empty() &&
                plat::upperCaseAscii(o.pinNumber()) == wanted) {
                plat::MessageBox("Warning: Duplicate pin number!");
                break;
            }
        }
    }
    // Only a pad has a pin number: a text or line that happens to be selected keeps its words.
    if (selected >= 1 && g_board.objects != nullptr && selected <= g_board.count &&
        g_board.objects[selected].kind() == kKindPad)
        g_board.objects[selected].setPinNumber(pin);
    const float scale = MetricUnits() ? static_cast<float>(kMillimetresToMils) : 1.0f;
    sizeX = typedLength(*this, kIdcPadX) * scale;
    sizeY = typedLength(*this, kIdcPadY) * scale;
    hole = typedLength(*this, kIdcLibPadHole) * scale;
    if (chosen == kStyleRound || chosen == kStyleMount)
        sizeY = sizeX;
    style = chosen;
    plat::Dialog::OnOK();
}
