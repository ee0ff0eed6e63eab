#pragma once
// The About box both editors show (dialog 100): the program's icon and name, and
// "Product: %s" with the product description in control 1026.

#include "platform/app/dialog.h"
#include "platform/app/resources.h"

#include <string>
#include <string_view>

inline constexpr unsigned kIddAbout = 100;
inline constexpr unsigned kIdcAboutProduct = 1026;

class CAboutDlg : public plat::Dialog {
public:
    explicit CAboutDlg(std::string product);
    bool OnInitDialog() override;

private:
    std::string product_;
};

// The dialog's template: title "About <program>", the icon of iconId and the program's line.
plat::DialogTemplate AboutDialogTemplate(std::string_view program, std::string_view line, unsigned iconId);
