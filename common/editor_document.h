#pragma once
// What an editor's document is on top of the framework's document, whatever it holds: its
// data (header values and object store, with the changed flag), the enabling of File > Save,
// and the framework's saving, reading and closing passed to the program's own storage.

#include "platform/app/document.h"

namespace quill {

// How a program's document keeps its store. Each program passes in its own functions.
template <typename Doc>
struct DocumentStorage {
    void (*write)(Doc& doc, plat::Archive& ar);
    void (*read)(Doc& doc, plat::Archive& ar);
    // Closing: the store and what points into it go, before the framework forgets the document.
    void (*release)(Doc& doc);
};

template <typename Doc, typename Data>
class EditorDocument : public plat::Document {
public:
    explicit EditorDocument(const DocumentStorage<Doc>& storage) : storage_(storage) {}

    bool IsModified() override { return data_.modified; }
    void SetModifiedFlag(bool modified = true) override { data_.modified = modified; }
    // File > Save is offered while there are changes to save.
    void OnUpdateFileSave(plat::CmdUI& ui) { ui.Enable(IsModified()); }

    void Serialize(plat::Archive& ar) override
    {
        if (ar.IsStoring())
            storage_.write(self(), ar);
        else
            storage_.read(self(), ar);
    }

    void OnCloseDocument() override
    {
        storage_.release(self());
        plat::Document::OnCloseDocument();
    }

    Data& data() { return data_; }
    const Data& data() const { return data_; }

protected:
    Data data_;

private:
    Doc& self() { return static_cast<Doc&>(*this); }

    DocumentStorage<Doc> storage_;
};

}  // namespace quill
