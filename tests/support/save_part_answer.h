#pragma once
// The Save Library Part dialog of either editor, answered for host.answerDialog: the library
// and part names typed into its two fields, then OK; a dialog that stays open is cancelled.

#include "platform/app/dialog.h"
#include "platform/core/test_ui_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

// Through `save` (the dialog's end value for the typed names; -1: it stayed open), Save Library
// Part refuses every empty, blank-holding, over-long and path-like name of either kind with its
// message and stays open. `library` and `part` are names it takes.
inline void expectSaveRefusesBadNames(const std::function<int(const std::string&, const std::string&)>& save,
                                      const plat::TestUiHost& host, const std::string& library, const std::string& part)
{
    const std::string noPart = "Enter a part name";
    const std::string badPart = "Invalid part name!\nToo long or contains blanks.";
    const std::string noLibrary = "Enter a library name\nor select an existing library";
    const std::string badLibrary = "Invalid library name!\nToo long or contains blanks.";
    struct Refused {
        std::string library, part, message;
    };
    const std::vector<Refused> cases = {
        {library, "", noPart},
        {library, ".X", noPart},
        {library, " R", badPart},
        {library, "TWO WORDS", badPart},
        {library, "ABCDEFGHIJKLMNOPQ", badPart},
        {library, "SEVENTEEN_CHARSXX", badPart},
        {library, "a/b", badPart},
        {"", part, noLibrary},
        {".X", part, badLibrary},
        {"a/b", part, badLibrary},
        {"../x", part, badLibrary},
        {"..\\x", part, badLibrary},
        {"../" + library, part, badLibrary},
        {"MY LIB", part, badLibrary},
        {"ABCDEFGHIJKLMNOPQ", part, badLibrary},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.library + " / " + c.part);
        EXPECT_EQ(save(c.library, c.part), -1) << "the dialog stays open";
        const auto boxes = host.messageBoxes();
        EXPECT_EQ(boxes.empty() ? std::string() : boxes.back(), c.message);
    }
}

}  // namespace quill_test
