#include "tracelyn/core/board_backup.h"

#include "common/document_backup.h"
#include "platform/core/archive.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/core/tracelyn_doc.h"

namespace {

// Writing a board points the current-board values at it; the active board gets them back.
std::vector<uint8_t> boardBytes(plat::Document& document)
{
    auto* board = dynamic_cast<CTracelynDoc*>(&document);
    if (board == nullptr)
        return {};
    const CurrentBoard kept = g_board;
    plat::Archive archive(plat::Archive::Mode::Store, {}, document.GetPathName());
    board->Serialize(archive);
    g_board = kept;
    return archive.takeBytes();
}

}  // namespace

void BackupOpenBoards()
{
    static DocumentBackup backup(boardBytes);
    const std::string said = backup.Tick(OpenDocuments(), UntitledBackupFolder());
    if (!said.empty())
        SetStatusText(said, kPaneMessage);
}
