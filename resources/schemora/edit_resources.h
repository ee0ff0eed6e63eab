#pragma once
// Schemora's resources for drawing and editing: the Edit and Insert menus, their keys, tool
// tips and the Insert and Modify toolbars.

#include "common/library_store_dialogs.h"
#include "platform/app/resources.h"
#include "platform/app/string_table.h"

#include <span>
#include <utility>
#include <vector>

namespace scm {

plat::MenuItem EditMenu();
plat::MenuItem InsertMenu();
std::vector<plat::Accelerator> EditAccelerators();
std::span<const plat::StringEntry> EditStrings();
// Insert toolbar (242) and Modify toolbar (244).
std::vector<unsigned> InsertToolBarButtons();
// "Save Library Part" (164) and "Copy/Move Library Parts" (163), and their menu items.
quill::LibraryStoreIds SaveLibraryPartIds();
quill::LibraryStoreIds CopyLibraryPartsIds();
plat::DialogTemplate SaveLibraryPartDialog();
plat::DialogTemplate CopyLibraryPartsDialog();
void AddSaveAsLibraryPartItem(plat::MenuItem& fileMenu);
void AddCopyLibraryPartsItem(plat::MenuItem& utilitiesMenu);

}  // namespace scm
