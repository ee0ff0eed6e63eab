#include "schemora/core/drawing_backup.h"

#include "common/document_backup.h"
#include "platform/core/archive.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"

namespace {

// Writing a drawing points the current-drawing values at it; the active drawing gets them back.
std::vector<uint8_t> drawingBytes(plat::Document& document)
{
    auto* drawing = dynamic_cast<CSchemoraDoc*>(&document);
    if (drawing == nullptr)
        return {};
    const CurrentDrawing kept = g_current;
    plat::Archive archive(plat::Archive::Mode::Store, {}, document.GetPathName());
    drawing->Serialize(archive);
    g_current = kept;
    return archive.takeBytes();
}

}  // namespace

void BackupOpenDrawings()
{
    static DocumentBackup backup(drawingBytes);
    const std::string said = backup.Tick(OpenDocuments(), UntitledBackupFolder());
    if (!said.empty())
        SetStatusText(said, 0);
}
