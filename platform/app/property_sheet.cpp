#include "platform/app/property_sheet.h"

#include "platform/core/ui_host.h"

#include <algorithm>

namespace plat {

PropertyPage::PropertyPage(unsigned templateId, std::string caption) : Dialog(templateId), caption_(std::move(caption)) {}
PropertyPage::~PropertyPage() = default;

std::string PropertyPage::caption() const
{
    if (!caption_.empty())
        return caption_;
    const DialogTemplate* t = findDialogTemplate(templateId());
    return t ? t->title : std::string();
}

PropertySheet::PropertySheet(std::string caption, Wnd* parent, unsigned selectPage)
    : Dialog(0, parent), caption_(std::move(caption)), startPage_(selectPage)
{
}

PropertySheet::~PropertySheet()
{
    for (PropertyPage* p : pages_)
        p->sheet_ = nullptr;
}

void PropertySheet::AddPage(PropertyPage* page)
{
    page->sheet_ = this;
    pages_.push_back(page);
}

void PropertySheet::RemovePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return;
    pages_[static_cast<size_t>(index)]->sheet_ = nullptr;
    pages_.erase(pages_.begin() + index);
    if (active_ >= GetPageCount())
        active_ = GetPageCount() - 1;
}

PropertyPage* PropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

PropertyPage* PropertySheet::GetActivePage() const { return GetPage(active_); }

int PropertySheet::GetPageIndex(const PropertyPage* page) const
{
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

bool PropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (!isRunning()) {
        startPage_ = static_cast<unsigned>(index);
        return true;
    }
    return activate(index);
}

bool PropertySheet::SetActivePage(PropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

// A page is built, and its OnInitDialog runs, on its first visit only.
bool PropertySheet::activate(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (active_ == index)
        return true;
    if (PropertyPage* current = GetActivePage(); current && !current->OnKillActive())
        return false;
    PropertyPage* page = pages_[static_cast<size_t>(index)];
    if (!page->created_) {
        if (!page->buildControls())
            return false;
        page->created_ = true;
        page->OnInitDialog();
    }
    active_ = index;
    page->OnSetActive();
    return true;
}

int PropertySheet::indexOfTemplate(long templateId) const
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (static_cast<long>(pages_[static_cast<size_t>(i)]->templateId()) == templateId)
            return i;
    return -1;
}

int PropertySheet::DoModal()
{
    if (pages_.empty() || !buildControls())
        return -1;
    for (PropertyPage* p : pages_)
        p->created_ = false;
    active_ = -1;
    struct Running {
        PropertySheet& s;
        explicit Running(PropertySheet& sheet) : s(sheet) { s.setRunning(true); }
        ~Running() { s.setRunning(false); }
    } running(*this);
    // A start page that does not exist opens the first page.
    const int start = startPage_ < pages_.size() ? static_cast<int>(startPage_) : 0;
    activate(start);
    return uiHost().runModal(*this);
}

bool PropertySheet::OnCommand(unsigned id)
{
    PropertyPage* page = GetActivePage();
    switch (id) {
    case kIdOk: OnOK(); return true;
    case kIdCancel: OnCancel(); return true;
    case kIdWizNext:
    case kIdWizBack: {
        if (!page)
            return true;
        const long target = id == kIdWizNext ? page->OnWizardNext() : page->OnWizardBack();
        if (target == -1)
            return true;   // the page stays
        const int index = target == 0 ? active_ + (id == kIdWizNext ? 1 : -1) : indexOfTemplate(target);
        activate(index);
        return true;
    }
    case kIdWizFinish:
        if (page && page->OnWizardFinish()) {
            for (PropertyPage* p : pages_)
                if (p->created_)
                    p->OnOK();
            EndDialog(static_cast<int>(kIdWizFinish));
        }
        return true;
    default:
        return Dialog::OnCommand(id);
    }
}

// OK applies the pages that were shown; pages never visited keep their values.
void PropertySheet::OnOK()
{
    if (PropertyPage* current = GetActivePage(); current && !current->OnKillActive())
        return;
    for (PropertyPage* p : pages_)
        if (p->created_)
            p->OnOK();
    EndDialog(kIdOk);
}

void PropertySheet::OnCancel()
{
    for (PropertyPage* p : pages_)
        if (p->created_)
            p->OnCancel();
    EndDialog(kIdCancel);
}

void PropertyPage::SetWizardButtons(unsigned flags)
{
    if (sheet_ != nullptr)
        sheet_->SetWizardButtons(flags);
}

}  // namespace plat
