#include "schemora/core/title_block.h"

#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/library_folder.h"


void LoadTitleBlockOnce()
{
    if (g_titleBlock.loaded)
        return;
    plat::LoadFailure failure = plat::LoadFailure::CannotOpen;
    const std::string path = plat::resolvePath(ProgramFilePath("Title.PIC"));
    auto archive = plat::Archive::loadFile(path, kMaxDrawingFileBytes, &failure);
    if (!archive) {
        // A folder or pipe in its place is named where it is, so that it can be found and removed.
        const std::string_view named = failure == plat::LoadFailure::NotAFile ? std::string_view(path) : "Title.PIC";
        plat::MessageBox(plat::readFailureText(named, failure, kMaxDrawingFileBytes, "Unable to open file: Title.PIC"));
        plat::uiHost().exitProcess(1);
    }
    if (g_titleBlock.objects.empty())
        g_titleBlock.objects.allocate();
    DrawingDocData header;
    int count = 0;
    ReadDrawing(header, 0, &count, *archive, g_titleBlock.objects.slots());
    g_titleBlock.count = count;
    g_current.viewCentreX = 0;
    g_current.viewCentreY = 0;
    g_current.count = 0;
    g_titleBlock.loaded = true;
}
