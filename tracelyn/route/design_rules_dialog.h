#pragma once
// "Design Rules Check" (template 149): the three clearances (g_designRules), the check
// switches and the minimum sizes, which the dialog object keeps; the main frame keeps one
// object for the program's run, so they stay as the user left them. All but the reference
// check start on.

#include "platform/app/dialog.h"
#include "tracelyn/route/drc_findings.h"

#include <cstdint>

class CDesignRulesDlg : public plat::Dialog {
public:
    CDesignRulesDlg();
    // The reference-designator check starts off each time; the others show their switches.
    bool OnInitDialog() override;
    void OnOK() override;

    // The switches and clearances as the check takes them.
    DrcSettings settings() const;

    int32_t m_checkReferences = 0;
    int32_t m_padToTrace = 1;
    int32_t m_traceToTrace = 1;
    int32_t m_padToVia = 1;
    int32_t m_checkSilkscreen = 1;
    int32_t m_checkBottomText = 1;
    int32_t m_checkOutside = 1;
    int32_t m_checkMinimums = 1;
    DesignRuleMinimums m_minimums;
};
