// Saving the package editor's part: the store is lent to the library's save as the part a
// library holds, labels and pin numbers written as its texts.
#include "tracelyn/workspace/package_editor.h"

#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/package_library_dialogs.h"

bool SavePackageToLibrary(plat::Wnd* parent, const BoardObject* objects, int count, const PackageLabels& labels,
                          std::string& partName)
{
    g_packageChoice.part = partName;
    bool saved = false;
    {
        ScopedPartImage image(objects, count, labels);
        saved = RunSaveLibraryPartDialog(parent);
    }
    if (saved)
        partName = g_packageChoice.part;
    return saved;
}
