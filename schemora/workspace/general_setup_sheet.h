#pragma once
// Setup > General: the "General Setup" sheet with its Drawing, Display, Miscellaneous and
// Library Parts pages over g_settings. Only the pages a person visited are stored on OK.

#include "common/setup_pages.h"

class CGenDraw : public FillPatternPage {
public:
    CGenDraw();
    bool OnInitDialog() override;
    void OnOK() override;

protected:
    plat::ColorRef preparePatternDc(plat::Dc& dc) override;
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

class CGeneral : public GeneralSetupSheetOf<CGenDraw, CGenDisp, CGenMisc, CGenLib> {
public:
    explicit CGeneral(plat::Wnd* parent = nullptr) : GeneralSetupSheetOf(parent) {}
};

// Runs the sheet; on OK the selected objects take the current width, line style and fill.
// Returns whether the sheet was confirmed.
bool RunGeneralSetup(plat::Wnd* parent);
