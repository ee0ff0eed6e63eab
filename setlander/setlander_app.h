#pragma once
// The installer program: no main window; the whole installation runs from InitInstance, which
// then answers false so that the program ends.

#include "platform/app/win_app.h"

class CSetlanderApp : public plat::WinApp {
public:
    CSetlanderApp();
    bool InitInstance() override;
    bool installationComplete() const { return complete_; }

private:
    bool complete_ = false;
};
