#pragma once
// An editor run headless through the test UI host in a temporary program folder: the registry
// store of the run beside it, and the program's INI file written into it when a test asks.
// Each program's fixture derives from this one, registering its resources and resetting its
// process-wide state in its own SetUp.

#include "platform/app/command_ids.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/menu.h"
#include "platform/app/program.h"
#include "platform/app/win_constants.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "platform/system/registry.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quill_test {

template <class App> class ProgramTest : public ::testing::Test {
protected:
    // iniFile and iniSection: the program's settings file and the section its values stand in.
    ProgramTest(std::string_view iniFile, std::string_view iniSection) : iniFile_(iniFile), iniSection_(iniSection) {}

    void SetUp() override { plat::setConfigFolder(config.path().string()); }
    void TearDown() override { plat::setConfigFolder(""); }

    void writeIni(std::string_view body) { folder.write(iniFile_, "[" + iniSection_ + "]\n" + std::string(body)); }

    plat::AppHarness start(std::vector<std::string> args = {})
    {
        return plat::AppHarness([] { return std::make_unique<App>(); }, std::move(args), folder.path().string());
    }

    // As start, for a fixture that keeps the program running through each test.
    std::unique_ptr<plat::AppHarness> startHeld(std::vector<std::string> args = {})
    {
        return std::make_unique<plat::AppHarness>([] { return std::make_unique<App>(); }, std::move(args),
                                                  folder.path().string());
    }

    // Starts the program on `args` with its tip of the day switched off in the settings file,
    // as most tests run it.
    plat::AppHarness startWithoutTips(std::vector<std::string> args = {})
    {
        writeIni("DoTips=0\n");
        return start(std::move(args));
    }

    // Starts the program on command lines it does not take (print to a printer, DDE): each
    // shows "Parameter Error!" and ends the program with exit code 1.
    void expectUnsupportedCommandLinesRefused(const std::string& document)
    {
        for (std::vector<std::string> args : {std::vector<std::string>{"/pt", document, "printer", "driver", "port"},
                                              std::vector<std::string>{"/dde"}}) {
            SCOPED_TRACE(args.front());
            plat::TestUiHost local;
            auto harness = start(args);
            EXPECT_FALSE(harness.start());
            EXPECT_EQ(harness.exitCode(), 1);
            EXPECT_EQ(local.messageBoxes(), std::vector<std::string>{"Parameter Error!"});
        }
    }

    // Starts the program on a document of the command line that is not there: it says so once
    // and keeps running with its main window and no document, not reported as a finished run.
    void expectMissingDocumentLeavesTheProgramRunning(plat::AppHarness& harness)
    {
        EXPECT_TRUE(harness.start()) << "a failure is not reported as a finished run";
        EXPECT_FALSE(harness.exitCode().has_value());
        EXPECT_EQ(harness.app().openDocumentCount(), 0);
        EXPECT_EQ(host.messageBoxes().size(), 1u);
        EXPECT_NE(plat::GetMainWnd(), nullptr);
    }

    // Starts the program on a named pipe and on a folder given a document's name, and opens
    // them with File > Open: each is refused at once with a message naming it, no document
    // opens, and the program keeps running.
    void expectNonFileDocumentsRefused(std::string_view extension, int openFilterIndex)
    {
        const auto nonFiles = placeNonFiles(folder.path() / ("pipe" + std::string(extension)),
                                            folder.path() / ("folder" + std::string(extension)));
        for (const NonFile& f : nonFiles) {
            SCOPED_TRACE(f.kind);
            host.clearEvents();
            auto harness = startWithoutTips({f.path.string()});
            withoutWaiting({f}, [&] { EXPECT_TRUE(harness.start()); });
            EXPECT_FALSE(harness.exitCode().has_value());
            EXPECT_EQ(harness.app().openDocumentCount(), 0);
            EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{notAFileMessage(f)});
            ASSERT_NE(plat::GetMainWnd(), nullptr);

            host.clearEvents();
            host.answerFileDialog({f.path.string(), openFilterIndex});
            withoutWaiting({f}, [&] { harness.command(plat::kIdFileOpen); });
            harness.idle();
            EXPECT_EQ(harness.app().openDocumentCount(), 0);
            ASSERT_FALSE(host.messageBoxes().empty());
            EXPECT_EQ(host.messageBoxes().front(), notAFileMessage(f)) << "first, whatever the program says after";
            harness.close();
        }
    }

    using NamedFiles = std::vector<std::pair<std::string, std::vector<unsigned char>>>;

    // Writes each file into the program folder and opens it in the running program: none opens
    // a document, each says "Unsupported file format", and none is changed.
    void expectFilesOpenNothing(plat::AppHarness& harness, const NamedFiles& files)
    {
        const size_t before = harness.app().openDocumentCount();
        for (const auto& [name, bytes] : files) {
            SCOPED_TRACE(name);
            host.clearEvents();
            folder.write(name, bytes);
            EXPECT_EQ(harness.app().OpenDocumentFile(folder.file(name)), nullptr);
            harness.idle();
            EXPECT_EQ(harness.app().openDocumentCount(), before);
            EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Unsupported file format"});
            EXPECT_EQ(folder.read(name), bytes);
        }
    }

    // Bytes of no file kind, the same for every run of a seed.
    static std::vector<unsigned char> noiseBytes(size_t size, uint32_t seed)
    {
        std::vector<unsigned char> noise(size);
        for (auto& b : noise)
            b = static_cast<unsigned char>((seed = seed * 1103515245u + 12345u) >> 24);
        return noise;
    }

    // After the program opened file `name` (holding `bytes`) in part: it said how many objects
    // it read, and Save asks before replacing the file, which No leaves alone.
    void expectReadInPartAndSaveAsks(plat::AppHarness& harness, const std::string& name,
                                     const std::vector<unsigned char>& bytes, int objectsRead)
    {
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{std::to_string(objectsRead) + " objects read; the rest of the file is damaged"});
        host.clearEvents();
        host.answerMessageBox(plat::kIdNo);
        harness.command(plat::kIdFileSave);
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{folder.file(name) + " was read only in part. Replace the whole file with what was read?"});
        EXPECT_EQ(folder.read(name), bytes) << "No leaves the file alone";
    }

    // The registry's load command for the program's documents stands under the class and
    // runs the program on the file.
    static void expectLoadCommandUnder(const std::string& className, std::string_view ending)
    {
        const auto command =
            plat::Registry::shared().queryString("HKEY_CLASSES_ROOT\\" + className + "\\Shell\\load\\command", "");
        ASSERT_TRUE(command);
        EXPECT_TRUE(command->ends_with(ending)) << *command;
    }

    // Each command is on the running program's menu bar.
    static void expectOnTheMenu(std::initializer_list<unsigned> commands)
    {
        const plat::Menu* menu = static_cast<plat::MDIFrameWnd*>(plat::GetMainWnd())->GetMenu();
        ASSERT_NE(menu, nullptr);
        for (const unsigned id : commands) {
            SCOPED_TRACE(id);
            EXPECT_NE(menu->findCommand(id), nullptr);
        }
    }

    // The command a key goes to through the main window's accelerators.
    static unsigned commandOfKey(unsigned vk)
    {
        return plat::GetMainWnd()->accelerators().translate(plat::kWmKeyDown, vk, false, false, false);
    }

    // The program's settings file as text.
    std::string iniText() const
    {
        const auto ini = folder.read(iniFile_);
        return std::string(ini.begin(), ini.end());
    }

    TempFolder folder;
    TempFolder config;
    plat::TestUiHost host;

private:
    std::string iniFile_;
    std::string iniSection_;
};

}  // namespace quill_test
