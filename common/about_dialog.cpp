#include "common/about_dialog.h"

#include "platform/core/ui_host.h"

CAboutDlg::CAboutDlg(std::string product) : plat::Dialog(kIddAbout), product_(std::move(product)) {}

bool CAboutDlg::OnInitDialog()
{
    SetDlgItemText(kIdcAboutProduct, "Product: " + product_);
    return true;
}

plat::DialogTemplate AboutDialogTemplate(std::string_view program, std::string_view line, unsigned iconId)
{
    using K = plat::ControlKind;
    return {kIddAbout,
            "About " + std::string(program),
            {{0xFFFF, K::Picture, "", 0, 0, 1, false, 0, 0, 0, iconId},
             {0xFFFF, K::Static, std::string(line), 0, 1},
             {kIdcAboutProduct, K::Static, "", 1, 1},
             {0xFFFF, K::Static, "Copyright Quillmere", 2, 1},
             {plat::kIdOk, K::DefPushButton, "OK", 3, 1}}};
}
