#include "place/place_app.h"

#include "place/board_placement.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "tracelyn/core/board_settings.h"

namespace {

constexpr const char* kUsage = "Usage: place REFERENCES.ref NETLIST.net BOARD.tlz";
constexpr const char* kReferenceFilter = "Reference (*.REF)|*.ref|";
constexpr const char* kBoardFilter = "Tracelyn (*.TLZ)|*.tlz|";
constexpr const char* kBoardProgram = "tracelyn";

}  // namespace

CPlaceApp::CPlaceApp() : plat::WinApp("Place") {}

std::optional<PlacementRequest> RequestFromArguments(const std::vector<std::string>& args, std::string& usage)
{
    usage.clear();
    if (args.size() == 3)
        return PlacementRequest{args[0], args[1], args[2], false};
    if (!args.empty())
        usage = kUsage;
    return std::nullopt;
}

std::optional<PlacementRequest> AskForRequest()
{
    plat::FileDialogRequest open;
    open.filter = kReferenceFilter;
    const plat::FileDialogResult references = plat::uiHost().fileDialog(open);
    if (references.path.empty())
        return std::nullopt;
    plat::FileDialogRequest save;
    save.open = false;
    save.filter = kBoardFilter;
    save.defaultName = plat::fileNameOf(plat::replaceExtension(references.path, ".tlz"));
    save.initialFolder = plat::folderOf(references.path);
    plat::FileDialogResult board = plat::uiHost().fileDialog(save);
    if (board.path.empty())
        return std::nullopt;
    if (plat::extensionOf(board.path).empty())
        board.path += ".tlz";
    return PlacementRequest{references.path, plat::replaceExtension(references.path, ".net"), board.path, false};
}

std::string PlacePackageFolder()
{
    return plat::withTrailingSeparator(plat::appendFolder(plat::programFolder(), "PACKAGES"));
}

int RunPlacement(const PlacementRequest& request, bool openInBoardProgram)
{
    g_boardFolders.libraryFolder = PlacePackageFolder();
    const PlacementReport report = PlaceDesign(request);
    if (const std::string text = DescribePlacement(request, report); !text.empty())
        plat::MessageBox(text, report.written ? plat::kMbIconInformation : plat::kMbIconStop);
    if (!report.written)
        return 1;
    if (openInBoardProgram && !plat::uiHost().startProgram(std::string(kBoardProgram), {request.boardPath}))
        plat::MessageBox("Can't start the board program.", plat::kMbIconStop);
    return 0;
}

bool CPlaceApp::InitInstance()
{
    std::string usage;
    if (const auto request = RequestFromArguments(args(), usage)) {
        exitCode_ = RunPlacement(*request, false);
    } else if (!usage.empty()) {
        plat::MessageBox(usage, plat::kMbIconStop);
        exitCode_ = 2;
    } else if (const auto asked = AskForRequest()) {
        exitCode_ = RunPlacement(*asked, true);
    } else {
        exitCode_ = 0;
    }
    return false;
}

int CPlaceApp::ExitInstance()
{
    plat::WinApp::ExitInstance();
    return exitCode_;
}
