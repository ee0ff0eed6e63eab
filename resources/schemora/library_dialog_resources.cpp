// The library save and copy dialogs and the menu items that open them.
#include "resources/schemora/edit_resources.h"

#include "platform/app/command_ids.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/edit_ids.h"

#include <algorithm>

namespace scm {

quill::LibraryStoreIds SaveLibraryPartIds()
{
    return {.libraryEdit = kIdcSaveLibraryName, .partEdit = kIdcPartName};
}

quill::LibraryStoreIds CopyLibraryPartsIds()
{
    return {.destination = kIdcDestinationLibrary, .status = kIdcPartsStatus, .copyButton = kIdcCopyPart};
}

plat::DialogTemplate SaveLibraryPartDialog() { return quill::LibrarySaveTemplate(kIddSaveLibraryPart, SaveLibraryPartIds()); }

plat::DialogTemplate CopyLibraryPartsDialog()
{
    return quill::LibraryCopyTemplate(kIddCopyLibraryParts, "Copy/Move Library Parts", CopyLibraryPartsIds());
}

void AddSaveAsLibraryPartItem(plat::MenuItem& fileMenu)
{
    auto& items = fileMenu.items;
    const auto saveAs = std::find_if(items.begin(), items.end(),
                                     [](const plat::MenuItem& item) { return item.id == plat::kIdFileSaveAs; });
    items.insert(saveAs == items.end() ? items.end() : saveAs + 1,
                 plat::menuItem(kCmdSaveAsLibraryPart, "Save Drawing As &Library Part..."));
}

void AddCopyLibraryPartsItem(plat::MenuItem& utilitiesMenu)
{
    utilitiesMenu.items.push_back(plat::menuItem(kCmdCopyLibraryParts, "&Copy Library Parts..."));
}

}  // namespace scm
