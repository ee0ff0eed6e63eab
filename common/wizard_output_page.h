#pragma once
// The last page both library wizards end on: save the new part straight into its library, or
// open it in the editor first (the default). It offers Back and Finish; Back offers Next again.

#include "platform/app/property_sheet.h"

namespace quill {

class WizardOutputPage : public plat::PropertyPage {
public:
    // The page's template and its two radio buttons, "save directly" first.
    WizardOutputPage(unsigned templateId, unsigned saveDirectlyId, unsigned editFirstId);

    bool OnInitDialog() override;
    bool OnSetActive() override;
    long OnWizardBack() override;

protected:
    // The page Back goes to; 0: the one before this.
    virtual long previousPage() const { return 0; }

private:
    unsigned saveDirectlyId_;
    unsigned editFirstId_;
};

}  // namespace quill
