#include "setlander/installer.h"

#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "resources/setlander/setlander_ids.h"
#include "setlander/install_dialogs.h"
#include "setlander/install_info.h"
#include "setlander/setlander_app.h"
#include "setlander/unzip.h"
#include "support/full_disk.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include "platform/app/wnd_state.h"

#include <QImage>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <zip.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using quill_test::TempFolder;

std::string fileText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Per-user desktop folders of the run, so nothing reaches the real ones.
class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerSetlanderResources();
        saved_ = plat::currentFolder();
        ::setenv("XDG_DATA_HOME", home_.file("data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", home_.file("config").c_str(), 1);
        oldHome_ = std::getenv("HOME") ? std::getenv("HOME") : "";
        ::setenv("HOME", home_.path().c_str(), 1);
    }
    void TearDown() override
    {
        plat::setCurrentFolder(saved_);
        ::setenv("HOME", oldHome_.c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
    }

    // Answers the three opening dialogs as a person who agrees and installs into folder.
    void answerOpeningDialogs(const std::string& folder)
    {
        host_.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        host_.answerDialog([](plat::Dialog& d) {
            EXPECT_FALSE(d.GetDlgItem(plat::kIdOk)->IsWindowEnabled()) << "Next waits for Agree";
            EXPECT_NE(d.GetDlgItemText(stl::kIdcAgreementText), "");
            d.PressButton(stl::kIdcAgree);
            return d.PressButton(plat::kIdOk);
        });
        host_.answerDialog([folder](plat::Dialog& d) {
            d.TypeDlgItemText(stl::kIdcInstallFolder, folder);
            return d.PressButton(plat::kIdOk);
        });
    }

    // The installer runs in its media folder, where it reads "Agree.txt".
    bool install(const std::string& media)
    {
        plat::setCurrentFolder(media);
        try {
            return RunInstall(media);
        } catch (const plat::ProcessExit& e) {
            exitCode_ = e.code;
            return false;
        }
    }

    plat::TestUiHost host_;
    TempFolder home_;
    std::string saved_, oldHome_;
    int exitCode_ = -1;
};

// Starts a program and waits for it (at most a minute); its exit status, or -1.
int runProgram(const std::string& program, const std::vector<std::string>& args, const std::vector<std::string>& env)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return -1;
    for (int i = 0; i < 600; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

TEST_F(InstallerTest, InstallsTheSuiteFromTheBuiltMediaAndTheInstalledProgramRuns)
{
    const fs::path media = QUILL_MEDIA_DIR;
    ASSERT_TRUE(fs::exists(media / "INSTALL.INF")) << media;
    const std::string target = (home_.path() / "apps" / "Quill").string();
    answerOpeningDialogs(target);
    host_.answerMessageBox(plat::kIdYes);   // "Add Icons to Start Menu?"
    ASSERT_TRUE(install(media.string()));
    EXPECT_TRUE(host_.shown("message box: Installation complete!"));
    EXPECT_NE(g_installInfo.appName.find("Schemora"), std::string::npos);

    // Every plain file of the media is in place, byte for byte; the archives are unpacked
    // into lib and packages and are not kept.
    int plain = 0;
    for (const auto& f : g_installInfo.files) {
        const auto dir = std::find_if(g_installInfo.dirs.begin(), g_installInfo.dirs.end(),
                                      [&](const InstallDirEntry& d) { return d.number == f.folderNumber; });
        ASSERT_NE(dir, g_installInfo.dirs.end()) << f.fileName;
        const fs::path installed = fs::path(target) / dir->path / f.fileName;
        if (f.archive) {
            EXPECT_FALSE(fs::exists(installed)) << f.fileName;
            continue;
        }
        ++plain;
        EXPECT_EQ(fileText(installed), fileText(media / dir->path / f.fileName)) << f.fileName;
    }
    EXPECT_GT(plain, 5);
    const fs::path program = plat::programFolder();
    for (const auto& [from, to] : {std::pair{"LIB", "lib"}, std::pair{"PACKAGES", "packages"}}) {
        for (const auto& e : fs::recursive_directory_iterator(program / from)) {
            if (!e.is_regular_file())
                continue;
            EXPECT_EQ(fileText(fs::path(target) / to / fs::relative(e.path(), program / from)), fileText(e.path()))
                << e.path();
        }
    }

    const fs::path entry = home_.path() / "data" / "applications" / "Quillmere" / "Schemora.desktop";
    const std::string desktop = fileText(entry);
    EXPECT_NE(desktop.find("Exec=" + target + "/schemora"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("Path=" + target + "\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("Icon=" + target + "/schemora.svg"), std::string::npos) << desktop;
    EXPECT_TRUE(fs::exists(home_.path() / "data" / "applications" / "Quillmere" / "Tracelyn.desktop"));
    EXPECT_TRUE(fs::exists(home_.path() / "data" / "mime" / "packages" / "text-x-schemora-library.xml"));

    // The installed program starts from its folder and prints its example.
    const fs::path example = fs::path(target) / "examples" / "rc_filter.pic";
    ASSERT_TRUE(fs::exists(example));
    const int code = runProgram((fs::path(target) / "schemora").string(), {"/p", example.string()},
                                {"QT_QPA_PLATFORM=offscreen", "HOME=" + home_.path().string(),
                                 "QUILL_CONFIG_HOME=" + home_.file("config"), "PATH=/usr/bin:/bin",
                                 "ASAN_OPTIONS=detect_leaks=0"});
    EXPECT_EQ(code, 0);
    bool pdf = false;
    for (const auto& e : fs::directory_iterator(fs::path(target) / "examples"))
        pdf = pdf || e.path().extension() == ".pdf";
    EXPECT_TRUE(pdf) << "the printout of the example";

    // The installed build utility makes the part of the example pin description beside it.
    const fs::path pins = fs::path(target) / "lib" / "MYPARTS.LIB";
    ASSERT_TRUE(fs::exists(pins));
    EXPECT_EQ(runProgram((fs::path(target) / "build").string(), {pins.string()},
                         {"HOME=" + home_.path().string(), "PATH=/usr/bin:/bin", "ASAN_OPTIONS=detect_leaks=0"}),
              0);
    EXPECT_TRUE(fs::exists(fs::path(target) / "lib" / "MYPARTS.CON"));
}

TEST_F(InstallerTest, LeavingAnOpeningDialogEndsWithCodeOneBeforeAnythingIsWritten)
{
    const std::string target = home_.file("never");
    for (int leave = 0; leave < 3; ++leave) {
        SCOPED_TRACE(leave);
        plat::TestUiHost round;   // a script of its own for each round
        exitCode_ = -1;
        for (int i = 0; i <= leave; ++i)
            round.answerDialog([i, leave, target](plat::Dialog& d) {
                if (i == leave)
                    return d.PressButton(plat::kIdCancel);
                if (i == 1)
                    d.PressButton(stl::kIdcAgree);
                return d.PressButton(plat::kIdOk);
            });
        EXPECT_FALSE(install(QUILL_MEDIA_DIR));
        EXPECT_EQ(exitCode_, 1);
        EXPECT_TRUE(round.shown("exit 1"));
        EXPECT_FALSE(fs::exists(target));
    }
}

TEST_F(InstallerTest, AFolderLongerThanTheInstallerKeepsIsRefusedInTheDialog)
{
    const std::string longFolder = "/" + std::string(kMaxInstallFolder, 'x');
    host_.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    host_.answerDialog([](plat::Dialog& d) {
        d.PressButton(stl::kIdcAgree);
        return d.PressButton(plat::kIdOk);
    });
    host_.answerDialog([&](plat::Dialog& d) {
        d.TypeDlgItemText(stl::kIdcInstallFolder, longFolder);
        EXPECT_EQ(d.PressButton(plat::kIdOk), -1) << "the dialog stays open";
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_FALSE(install(QUILL_MEDIA_DIR));
    EXPECT_EQ(exitCode_, 1);
    ASSERT_FALSE(host_.messageBoxes().empty());
    EXPECT_NE(host_.messageBoxes()[0].find("too long"), std::string::npos);
}

void writeZip(const fs::path& path, const std::vector<std::pair<std::string, std::string>>& entries)
{
    int error = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(z, nullptr);
    for (const auto& [name, body] : entries) {
        zip_source_t* s = zip_source_buffer(z, body.data(), body.size(), 0);
        ASSERT_GE(zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_UTF_8), 0) << name;
    }
    ASSERT_EQ(zip_close(z), 0);
}

TEST_F(InstallerTest, HostileMediaIsRefusedFileByFileWithAClearMessage)
{
    TempFolder media;
    media.write("Agree.txt", "terms");
    media.write("INSTALL.INF",
                "[Application]\nAppName=Test Schemora\nDefDir=/tmp/x\nSpaceNeeded=1\nDefPMGroup=G,G\n"
                "[Dirs]\n1=\n2=docs\n[Files]\nReadme,readme.txt,2,1,N\nNo folder,lost.txt,9,1,N\n"
                "Evil,EVILLIB.ZIP,1,1,Y\nGood,LIBRARY.ZIP,1,1,Y\nBlocked,blocked.txt,1,1,N\nMissing,gone.txt,1,1,N\n");
    fs::create_directories(media.path() / "docs");
    media.write("docs/readme.txt", "hello");
    media.write("lost.txt", "x");
    media.write("blocked.txt", "x");
    writeZip(media.path() / "EVILLIB.ZIP", {{"ok.txt", "fine"}, {"../escaped.txt", "bad"}});
    writeZip(media.path() / "LIBRARY.ZIP", {{"DEVICE.CON", "parts"}, {"sub/more.txt", "more"}});
    const std::string target = home_.file("inst");
    fs::create_directories(fs::path(target) / "blocked.txt");   // the destination cannot be a file
    answerOpeningDialogs(target);
    host_.answerMessageBox(plat::kIdOk);       // "gives no folder"
    host_.answerMessageBox(plat::kIdOk);       // damaged archive
    host_.answerMessageBox(plat::kIdOk);       // "Can't open destination": try again once
    host_.answerMessageBox(plat::kIdCancel);   // then give up
    EXPECT_FALSE(install(media.path().string()));

    const auto boxes = host_.messageBoxes();
    auto has = [&](std::string_view part) {
        return std::any_of(boxes.begin(), boxes.end(), [&](const std::string& b) { return b.find(part) != b.npos; });
    };
    EXPECT_TRUE(has("gives no folder for lost.txt"));
    EXPECT_TRUE(has("damaged"));
    const std::string cannotOpen =
        "Can't open destination " + (fs::path(target) / "blocked.txt").string() + ": Is a directory";
    EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(), [&](const std::string& b) { return b == cannotOpen; }), 2)
        << "the message names the file and the system's reason";
    EXPECT_FALSE(has("Insert disk #2")) << "the run ended at the cancelled file";
    EXPECT_TRUE(host_.shown("message box: Installation not complete!"));
    EXPECT_EQ(fileText(fs::path(target) / "docs" / "readme.txt"), "hello");
    EXPECT_FALSE(fs::exists(fs::path(target) / "lost.txt"));
    EXPECT_FALSE(fs::exists(home_.path() / "escaped.txt"));
    EXPECT_FALSE(fs::exists(fs::path(target) / "lib" / "ok.txt")) << "a damaged archive writes nothing";
    EXPECT_EQ(fileText(fs::path(target) / "lib" / "sub" / "more.txt"), "more");
    EXPECT_FALSE(fs::exists(fs::path(target) / "LIBRARY.ZIP"));
}

TEST_F(InstallerTest, AFileListThatDoesNotFitInstallsNothing)
{
    TempFolder media;
    media.write("Agree.txt", "terms");
    std::string inf = "[Application]\nAppName=Big\nDefDir=/tmp/x\n[Dirs]\n1=\n[Files]\n";
    for (size_t i = 0; i <= kMaxFiles; ++i) {
        inf += "F,f" + std::to_string(i) + ".txt,1,1,N\n";
        media.write("f" + std::to_string(i) + ".txt", "x");
    }
    media.write("INSTALL.INF", inf);
    host_.answerMessageBox(plat::kIdOk);
    EXPECT_FALSE(install(media.path().string()));
    ASSERT_EQ(host_.messageBoxes().size(), 1u);
    EXPECT_NE(host_.messageBoxes()[0].find("[Files] has more than 200 entries"), std::string::npos);
    EXPECT_NE(host_.messageBoxes()[0].find("Nothing is installed."), std::string::npos);
    EXPECT_EQ(exitCode_, -1) << "no dialog was opened";
}

// The shipped description with a NUL byte inside its file list: nothing is installed, the
// person is told why, and the program ends with a failure code.
TEST_F(InstallerTest, ADescriptionWithANulByteInstallsNothingAndTheProgramFails)
{
    TempFolder media;
    for (const auto& e : fs::directory_iterator(QUILL_MEDIA_DIR))
        if (e.is_regular_file())
            fs::copy_file(e.path(), media.path() / e.path().filename());
    std::string inf = fileText(media.path() / "INSTALL.INF");
    const size_t files = inf.find("[Files]");
    ASSERT_NE(files, std::string::npos);
    size_t thirdLineEnd = files;
    for (int line = 0; line < 4; ++line)
        thirdLineEnd = inf.find('\r', thirdLineEnd + 1);
    ASSERT_NE(thirdLineEnd, std::string::npos);
    inf.insert(thirdLineEnd, 1, '\0');
    media.write("INSTALL.INF", inf);
    host_.answerMessageBox(plat::kIdOk);
    EXPECT_FALSE(install(media.path().string()));
    ASSERT_EQ(host_.messageBoxes().size(), 1u);
    EXPECT_EQ(host_.messageBoxes()[0].rfind("INSTALL.INF cannot be used:\nline ", 0), 0u)
        << "a refusal of the whole file is no value that did not fit: " << host_.messageBoxes()[0];
    EXPECT_NE(host_.messageBoxes()[0].find("holds a NUL byte; the file was not read"), std::string::npos)
        << host_.messageBoxes()[0];
    EXPECT_NE(host_.messageBoxes()[0].find("Nothing is installed."), std::string::npos);
    EXPECT_EQ(exitCode_, -1) << "no dialog was opened";

    CSetlanderApp app;
    EXPECT_EQ(app.ExitInstance(), 1) << "an installation that did not complete ends with a failure code";
}

// The sizes an archive declares for its files, patched to declared (in the local and the central
// headers alike), so that stored bytes run past what the archive says they are.
void declareEntrySizes(const fs::path& zipFile, uint32_t declared)
{
    std::string bytes = fileText(zipFile);
    const auto patch = [&](std::string_view signature, size_t offset) {
        for (size_t at = bytes.find(signature); at != std::string::npos; at = bytes.find(signature, at + 4))
            for (int i = 0; i < 4; ++i)
                bytes[at + offset + static_cast<size_t>(i)] = static_cast<char>((declared >> (8 * i)) & 0xFF);
    };
    patch(std::string_view("PK\x03\x04", 4), 22);
    patch(std::string_view("PK\x01\x02", 4), 24);
    std::ofstream(zipFile, std::ios::binary | std::ios::trunc) << bytes;
}

void writeStoredZip(const fs::path& path, const std::vector<std::pair<std::string, std::string>>& entries)
{
    int error = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(z, nullptr);
    for (const auto& [name, body] : entries) {
        zip_source_t* s = zip_source_buffer(z, body.data(), body.size(), 0);
        const zip_int64_t at = zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(at, 0) << name;
        ASSERT_EQ(zip_set_file_compression(z, static_cast<zip_uint64_t>(at), ZIP_CM_STORE, 0), 0);
    }
    ASSERT_EQ(zip_close(z), 0);
}

// SpaceNeeded only warns: archives larger than it unpack whole. What an archive may unpack is
// bounded by the sizes it declares and the free space.
TEST_F(InstallerTest, ArchivesUnpackWithinTheirOwnDeclaredSizesWhateverSpaceNeededSays)
{
    TempFolder media;
    media.write("Agree.txt", "terms");
    media.write("INSTALL.INF", "[Application]\nAppName=Other\nSpaceNeeded=12abc\n[Dirs]\n1=\n[Files]\n"
                               "Parts,LIBRARY.ZIP,1,1,Y\nPackages,PACKAGES.ZIP,1,1,Y\n");
    writeZip(media.path() / "LIBRARY.ZIP", {{"first.con", std::string(20000, 'a')}, {"second.con", std::string(20000, 'b')}});
    writeZip(media.path() / "PACKAGES.ZIP", {{"std.cat", std::string(30000, 'c')}});
    const std::string target = home_.file("inst");
    answerOpeningDialogs(target);
    EXPECT_TRUE(install(media.path().string())) << testing::PrintToString(host_.messageBoxes());
    EXPECT_EQ(host_.messageBoxes(), std::vector<std::string>{"Installation complete!"});
    EXPECT_EQ(fs::file_size(fs::path(target) / "lib" / "second.con"), 20000u);
    EXPECT_EQ(fs::file_size(fs::path(target) / "packages" / "std.cat"), 30000u);

    // More declared than the disk has free: refused before anything is written.
    TempFolder out;
    const std::string library = (media.path() / "LIBRARY.ZIP").string();
    const UnzipResult noRoom = UnzipArchive(library, out.file("lib"), 39999);
    EXPECT_FALSE(noRoom.ok);
    EXPECT_EQ(noRoom.problem, "There is not enough disk space to unpack " + library +
                                  ": it holds 40000 bytes and 39999 bytes are free");
    EXPECT_FALSE(fs::exists(out.path() / "lib"));
    EXPECT_TRUE(UnzipArchive(library, out.file("lib"), 40000).ok);

    // A file that unpacks to more than it declares is damage: the archive leaves nothing.
    const fs::path lying = media.path() / "LYING.ZIP";
    writeStoredZip(lying, {{"a.con", std::string(600, 'a')}, {"b.con", std::string(600, 'b')}});
    declareEntrySizes(lying, 100);
    const UnzipResult damaged = UnzipArchive(lying.string(), out.file("lying"), UINT64_MAX);
    EXPECT_FALSE(damaged.ok);
    EXPECT_NE(damaged.problem.find("The archive " + lying.string() + " is damaged"), std::string::npos) << damaged.problem;
    EXPECT_FALSE(fs::exists(out.path() / "lying" / "a.con"));
    EXPECT_FALSE(fs::exists(out.path() / "lying" / "b.con"));
}

// The installation folder and the [Dirs] folders that cannot be made are named with the
// system's reason.
TEST_F(InstallerTest, AFolderThatCannotBeMadeIsNamedWithTheReason)
{
    TempFolder media;
    media.write("Agree.txt", "terms");
    media.write("INSTALL.INF", "[Application]\nAppName=Other\n[Dirs]\n1=\n2=docs\n[Files]\nReadme,readme.txt,1,1,N\n");
    media.write("readme.txt", "hello");
    quill_test::ReadOnlyDisk disk;
    if (disk.ready()) {
        answerOpeningDialogs(disk.file("inst"));
        EXPECT_FALSE(install(media.path().string()));
        EXPECT_EQ(host_.messageBoxes(), (std::vector<std::string>{"Can't make directory: " + disk.file("inst") +
                                                                      ": Read-only file system",
                                                                  "Cannot create directory!", "Installation not complete!"}));
    }
    host_.clearEvents();
    const std::string target = home_.file("inst2");
    fs::create_directories(target);
    std::ofstream(fs::path(target) / "docs") << "a file where the folder goes";
    answerOpeningDialogs(target);
    EXPECT_FALSE(install(media.path().string()));
    ASSERT_FALSE(host_.messageBoxes().empty());
    EXPECT_EQ(host_.messageBoxes().front().rfind("Can't make directory\n" + target + "/docs: ", 0), 0u)
        << host_.messageBoxes().front();
    EXPECT_GT(host_.messageBoxes().front().size(), ("Can't make directory\n" + target + "/docs: ").size());
    if (!disk.ready())
        GTEST_SKIP() << disk.whyNot();
}

// On a full disk the installer says so by the file's name, tries again when asked, leaves no
// half file behind, and ends not complete; an archive that cannot be unpacked for want of room
// says the same.
TEST_F(InstallerTest, AFullDiskIsNamedAndTheInstallationEndsNotComplete)
{
    TempFolder media;
    media.write("Agree.txt", "terms");
    media.write("INSTALL.INF", "[Application]\nAppName=Other\n[Dirs]\n1=\n[Files]\nReadme,readme.txt,1,1,N\n"
                               "Parts,LIBRARY.ZIP,1,1,Y\n");
    media.write("readme.txt", std::string(20000, 'r'));
    writeZip(media.path() / "LIBRARY.ZIP", {{"DEVICE.CON", std::string(20000, 'p')}});
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        plat::TestUiHost round;
        const std::string target = disk.file("inst");
        fs::create_directories(target);
        disk.write("inst/readme.txt", "older");
        disk.fill();
        round.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        round.answerDialog([](plat::Dialog& d) {
            d.PressButton(stl::kIdcAgree);
            return d.PressButton(plat::kIdOk);
        });
        round.answerDialog([target](plat::Dialog& d) {
            d.TypeDlgItemText(stl::kIdcInstallFolder, target);
            return d.PressButton(plat::kIdOk);
        });
        round.answerMessageBox(plat::kIdOk);       // try once more
        round.answerMessageBox(plat::kIdCancel);   // then stop
        EXPECT_FALSE(install(media.path().string()));
        const std::string full = "There is not enough disk space to install " + target + "/readme.txt.\n"
                                 "Make room on the disk and press OK to try again, or Cancel to stop.";
        EXPECT_EQ(round.count("message box: " + full), 2);
        EXPECT_TRUE(round.shown("message box: Installation not complete!"));
        EXPECT_EQ(disk.readText("inst/readme.txt"), "older");

        const UnzipResult unzipped = UnzipArchive((media.path() / "LIBRARY.ZIP").string(), disk.file("lib"), UINT64_MAX);
        EXPECT_FALSE(unzipped.ok);
        EXPECT_EQ(unzipped.problem, "There is not enough disk space to unpack " + disk.file("lib") + "/DEVICE.CON from " +
                                        (media.path() / "LIBRARY.ZIP").string());
        EXPECT_EQ(disk.names(), std::vector<std::string>{"inst/readme.txt"});
    });
}

// A pipe or a folder on the media where a file is expected is refused at once by its name: the
// description, a file to copy and an archive alike.
TEST_F(InstallerTest, NonFilesOnTheMediaAreRefusedAtOnce)
{
    TempFolder media;
    media.write("Agree.txt", "terms");
    for (const quill_test::NonFile& f :
         quill_test::placeNonFiles(media.path() / "INSTALL.INF", media.path() / "other" / "INSTALL.INF")) {
        SCOPED_TRACE(f.kind);
        plat::TestUiHost round;
        quill_test::withoutWaiting({f}, [&] { EXPECT_FALSE(install(f.path.parent_path().string())); });
        EXPECT_EQ(round.messageBoxes(), std::vector<std::string>{"Initialization Error\n" + quill_test::notAFileMessage(f)});
    }
    fs::remove(media.path() / "INSTALL.INF");
    media.write("INSTALL.INF", "[Application]\nAppName=Other\n[Dirs]\n1=\n[Files]\nReadme,readme.txt,1,1,N\n"
                               "Parts,LIBRARY.ZIP,1,1,Y\nGood,good.txt,1,1,N\n");
    media.write("good.txt", "fine");
    const auto nonFiles = quill_test::placeNonFiles(media.path() / "readme.txt", media.path() / "LIBRARY.ZIP");
    const std::string target = home_.file("inst");
    answerOpeningDialogs(target);
    quill_test::withoutWaiting(nonFiles, [&] { EXPECT_FALSE(install(media.path().string())); });
    EXPECT_TRUE(host_.shown("message box: " + quill_test::notAFileMessage(nonFiles[0]) + "\nIt is not installed."));
    EXPECT_TRUE(host_.shown("message box: " + quill_test::notAFileMessage(nonFiles[1]) + "\nIt is not installed."));
    EXPECT_FALSE(host_.shown("message box: Insert disk #2")) << "no disk holds what is not a file";
    EXPECT_TRUE(host_.shown("message box: Installation not complete!"));
    EXPECT_EQ(fileText(fs::path(target) / "good.txt"), "fine");
}

TEST_F(InstallerTest, AMissingMediaFileAsksForTheDiskUntilCancelled)
{
    TempFolder media;
    media.write("Agree.txt", "terms");
    media.write("INSTALL.INF", "[Application]\r\nAppName=Other\r\n[Dirs]\r\n1=\r\n[Files]\r\nGone,gone.txt,1,1,N\r\n"
                               "[PM Info]\r\ngone.txt,Gone\r\n");
    answerOpeningDialogs(home_.file("inst"));
    host_.answerMessageBox(plat::kIdOk);
    host_.answerMessageBox(plat::kIdCancel);
    EXPECT_FALSE(install(media.path().string()));
    EXPECT_EQ(host_.count("message box: Insert disk #2"), 2);
    EXPECT_FALSE(host_.shown("message box: Add Icons to Start Menu?"));
    EXPECT_TRUE(host_.shown("message box: Installation not complete!"));
    EXPECT_FALSE(fs::exists(home_.path() / "data" / "mime")) << "no association for another application";
}

TEST_F(InstallerTest, TheFolderBrowserListsFoldersLazilyAndHandsBackThePath)
{
    fs::create_directories(home_.path() / "alpha" / "beta" / "gamma");
    fs::create_directories(home_.path() / "empty");
    std::string chosen;
    host_.answerDialog([&](plat::Dialog& d) {
        plat::Control* tree = d.GetDlgItem(stl::kIdcFolderTree);
        plat::Control::TreeItem home = 0;
        for (auto n = tree->GetChildItem(0); n; n = tree->GetNextSiblingItem(n))
            if (tree->GetTreeItemText(n) == home_.path().string())
                home = n;
        EXPECT_NE(home, 0u);
        plat::Control::TreeItem alpha = 0, empty = 0;
        for (auto n = tree->GetChildItem(home); n; n = tree->GetNextSiblingItem(n)) {
            if (tree->GetTreeItemText(n) == "alpha")
                alpha = n;
            if (tree->GetTreeItemText(n) == "empty")
                empty = n;
        }
        EXPECT_TRUE(tree->ItemHasChildren(alpha));
        EXPECT_FALSE(tree->ItemHasChildren(empty));
        EXPECT_EQ(tree->GetChildItem(alpha), 0u) << "subfolders wait for the first opening";
        tree->expandItem(alpha);
        const auto beta = tree->GetChildItem(alpha);
        EXPECT_EQ(tree->GetTreeItemText(beta), "beta");
        tree->expandItem(alpha);
        EXPECT_EQ(tree->GetNextSiblingItem(beta), 0u) << "opened once";
        tree->clickItem(beta);
        return d.PressButton(plat::kIdOk);
    });
    CBrowseDirDlg browse;
    ASSERT_EQ(browse.DoModal(), plat::kIdOk);
    EXPECT_EQ(browse.chosenPath(), (home_.path() / "alpha" / "beta").string());
}

// On the screen each node shows its 16-pixel image of the strip: the roots the drive's, the
// folders the folder's.
TEST_F(InstallerTest, TheFolderTreeShowsTheDriveAndFolderImages)
{
    CBrowseDirDlg browse;
    ASSERT_TRUE(browse.Create(browse.templateId()));
    plat::showModelessWithQt(browse);
    auto* tree = qobject_cast<QTreeWidget*>(browse.GetDlgItem(stl::kIdcFolderTree)->state()->widget.data());
    ASSERT_NE(tree, nullptr);
    ASSERT_GT(tree->topLevelItemCount(), 0);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    ASSERT_GT(root->childCount(), 0) << "the fixed roots list their folders at once";
    const QImage drive = root->icon(0).pixmap(16, 16).toImage();
    const QImage folder = root->child(0)->icon(0).pixmap(16, 16).toImage();
    ASSERT_FALSE(drive.isNull());
    ASSERT_FALSE(folder.isNull());
    EXPECT_EQ(drive.size(), QSize(16, 16));
    EXPECT_NE(drive, folder) << "two images of the strip, not one";
    const auto painted = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        return n;
    };
    EXPECT_GT(painted(drive), 30);
    EXPECT_GT(painted(folder), 30);
    browse.DestroyWindow();
}

}  // namespace
