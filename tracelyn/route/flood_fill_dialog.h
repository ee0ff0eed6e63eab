#pragma once
// "Flood fill" (template 254): the fill grid, the clearance and the two choices of one fill.

#include "platform/app/dialog.h"

class CFloodFillDlg : public plat::Dialog {
public:
    CFloodFillDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(unsigned id) override;

    int m_minimizeFloatingCopper = 1;
    int m_removeEnclosingObject = 1;
};
