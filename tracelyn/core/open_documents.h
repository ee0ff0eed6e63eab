#pragma once
// The open-document table: the boards open in the program, 10 entries of {document, name,
// untitled flag} with a count (OpenDocumentTable g_openDocuments, board_state.h). New boards
// enter with their title and flag 1, opened boards with their file name and flag 0;
// SaveSettings writes the names back as the boards to reopen.

#include "tracelyn/core/board_state.h"

#include <string_view>

class CTracelynDoc;

// Puts {copy of name, document, untitled} into the first entry whose name is empty and counts
// it; a full table is left unchanged.
void RegisterOpenDocument(std::string_view name, CTracelynDoc* document, int untitled);
// Frees the document's entry.
void UnregisterOpenDocument(CTracelynDoc* document);

// Drops the loaded packages that neither an open board nor the board being read uses, so that
// their kind values can name new packages; returns how many were dropped.
int DropPackagesNoBoardUses();
