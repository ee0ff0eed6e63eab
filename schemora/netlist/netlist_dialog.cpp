#include "schemora/netlist/netlist_dialog.h"

#include "platform/core/ui_host.h"
#include "schemora/core/design_name.h"
#include "schemora/netlist/netlist_builder.h"

using namespace scm;

CNetlistDlg::CNetlistDlg(plat::Wnd* parent, int currentSheet, int sheetCount)
    : plat::Dialog(kIddNetlist, parent), m_currentSheet(currentSheet), m_sheetCount(sheetCount)
{
}

bool CNetlistDlg::OnInitDialog()
{
    CheckRadioButton(kIdcNetlistPinDesignators, kIdcNetlistSpice, kIdcNetlistBasicFormat);
    CheckRadioButton(kIdcNetlistThisSheet, kIdcNetlistAllSheets, kIdcNetlistAllSheets);
    SetDlgItemText(kIdcNetlistDesignName, g_designName.text);
    return true;
}

void CNetlistDlg::OnOK()
{
    g_designName.text = GetDlgItemText(kIdcNetlistDesignName, kNetlistNameChars);
    CNetlistBuilder builder;
    switch (GetCheckedRadioButton(kIdcNetlistPinDesignators, kIdcNetlistSpice)) {
    case kIdcNetlistPinDesignators: builder.m_basicFormat = 0; builder.m_kind = kNetlistPlain; break;
    case kIdcNetlistDigital: builder.m_basicFormat = 1; builder.m_kind = kNetlistDigital; break;
    case kIdcNetlistSpice: builder.m_basicFormat = 1; builder.m_kind = kNetlistSpice; break;
    default: builder.m_basicFormat = 1; builder.m_kind = kNetlistPlain; break;
    }
    builder.m_range = GetCheckedRadioButton(kIdcNetlistThisSheet, kIdcNetlistAllSheets) == kIdcNetlistThisSheet
                          ? kRangeThisSheet
                          : kRangeAllSheets;
    builder.m_currentSheet = m_currentSheet;
    builder.m_sheetCount = m_sheetCount;
    m_result = builder.GenerateNetlist();
    if (m_result == 1
        && plat::MessageBox("View netlister output?", plat::kMbYesNo | plat::kMbIconQuestion) == plat::kIdYes)
        plat::uiHost().showTextFile(builder.m_outputPath);
    plat::Dialog::OnOK();
}
