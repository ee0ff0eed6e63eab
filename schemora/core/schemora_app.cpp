#include "schemora/core/schemora_app.h"
#include "schemora/core/junction_dots.h"

#include "common/editor_startup.h"
#include "common/file_type_registration.h"
#include "common/logical_palette.h"
#include "platform/app/command_ids.h"
#include "platform/app/doc_template.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/resources.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/open_documents.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/schemora_view.h"
#include "schemora/core/settings.h"
#include "schemora/core/workspace_services.h"

#include <cstdio>

AppImages g_appImages;

namespace {

void clearProcessTables()
{
    ClearOpenDocNames();
    g_partSymbols = PartSymbolTable{};
}

void buildPalette()
{
    const auto logical = BuildLogicalPalette();
    for (int i = 0; i < kPaletteEntries; ++i)
        g_palette.entries[i] = {logical[i].r, logical[i].g, logical[i].b, 0};
    g_palette.created = true;
}

// The roles that exist before the settings choose a colour scheme.
void seedColorRoles()
{
    constexpr std::pair<int, int> kSeed[] = {{0, 0}, {1, 6}, {5, 3}, {6, 15}, {20, 7}, {21, 7}, {22, 0}};
    for (auto [role, index] : kSeed)
        g_colorRoles.index[role] = index;
}

void loadCursors()
{
    g_appImages.arrowCursor = plat::LoadStandardCursor(plat::kIdcArrow);
    g_appImages.cursors = {plat::LoadCursor(scm::kCursorA), plat::LoadCursor(scm::kCursorView),
                           plat::LoadCursor(scm::kCursorB)};
}

void loadIconsAndBitmaps()
{
    for (size_t i = 0; i < g_appImages.toolIcons.size(); ++i)
        g_appImages.toolIcons[i] = plat::LoadIcon(scm::kToolIcons[i]);
    for (size_t i = 0; i < g_appImages.bitmaps.size(); ++i)
        g_appImages.bitmaps[i] = plat::findImage(scm::kToolBitmaps[i]) ? scm::kToolBitmaps[i] : 0;
}

}  // namespace

CSchemoraApp::CSchemoraApp()
    : quill::EditorApp("Schemora", "Schemora schematic capture for the Linux desktop",
                       EditorWindowsOf<CSchemoraDoc, CSchemoraView>(scm::kIdrDrawingType, CreateChildFrame,
                                                                    CreateMainFrame, scm::kIdrMainFrame))
{
    registerFileCommands();
}

bool CSchemoraApp::InitInstance()
{
    clearProcessTables();
    buildPalette();
    seedColorRoles();
    loadCursors();
    g_editFilter.on.fill(1);

    quill::EditorMainFrame* mainFrame = installWindows();
    if (!mainFrame)
        return false;
    g_folders.commandLineFlag = !m_lpCmdLine().empty();
    g_loadedPartNames = LoadedPartNames{};
    g_folders.soundFolder.clear();

    LoadSettings();
    // PrOrient holds the page orientation of printouts: 1 portrait, 2 landscape.
    SetDefaultPageOrientation(g_settings.PrOrient != 1);
    SyncDotToolButton();
    InstallJunctionDotHooks();

    if (!runCommandLine())
        return false;

    loadIconsAndBitmaps();
    g_current.viewCentreX = 0;
    g_current.viewCentreY = 0;
    mainFrame->startRunning(scm::kIconReady, g_settings.BackupTime, g_folders.soundFolder);
    RedrawActiveFrame();

    if (g_settings.startup == 1)
        LoadRecentFiles(g_folders.iniPath);

    PlaySoundFile("welcome.wav");

    g_cursorMark.visible = true;
    quill::ShowStartupTip(ProgramTips());

    RegisterPicFileType();
    return true;
}

void RegisterPicFileType()
{
    const std::string folder = plat::cutAtFolder(g_folders.libraryFolder, "LIB").value_or(g_folders.libraryFolder);
    RegisterDocumentFileType(".pic", "piccmd", plat::joinPath(folder, "schemora") + " %1");
}
