#pragma once
// "Selective Editing": which kinds of object the selection and edit commands act on. Both
// editors show one check box per kind switch (switch k is box firstKindId + k), "All Objects",
// "NO Objects" and "Edit Nets Only"; each program passes its ids, its switches and its mode.
// The buttons act on the switches at once; OK stores the boxes and sets the mode.

#include "platform/app/dialog.h"
#include "platform/app/resources.h"

#include <span>
#include <string>
#include <vector>

struct SelectiveEditIds {
    unsigned templateId = 0;
    unsigned firstKindId = 711;
    unsigned allId = 710;           // also the mode of a mixed choice
    unsigned noneId = 1111;
    unsigned netsOnlyId = 0;        // may be one of the kind boxes
};

// A button that switches a fixed set of kinds on and every other off.
struct SelectiveEditPreset {
    unsigned id = 0;
    std::vector<int> switchesOn;
};

struct SelectiveEditTarget {
    std::span<int> switches;
    int* mode = nullptr;
    std::vector<SelectiveEditPreset> presets;
};

class CSelEditDlg : public plat::Dialog {
public:
    CSelEditDlg(const SelectiveEditIds& ids, SelectiveEditTarget target, plat::Wnd* parent = nullptr);

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnKindBox(unsigned id);
    void OnAll();
    void OnNone();
    void OnNetsOnly();
    void OnPreset(unsigned id);
    unsigned boxOf(std::size_t k) const { return ids_.firstKindId + static_cast<unsigned>(k); }
    bool netsOnlyIsKind() const;
    void setEveryKind(int on);

    SelectiveEditIds ids_;
    SelectiveEditTarget target_;
};

struct SelectiveEditLabels {
    std::string title;
    std::span<const char* const> kindLabels;        // one per switch, "" for a kind without a box
    std::vector<std::pair<unsigned, std::string>> buttons;   // All, NO, presets, in order
    std::string netsOnlyLabel;                      // when Edit Nets Only is not a kind box
};
plat::DialogTemplate BuildSelectiveEditTemplate(const SelectiveEditIds& ids, const SelectiveEditLabels& labels);
