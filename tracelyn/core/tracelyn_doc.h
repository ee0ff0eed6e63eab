#pragma once
// The board document: one open board (its header values and its object store) on top of the
// framework's document. The drawing, editing and routing code works on the current-document
// values (g_board), which the active view, a file load or a save loads from here.

#include "common/editor_document.h"
#include "tracelyn/core/board_document.h"

class CTracelynDoc : public quill::EditorDocument<CTracelynDoc, BoardDocumentData> {
public:
    // Also used on the stack as a temporary document to read another board.
    CTracelynDoc();
    ~CTracelynDoc() override;

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    std::uintmax_t maxFileBytes() const override;

    // File > Save As (its four forms).
    void OnFileSaveAs();
};
