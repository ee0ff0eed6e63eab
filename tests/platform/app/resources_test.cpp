#include "platform/app/command_ids.h"
#include "platform/app/resources.h"
#include "platform/core/test_ui_host.h"

#include <gtest/gtest.h>

namespace {

TEST(Resources, ProgramStringsLieOverTheFrameworksOwn)
{
    plat::ResourceSet set;
    set.name = "Tracelyn";
    set.strings = {{52, "Zoom in (magnify) (PgUp)\nZoom in (PgUp)"}, {221, "Re-draw screen"},
                   {plat::kIdsIdleMessage, "Bereit"}, {4076, "Can't open file: %1"}};
    plat::registerResources(std::move(set));

    EXPECT_EQ(plat::LoadString(plat::kIdsIdleMessage), "Bereit");
    EXPECT_EQ(plat::LoadString(plat::kIdpAskToSave), "Save changes to %1?");
    EXPECT_EQ(plat::LoadString(plat::kIdsAppTitle), "Tracelyn");
    std::string text = "unchanged";
    EXPECT_FALSE(plat::LoadString(77, text));
    EXPECT_EQ(plat::LoadString(77), "");

    EXPECT_EQ(plat::commandPrompt(52), "Zoom in (magnify) (PgUp)");
    EXPECT_EQ(plat::commandTooltip(52), "Zoom in (PgUp)");
    EXPECT_EQ(plat::commandPrompt(221), "Re-draw screen");
    EXPECT_EQ(plat::commandTooltip(221), "");

    EXPECT_EQ(plat::FormatString1(4076, "/tmp/x.cat"), "Can't open file: /tmp/x.cat");
    EXPECT_EQ(plat::FormatString1("%1 and %1, 100%", "a"), "a and a, 100%");

    plat::TestUiHost host;
    plat::MessageBoxId(4076);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't open file: %1"});
}

}  // namespace
