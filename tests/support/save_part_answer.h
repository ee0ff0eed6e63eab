#pragma once
// The Save Library Part dialog of either editor, answered for host.answerDialog: the library
// and part names typed into its two fields, then OK; a dialog that stays open is cancelled.

#include "platform/app/dialog.h"

#include <string>

namespace quill_test {

// The dialog's two name fields.
struct SavePartFields {
    unsigned library;
    unsigned part;
};

// `result` gets what OK ended with (-1: the dialog stayed open).
inline auto savePartAnswer(SavePartFields fields, std::string library, std::string part, int& result)
{
    return [fields, library = std::move(library), part = std::move(part), &result](plat::Dialog& d) {
        d.TypeDlgItemText(fields.library, library);
        d.TypeDlgItemText(fields.part, part);
        result = d.PressButton(plat::kIdOk);
        return result == -1 ? d.PressButton(plat::kIdCancel) : result;
    };
}

}  // namespace quill_test
