#pragma once
// Dialog templates of the board program's package library dialogs (save, copy) and of the
// placed part's Edit Part, Change Package Type and New Designator Type.

#include "common/library_store_dialogs.h"
#include "platform/app/resources.h"

#include <vector>

std::vector<plat::DialogTemplate> LibraryDialogTemplates();
// The controls and typed-name limits of Save Library Part and Copy Library Parts.
quill::LibraryStoreIds SaveLibraryPartIds();
quill::LibraryStoreIds CopyLibraryPartIds();
