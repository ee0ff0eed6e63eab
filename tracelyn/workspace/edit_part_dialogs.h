#pragma once
// The placed component's "Edit Part" and the two dialogs it opens: "Change Package Type" and
// "New Designator Type". Every change reaches the board on Edit Part's OK, as one undo step;
// Cancel leaves the component as it was.

#include "platform/app/dialog.h"

#include <string>

class CNewDesignatorDlg : public plat::Dialog {
public:
    CNewDesignatorDlg();
    void OnOK() override;
    std::string m_prefix;   // 1 to 10 letters, in capitals, after OK
};

class CChangePackageDlg : public plat::Dialog {
public:
    CChangePackageDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    std::string m_name;      // "LIBRARY\PACKAGE" shown at first
    int m_package = 0;       // the loaded package's index after OK

private:
    void OnBrowse();
};

class CEditPartDlg : public plat::Dialog {
public:
    // Edits object `index` of the current board, a component.
    explicit CEditPartDlg(int index);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnPrefix();
    void OnChange();
    void OnReset();
    void OnExpand();
    void showPackage(int package);

    int index_;
    std::string prefix_;
    int package_ = 0;         // the package the component will name
    bool resetLabel_ = false;
};

// Runs Edit Part on object `index` when it is a component; true after OK.
bool RunEditPartDialog(int index);
