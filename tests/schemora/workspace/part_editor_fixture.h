#pragma once
// A running Schemora with a library folder, for the tests that open the part editor: its
// answers for the editor once it opens and for Save Library Part.

#include "../core/starter_parts_fixture.h"

#include "platform/app/dialog.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/workspace/part_editor.h"

#include <filesystem>
#include <functional>
#include <string>

namespace schemora_test {

class PartEditorView : public StarterPartsView {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(folder.path() / "LIB");
        StarterPartsView::SetUp();
    }

    // The part editor, once it opens, runs script inside it and ends as the script leaves it.
    void answerEditor(std::function<void(CPartEditorDlg&)> script)
    {
        host.answerDialog([script = std::move(script)](plat::Dialog& d) -> int {
            auto* editor = dynamic_cast<CPartEditorDlg*>(&d);
            EXPECT_NE(editor, nullptr);
            if (!editor)
                return plat::kIdCancel;
            script(*editor);
            return editor->modalResult();
        });
    }

    // Save Library Part answered with the library and part names typed, then OK.
    void answerSavePart(std::string library, std::string part)
    {
        host.answerDialog([library = std::move(library), part = std::move(part)](plat::Dialog& d) {
            d.TypeDlgItemText(scm::kIdcSaveLibraryName, library);
            d.TypeDlgItemText(scm::kIdcPartName, part);
            return d.PressButton(plat::kIdOk);
        });
    }
};

}  // namespace schemora_test
