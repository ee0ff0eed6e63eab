// The package editor's keys: each key its menus name runs that item (PgUp and PgDn zoom about
// the cursor, and Mirror has no key here), and it moves the keyboard cursor by the same keys as
// the board window.
#include "platform/core/test_ui_host.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/editor_key_checks.h"

#include <gtest/gtest.h>

namespace {

TEST(TracelynEditorKeys, PackageEditorKeysRunTheItemsItsMenusName)
{
    plat::TestUiHost host;
    registerTracelynResources();
    quill_test::ExpectMenuKeysRunTheirItems(tly::kIdrPackageEditor, tly::kIdrPackageEditor, {"PgUp", "PgDn"});
}

TEST(TracelynEditorKeys, PackageEditorMovesTheCursorAsTheBoardWindowDoes)
{
    plat::TestUiHost host;
    registerTracelynResources();
    quill_test::ExpectSameCursorKeys(tly::kIdrMainFrame, tly::kIdrPackageEditor);
}

}  // namespace
