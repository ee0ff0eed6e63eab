#pragma once
// Process-wide state around the settings and library tests: a temporary program folder with
// LIB/, the current folder and the registry pointed into it, and the symbol tables cleared.

#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/part_library.h"
#include "schemora/core/settings.h"
#include "schemora/core/symbol_elements.h"
#include "support/default_stores.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <string>

namespace schemora_test {

inline void ResetLibraryState()
{
    g_symbolElements.truncate(0);
    quill_test::resetToDefaults(g_partSymbols, g_current, g_settings, g_colorRoles, g_folders);
}

struct LibraryFixtureState {
    plat::TestUiHost host;
    quill_test::TempFolder temp;
    std::string previousFolder = plat::currentFolder();

    LibraryFixtureState()
    {
        ResetLibraryState();
        std::filesystem::create_directories(temp.path() / "LIB");
        std::filesystem::create_directories(temp.path() / "config");
        plat::setConfigFolder((temp.path() / "config").string());
        plat::setCurrentFolder(temp.path().string());
        g_folders.libraryFolder = (temp.path() / "LIB").string() + "/";
        // The title block belongs to the document tests; these start as if it were read.
        g_titleBlock.loaded = true;
    }
    ~LibraryFixtureState()
    {
        ResetLibraryState();
        g_titleBlock.loaded = false;
        plat::setCurrentFolder(previousFolder);
        plat::setConfigFolder("");
    }
    std::string lib(const std::string& name) const { return temp.file("LIB/" + name); }
};

}  // namespace schemora_test
