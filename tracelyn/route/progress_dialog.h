#pragma once
// The progress window of the board program's long operations: a captionless modeless dialog
// (template 162) with the bar, the percentage, a text line and Cancel. The one object exists
// while its window does, from the start of an operation to its end: the framework's windows
// cannot outlive the application object, so none is kept for the life of the process.

#include "platform/app/dialog.h"

#include <memory>

class CProgressDlg : public plat::Dialog {
public:
    CProgressDlg();
    // Asks the running operation to stop (abort flag 1) and takes the window off the screen;
    // the operation ends the window at its next poll.
    void OnCancel() override;
    bool PreCreateWindow(plat::CreateStruct& cs) override;
};
extern std::unique_ptr<CProgressDlg> g_progressDialog;
