#pragma once
// What an editor's document is on top of the framework's document, whatever it holds: its
// data (header values and object store, with the changed flag) and the enabling of File > Save.

#include "platform/app/document.h"

namespace quill {

template <typename Data>
class EditorDocument : public plat::Document {
public:
    bool IsModified() override { return data_.modified; }
    void SetModifiedFlag(bool modified = true) override { data_.modified = modified; }
    // File > Save is offered while there are changes to save.
    void OnUpdateFileSave(plat::CmdUI& ui) { ui.Enable(IsModified()); }

    Data& data() { return data_; }
    const Data& data() const { return data_; }

protected:
    Data data_;
};

}  // namespace quill
