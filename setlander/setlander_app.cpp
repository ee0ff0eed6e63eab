#include "setlander/setlander_app.h"

#include "platform/system/files.h"
#include "setlander/installer.h"

CSetlanderApp::CSetlanderApp() : plat::WinApp("Setlander") {}

bool CSetlanderApp::InitInstance()
{
    // The media is the folder the installer runs from.
    complete_ = RunInstall(plat::programFolder());
    return false;
}

int CSetlanderApp::ExitInstance()
{
    plat::WinApp::ExitInstance();
    return complete_ ? 0 : 1;
}
