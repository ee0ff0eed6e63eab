#pragma once
// Answers for the Find and Replace dialogs of either editor, for host.answerDialog: each fills
// the dialog as a person would and presses OK.

#include "common/find_replace_dialogs.h"
#include "platform/app/dialog.h"
#include "support/control_items.h"

#include <string>
#include <utility>
#include <vector>

namespace quill_test {

// One editor's Find dialog: its text combo and the first and last of its kind buttons.
struct FindControls {
    unsigned text;
    unsigned firstKind;
    unsigned lastKind;
};

// One editor's Find dialog answered as a person would: each call chooses the kind and types
// the text; with `offered`, it first lists what the text combo offers.
class FindAnswer {
public:
    constexpr explicit FindAnswer(FindControls controls) : controls_(controls) {}

    auto operator()(unsigned kind, std::string text, std::vector<std::string>* offered = nullptr) const
    {
        return [controls = controls_, kind, text = std::move(text), offered](plat::Dialog& d) {
            if (offered)
                *offered = itemTexts(d, controls.text);
            d.CheckRadioButton(controls.firstKind, controls.lastKind, kind);
            d.SetDlgItemText(controls.text, text);
            return d.PressButton(plat::kIdOk);
        };
    }

private:
    FindControls controls_;
};

// The question whether to search on, answered OK.
inline int continueSearch(plat::Dialog& d) { return d.PressButton(plat::kIdOk); }

// Replace Text: what to find, what to put, and whether to replace all or ask each time.
inline auto replaceAnswer(const char* find, const char* with, unsigned mode)
{
    return [=](plat::Dialog& d) {
        d.SetDlgItemText(kIdcReplaceFind, find);
        d.SetDlgItemText(kIdcReplaceWith, with);
        d.CheckRadioButton(kIdcReplaceAll, kIdcReplacePrompt, mode);
        return d.PressButton(plat::kIdOk);
    };
}

}  // namespace quill_test
