#pragma once
// "Edit Part": one placed part's reference, value, instance, symbol variant, mounting, package,
// rotation, mirroring and its fixed and hidden flags, changed in one undo step. It also shows
// the symbol file and the simulation model, finds the model, and puts the reference label
// back on the symbol's placeholder.

#include "platform/app/dialog.h"

#include <string>

struct DrawObject;
struct PartSymbol;

class CEditPartDlg : public plat::Dialog {
public:
    // Edits object `index` of the current drawing, a placed part.
    CEditPartDlg(int index, plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnThruHole();
    void OnSurface();
    void OnDefaultPackage();
    void OnUserPackage();
    void OnBrowse();
    void OnFindModel();
    void OnReset();
    void OnExpand();
    void fillModel(const PartSymbol& symbol, const std::string& prefix);
    void applyLabel(DrawObject& part) const;
    // The symbol the typed value names: a drawing keeps a part by the library part its value
    // names (LIBRARY\PART, or a part of DEVICE), so a changed value must name one that loads.
    // The part's own symbol while the value is unchanged; 0 (after a message) when none loads.
    int symbolOfValue(const DrawObject& part) const;

    int index_;
    char deviceLetter_ = 0;     // 'D', 'Q' or 'J' for a part the model picker serves
    std::string modelType_;     // the part's model type ("NPN") for the picker
    bool resetLabel_ = false;   // Reset pressed: applied with the other changes on OK
};

// Runs Edit Part on object `index` when it is a placed part other than a signal source or a
// ground; true when the part was changed.
bool RunEditPartDialog(int index);
