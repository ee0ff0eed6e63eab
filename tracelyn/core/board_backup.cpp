#include "tracelyn/core/board_backup.h"

#include "common/document_backup.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/workspace_services.h"

void BackupOpenBoards()
{
    static DocumentBackup backup(
        [](plat::Document& document) { return DocumentBytesKeeping<CTracelynDoc>(document, g_board); });
    const std::string said = backup.Tick(OpenDocuments(), UntitledBackupFolder());
    if (!said.empty())
        SetStatusText(said, kPaneMessage);
}
