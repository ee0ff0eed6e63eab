#include "common/find_replace_dialogs.h"

#include "platform/core/ui_host.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

using K = plat::ControlKind;

plat::ControlTemplate control(unsigned id, K kind, std::string text, int row, int column = 0, bool group = false)
{
    return DialogControl(id, kind, std::move(text), row, column, group);
}

std::string upperCased(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class ContinueDialog : public plat::Dialog {
public:
    ContinueDialog(plat::Wnd* parent, unsigned templateId) : plat::Dialog(templateId, parent) {}
};

class ReplaceConfirmDialog : public plat::Dialog {
public:
    explicit ReplaceConfirmDialog(plat::Wnd* parent) : plat::Dialog(kIddReplaceConfirm, parent)
    {
        onCommand(kIdcConfirmReplace, &ReplaceConfirmDialog::OnReplace);
        onCommand(kIdcConfirmContinue, &ReplaceConfirmDialog::OnContinue);
    }
    void OnReplace() { EndDialog(static_cast<int>(kIdcConfirmReplace)); }
    void OnContinue() { EndDialog(static_cast<int>(kIdcConfirmContinue)); }
};

std::string percentText(float factor)
{
    char text[64];
    std::snprintf(text, sizeof text, "%2.1f", static_cast<double>(factor) * 100.0);
    return text;
}

}  // namespace

plat::ControlTemplate DialogControl(unsigned id, plat::ControlKind kind, std::string text, int row, int column, bool group,
                                    int limit)
{
    plat::ControlTemplate c;
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    c.row = row;
    c.column = column;
    c.group = group;
    c.limit = limit;
    return c;
}

SearchTextDialog::SearchTextDialog(plat::Wnd* parent, SearchDialogSetup setup, unsigned& mode, std::string& text,
                                   FindHistory& history)
    : plat::Dialog(setup.templateId, parent), setup_(setup), mode_(mode), text_(text), history_(history)
{
}

bool SearchTextDialog::OnInitDialog()
{
    CheckRadioButton(setup_.firstMode, setup_.lastMode, mode_);
    fillTexts();
    GotoDlgCtrl(setup_.comboId);
    return true;
}

void SearchTextDialog::fillTexts()
{
    plat::Control* combo = GetDlgItem(setup_.comboId);
    if (!combo)
        return;
    combo->ResetContent();
    for (const std::string& entry : history_.newestFirst())
        combo->AddString(entry);
    combo->setText(history_.newest());
}

unsigned SearchTextDialog::checkedMode() const
{
    const unsigned checked = GetCheckedRadioButton(setup_.firstMode, setup_.lastMode);
    return checked ? checked : mode_;
}

void SearchTextDialog::OnOK()
{
    mode_ = checkedMode();
    std::string text = GetDlgItemText(setup_.comboId, kSearchTextChars);
    if (mode_ != setup_.caseSensitiveMode)
        text = upperCased(std::move(text));
    text_ = text;
    if (!text.empty())
        history_.add(text);
    plat::Dialog::OnOK();
}

bool AskContinueSearch(plat::Wnd* parent, unsigned templateId)
{
    ContinueDialog dialog(parent, templateId);
    return dialog.DoModal() == plat::kIdOk;
}

CReplaceTextDlg::CReplaceTextDlg(plat::Wnd* parent, unsigned templateId, std::string& find, std::string& with,
                                 unsigned& mode)
    : plat::Dialog(templateId, parent), find_(find), with_(with), mode_(mode)
{
}

bool CReplaceTextDlg::OnInitDialog()
{
    CheckRadioButton(kIdcReplaceAll, kIdcReplacePrompt, kIdcReplacePrompt);
    SetDlgItemText(kIdcReplaceFind, find_);
    SetDlgItemText(kIdcReplaceWith, with_);
    return true;
}

void CReplaceTextDlg::OnOK()
{
    find_ = GetDlgItemText(kIdcReplaceFind, kSearchTextChars - 1);
    with_ = GetDlgItemText(kIdcReplaceWith, kSearchTextChars - 1);
    const unsigned checked = GetCheckedRadioButton(kIdcReplaceAll, kIdcReplacePrompt);
    mode_ = checked ? checked : kIdcReplacePrompt;
    plat::Dialog::OnOK();
}

ReplaceAnswer AskReplaceOccurrence(plat::Wnd* parent)
{
    ReplaceConfirmDialog dialog(parent);
    switch (dialog.DoModal()) {
    case static_cast<int>(kIdcConfirmReplace): return ReplaceAnswer::Replace;
    case static_cast<int>(kIdcConfirmContinue): return ReplaceAnswer::Continue;
    default: return ReplaceAnswer::Cancel;
    }
}

float ScaleFactorFromPercent(std::string_view typed)
{
    const std::string text(typed.substr(0, 20));
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin)
        return 0;
    while (*end == ' ' || *end == '\t')
        ++end;
    const double factor = std::fabs(value) * 0.01;
    if (*end != '\0' || !std::isfinite(factor) || factor > 1e6)
        return 0;
    return static_cast<float>(factor);
}

ScaleFactorsDialog::ScaleFactorsDialog(plat::Wnd* parent, unsigned templateId, float& x, float& y)
    : plat::Dialog(templateId, parent), x_(x), y_(y)
{
}

bool ScaleFactorsDialog::OnInitDialog()
{
    SetDlgItemText(kIdcScaleX, percentText(x_));
    SetDlgItemText(kIdcScaleY, percentText(y_));
    return true;
}

void ScaleFactorsDialog::OnOK()
{
    const float x = ScaleFactorFromPercent(GetDlgItemText(kIdcScaleX, 20));
    const float y = ScaleFactorFromPercent(GetDlgItemText(kIdcScaleY, 20));
    if (!(x > 0) || !(y > 0)) {
        plat::MessageBox("Enter each scale factor as a percentage above 0", plat::kMbOk | plat::kMbIconStop);
        GotoDlgCtrl(x > 0 ? kIdcScaleY : kIdcScaleX);
        return;
    }
    x_ = x;
    y_ = y;
    plat::Dialog::OnOK();
}

plat::DialogTemplate SearchDialogTemplate(const SearchDialogSetup& setup, std::string title,
                                          const std::vector<std::pair<unsigned, std::string>>& modes)
{
    plat::DialogTemplate t;
    t.id = setup.templateId;
    t.title = std::move(title);
    int row = 0;
    for (const auto& [id, text] : modes) {
        t.controls.push_back(control(id, K::RadioButton, text, row, 0, row == 0));
        ++row;
    }
    plat::ControlTemplate combo = control(setup.comboId, K::ComboDropDown, "", row++, 0, true);
    combo.span = 2;
    combo.limit = kSearchTextChars;
    t.controls.push_back(combo);
    t.controls.push_back(control(plat::kIdOk, K::DefPushButton, "OK", row, 0, true));
    t.controls.push_back(control(plat::kIdCancel, K::PushButton, "Cancel", row, 1));
    return t;
}

plat::DialogTemplate ContinueSearchTemplate(unsigned templateId)
{
    plat::DialogTemplate t;
    t.id = templateId;
    t.caption = false;
    t.controls = {control(plat::kIdOk, K::DefPushButton, "Continue", 0), control(plat::kIdCancel, K::PushButton, "Cancel", 0, 1)};
    return t;
}

plat::DialogTemplate ReplaceTextTemplate(unsigned templateId, std::string title)
{
    plat::DialogTemplate t;
    t.id = templateId;
    t.title = std::move(title);
    constexpr int kTextLimit = kSearchTextChars - 1;
    t.controls = {control(0xFFFF, K::Static, "Search for text:", 0),
                  DialogControl(kIdcReplaceFind, K::Edit, "", 0, 1, false, kTextLimit),
                  control(0xFFFF, K::Static, "Change to:", 1),
                  DialogControl(kIdcReplaceWith, K::Edit, "", 1, 1, false, kTextLimit),
                  control(kIdcReplaceAll, K::RadioButton, "Change ALL occurrences", 2, 0, true),
                  control(kIdcReplacePrompt, K::RadioButton, "Prompt before change", 3),
                  control(plat::kIdOk, K::DefPushButton, "OK", 4, 0, true),
                  control(plat::kIdCancel, K::PushButton, "Cancel", 4, 1)};
    return t;
}

plat::DialogTemplate ReplaceConfirmTemplate()
{
    plat::DialogTemplate t;
    t.id = kIddReplaceConfirm;
    t.caption = false;
    t.controls = {control(kIdcConfirmReplace, K::DefPushButton, "Replace", 0),
                  control(kIdcConfirmContinue, K::PushButton, "Continue", 0, 1),
                  control(plat::kIdCancel, K::PushButton, "Cancel", 0, 2)};
    return t;
}

plat::DialogTemplate ScaleFactorsTemplate(unsigned templateId, std::string title)
{
    plat::DialogTemplate t;
    t.id = templateId;
    t.title = std::move(title);
    constexpr int kFactorLimit = 20;
    t.controls = {control(0xFFFF, K::Static, "X Scaling", 0), DialogControl(kIdcScaleX, K::Edit, "", 0, 1, false, kFactorLimit),
                  control(0xFFFF, K::Static, "Y Scaling", 1), DialogControl(kIdcScaleY, K::Edit, "", 1, 1, false, kFactorLimit),
                  control(plat::kIdOk, K::DefPushButton, "OK", 2, 0, true),
                  control(plat::kIdCancel, K::PushButton, "Cancel", 2, 1)};
    return t;
}
