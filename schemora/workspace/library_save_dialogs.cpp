#include "schemora/workspace/library_save_dialogs.h"

#include "platform/core/ui_host.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_type_reload.h"
#include "schemora/core/scratch_drawing.h"
#include "schemora/workspace/library_parts_dialog.h"
#include "schemora/core/workspace_services.h"

namespace {

bool copyPart(const std::string& from, const std::string& part, const std::string& to)
{
    const ScratchDrawing scratch(ScratchDrawing::Start::Blank);
    auto archive = OpenPartLibrary(from, part, false);
    if (!archive || (g_current.count = ReadPartRecords(*archive)) <= 0) {
        plat::MessageBox("Can't read part " + part);
        return false;
    }
    return RewriteLibrary(to, part, kRewriteAddOrReplace) == 1;
}

quill::LibraryStoreServices partLibraryStore(CSaveLibPartDlg::PartWriter writer = {})
{
    quill::LibraryStoreServices s;
    s.files = PartLibraryFiles();
    // A saved part that the open drawings use can be read again at once.
    quill::SetLibraryStoreCalls(s, &RewriteLibrary, kRewriteAddOrReplace, &NewPartLibrary, &LoadedPartTypeOf);
    if (writer)
        s.writePart = [writer = std::move(writer)](const std::string& library, const std::string& part) {
            return writer(library, part) == 1;
        };
    s.copyPart = copyPart;
    s.reload = [] {
        ReloadPartTypes();
        RedrawActiveFrame();
    };
    return s;
}

quill::LibraryStoreIds saveIds()
{
    return {.libraryEdit = scm::kIdcSaveLibraryName, .partEdit = scm::kIdcPartName};
}

quill::LibraryStoreIds copyIds()
{
    return {.destination = scm::kIdcDestinationLibrary, .status = scm::kIdcPartsStatus, .copyButton = scm::kIdcCopyPart};
}

}  // namespace

CSaveLibPartDlg::CSaveLibPartDlg(plat::Wnd* parent)
    : quill::LibrarySaveDlg(scm::kIddSaveLibraryPart, saveIds(), partLibraryStore(), g_libraryChoice, parent)
{
}

CSaveLibPartDlg::CSaveLibPartDlg(plat::Wnd* parent, quill::LibraryChoiceState& names, PartWriter writer)
    : quill::LibrarySaveDlg(scm::kIddSaveLibraryPart, saveIds(), partLibraryStore(std::move(writer)), names, parent)
{
}

CCopyLibPartsDlg::CCopyLibPartsDlg(plat::Wnd* parent)
    : quill::LibraryCopyDlg(scm::kIddCopyLibraryParts, copyIds(), partLibraryStore(), g_libraryChoice, parent)
{
}
