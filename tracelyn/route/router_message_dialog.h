#pragma once
// The "Router" box (template 166): a message with OK, Cancel and Help.

#include "platform/app/dialog.h"

#include <string>
#include <string_view>

class CRouterMessageDlg : public plat::Dialog {
public:
    explicit CRouterMessageDlg(std::string_view message);
    bool OnInitDialog() override;
    const std::string& message() const { return message_; }

private:
    std::string message_;
};
