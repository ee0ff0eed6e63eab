// The part editor's keys: each key its menus name runs that item, and it moves the keyboard
// cursor by the same keys as the drawing window.
#include "platform/core/test_ui_host.h"
#include "resources/schemora/part_editor_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "support/editor_key_checks.h"

#include <gtest/gtest.h>

namespace {

TEST(SchemoraEditorKeys, PartEditorKeysRunTheItemsItsMenusName)
{
    plat::TestUiHost host;
    registerSchemoraResources();
    quill_test::ExpectMenuKeysRunTheirItems(scm::kIdrPartEditorMenu, scm::kIdrPartEditorMenu, {});
}

TEST(SchemoraEditorKeys, PartEditorMovesTheCursorAsTheDrawingWindowDoes)
{
    plat::TestUiHost host;
    registerSchemoraResources();
    quill_test::ExpectSameCursorKeys(scm::kIdrMainFrame, scm::kIdrPartEditorMenu);
}

}  // namespace
