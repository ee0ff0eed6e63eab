#include "platform/app/file_dialog_folder.h"

#include "platform/app/document.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/system/paths.h"
#include "platform/system/startup.h"

namespace plat {

std::string FileDialogFolder(const Document* document)
{
    if (document != nullptr && !document->GetPathName().empty()) {
        std::string folder = folderOf(document->GetPathName());
        if (!folder.empty())
            return folder;
    }
    return launchFolder();
}

std::string FileDialogFolder()
{
    const FrameWnd* main = GetMainWnd();
    return FileDialogFolder(main != nullptr ? main->GetActiveDocument() : nullptr);
}

}  // namespace plat
