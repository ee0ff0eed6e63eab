#include "tracelyn/workspace/package_save_stand_in.h"

#include "common/library_save_names.h"
#include "platform/app/dialog.h"
#include "platform/core/ui_host.h"
#include "platform/system/files.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/workspace/edit_dialogs.h"

#include <variant>

namespace {

class SavePartDlg : public plat::Dialog {
public:
    explicit SavePartDlg(plat::Wnd* parent) : plat::Dialog(tly::kIddSavePackageStandIn, parent) {}
    bool OnInitDialog() override
    {
        SetDlgItemText(tly::kIdcStandInLibrary, g_packageChoice.library.empty() ? "Standard" : g_packageChoice.library);
        SetDlgItemText(tly::kIdcStandInPart, g_packageChoice.part);
        return true;
    }
    void OnOK() override
    {
        const auto part = quill::CheckPartName(GetDlgItemText(tly::kIdcStandInPart, quill::kMaxTypedSaveName));
        if (const auto* refusal = std::get_if<std::string_view>(&part)) {
            plat::MessageBox(*refusal);
            return;
        }
        const std::string library = GetDlgItemText(tly::kIdcStandInLibrary, 60);
        const auto file = quill::CheckLibraryFileName(library, ".CAT");
        if (const auto* refusal = std::get_if<std::string_view>(&file)) {
            plat::MessageBox(*refusal);
            return;
        }
        const std::string stem = library.substr(0, library.find('.'));
        const std::string path = CatalogPath(stem);
        if (!plat::fileExists(path) && NewPartLibrary(stem) != 1)
            return;
        if (plat::isReadOnlyFile(path)) {
            plat::MessageBox(quill::kMsgLibraryProtected);
            return;
        }
        if (RewriteLibrary(stem, std::get<std::string>(part), kRewriteReplace) != 1)
            return;
        g_packageChoice.library = stem;
        g_packageChoice.part = std::get<std::string>(part);
        plat::Dialog::OnOK();
    }
};

}  // namespace

bool RunSaveLibraryPartDialog(plat::Wnd* parent)
{
    SavePartDlg dialog(parent);
    return dialog.DoModal() == plat::kIdOk;
}
