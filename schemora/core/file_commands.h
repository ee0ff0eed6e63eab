#pragma once
// The schematic program's File commands beyond the framework's: Open by file kind, Save As by
// file type, and saving a drawing under a name of another form.

#include <string_view>

class CSchemoraDoc;

// Writes the document's drawing as a ".pic" file beside path (path's own extension replaced)
// in WriteDrawing mode 0 or kWritePreviousVersion. Asks before replacing another existing file
// than the one named; "Unable to open file %s" when it cannot be written.
bool SaveDrawingAs(CSchemoraDoc& doc, std::string_view path, int mode);

// Loads the document into the current-document values, as the file writers expect.
void MakeDocumentCurrent(CSchemoraDoc& doc);

// Opens path by its kind: a drawing as a document, a DXF file imported into a new drawing, a
// text output in the text viewer. False when nothing was opened.
bool OpenFileByKind(std::string_view path);
