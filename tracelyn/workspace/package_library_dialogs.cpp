#include "tracelyn/workspace/package_library_dialogs.h"

#include "platform/core/archive.h"
#include "platform/core/ui_host.h"
#include "resources/tracelyn/library_dialogs.h"
#include "resources/tracelyn/library_ids.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_reload.h"
#include "tracelyn/core/scratch_board.h"
#include "tracelyn/workspace/edit_dialogs.h"

namespace {

constexpr int kScratchRecords = 4000;

bool copyPackage(const std::string& from, const std::string& part, const std::string& to)
{
    const ScratchBoard scratch(kScratchRecords);
    std::optional<plat::Archive> file = OpenPartLibrary(from, part);
    if (!file || ReadPartRecords(*file) <= 0) {
        plat::MessageBox("Can't read part " + part);
        return false;
    }
    return RewriteLibrary(to, part, kRewriteReplace) == 1;
}

quill::LibraryStoreServices packageStore()
{
    quill::LibraryStoreServices s;
    s.files = PackageLibraryFiles();
    quill::SetLibraryStoreCalls(s, &RewriteLibrary, kRewriteReplace, &NewPartLibrary, &LoadedPackageOf);
    s.copyPart = copyPackage;
    s.reload = [] {
        ReloadBoardPackages();
        RedrawActiveFrame();
    };
    return s;
}

}  // namespace

CSaveLibPartDlg::CSaveLibPartDlg(plat::Wnd* parent)
    : quill::LibrarySaveDlg(tly::kIddSaveLibraryPart, SaveLibraryPartIds(), packageStore(), g_packageChoice, parent)
{
}

bool RunSaveLibraryPartDialog(plat::Wnd* parent)
{
    CSaveLibPartDlg dialog(parent);
    return dialog.DoModal() == plat::kIdOk;
}

CCopyLibPartDlg::CCopyLibPartDlg(plat::Wnd* parent)
    : quill::LibraryCopyDlg(tly::kIddCopyLibraryPart, CopyLibraryPartIds(), packageStore(), g_packageChoice, parent)
{
}
