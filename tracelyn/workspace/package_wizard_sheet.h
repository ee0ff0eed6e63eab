#pragma once
// The "Package Design Wizard": three pages that ask for the package type and its numbers, the
// part's designator, description and name, and whether to save the part at once. The caller
// (the package editor) generates the package from what a finished wizard holds.

#include "common/wizard_output_page.h"
#include "platform/app/property_sheet.h"
#include "tracelyn/core/package_wizard.h"

#include <string>

// What a finished wizard asks for.
struct PackageWizardResult {
    PackageRequest request;
    PackagePads pads;
    bool doubleSided = false;
    std::string designator;
    std::string description;
    std::string name;
    bool editFirst = true;
};

class CPwiz1 : public plat::PropertyPage {
public:
    explicit CPwiz1(PackageWizardResult& result);
    bool OnInitDialog() override;
    bool OnCommand(unsigned id) override;
    long OnWizardNext() override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;
    int packageType() const { return type_; }

private:
    void chooseType(int type);
    void showLengths(const char* millimetres, const char* mils);
    bool readLengths();
    void toggleMetric();
    void redrawPicture();

    PackageWizardResult& result_;
    int type_ = kPackageDip;
};

class CPwiz2 : public plat::PropertyPage {
public:
    CPwiz2(PackageWizardResult& result, const CPwiz1& typePage);
    bool OnInitDialog() override;
    bool OnSetActive() override;
    long OnWizardNext() override;

private:
    PackageWizardResult& result_;
    const CPwiz1& typePage_;
};

class CPwiz3 : public quill::WizardOutputPage {
public:
    explicit CPwiz3(PackageWizardResult& result);
    bool OnWizardFinish() override;

private:
    PackageWizardResult& result_;
};

class CPartWizard : public plat::PropertySheet {
public:
    explicit CPartWizard(plat::Wnd* parent = nullptr);
    // Gives the board its unit mode back, whatever the wizard switched it to.
    ~CPartWizard() override;
    const PackageWizardResult& result() const { return result_; }

private:
    PackageWizardResult result_;
    int32_t boardUnits_;
    CPwiz1 typePage_;
    CPwiz2 labelsPage_;
    CPwiz3 outputPage_;
};
