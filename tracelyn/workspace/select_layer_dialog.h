#pragma once
// "Select Layer" (template 227): the layer the elements of an imported Gerber file go on.

#include "platform/app/dialog.h"

class CSelectLayerDlg : public plat::Dialog {
public:
    CSelectLayerDlg();
    // The 29 layer names, "Top" selected.
    bool OnInitDialog() override;
    void OnOK() override;

    int m_layer = 0;    // the chosen board layer after OK
};

// The board layer of combo entry `entry`: 31 for "ALL", the plane layers' own numbers for
// "Power 1" to "Power 4", entry - 1 for the others.
int SelectLayerEntryLayer(int entry);
