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

// Both editors open, save and print with the same Ctrl keys.
TEST(StandardMenus, FileKeysAreTheCtrlLetters)
{
    const std::vector<plat::Accelerator> keys = StandardFileKeys();
    ASSERT_EQ(keys.size(), 4u);
    const std::pair<char, unsigned> expected[] = {
        {'N', plat::kIdFileNew}, {'O', plat::kIdFileOpen}, {'S', plat::kIdFileSave}, {'P', plat::kIdFilePrint}};
    for (size_t i = 0; i < keys.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(keys[i].flags, plat::kFVirtKey | plat::kFControl);
        EXPECT_EQ(keys[i].key, expected[i].first);
        EXPECT_EQ(keys[i].command, expected[i].second);
    }
}

}  // namespace
