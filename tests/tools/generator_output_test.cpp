// The build-time generators write the files shipped beside the programs through one routine.
#include "tools/generator_output.h"
#include "support/full_disk.h"

#include <gtest/gtest.h>

namespace {

// A shipped file that cannot be written keeps the one from the last build, and the build's
// log names it and the reason.
TEST(GeneratorOutput, OnAFullDiskTheShippedFileOfTheLastBuildStays)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("SEMICON.MOD", "older models\n");
        disk.fill();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(writeGeneratedFile("make_spice_models", disk.file("SEMICON.MOD"), std::string_view(".MODEL D1 D\n")));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "make_spice_models: Cannot write " + disk.file("SEMICON.MOD") + ": No space left on device\n");
        EXPECT_EQ(disk.readText("SEMICON.MOD"), "older models\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"SEMICON.MOD"});
    });
}

}  // namespace
