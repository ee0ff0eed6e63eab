#pragma once
// The board program run headless in a temporary program folder: the program-wide state reset,
// the registry store of the run beside the folder, an optional "Tracelyn.ini", and the shipped
// packages and example board copied in for the tests that work on them.

#include "support/default_stores.h"
#include "support/program_fixture.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/tracelyn_app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

class ProgramFolderTest : public quill_test::ProgramTest<CTracelynApp> {
protected:
    ProgramFolderTest() : ProgramTest("Tracelyn.ini", "Tracelyn") {}

    void SetUp() override
    {
        registerTracelynResources();
        ProgramTest::SetUp();
        quill_test::resetToDefaults(g_boardSettings, g_boardFolders, g_edit, g_openDocuments, g_board, g_active);
    }

    // Copies the built program's PACKAGES and examples folders in; false when the build has not
    // laid them out.
    bool copyShippedFolders()
    {
        const char* shipped = std::getenv("QUILL_PROGRAM_DIR");
        const std::filesystem::path program = shipped ? shipped : "";
        if (!std::filesystem::exists(program / "examples" / "rc_filter.tlz"))
            return false;
        for (const char* sub : {"PACKAGES", "examples"})
            std::filesystem::copy(program / sub, folder.path() / sub, std::filesystem::copy_options::recursive);
        return true;
    }
};
