// The drawings the build writes into the program folder read back as intended.
#include "drawing_test_support.h"

#include "platform/core/test_ui_host.h"

#include <cstdlib>
#include <filesystem>
#include "schemora/core/app_state.h"

#include <gtest/gtest.h>
#include <set>

using namespace schemora_test;

namespace {

std::string programFile(const char* name)
{
    const char* dir = std::getenv("QUILL_PROGRAM_DIR");
    return dir ? (std::filesystem::path(dir) / name).string() : std::string();
}

std::set<std::string> textsOf(TestDrawing& d)
{
    std::set<std::string> texts;
    for (int i = 1; i <= d.count; ++i)
        if (d.doc.objects[i].type() == kObjText && d.doc.objects[i].text)
            texts.insert(d.doc.objects[i].text);
    return texts;
}

}  // namespace

TEST(ShippedDrawings, TitleBlockAndExample)
{
    const std::string titlePath = programFile("Title.PIC");
    const std::string examplePath = programFile("examples/rc_filter.pic");
    if (titlePath.empty() || !std::filesystem::exists(titlePath) || !std::filesystem::exists(examplePath))
        GTEST_SKIP() << "the program folder has not been laid out";
    CleanState clean;
    plat::TestUiHost host;

    auto title = plat::Archive::loadFile(titlePath);
    ASSERT_TRUE(title);
    TestDrawing block;
    ASSERT_GT(block.read(title->bytes(), 0, titlePath), 0);
    const std::set<std::string> fields = {"Title", "Document Number", "Rev", "Size", "Date", "Sheet"};
    EXPECT_EQ(textsOf(block), fields);

    // The example's parts come from the starter library shipped beside it.
    g_folders.libraryFolder = programFile("LIB/");
    auto example = plat::Archive::loadFile(examplePath);
    ASSERT_TRUE(example);
    TestDrawing rc;
    ASSERT_GT(rc.read(example->bytes(), 0, examplePath), 0);
    std::set<std::string> parts;
    int dots = 0;
    for (int i = 1; i <= rc.count; ++i) {
        const DrawObject& object = rc.doc.objects[i];
        dots += object.type() == kObjDot;
        if (object.isPart())
            parts.insert(object.text);
    }
    EXPECT_EQ(parts, (std::set<std::string>{"J:CONN\\CONN2", "R:DEVICE\\10K", "C:DEVICE\\100N", "DEVICE\\GND"}));
    EXPECT_EQ(dots, 2);
    EXPECT_TRUE(host.messageBoxes().empty());
}
