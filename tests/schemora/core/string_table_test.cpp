// Every string the program's code loads by id is in its string table: a missing one would
// show an empty message box or status text.
#include "platform/app/resources.h"
#include "platform/core/test_ui_host.h"
#include "resources/schemora/schemora_ids.h"
#include "support/string_ids.h"

#include <gtest/gtest.h>

namespace {

TEST(SchemoraStringTable, EveryIdTheCodeLoadsIsThere)
{
    plat::TestUiHost host;
    registerSchemoraResources();
    quill_test::expectEveryDeclaredStringLoads({"schemora", "resources/schemora", "common"});
}

}  // namespace
