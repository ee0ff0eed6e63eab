#include "common/standard_menus.h"

#include "platform/app/command_ids.h"

#include <gtest/gtest.h>

namespace {

// Each program's File prompts name its own document; the tooltip after the line break is the
// command's name alone.
TEST(StandardMenus, FilePromptsNameTheProgramsDocument)
{
    for (const char* document : {"drawing", "board"}) {
        SCOPED_TRACE(document);
        std::map<unsigned, std::string> strings{{plat::kIdFileNew, "replaced"}};
        AddStandardFilePrompts(strings, document);
        EXPECT_EQ(strings.size(), 3u);
        EXPECT_EQ(strings[plat::kIdFileNew], std::string("Create a new ") + document + "\nNew");
        EXPECT_EQ(strings[plat::kIdFileOpen], std::string("Open an existing ") + document + "\nOpen");
        EXPECT_EQ(strings[plat::kIdFileSave], std::string("Save the active ") + document + "\nSave");
    }
}

}  // namespace
