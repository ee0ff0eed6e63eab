#include "schemora/core/printout_settings_dialog.h"

#include "resources/schemora/file_resources.h"
#include "schemora/core/sheet_state.h"

using namespace scm;

CPrintoutSettingsDlg::CPrintoutSettingsDlg(plat::Wnd* parent) : plat::Dialog(kIddPrintoutSettings, parent) {}

bool CPrintoutSettingsDlg::OnInitDialog()
{
    const int layout = g_printout.layout >= kPrintOneSheet && g_printout.layout <= kPrintToScale
                           ? g_printout.layout
                           : kPrintOneSheet;
    CheckRadioButton(kIdcPrintOneSheet, kIdcPrintToScale, static_cast<unsigned>(layout));
    CheckDlgButton(kIdcPrintColor, g_printout.color ? 1 : 0);
    CheckDlgButton(kIdcPrintPreserveAspect, g_printout.preserveAspect ? 1 : 0);
    return true;
}

void CPrintoutSettingsDlg::OnOK()
{
    const unsigned layout = GetCheckedRadioButton(kIdcPrintOneSheet, kIdcPrintToScale);
    if (layout != 0)
        g_printout.layout = static_cast<int>(layout);
    g_printout.color = IsDlgButtonChecked(kIdcPrintColor) != 0;
    g_printout.preserveAspect = IsDlgButtonChecked(kIdcPrintPreserveAspect) != 0;
    plat::Dialog::OnOK();
}
