#pragma once
// Property sheets: tabbed pages, or a wizard over the same page stack. A page's controls are
// built, and its OnInitDialog runs, only when the page is first shown; OK applies (OnOK) only
// the pages that were shown; Cancel applies nothing.
//
//   CGeneral sheet("General Setup", nullptr, 0);
//   sheet.AddPage(&m_drawPage);  sheet.AddPage(&m_dispPage);
//   if (sheet.DoModal() == plat::kIdOk) ...
//
// A TestUiHost script drives a sheet like a dialog: SetActivePage(i) visits a page,
// page->SetDlgItemText(...), PressButton(kIdOk / kIdWizNext / kIdWizBack / kIdWizFinish).

#include "platform/app/command_ids.h"
#include "platform/app/dialog.h"

#include <string>
#include <string_view>
#include <vector>

namespace plat {

class PropertySheet;

class PropertyPage : public Dialog {
public:
    explicit PropertyPage(unsigned templateId, std::string caption = {});
    ~PropertyPage() override;

    PropertySheet* sheet() const { return sheet_; }
    bool created() const { return created_; }
    // The tab title: the caption given, else the template's title.
    std::string caption() const;

    // Tabbed mode.
    virtual bool OnSetActive() { return true; }
    virtual bool OnKillActive() { return true; }    // false keeps the page active
    void OnOK() override {}                         // store the page's values
    void OnCancel() override {}
    virtual bool OnApply() { OnOK(); return true; }
    void SetModified(bool changed = true) { modified_ = changed; }

    // Wizard mode: 0 goes to the next/previous page, -1 stays, a template id goes to that page.
    virtual long OnWizardNext() { return 0; }
    virtual long OnWizardBack() { return 0; }
    virtual bool OnWizardFinish() { return true; }
    // The wizard buttons of the sheet the page is in (kPswizb... flags); nothing outside one.
    void SetWizardButtons(unsigned flags);

private:
    friend class PropertySheet;
    PropertySheet* sheet_ = nullptr;
    std::string caption_;
    bool created_ = false;
    bool modified_ = false;
};

class PropertySheet : public Dialog {
public:
    explicit PropertySheet(std::string caption, Wnd* parent = nullptr, unsigned selectPage = 0);
    ~PropertySheet() override;

    void AddPage(PropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    PropertyPage* GetPage(int index) const;
    PropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return active_; }
    int GetPageIndex(const PropertyPage* page) const;
    // Shows a page (creating it on its first visit). Before DoModal it chooses the start page;
    // an index out of range is ignored.
    bool SetActivePage(int index);
    bool SetActivePage(PropertyPage* page);

    void SetWizardMode() { wizard_ = true; }
    bool isWizard() const { return wizard_; }
    void SetWizardButtons(unsigned flags) { wizardButtons_ = flags; }
    unsigned wizardButtons() const { return wizardButtons_; }
    void SetFinishText(std::string_view text) { finishText_ = std::string(text); }
    void SetTitle(std::string_view title) { caption_ = std::string(title); }
    const std::string& caption() const { return caption_; }
    // Removes the Apply button (the programs' sheets have none).
    void removeApplyButton() { applyButton_ = false; }

    int DoModal() override;
    // OK: the active page's OnKillActive, then OnOK of every created page; Cancel: OnCancel
    // of every created page. Wizard buttons move between pages.
    bool OnCommand(unsigned id) override;
    void OnOK() override;
    void OnCancel() override;

private:
    bool activate(int index);
    int indexOfTemplate(long templateId) const;

    std::string caption_;
    std::vector<PropertyPage*> pages_;
    int active_ = -1;
    unsigned startPage_ = 0;
    bool wizard_ = false;
    bool applyButton_ = true;
    unsigned wizardButtons_ = kPswizbNext;
    std::string finishText_;
};

}  // namespace plat
