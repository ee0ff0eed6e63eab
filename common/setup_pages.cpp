#include "common/setup_pages.h"

#include "common/fill_pattern.h"
#include "common/general_setup.h"
#include "platform/gdi/dc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

void FillChecks(plat::Dialog& page, std::span<const CheckSetting> checks)
{
    for (const CheckSetting& c : checks)
        page.CheckDlgButton(c.id, *c.setting != 0 ? 1 : 0);
}

void StoreChecks(const plat::Dialog& page, std::span<const CheckSetting> checks)
{
    for (const CheckSetting& c : checks)
        *c.setting = page.IsDlgButtonChecked(c.id) != 0 ? 1 : 0;
}

void CheckRadioValue(plat::Dialog& page, unsigned first, unsigned last, int value)
{
    if (value >= static_cast<int>(first) && value <= static_cast<int>(last))
        page.CheckRadioButton(first, last, static_cast<unsigned>(value));
}

void StoreRadio(const plat::Dialog& page, unsigned first, unsigned last, int base, int32_t& setting)
{
    if (const unsigned id = page.GetCheckedRadioButton(first, last); id != 0)
        setting = static_cast<int32_t>(id) - base;
}

double NumberTyped(const plat::Dialog& page, unsigned id, int maxChars)
{
    const std::string text = page.GetDlgItemText(id, maxChars);
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

std::string Formatted(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

namespace {

constexpr double kDegreesPerRadian = 57.295780490442965;
constexpr double kRadiansPerDegree = 0.017453292222222222;

}  // namespace

void ShowAngleDegrees(plat::Dialog& page, unsigned id, double radians)
{
    page.SetDlgItemText(id, Formatted("%.2f", radians * kDegreesPerRadian));
}

double AngleTyped(const plat::Dialog& page, unsigned id) { return NumberTyped(page, id) * kRadiansPerDegree; }

void FillCountCombo(plat::Dialog& page, unsigned id, int first, int last, int count)
{
    plat::Control* combo = page.GetDlgItem(id);
    if (!combo)
        return;
    combo->ResetContent();
    for (int n = first; n <= last; ++n)
        combo->AddString(std::to_string(n));
    combo->SetCurSel(std::clamp(count, first, last) - first);
}

std::optional<int> CountChosen(const plat::Dialog& page, unsigned id, int first)
{
    const plat::Control* combo = page.GetDlgItem(id);
    if (!combo || combo->GetCurSel() < 0)
        return std::nullopt;
    return combo->GetCurSel() + first;
}

void FillBackupCombo(plat::Dialog& page, unsigned id, int minutes)
{
    plat::Control* backup = page.GetDlgItem(id);
    if (!backup)
        return;
    for (const char* item : {"None", "10 Min.", "15 Min.", "20 Min.", "30 Min."})
        backup->AddString(item);
    backup->setText(BackupShown(minutes));
}

// ---- fill patterns ----

FillPatternPage::FillPatternPage(unsigned templateId, std::string caption, unsigned firstButton, unsigned swatch)
    : plat::PropertyPage(templateId, std::move(caption)), firstButton_(firstButton), swatch_(swatch)
{
    onCommandRange(firstButton, firstButton + kFillPatternCount - 1, &FillPatternPage::OnFillPattern);
}

void FillPatternPage::OnFillPattern(unsigned id)
{
    fillPattern_ = static_cast<int>(id - firstButton_);
    if (plat::Control* current = GetDlgItem(swatch_))
        current->Invalidate();
}

void FillPatternPage::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    int pattern = -1;
    if (ctlId >= firstButton_ && ctlId < firstButton_ + kFillPatternCount)
        pattern = static_cast<int>(ctlId - firstButton_);
    else if (ctlId == swatch_)
        pattern = fillPattern_;
    if (!item.dc || pattern < 0 || pattern >= kFillPatternCount)
        return;
    PaintFillPattern(*item.dc, item.rcItem, pattern, preparePatternDc(*item.dc));
}

// ---- the sheet ----

GeneralSetupSheet::GeneralSetupSheet(std::span<plat::PropertyPage* const> pages, plat::Wnd* parent)
    : plat::PropertySheet("General Setup", parent, 0)
{
    removeApplyButton();
    for (plat::PropertyPage* page : pages)
        AddPage(page);
}
