#pragma once
// Setup > General: the "General Setup" sheet with its Drawing, Display, Miscellaneous and
// Library Parts pages over g_settings. Only the pages a person visited are stored on OK.

#include "platform/app/property_sheet.h"

class CGenDraw : public plat::PropertyPage {
public:
    CGenDraw();
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;

private:
    void OnFillPattern(unsigned id);
    int fillPattern_ = 0;
};

class CGenDisp : public plat::PropertyPage {
public:
    CGenDisp();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CGenMisc : public plat::PropertyPage {
public:
    CGenMisc();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CGenLib : public plat::PropertyPage {
public:
    CGenLib();
    bool OnInitDialog() override;
    void OnOK() override;
};

// The pages are a base built before the sheet and destroyed after it, so the sheet's
// destructor still finds them alive.
struct GeneralSetupPages {
    CGenDraw draw_;
    CGenDisp display_;
    CGenMisc misc_;
    CGenLib library_;
};

class CGeneral : private GeneralSetupPages, public plat::PropertySheet {
public:
    explicit CGeneral(plat::Wnd* parent = nullptr);
};
