#include "common/set_colors_dialog.h"

#include "platform/app/dialog_builder.h"
#include "platform/app/win_constants.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"

#include <algorithm>
#include <utility>

int32_t ClampPaletteIndex(int32_t index) { return index >= 0 && index < kPaletteSwatches ? index : 0; }

CSetColorsDlg::CSetColorsDlg(const SetColorsIds& ids, SetColorsTarget target, plat::Wnd* parent)
    : plat::Dialog(ids.templateId, parent), ids_(ids), target_(std::move(target))
{
    const auto slots = static_cast<unsigned>(target_.live.size());
    if (slots != 0)
        onCommandRange(ids_.firstSlotId, ids_.firstSlotId + slots - 1, &CSetColorsDlg::OnSlotClicked);
    onCommandRange(ids_.firstPaletteId, ids_.firstPaletteId + kPaletteSwatches - 1, &CSetColorsDlg::OnPaletteClicked);
    onNotify(ids_.schemeComboId, plat::kCbnSelChange, &CSetColorsDlg::OnSchemeChanged);
}

const ColorSchemeRef* CSetColorsDlg::schemeAt(int listIndex) const
{
    if (listIndex < 0 || listIndex >= static_cast<int>(target_.schemes.size()))
        return nullptr;
    return &target_.schemes[static_cast<size_t>(listIndex)];
}

bool CSetColorsDlg::OnInitDialog()
{
    working_.assign(target_.live.begin(), target_.live.end());
    for (int32_t& c : working_)
        c = ClampPaletteIndex(c);
    workingScheme_ = -1;
    plat::Control* combo = GetDlgItem(ids_.schemeComboId);
    if (combo) {
        combo->ResetContent();
        for (const ColorSchemeRef& scheme : target_.schemes)
            combo->AddString(scheme.name);
    }
    for (size_t i = 0; i < target_.schemes.size(); ++i)
        if (target_.currentScheme && target_.schemes[i].number == *target_.currentScheme)
            workingScheme_ = static_cast<int>(i);
    if (combo && workingScheme_ >= 0) {
        combo->SetCurSel(workingScheme_);
        combo->setText(target_.schemes[static_cast<size_t>(workingScheme_)].name);
    }
    if (ids_.firstModeId != 0 && target_.colorMode) {
        const int mode = std::clamp(*target_.colorMode, 0, static_cast<int>(ids_.lastModeId - ids_.firstModeId));
        CheckRadioButton(ids_.firstModeId, ids_.lastModeId, ids_.firstModeId + static_cast<unsigned>(mode));
    }
    return true;
}

void CSetColorsDlg::OnSlotClicked(unsigned id)
{
    const int slot = static_cast<int>(id - ids_.firstSlotId);
    if (target_.selectedSlot)
        *target_.selectedSlot = slot;
    else
        fallbackSlot_ = slot;
}

void CSetColorsDlg::OnPaletteClicked(unsigned id)
{
    const int slot = target_.selectedSlot ? *target_.selectedSlot : fallbackSlot_;
    if (slot < 0 || slot >= slotCount())
        return;
    working_[static_cast<size_t>(slot)] = static_cast<int32_t>(id - ids_.firstPaletteId);
    picked_ = static_cast<int>(id - ids_.firstPaletteId);
    repaintSwatch(ids_.firstSlotId + static_cast<unsigned>(slot));
}

void CSetColorsDlg::OnSchemeChanged()
{
    const plat::Control* combo = GetDlgItem(ids_.schemeComboId);
    const ColorSchemeRef* chosen = combo ? schemeAt(combo->GetCurSel()) : nullptr;
    if (!chosen)
        return;
    // The first scheme holds the user's own colours: leaving it keeps the live ones there.
    if (const ColorSchemeRef* was = schemeAt(workingScheme_); was && was->number == 0)
        std::copy_n(target_.live.begin(), std::min(target_.live.size(), was->colors.size()), was->colors.begin());
    workingScheme_ = combo->GetCurSel();
    for (size_t k = 0; k < working_.size(); ++k)
        working_[k] = k < chosen->colors.size() ? ClampPaletteIndex(chosen->colors[k]) : 0;
    Invalidate();
    for (int k = 0; k < slotCount(); ++k)
        repaintSwatch(ids_.firstSlotId + static_cast<unsigned>(k));
}

void CSetColorsDlg::OnOK()
{
    std::copy(working_.begin(), working_.end(), target_.live.begin());
    // With no scheme loaded only the live table changes.
    if (const ColorSchemeRef* scheme = schemeAt(workingScheme_)) {
        std::copy_n(working_.begin(), std::min(working_.size(), scheme->colors.size()), scheme->colors.begin());
        if (target_.currentScheme)
            *target_.currentScheme = scheme->number;
    }
    if (ids_.firstModeId != 0 && target_.colorMode) {
        const unsigned checked = GetCheckedRadioButton(ids_.firstModeId, ids_.lastModeId);
        if (checked != 0)
            *target_.colorMode = static_cast<int>(checked - ids_.firstModeId);
    }
    if (target_.pickedColor && picked_ >= 0)
        *target_.pickedColor = picked_;
    if (target_.afterOk)
        target_.afterOk(working_);
    plat::Dialog::OnOK();
}

void CSetColorsDlg::repaintSwatch(unsigned id)
{
    if (plat::Control* swatch = GetDlgItem(id))
        swatch->Invalidate();
}

void CSetColorsDlg::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    int color = -1;
    if (ctlId >= ids_.firstPaletteId && ctlId < ids_.firstPaletteId + kPaletteSwatches)
        color = static_cast<int>(ctlId - ids_.firstPaletteId);
    else if (ctlId >= ids_.firstSlotId && ctlId < ids_.firstSlotId + static_cast<unsigned>(slotCount()))
        color = working_[ctlId - ids_.firstSlotId];
    if (color < 0 || !item.dc)
        return plat::Dialog::OnDrawItem(ctlId, item);
    if (target_.selectPalette)
        target_.selectPalette(*item.dc);
    const plat::ColorRef ref = target_.colorOf ? target_.colorOf(color) : plat::paletteIndex(color);
    item.dc->FillRect(item.rcItem, plat::Brush::solid(ref));
}

plat::DialogTemplate BuildSetColorsTemplate(const SetColorsIds& ids, const SetColorsLabels& labels)
{
    using K = plat::ControlKind;
    constexpr int kSlotColumns = 4;
    constexpr int kPaletteColumns = 8;
    plat::DialogTemplate t;
    t.id = ids.templateId;
    t.title = labels.title;
    const auto slots = static_cast<int>(labels.slotLabels.size());
    int row = 0;
    int column = 0;
    const auto endRow = [&] {
        if (column > 0) {
            ++row;
            column = 0;
        }
    };
    for (int k = 0; k < slots; ++k) {
        for (const SetColorsSlotGroup& g : labels.slotGroups) {
            if (g.first != k)
                continue;
            endRow();
            const int rowsBelow = (std::min(g.last, slots - 1) - g.first + kSlotColumns) / kSlotColumns;
            t.controls.push_back(plat::GroupBoxAt(g.title, row++, 2 * kSlotColumns, rowsBelow));
        }
        t.controls.push_back({0xFFFF, K::Static, labels.slotLabels[static_cast<size_t>(k)], row, 2 * column});
        t.controls.push_back({.id = ids.firstSlotId + static_cast<unsigned>(k), .kind = K::StaticFrame, .row = row,
                              .column = 2 * column + 1, .style = plat::kCsNotify, .width = 16, .height = 10});
        if (++column == kSlotColumns)
            endRow();
        for (const SetColorsSlotGroup& g : labels.slotGroups)
            if (g.last == k)
                endRow();
    }
    endRow();
    const int paletteRow = row;
    for (int c = 0; c < kPaletteSwatches; ++c)
        t.controls.push_back({.id = ids.firstPaletteId + static_cast<unsigned>(c), .kind = K::StaticFrame,
                              .row = paletteRow + c / kPaletteColumns, .column = c % kPaletteColumns,
                              .style = plat::kCsNotify, .width = 12, .height = 10});
    row = paletteRow + kPaletteSwatches / kPaletteColumns;
    if (!labels.modeGroup.empty() && !labels.modeLabels.empty())
        t.controls.push_back(plat::GroupBoxAt(labels.modeGroup, row++, 2 * kSlotColumns,
                                              static_cast<int>(labels.modeLabels.size())));
    for (size_t m = 0; m < labels.modeLabels.size(); ++m)
        t.controls.push_back({.id = ids.firstModeId + static_cast<unsigned>(m), .kind = K::RadioButton,
                              .text = labels.modeLabels[m], .row = row++, .span = 4, .group = m == 0});
    t.controls.push_back({0xFFFF, K::Static, labels.schemeLabel, row, 0, 2, true});
    t.controls.push_back({ids.schemeComboId, K::ComboDropDown, "", row, 2, 4});
    t.controls.push_back({labels.rgbId, K::PushButton, "RGB", ++row, 0, 2, true});
    t.controls.push_back({plat::kIdOk, K::DefPushButton, "OK", row, 4, 2});
    t.controls.push_back({plat::kIdCancel, K::PushButton, "Cancel", row, 6, 2});
    return t;
}
