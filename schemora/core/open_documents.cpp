#include "schemora/core/open_documents.h"

OpenDocTable g_openDocs;

void ClearOpenDocNames()
{
    for (OpenDocSlot& slot : g_openDocs.slots)
        slot.name.clear();
}

void RegisterOpenDocument(std::string_view name, CSchemoraDoc* document)
{
    for (OpenDocSlot& slot : g_openDocs.slots) {
        if (slot.used)
            continue;
        slot.name = std::string(name);
        slot.document = document;
        slot.used = true;
        ++g_openDocs.count;
        return;
    }
}

void ReleaseOpenDocument(CSchemoraDoc* document, bool programClosing)
{
    for (OpenDocSlot& slot : g_openDocs.slots) {
        if (!slot.used || slot.document != document)
            continue;
        slot.name.clear();
        if (!programClosing) {
            slot.document = nullptr;
            slot.used = false;
            if (g_openDocs.count > 0)
                --g_openDocs.count;
        }
        return;
    }
}
