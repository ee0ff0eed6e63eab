#include "schemora/core/drawing_backup.h"

#include "common/document_backup.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"

void BackupOpenDrawings()
{
    static DocumentBackup backup(
        [](plat::Document& document) { return DocumentBytesKeeping<CSchemoraDoc>(document, g_current); });
    const std::string said = backup.Tick(OpenDocuments(), UntitledBackupFolder());
    if (!said.empty())
        SetStatusText(said, 0);
}
