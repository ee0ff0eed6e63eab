#pragma once
// The board program's small setup dialogs: Setup > Layers (which layers are shown, one layer
// or a layer pair), File > Printout Settings (scale and print flags) and the Incremental
// Router dialog of the pad-to-pad tool.

#include "platform/app/dialog.h"
#include "tracelyn/workspace/router_setup_fields.h"

class CLayerSetupDlg : public plat::Dialog {
public:
    CLayerSetupDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CPrintoutSettingsDlg : public plat::Dialog {
public:
    CPrintoutSettingsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
};

class CIncrementalRouterDlg : public plat::Dialog {
public:
    CIncrementalRouterDlg();
    bool OnInitDialog() override;
    void OnOK() override;

private:
    RouterFields fields_;
};

// The message shown when a printout scale is refused.
inline constexpr const char* kPrintScaleRefused = "Scaling must be a number from 1 to 10000 percent.";
