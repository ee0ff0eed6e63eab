#pragma once
// The schematic document: one open drawing (its header values and its object store) on top
// of the framework's document. The drawing code works on the current-document values
// (g_current), which the active view, a file load or a save loads from here.

#include "common/editor_document.h"
#include "schemora/core/drawing_document.h"

class CSchemoraDoc : public quill::EditorDocument<CSchemoraDoc, DrawingDocData> {
public:
    // Also used on the stack as a temporary document; the first construction in the process
    // loads the title block.
    CSchemoraDoc();
    ~CSchemoraDoc() override;

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    std::uintmax_t maxFileBytes() const override;

    // File commands of a drawing (file_commands.cpp).
    void OnFileSaveAsByKind();
    void OnDisplayMark();
    void OnHelpContents();

    // The sheet this drawing shows (1 to its sheet count); not saved, a drawing opens on sheet 1.
    int shownSheet = 1;

private:
    void registerFileCommands();
};

// Set by the main frame while it closes the whole program: closing documents then leave the
// open-document table as it is, so that the settings can list them for the next start.
struct ProgramClosing {
    bool closing = false;
};
extern ProgramClosing g_programClosing;
