#include "schemora/workspace/hidden_pins_dialog.h"

#include "platform/core/ui_host.h"
#include "resources/schemora/part_editor_ids.h"
#include "schemora/core/part_pin_table.h"

#include <array>

namespace {

using namespace scm;
constexpr int kListTextChars = 20;
constexpr int kNumberChars = 10;

const std::array<const char*, 4> kHiddenTypeNames{"Hidden VCC", "Hidden GND", "Hidden V+", "Hidden V-"};

const char* typeName(int type)
{
    const int i = type - kFirstHiddenPowerPinType;
    return i >= 0 && i < static_cast<int>(kHiddenTypeNames.size()) ? kHiddenTypeNames[static_cast<size_t>(i)] : "";
}

}  // namespace

CHiddenPinsDlg::CHiddenPinsDlg(PartPinTable& pins, int partLetter, plat::Wnd* parent)
    : plat::Dialog(kIddHiddenPins, parent), pins_(pins), partLetter_(partLetter)
{
    onCommand(kIdcInsertPin, &CHiddenPinsDlg::OnInsert);
    onCommand(kIdcDeletePin, &CHiddenPinsDlg::OnDelete);
}

bool CHiddenPinsDlg::OnInitDialog()
{
    plat::Control* types = GetDlgItem(kIdcPinType);
    for (const char* name : kHiddenTypeNames)
        types->AddString(name);
    types->SetCurSel(0);
    FillHiddenPinList();
    return true;
}

void CHiddenPinsDlg::FillHiddenPinList()
{
    plat::Control* list = GetDlgItem(kIdcPinList);
    list->ResetContent();
    for (const EditorPin& p : pins_.pins())
        if (p.type >= kFirstHiddenPowerPinType)
            list->AddString(p.number + " (" + typeName(p.type) + ")");
    list->SetCurSel(list->GetCount() > 0 ? 0 : -1);
}

// A number a drawn terminal already has is refused, and so is a pin past the table's 999.
void CHiddenPinsDlg::OnInsert()
{
    const std::string text = GetDlgItemText(kIdcNewPinNumber, kNumberChars);
    if (text.empty()) {
        plat::MessageBox("Error: you must enter a pin number!");
        return;
    }
    const int type = kFirstHiddenPowerPinType + std::max(GetDlgItem(kIdcPinType)->GetCurSel(), 0);
    if (pins_.AddPartPin(text, type, "", 0, 0, partLetter_) != PinAddResult::Added)
        return;
    changed_ = true;
    FillHiddenPinList();
}

void CHiddenPinsDlg::OnDelete()
{
    plat::Control* list = GetDlgItem(kIdcPinList);
    const int sel = list->GetCurSel();
    if (sel < 0)
        return;
    std::string text = list->GetItemText(sel).substr(0, kListTextChars);
    text = text.substr(0, text.find(' '));
    if (pins_.RemoveHiddenPowerPin(text))
        changed_ = true;
    FillHiddenPinList();
}
