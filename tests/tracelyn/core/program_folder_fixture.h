#pragma once
// The board program run headless in a temporary program folder: the program-wide state reset,
// the registry store of the run beside the folder, an optional "Tracelyn.ini", and the shipped
// packages and example board copied in for the tests that work on them.

#include "platform/app/program.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "support/temp_folder.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/tracelyn_app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerTracelynResources();
        plat::setConfigFolder(config.path().string());
        g_boardSettings = BoardSettings{};
        g_boardFolders = BoardFolders{};
        g_edit = BoardEditState{};
        g_openDocuments = OpenDocumentTable{};
        g_board = CurrentBoard{};
        g_active = ActiveDocument{};
    }
    void TearDown() override { plat::setConfigFolder(""); }

    void writeIni(std::string_view body) { folder.write("Tracelyn.ini", "[Tracelyn]\n" + std::string(body)); }

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

    plat::AppHarness start(std::vector<std::string> args = {})
    {
        return plat::AppHarness([] { return std::make_unique<CTracelynApp>(); }, std::move(args),
                                folder.path().string());
    }

    quill_test::TempFolder folder;
    quill_test::TempFolder config;
    plat::TestUiHost host;
};
