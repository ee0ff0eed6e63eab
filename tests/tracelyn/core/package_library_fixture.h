#pragma once
// A new board over a package library folder of the test's own: the board settings name the
// folder while the test runs and no package is chosen yet; both are forgotten afterwards.

#include "tracelyn/core/board_fixture.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "support/temp_folder.h"

namespace package_test {

class LibraryFolderTest : public board_test::BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        g_boardFolders.libraryFolder = folder.path().string() + "/";
        g_packageChoice = {};
    }
    void TearDown() override
    {
        g_packageChoice = {};
        g_boardFolders = BoardFolders{};
        BoardTest::TearDown();
    }

    quill_test::TempFolder folder;
};

}  // namespace package_test
