// Aux > Check: the Design Rules Check dialog, then the check of the active board.
#include "tracelyn/workspace/main_frame.h"

#include "platform/app/win_constants.h"
#include "tracelyn/route/design_rules_dialog.h"
#include "tracelyn/route/drc_report.h"
#include "tracelyn/workspace/active_board.h"

void CMainFrame::OnDesignRules()
{
    if (!designRules_)
        designRules_ = std::make_unique<CDesignRulesDlg>();
    if (designRules_->DoModal() != plat::kIdOk || ActiveBoardView(*this) == nullptr)
        return;
    RunDesignRuleCheck(designRules_->settings());
}
