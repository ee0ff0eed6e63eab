#include "platform/system/registry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/test_ui_host.h"
#include "platform/system/app_profile.h"
#include "platform/system/files.h"
#include "support/full_disk.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

namespace {

constexpr const char* kSettings = "HKEY_CURRENT_USER\\Software\\Quillmere\\Tracelyn\\Settings";

TEST(Registry, TwoStoresOverOneFileSeeEachOthersValues)
{
    quill_test::TempFolder folder;
    const std::string file = folder.file("sub/registry");   // the folder is created on write
    plat::Registry tracelyn(file);
    plat::Registry schemora(file);

    EXPECT_FALSE(schemora.queryString(kSettings, "library_path"));
    ASSERT_TRUE(tracelyn.setString(kSettings, "library_path", "/opt/q/PACKAGES"));
    EXPECT_EQ(schemora.queryString("hkey_current_user\\SOFTWARE\\quillmere\\TRACELYN\\settings",
                                   "LIBRARY_PATH"),
              "/opt/q/PACKAGES");

    // A change by the other store is seen, and neither store loses the other's values.
    ASSERT_TRUE(schemora.setDword(kSettings, "count", 4));
    ASSERT_TRUE(tracelyn.setString(kSettings, "library_path", "/srv/PACKAGES"));
    EXPECT_EQ(schemora.queryString(kSettings, "library_path"), "/srv/PACKAGES");
    EXPECT_EQ(tracelyn.queryDword(kSettings, "Count"), 4u);

    // Wrong type reads as missing; the last write of a name wins whatever its type.
    EXPECT_FALSE(tracelyn.queryString(kSettings, "count"));
    ASSERT_TRUE(tracelyn.setString(kSettings, "COUNT", "four"));
    EXPECT_EQ(plat::Registry(file).queryString(kSettings, "count"), "four");
}

TEST(Registry, KeysDefaultValuesAndDeletion)
{
    quill_test::TempFolder folder;
    plat::Registry store(folder.file("registry"));

    auto pic = plat::RegistryKey::create(store, "HKEY_CLASSES_ROOT\\.pic");
    ASSERT_TRUE(pic);
    EXPECT_FALSE(pic->queryString());
    ASSERT_TRUE(pic->setString("", "piccmd"));
    auto command = plat::RegistryKey::create(store, "HKEY_CLASSES_ROOT\\piccmd\\Shell\\load\\command");
    ASSERT_TRUE(command && command->setString({}, "/opt/q/schemora %1"));

    EXPECT_EQ(plat::RegistryKey::open(store, "hkey_classes_root\\.PIC")->queryString(), "piccmd");
    EXPECT_TRUE(plat::RegistryKey::open(store, "HKEY_CLASSES_ROOT\\piccmd\\Shell"));   // parents exist
    EXPECT_FALSE(plat::RegistryKey::open(store, "HKEY_CLASSES_ROOT\\tlzcmd"));
    EXPECT_TRUE(plat::RegistryKey::open(store, "HKEY_CURRENT_USER"));                 // roots always

    // Deleting a key takes its subkeys; a handle to a deleted key cannot set values any more.
    EXPECT_TRUE(store.deleteKey("HKEY_CLASSES_ROOT\\PICCMD\\shell"));
    EXPECT_FALSE(store.keyExists("HKEY_CLASSES_ROOT\\piccmd\\Shell\\load\\command"));
    EXPECT_TRUE(store.keyExists("HKEY_CLASSES_ROOT\\piccmd"));
    EXPECT_FALSE(command->setString({}, "again"));
    EXPECT_FALSE(store.deleteKey("HKEY_CLASSES_ROOT\\piccmd\\Shell"));

    EXPECT_TRUE(pic->deleteValue(""));
    EXPECT_FALSE(pic->deleteValue(""));
    EXPECT_FALSE(plat::Registry(store.filePath()).queryString("HKEY_CLASSES_ROOT\\.pic", ""));
}

TEST(Registry, AwkwardNamesAndValuesSurviveTheFile)
{
    quill_test::TempFolder folder;
    const std::string file = folder.file("registry");
    const std::string key = "HKEY_CURRENT_USER\\Software\\[odd]=key%";
    const std::string value = "line one\nline two\r\t%41 end=";
    ASSERT_TRUE(plat::Registry(file).setString(key, "a=b[c]", value));
    ASSERT_TRUE(plat::Registry(file).setDword(key, "max", 0xFFFFFFFFu));
    plat::Registry reread(file);
    EXPECT_EQ(reread.queryString(key, "A=B[C]"), value);
    EXPECT_EQ(reread.queryDword(key, "max"), 0xFFFFFFFFu);
}

// A store on a full disk keeps its file and says so once, by the file's name and the reason,
// however many values the program goes on to write; a write that works again ends the silence.
TEST(Registry, AStoreOnAFullDiskKeepsItsFileAndSaysSoOnce)
{
    plat::TestUiHost host;
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        plat::Registry store(disk.file("registry"));
        ASSERT_TRUE(store.setString(kSettings, "library_path", "/opt/q/PACKAGES"));
        const std::vector<unsigned char> before = disk.read("registry");
        disk.fill();
        host.clearEvents();
        EXPECT_FALSE(store.setDword(kSettings, "units", 1));
        EXPECT_FALSE(store.setDword(kSettings, "grid", 25));
        EXPECT_FALSE(store.setString(kSettings, "library_path", "/srv/PACKAGES"));
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("registry") + ": No space left on device"});
        EXPECT_EQ(store.queryString(kSettings, "library_path"), "/opt/q/PACKAGES");
        EXPECT_EQ(disk.read("registry"), before);
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"registry", "registry.lock"}));
    });
}

// A store named after a pipe reads as empty without waiting for a writer; one named after a
// folder reads as empty too, and a write over it says why once and leaves the folder alone.
TEST(Registry, AStoreThatIsAPipeOrAFolderReadsAsEmptyAtOnce)
{
    plat::TestUiHost host;
    quill_test::TempFolder folder;
    const auto nonFiles = quill_test::placeNonFiles(folder.path() / "pipe", folder.path() / "registry");
    std::filesystem::create_directory(folder.path() / "registry" / "kept");
    for (const quill_test::NonFile& f : nonFiles) {
        SCOPED_TRACE(f.kind);
        plat::Registry store(f.path.string());
        quill_test::withoutWaiting({f}, [&] {
            EXPECT_FALSE(store.queryString(kSettings, "library_path"));
            EXPECT_FALSE(store.queryDword(kSettings, "units"));
        });
    }
    host.clearEvents();
    plat::Registry store(nonFiles[1].path.string());
    EXPECT_FALSE(store.setDword(kSettings, "units", 1));
    EXPECT_FALSE(store.setDword(kSettings, "grid", 25));
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes()[0].rfind("Cannot write " + nonFiles[1].path.string() + ": ", 0), 0u)
        << host.messageBoxes()[0];
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "registry" / "kept"));
}

TEST(AppProfile, MapsSectionsToTheProgramsRegistryKey)
{
    quill_test::TempFolder folder;
    plat::setConfigFolder(folder.path().string());
    EXPECT_EQ(plat::GetProfileString("Quillmere", "Schemora", "Settings", "library_path", "none"), "none");
    ASSERT_TRUE(plat::WriteProfileString("Quillmere", "Schemora", "Settings", "library_path", "/q/LIB"));
    ASSERT_TRUE(plat::WriteProfileInt("Quillmere", "Schemora", "Recent File List", "count", -2));
    EXPECT_EQ(plat::Registry(folder.file("registry"))
                  .queryString("HKEY_CURRENT_USER\\Software\\Quillmere\\Schemora\\Settings", "library_path"),
              "/q/LIB");
    EXPECT_EQ(plat::GetProfileInt("Quillmere", "Schemora", "Recent File List", "count", 0), -2);
    EXPECT_EQ(plat::GetProfileInt("Quillmere", "Schemora", "Settings", "library_path", 7), 7);

    ASSERT_TRUE(plat::WriteProfileString("Quillmere", "Schemora", "Settings", "library_path", nullptr));
    EXPECT_EQ(plat::GetProfileString("Quillmere", "Schemora", "Settings", "library_path", "gone"), "gone");
    ASSERT_TRUE(plat::WriteProfileString("Quillmere", "Schemora", "Recent File List", nullptr, nullptr));
    EXPECT_EQ(plat::GetProfileInt("Quillmere", "Schemora", "Recent File List", "count", 9), 9);
    plat::setConfigFolder({});
}

}  // namespace
