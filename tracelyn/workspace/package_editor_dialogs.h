#pragma once
// The package editor's own setup dialogs: which kinds of object selection acts on, and a pad's
// style, sizes and pin number.

#include "platform/app/dialog.h"

#include <cstdint>
#include <string>

// "Selective Editing (Library Editor)" over the ten selective-editing switches.
class CLibSelectiveEditDlg : public plat::Dialog {
public:
    CLibSelectiveEditDlg();
    bool OnInitDialog() override;
    bool OnCommand(unsigned id) override;
    void OnOK() override;
};

// The library "Pad Setup": the caller fills style (0 to 7), hole and sizes in mils and reads
// them back after OK; the pin number goes into the selected pad.
class CLibPadSetupDlg : public plat::Dialog {
public:
    CLibPadSetupDlg();
    bool OnInitDialog() override;
    bool OnCommand(unsigned id) override;
    void OnOK() override;

    int style = 0;
    float hole = 0;
    float sizeX = 0;
    float sizeY = 0;

private:
    void applyStyleRule(int chosen);
};

// The selective-edit commands 710 to 720 of the editor: the switches, the remembered id and the
// status line "Selected edit %s only".
void ChooseLibrarySelectiveEdit(unsigned id);
