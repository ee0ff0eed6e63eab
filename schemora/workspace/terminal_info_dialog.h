#pragma once
// "Terminal Information": the pin number, pin type and label of one terminal of the part in the
// editor, checked before they are taken.

#include "platform/app/dialog.h"

#include <string>

class CTerminalInfoDlg : public plat::Dialog {
public:
    CTerminalInfoDlg(std::string pinText, int type, std::string label, plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

    const std::string& pinText() const { return pinText_; }
    int type() const { return type_; }
    const std::string& label() const { return label_; }

private:
    std::string pinText_;
    int type_;
    std::string label_;
};
