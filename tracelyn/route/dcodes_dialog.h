#pragma once
// "Imported DCODES" (template 130): the apertures of the last imported Gerber file, one line
// each; a line is corrected in the edit box and put back with Update, and OK applies the
// corrected sizes to the imported traces and pads.

#include "platform/app/dialog.h"

#include <string>
#include <string_view>

class CDcodesDlg : public plat::Dialog {
public:
    CDcodesDlg();
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnSelectLine();
    void OnUpdate();
};

// "%s   %s   %.4f  %.4f": name, type name, X, Y of one imported record.
std::string DcodeLine(size_t record);
