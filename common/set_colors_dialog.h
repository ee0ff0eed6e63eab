#pragma once
// The Set Colors dialog both editors share: each colour slot of the program takes one of the 32
// palette entries, and a named colour scheme can be chosen. The program passes its control ids,
// its live colour table, its schemes and what else OK sets; Cancel changes nothing.

#include "platform/app/dialog.h"
#include "platform/gdi/gdi_types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace plat {
class Dc;
}

// Where the dialog's controls are: slot k is swatch firstSlotId + k, palette entry c is swatch
// firstPaletteId + c.
struct SetColorsIds {
    unsigned templateId = 0;
    unsigned firstSlotId = 0;
    unsigned firstPaletteId = 0;
    unsigned schemeComboId = 0;
    unsigned firstModeId = 0;        // 0: the program has no colour-mode choice
    unsigned lastModeId = 0;
};

// One scheme the settings hold: its number in the program's table, name and colours.
struct ColorSchemeRef {
    int number = 0;
    std::string name;
    std::span<int32_t> colors;
};

// The schemes the settings hold (those read from the INI), in their order, each with its number
// and its colour values: the dialog lists only these.
template <typename Scheme, size_t Count, typename Values>
std::vector<ColorSchemeRef> PresentColorSchemes(std::array<Scheme, Count>& schemes, Values Scheme::*colors)
{
    std::vector<ColorSchemeRef> list;
    for (size_t i = 0; i < Count; ++i)
        if (schemes[i].present)
            list.push_back({static_cast<int>(i), schemes[i].name, schemes[i].*colors});
    return list;
}

// What the dialog edits. currentScheme holds a scheme number, or one that names no listed scheme
// when none is loaded (OK then changes only the live table).
struct SetColorsTarget {
    std::span<int32_t> live;
    std::vector<ColorSchemeRef> schemes;    // the schemes present, in list order
    int* currentScheme = nullptr;
    int* colorMode = nullptr;               // with SetColorsIds::firstModeId only
    int* selectedSlot = nullptr;            // kept between runs of the dialog
    int* pickedColor = nullptr;             // OK stores the palette colour clicked last, if any
    std::function<plat::ColorRef(int)> colorOf;     // a palette index as the painters draw it
    std::function<void(plat::Dc&)> selectPalette;   // selects and realises the program palette
    std::function<void(std::span<const int32_t>)> afterOk;   // the program's own extra on OK
};

inline constexpr int kPaletteSwatches = 32;

// A palette index read from outside (INI, scheme lines): anything but 0 to 31 becomes 0.
int32_t ClampPaletteIndex(int32_t index);

class CSetColorsDlg : public plat::Dialog {
public:
    CSetColorsDlg(const SetColorsIds& ids, SetColorsTarget target, plat::Wnd* parent = nullptr);

    bool OnInitDialog() override;
    void OnOK() override;
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;

    std::span<const int32_t> workingColors() const { return working_; }

private:
    void OnSlotClicked(unsigned id);
    void OnPaletteClicked(unsigned id);
    void OnSchemeChanged();
    int slotCount() const { return static_cast<int>(working_.size()); }
    const ColorSchemeRef* schemeAt(int listIndex) const;
    void repaintSwatch(unsigned id);

    SetColorsIds ids_;
    SetColorsTarget target_;
    std::vector<int32_t> working_;
    int workingScheme_ = -1;                 // index into target_.schemes, -1 none
    int fallbackSlot_ = 0;
    int picked_ = -1;                        // the palette colour clicked last in this run
};

// The dialog's template: the slot swatches with their labels, the palette, the scheme combo, the
// optional colour-mode radios, "RGB", OK and Cancel.
// Slots first..last (in slot order) framed by a group box with a title.
struct SetColorsSlotGroup {
    std::string title;
    int first = 0;
    int last = 0;
};
struct SetColorsLabels {
    std::string title;
    std::span<const char* const> slotLabels;
    std::string schemeLabel;
    std::vector<std::string> modeLabels;
    unsigned rgbId = 0;
    std::vector<SetColorsSlotGroup> slotGroups{};
    std::string modeGroup{};   // the group box round the mode buttons; none when empty
};
plat::DialogTemplate BuildSetColorsTemplate(const SetColorsIds& ids, const SetColorsLabels& labels);
