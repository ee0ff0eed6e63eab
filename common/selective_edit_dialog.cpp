#include "common/selective_edit_dialog.h"

#include "platform/core/ui_host.h"

CSelEditDlg::CSelEditDlg(const SelectiveEditIds& ids, SelectiveEditTarget target, plat::Wnd* parent)
    : plat::Dialog(ids.templateId, parent), ids_(ids), target_(std::move(target))
{
    const unsigned last = boxOf(target_.switches.size()) - 1;
    if (!target_.switches.empty())
        onCommandRange(ids_.firstKindId, last, &CSelEditDlg::OnKindBox);
    onCommand(ids_.allId, &CSelEditDlg::OnAll);
    onCommand(ids_.noneId, &CSelEditDlg::OnNone);
    if (ids_.netsOnlyId != 0 && !netsOnlyIsKind())
        onCommand(ids_.netsOnlyId, &CSelEditDlg::OnNetsOnly);
    for (const SelectiveEditPreset& preset : target_.presets)
        onCommandRange(preset.id, preset.id, &CSelEditDlg::OnPreset);
}

bool CSelEditDlg::netsOnlyIsKind() const
{
    return ids_.netsOnlyId >= ids_.firstKindId && ids_.netsOnlyId < boxOf(target_.switches.size());
}

bool CSelEditDlg::OnInitDialog()
{
    for (std::size_t k = 0; k < target_.switches.size(); ++k)
        CheckDlgButton(boxOf(k), target_.switches[k] != 0 ? 1 : 0);
    if (ids_.netsOnlyId != 0 && target_.mode && *target_.mode == static_cast<int>(ids_.netsOnlyId))
        CheckDlgButton(ids_.netsOnlyId, 1);
    return true;
}

void CSelEditDlg::OnKindBox(unsigned id)
{
    if (id == ids_.netsOnlyId)
        OnNetsOnly();
    else if (ids_.netsOnlyId != 0)
        CheckDlgButton(ids_.netsOnlyId, 0);
}

void CSelEditDlg::setEveryKind(int on)
{
    for (std::size_t k = 0; k < target_.switches.size(); ++k) {
        target_.switches[k] = on;
        CheckDlgButton(boxOf(k), on);
    }
}

void CSelEditDlg::OnAll()
{
    setEveryKind(1);
    if (ids_.netsOnlyId != 0)
        CheckDlgButton(ids_.netsOnlyId, 0);
}

void CSelEditDlg::OnNone()
{
    setEveryKind(0);
    if (ids_.netsOnlyId != 0)
        CheckDlgButton(ids_.netsOnlyId, 0);
}

// Checking "Edit Nets Only" clears every kind; clearing it turns them all on again.
void CSelEditDlg::OnNetsOnly()
{
    const int others = IsDlgButtonChecked(ids_.netsOnlyId) != 0 ? 0 : 1;
    for (std::size_t k = 0; k < target_.switches.size(); ++k) {
        if (boxOf(k) == ids_.netsOnlyId)
            continue;
        target_.switches[k] = others;
        CheckDlgButton(boxOf(k), others);
    }
}

void CSelEditDlg::OnPreset(unsigned id)
{
    OnNone();
    for (const SelectiveEditPreset& preset : target_.presets) {
        if (preset.id != id)
            continue;
        for (int k : preset.switchesOn) {
            if (k < 0 || static_cast<std::size_t>(k) >= target_.switches.size())
                continue;
            target_.switches[static_cast<std::size_t>(k)] = 1;
            CheckDlgButton(boxOf(static_cast<std::size_t>(k)), 1);
        }
    }
}

void CSelEditDlg::OnOK()
{
    int checked = 0;
    unsigned only = 0;
    for (std::size_t k = 0; k < target_.switches.size(); ++k) {
        target_.switches[k] = IsDlgButtonChecked(boxOf(k)) != 0 ? 1 : 0;
        if (target_.switches[k] != 0) {
            ++checked;
            only = boxOf(k);
        }
    }
    if (target_.mode) {
        *target_.mode = static_cast<int>(checked == 1 ? only : ids_.allId);
        if (ids_.netsOnlyId != 0 && !netsOnlyIsKind() && IsDlgButtonChecked(ids_.netsOnlyId) != 0)
            *target_.mode = static_cast<int>(ids_.netsOnlyId);
    }
    EndDialog(plat::kIdOk);
}

plat::DialogTemplate BuildSelectiveEditTemplate(const SelectiveEditIds& ids, const SelectiveEditLabels& labels)
{
    using K = plat::ControlKind;
    plat::DialogTemplate t{.id = ids.templateId, .title = labels.title};
    auto& c = t.controls;
    c.push_back({.id = 0xFFFF, .kind = K::GroupBox, .text = "Object Types", .row = 0, .span = 2});
    int row = 1;
    for (std::size_t k = 0; k < labels.kindLabels.size(); ++k) {
        if (labels.kindLabels[k][0] == '\0')
            continue;
        c.push_back({.id = ids.firstKindId + static_cast<unsigned>(k), .kind = K::CheckBox, .text = labels.kindLabels[k],
                     .row = row++, .span = 2});
    }
    c.front().rowSpan = row;   // the frame encloses the object types
    for (const auto& [id, text] : labels.buttons)
        c.push_back({.id = id, .kind = K::PushButton, .text = text, .row = row++, .span = 2});
    if (!labels.netsOnlyLabel.empty())
        c.push_back({.id = ids.netsOnlyId, .kind = K::CheckBox, .text = labels.netsOnlyLabel, .row = row++, .span = 2});
    c.push_back({.id = plat::kIdOk, .kind = K::DefPushButton, .text = "OK", .row = row});
    c.push_back({.id = plat::kIdCancel, .kind = K::PushButton, .text = "Cancel", .row = row, .column = 1});
    return t;
}
