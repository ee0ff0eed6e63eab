#include "schemora/core/schematic_helpers.h"

#include "schemora/core/current_document.h"
#include "schemora/core/object_store.h"
#include "schemora/core/schemora_doc.h"

int SetObjectCount(int n)
{
    const int count = n + 1 >= kMaxObjectCount ? kMaxObjectCount : n + 1;
    g_current.count = count;
    if (CSchemoraDoc* doc = g_current.activeDocument) {
        doc->data().objectCount = count;
        doc->SetModifiedFlag(true);
    }
    return count;
}
