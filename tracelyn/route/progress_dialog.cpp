#include "tracelyn/route/progress_dialog.h"

#include "resources/tracelyn/route_ids.h"
#include "tracelyn/core/router_progress.h"

std::unique_ptr<CProgressDlg> g_progressDialog;

CProgressDlg::CProgressDlg() : plat::Dialog(tly::kIddProgress, nullptr) {}

void CProgressDlg::OnCancel()
{
    g_progress.abort = 1;
    g_progress.stoppedByUser = 1;
    plat::Dialog::OnCancel();
}

bool CProgressDlg::PreCreateWindow(plat::CreateStruct& cs)
{
    cs.x = 0;
    cs.y = 0;
    return plat::Dialog::PreCreateWindow(cs);
}
