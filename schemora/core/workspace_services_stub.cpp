// Do-nothing services of the part editor, which is not built yet.
#include "schemora/core/workspace_services.h"

CPartEditorDlg* thePartEditor = nullptr;

void SetEditorClipRect(CPartEditorDlg*, plat::Dc&, bool) {}
void SetPartEditorModified(CPartEditorDlg*) {}
void SetPartEditorStatusLine(CPartEditorDlg*, int, std::string_view) {}
