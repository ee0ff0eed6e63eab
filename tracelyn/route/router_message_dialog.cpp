#include "tracelyn/route/router_message_dialog.h"

#include "resources/tracelyn/route_ids.h"

CRouterMessageDlg::CRouterMessageDlg(std::string_view message)
    : plat::Dialog(tly::kIddRouterMessage, nullptr), message_(message)
{
}

bool CRouterMessageDlg::OnInitDialog()
{
    SetDlgItemText(tly::kIdcRouterMessage, message_);
    return true;
}
