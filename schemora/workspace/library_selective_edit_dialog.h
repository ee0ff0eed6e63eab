#pragma once
// "Selective Editing (Library Parts)": which kinds of object the part editor's selection and
// edit commands act on, one check box per kind.

#include "platform/app/dialog.h"

class CLibSelEditDlg : public plat::Dialog {
public:
    explicit CLibSelEditDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;
    // The edit mode chosen: the id of the one kind checked, else 710 (all objects).
    unsigned mode() const { return mode_; }

private:
    void setAll(int check);
    unsigned mode_ = 0;
};
