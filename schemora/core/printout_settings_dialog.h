#pragma once
// The Printout Settings dialog (178): how drawings are printed (one sheet, paginated or to
// scale), in colour or not, with the sheet's aspect kept or not (g_printout).

#include "platform/app/dialog.h"

class CPrintoutSettingsDlg : public plat::Dialog {
public:
    explicit CPrintoutSettingsDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;
};
