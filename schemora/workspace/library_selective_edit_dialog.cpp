#include "schemora/workspace/library_selective_edit_dialog.h"

#include "resources/schemora/frame_ids.h"
#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/app_state.h"

CLibSelEditDlg::CLibSelEditDlg(plat::Wnd* parent) : plat::Dialog(scm::kIddLibSelectiveEdit, parent)
{
    addCommand(scm::kCmdSelEditAll, scm::kCmdSelEditAll, [this](unsigned) {
        setAll(1);
        return true;
    });
    addCommand(scm::kIdcSelEditNone, scm::kIdcSelEditNone, [this](unsigned) {
        setAll(0);
        return true;
    });
}

bool CLibSelEditDlg::OnInitDialog()
{
    for (int i = 0; i < kEditFilterSwitches; ++i)
        CheckDlgButton(scm::kCmdSelEditText + static_cast<unsigned>(i), g_editFilter.on[static_cast<size_t>(i)] ? 1 : 0);
    return true;
}

// "All Objects" and "NO Objects" set the switches and the boxes at once.
void CLibSelEditDlg::setAll(int check)
{
    g_editFilter.on.fill(check);
    for (int i = 0; i < kEditFilterSwitches; ++i)
        CheckDlgButton(scm::kCmdSelEditText + static_cast<unsigned>(i), check);
}

void CLibSelEditDlg::OnOK()
{
    int checked = 0;
    mode_ = scm::kCmdSelEditAll;
    for (int i = 0; i < kEditFilterSwitches; ++i) {
        const unsigned id = scm::kCmdSelEditText + static_cast<unsigned>(i);
        const bool on = IsDlgButtonChecked(id) != 0;
        g_editFilter.on[static_cast<size_t>(i)] = on ? 1 : 0;
        if (on && ++checked == 1)
            mode_ = id;
    }
    if (checked != 1)
        mode_ = scm::kCmdSelEditAll;
    plat::Dialog::OnOK();
}
