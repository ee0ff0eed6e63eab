#pragma once
// "Align Thermal Pads" (template 260): asks for the capture threshold and aligns the board's
// thermal pads onto their pads as one undoable step.

#include "platform/app/dialog.h"

#include <cstdint>

class CAlignThermalPadsDlg : public plat::Dialog {
public:
    explicit CAlignThermalPadsDlg(plat::Wnd* parent = nullptr);
    bool OnInitDialog() override;
    void OnOK() override;

    int32_t m_threshold = 100;      // board units
    int32_t m_aligned = 0;
};
