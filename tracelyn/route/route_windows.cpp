#include "tracelyn/route/route_windows.h"

#include "platform/app/message_pump.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "resources/tracelyn/route_ids.h"
#include "tracelyn/route/progress_dialog.h"
#include "tracelyn/route/progress_window.h"
#include "tracelyn/route/router_message_dialog.h"

#include <optional>
#include <vector>

namespace {

std::optional<plat::InputHoldScope> g_progressInputHold;

}  // namespace

void CreateProgressWindow()
{
    if (g_progressDialog != nullptr && g_progressDialog->IsWindow())
        return;
    auto dlg = std::make_unique<CProgressDlg>();
    plat::CreateStruct cs;
    dlg->PreCreateWindow(cs);
    if (!dlg->Create(tly::kIddProgress, nullptr))
        return;
    plat::Rect frame;
    dlg->GetWindowRect(&frame);
    dlg->MoveWindow(cs.x, cs.y, frame.width(), frame.height());
    g_progressInputHold.reset();
    g_progressInputHold.emplace(std::vector<plat::Wnd*>{dlg.get()});
    g_progressDialog = std::move(dlg);
}

void DestroyProgressWindow()
{
    g_progressInputHold.reset();
    if (g_progressDialog != nullptr)
        g_progressDialog->DestroyWindow();
    g_progressDialog.reset();
}

void UpdateProgressWindow(double percent, std::string_view percentText, std::string_view message)
{
    CProgressDlg* dlg = g_progressDialog.get();
    if (dlg == nullptr || !dlg->IsWindow())
        return;
    if (plat::Control* bar = dlg->GetDlgItem(tly::kIdcProgressBar)) {
        plat::Rect client;
        bar->GetClientRect(&client);
        if (plat::Dc* dc = bar->GetDC()) {
            PaintProgressBar(*dc, client, percent);
            bar->ReleaseDC(dc);
        }
    }
    dlg->SetDlgItemText(tly::kIdcProgressPercent, percentText);
    dlg->SetDlgItemText(tly::kIdcRouterMessage, message);
}

int AskRouterQuestion(std::string_view text)
{
    CRouterMessageDlg dlg(text);
    return dlg.DoModal() == plat::kIdCancel ? plat::kIdCancel : plat::kIdOk;
}
