#include "schemora/core/schematic_helpers.h"

#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/workspace_services.h"

int SetObjectCount(int n)
{
    const int count = n >= kMaxObjectCount - 1 ? kMaxObjectCount : n + 1;
    g_current.count = count;
    // The open part editor edits its own objects: only its modified flag changes, the active
    // view's document is not touched.
    if (!thePartEditor && g_current.activeDocument)
        g_current.activeDocument->data().objectCount = count;
    MarkEditedDrawingModified();
    return count;
}

void MarkEditedDrawingModified()
{
    if (thePartEditor)
        SetPartEditorModified(thePartEditor);
    else if (CSchemoraDoc* doc = g_current.activeDocument)
        doc->SetModifiedFlag(true);
}
