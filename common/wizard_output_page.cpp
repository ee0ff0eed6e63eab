#include "common/wizard_output_page.h"

namespace quill {

WizardOutputPage::WizardOutputPage(unsigned templateId, unsigned saveDirectlyId, unsigned editFirstId)
    : plat::PropertyPage(templateId), saveDirectlyId_(saveDirectlyId), editFirstId_(editFirstId)
{
}

bool WizardOutputPage::OnInitDialog()
{
    CheckRadioButton(saveDirectlyId_, editFirstId_, editFirstId_);
    return true;
}

bool WizardOutputPage::OnSetActive()
{
    SetWizardButtons(plat::kPswizbBack | plat::kPswizbFinish);
    return true;
}

long WizardOutputPage::OnWizardBack()
{
    SetWizardButtons(plat::kPswizbBack | plat::kPswizbNext);
    return previousPage();
}

}  // namespace quill
