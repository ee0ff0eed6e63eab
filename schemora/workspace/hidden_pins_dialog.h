#pragma once
// "Edit Hidden Power Pins": the power pins of the part in the editor that have no drawn
// terminal (supply pins whose net their type implies), listed, inserted and deleted directly in
// the editor's pin table.

#include "platform/app/dialog.h"

class PartPinTable;

class CHiddenPinsDlg : public plat::Dialog {
public:
    CHiddenPinsDlg(PartPinTable& pins, int partLetter, plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    bool changed() const { return changed_; }

private:
    void FillHiddenPinList();
    void OnInsert();
    void OnDelete();

    PartPinTable& pins_;
    int partLetter_;
    bool changed_ = false;
};
