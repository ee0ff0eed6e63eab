// The ".tlz" association written into the registry store.
#include "tracelyn/core/file_association.h"

#include "platform/system/files.h"
#include "platform/system/registry.h"
#include "support/temp_folder.h"
#include "tracelyn/core/board_settings.h"

#include <gtest/gtest.h>

namespace {

class TlzAssociation : public ::testing::Test {
protected:
    void SetUp() override
    {
        plat::setConfigFolder(config.path().string());
        saved = g_boardFolders;
        g_boardFolders.libraryFolder = "/opt/quill/PACKAGES/";
    }
    void TearDown() override
    {
        plat::setConfigFolder("");
        g_boardFolders = saved;
    }
    static std::optional<std::string> value(const std::string& key)
    {
        return plat::Registry::shared().queryString("HKEY_CLASSES_ROOT\\" + key, "");
    }

    quill_test::TempFolder config;
    BoardFolders saved;
};

TEST_F(TlzAssociation, FirstAndLaterStartsUseTheTlzcmdClass)
{
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        RegisterTlzFileType();
        EXPECT_EQ(value(".tlz"), "tlzcmd");
        EXPECT_EQ(value("tlzcmd\\Shell\\load\\command"), "/opt/quill/tracelyn %1");
    }
}

TEST_F(TlzAssociation, CommandGoesUnderTheClassRegisteredBefore)
{
    ASSERT_TRUE(plat::Registry::shared().setString("HKEY_CLASSES_ROOT\\.tlz", "", "Tracelyn.Document"));
    RegisterTlzFileType();
    EXPECT_EQ(value(".tlz"), "tlzcmd");
    EXPECT_EQ(value("Tracelyn.Document\\Shell\\load\\command"), "/opt/quill/tracelyn %1");
}

TEST(TlzLoadCommandText, CutsTheLibraryFolderAtPackages)
{
    EXPECT_EQ(TlzLoadCommand("/home/u/Quill/PACKAGES/"), "/home/u/Quill/tracelyn %1");
    EXPECT_EQ(TlzLoadCommand("/home/u/Quill/packages"), "/home/u/Quill/tracelyn %1");
    EXPECT_EQ(TlzLoadCommand("/home/u/boards/"), "/home/u/boards/tracelyn %1") << "no PACKAGES folder";
    // The program sits beside its own PACKAGES folder, whatever folders above it are called.
    EXPECT_EQ(TlzLoadCommand("/home/packages/quill/PACKAGES/"), "/home/packages/quill/tracelyn %1");
    EXPECT_EQ(TlzLoadCommand("/PACKAGES"), "/tracelyn %1");
}

}  // namespace
