#pragma once
// Setup > General of the board program: the "General Setup" sheet with its Drawing, Display,
// Miscellaneous and Incremental Router pages over the board settings. Only the pages a person
// visited are stored on OK; Cancel stores nothing.

#include "common/setup_pages.h"
#include "tracelyn/workspace/length_fields.h"
#include "tracelyn/workspace/router_setup_fields.h"

#include <cstdint>

// The outline style, fill pattern and width the Drawing page works on. They start from the
// defaults; with objects selected OK leaves the defaults alone and the frame gives these to
// the selection.
struct DrawingSet {
    int32_t style = 0;
    int32_t fill = 0;
    int32_t width = 0;
};

class CGenDraw : public FillPatternPage {
public:
    CGenDraw();
    bool OnInitDialog() override;
    void OnOK() override;
    const DrawingSet& workingSet() const { return working_; }

protected:
    plat::ColorRef preparePatternDc(plat::Dc& dc) override;

private:
    DrawingSet working_;
    LengthFields width_;
};

class CGenDisp : public plat::PropertyPage {
public:
    CGenDisp();
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnSpin(unsigned id);
};

class CGenMisc : public plat::PropertyPage {
public:
    CGenMisc();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CGenRouter : public plat::PropertyPage {
public:
    CGenRouter();
    bool OnInitDialog() override;
    void OnOK() override;

private:
    RouterFields fields_;
};

class CGeneral : public GeneralSetupSheetOf<CGenDraw, CGenDisp, CGenMisc, CGenRouter> {
public:
    explicit CGeneral(plat::Wnd* parent = nullptr) : GeneralSetupSheetOf(parent) {}
    const DrawingSet& drawingSet() const { return page<CGenDraw>().workingSet(); }
};

// Runs the sheet; on OK the selected objects take the sheet's width, style and fill. Returns
// whether the sheet was confirmed.
bool RunGeneralSetup(plat::Wnd* parent);
