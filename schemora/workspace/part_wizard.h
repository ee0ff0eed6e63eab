#pragma once
// The "Library Part Wizard": four pages (symbol type, part information, the pin table of a
// block, the output choice) over the wizard's answers. Finish hands the answers to whoever
// runs the wizard, which draws the symbol into its part editor.

#include "common/wizard_output_page.h"
#include "platform/app/property_sheet.h"
#include "schemora/workspace/wizard_pins.h"

#include <functional>

// The answers, kept between runs as a person expects of a wizard's pin table.
extern PartWizardAnswers g_partWizard;

// Draws the finished answers into the part editor; false keeps the wizard open (the symbol
// could not be drawn and the person was told why).
using PartWizardFinish = std::function<bool(const PartWizardAnswers&)>;

class CPwiz1 : public plat::PropertyPage {
public:
    explicit CPwiz1(PartWizardAnswers& answers);
    bool OnInitDialog() override;
    bool OnSetActive() override;
    long OnWizardNext() override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;

private:
    void OnType(unsigned id);
    void showType();
    PartWizardAnswers& a_;
};

class CPwiz2 : public plat::PropertyPage {
public:
    explicit CPwiz2(PartWizardAnswers& answers);
    bool OnInitDialog() override;
    bool OnSetActive() override;
    long OnWizardNext() override;
    // Shows what a loaded pin-description file changed.
    void showLoaded();

private:
    void OnBrowsePackage();
    PartWizardAnswers& a_;
    SymbolKind shownFor_ = SymbolKind::Block;   // the symbol type the page was last shown for
};

class CPwiz3 : public plat::PropertyPage {
public:
    CPwiz3(PartWizardAnswers& answers, CPwiz2& information);
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;
    long OnWizardNext() override;
    void OnVScroll(unsigned code, unsigned pos, plat::Control* bar) override;

private:
    void OnSortNames();
    void OnLoadPins();
    void OnSavePins();
    void showRows(int first);
    void storeRows();
    void resetScroll();
    PartWizardAnswers& a_;
    CPwiz2& information_;
    int first_ = 0;   // the table record in the top row
    int shown_ = 0;   // the record the rows show now (first_ moves ahead while scrolling)
};

class CPwiz4 : public quill::WizardOutputPage {
public:
    CPwiz4(PartWizardAnswers& answers, PartWizardFinish finish);
    bool OnWizardFinish() override;

private:
    // Back from the output page: to the pins of a block, else to the information page.
    long previousPage() const override;

    PartWizardAnswers& a_;
    PartWizardFinish finish_;
};

// The pages are a base built before the sheet and destroyed after it.
struct PartWizardPages {
    PartWizardPages(PartWizardAnswers& answers, PartWizardFinish finish);
    CPwiz1 type_;
    CPwiz2 information_;
    CPwiz3 pins_;
    CPwiz4 output_;
};

class CPartWizard : private PartWizardPages, public plat::PropertySheet {
public:
    CPartWizard(PartWizardAnswers& answers, PartWizardFinish finish, plat::Wnd* parent = nullptr);
};
