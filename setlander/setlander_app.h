#pragma once
// The installer program: no main window; the whole installation runs from InitInstance, which
// then answers false so that the program ends.

#include "platform/app/win_app.h"

class CSetlanderApp : public plat::WinApp {
public:
    CSetlanderApp();
    bool InitInstance() override;
    // An installation that did not complete ends the program with code 1, so that a script
    // running the installer sees it failed.
    int ExitInstance() override;
    bool installationComplete() const { return complete_; }

private:
    bool complete_ = false;
};
