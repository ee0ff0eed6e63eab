#pragma once
// Setup > Page: the drawing's sheet size, revision letter, document number and the first
// number of a reference renumbering; the revision date is shown only.

#include "platform/app/dialog.h"

class CSchemoraDoc;

class CPageSetupDlg : public plat::Dialog {
public:
    CPageSetupDlg(CSchemoraDoc& doc, plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CSchemoraDoc& doc_;
};
