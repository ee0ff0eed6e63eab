#include "schemora/workspace/terminal_info_dialog.h"

#include "platform/core/ui_host.h"
#include "resources/schemora/part_editor_ids.h"

#include <array>
#include <utility>

namespace {

using namespace scm;
constexpr int kPinTextChars = 10;
constexpr int kLabelChars = 20;

const std::array<const char*, 11> kPinTypeNames{"Input",  "Output",         "Tristate",     "Bi-directional",
                                                "Analog In", "Analog Out",  "Hidden",       "Open Collector",
                                                "Programmable", "Don't Care", "Unknown"};

}  // namespace

CTerminalInfoDlg::CTerminalInfoDlg(std::string pinText, int type, std::string label, plat::Wnd* parent)
    : plat::Dialog(kIddTerminalInfo, parent), pinText_(std::move(pinText)), type_(type), label_(std::move(label))
{
}

bool CTerminalInfoDlg::OnInitDialog()
{
    plat::Control* types = GetDlgItem(kIdcTerminalPinType);
    for (const char* name : kPinTypeNames)
        types->AddString(name);
    types->SetCurSel(type_ >= 0 && type_ < static_cast<int>(kPinTypeNames.size()) ? type_ : 0);
    SetDlgItemText(kIdcTerminalLabel, label_);
    SetDlgItemText(kIdcTerminalPinNumber, pinText_);
    GotoDlgCtrl(kIdcTerminalPinNumber);
    return true;
}

void CTerminalInfoDlg::OnOK()
{
    const std::string pin = GetDlgItemText(kIdcTerminalPinNumber, kPinTextChars);
    if (pin.empty()) {
        plat::MessageBox("Error: pin number cannot be deleted\nPlease enter a pin number or push CANCEL.");
        SetDlgItemText(kIdcTerminalPinNumber, pinText_);
        return;
    }
    const std::string label = GetDlgItemText(kIdcTerminalLabel, kLabelChars);
    if (const size_t bad = label.find_first_of(" ?;"); bad != std::string::npos) {
        const std::string what = label[bad] == ' ' ? std::string("blank") : "\"" + std::string(1, label[bad]) + "\"";
        plat::MessageBox("Error: " + what + " character not allowed in label text");
        return;
    }
    pinText_ = pin;
    label_ = label;
    type_ = std::max(GetDlgItem(kIdcTerminalPinType)->GetCurSel(), 0);
    plat::Dialog::OnOK();
}
