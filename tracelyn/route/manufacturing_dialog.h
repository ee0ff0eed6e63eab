#pragma once
// "Manufacturing File Generation" (template 143): which layers get a Gerber file and whether a
// drill file is made. The layer flags are the program's (g_gerberLayers); the drill flag is the
// dialog object's.

#include "platform/app/dialog.h"

#include <cstdint>

class CManufacturingDlg : public plat::Dialog {
public:
    CManufacturingDlg();
    // Every layer 0-31 that holds an object gets its flag and its box, except that the silk
    // and mask boxes come back as last generated once they have been; the drill box is checked.
    bool OnInitDialog() override;
    // Boxes 1000-1032 into the 33 flags (a missing box reads unchecked), 1097 into m_drill;
    // the silk and mask boxes are kept in the settings.
    void OnOK() override;

    int32_t m_drill = 0;

private:
    void OnClearSettings();
};
