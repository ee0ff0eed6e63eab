#pragma once
// "Design Rules Check" (template 149): the three clearances (g_designRules) and the check
// switches, which the dialog object keeps.

#include "platform/app/dialog.h"

#include <cstdint>

class CDesignRulesDlg : public plat::Dialog {
public:
    CDesignRulesDlg();
    // The reference-designator check starts off each time; the others show their switches.
    bool OnInitDialog() override;
    void OnOK() override;

    int32_t m_checkReferences = 0;
    int32_t m_padToTrace = 0;
    int32_t m_traceToTrace = 0;
    int32_t m_padToVia = 0;
    int32_t m_checkSilkscreen = 0;
};
