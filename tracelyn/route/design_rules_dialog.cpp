#include "tracelyn/route/design_rules_dialog.h"

#include "resources/tracelyn/route_ids.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/route/board_checks.h"

namespace {

constexpr int kFieldChars = 20;

}  // namespace

CDesignRulesDlg::CDesignRulesDlg() : plat::Dialog(tly::kIddDesignRules, nullptr) {}

bool CDesignRulesDlg::OnInitDialog()
{
    using namespace tly;
    m_checkReferences = 0;
    CheckDlgButton(kIdcCheckReferences, 0);
    CheckDlgButton(kIdcCheckPadToTrace, m_padToTrace);
    CheckDlgButton(kIdcCheckTraceToTrace, m_traceToTrace);
    CheckDlgButton(kIdcCheckPadToVia, m_padToVia);
    CheckDlgButton(kIdcCheckSilkscreen, m_checkSilkscreen);
    CheckDlgButton(kIdcCheckBottomText, m_checkBottomText);
    CheckDlgButton(kIdcCheckOutside, m_checkOutside);
    CheckDlgButton(kIdcCheckMinimums, m_checkMinimums);
    const bool metric = MetricUnits();
    SetDlgItemText(kIdcPadToVia, ClearanceFieldText(g_designRules.padToVia, metric));
    SetDlgItemText(kIdcPadToTrace, ClearanceFieldText(g_designRules.padToTrace, metric));
    SetDlgItemText(kIdcTraceToTrace, ClearanceFieldText(g_designRules.traceToTrace, metric));
    SetDlgItemText(kIdcMinimumTrace, ClearanceFieldText(m_minimums.trace, metric));
    SetDlgItemText(kIdcMinimumPad, ClearanceFieldText(m_minimums.pad, metric));
    SetDlgItemText(kIdcMinimumHole, ClearanceFieldText(m_minimums.hole, metric));
    SetDlgItemText(kIdcMinimumRing, ClearanceFieldText(m_minimums.ring, metric));
    return true;
}

void CDesignRulesDlg::OnOK()
{
    using namespace tly;
    const bool metric = MetricUnits();
    g_designRules.padToVia = ClearanceFromField(GetDlgItemText(kIdcPadToVia, kFieldChars), metric);
    g_designRules.padToTrace = ClearanceFromField(GetDlgItemText(kIdcPadToTrace, kFieldChars), metric);
    g_designRules.traceToTrace = ClearanceFromField(GetDlgItemText(kIdcTraceToTrace, kFieldChars), metric);
    m_minimums.trace = ClearanceFromField(GetDlgItemText(kIdcMinimumTrace, kFieldChars), metric);
    m_minimums.pad = ClearanceFromField(GetDlgItemText(kIdcMinimumPad, kFieldChars), metric);
    m_minimums.hole = ClearanceFromField(GetDlgItemText(kIdcMinimumHole, kFieldChars), metric);
    m_minimums.ring = ClearanceFromField(GetDlgItemText(kIdcMinimumRing, kFieldChars), metric);
    m_checkReferences = IsDlgButtonChecked(kIdcCheckReferences);
    m_padToTrace = IsDlgButtonChecked(kIdcCheckPadToTrace);
    m_traceToTrace = IsDlgButtonChecked(kIdcCheckTraceToTrace);
    m_padToVia = IsDlgButtonChecked(kIdcCheckPadToVia);
    m_checkSilkscreen = IsDlgButtonChecked(kIdcCheckSilkscreen);
    m_checkBottomText = IsDlgButtonChecked(kIdcCheckBottomText);
    m_checkOutside = IsDlgButtonChecked(kIdcCheckOutside);
    m_checkMinimums = IsDlgButtonChecked(kIdcCheckMinimums);
    plat::Dialog::OnOK();
}

DrcSettings CDesignRulesDlg::settings() const
{
    DrcSettings s;
    s.padToTrace = m_padToTrace != 0;
    s.traceToTrace = m_traceToTrace != 0;
    s.padToVia = m_padToVia != 0;
    s.references = m_checkReferences != 0;
    s.silkscreen = m_checkSilkscreen != 0;
    s.bottomText = m_checkBottomText != 0;
    s.outside = m_checkOutside != 0;
    s.minimums = m_checkMinimums != 0;
    s.clearances = g_designRules;
    s.sizes = m_minimums;
    return s;
}
