#pragma once
// The Netlist Utility dialog (102): the design name, the output format and the range of
// sheets; OK runs the netlister and offers to show what it wrote.

#include "platform/app/dialog.h"
#include "resources/schemora/schemora_ids.h"

class CNetlistDlg : public plat::Dialog {
public:
    // currentSheet and sheetCount describe the active drawing ("This schematic sheet" is
    // currentSheet).
    CNetlistDlg(plat::Wnd* parent, int currentSheet, int sheetCount);
    bool OnInitDialog() override;
    void OnOK() override;

    // What the last OK ran: 1 when the output was written.
    int result() const { return m_result; }

private:
    int m_currentSheet;
    int m_sheetCount;
    int m_result = 0;
};

