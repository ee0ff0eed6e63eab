#pragma once
// An editor run headless through the test UI host in a temporary program folder: the registry
// store of the run beside it, and the program's INI file written into it when a test asks.
// Each program's fixture derives from this one, registering its resources and resetting its
// process-wide state in its own SetUp.

#include "platform/app/program.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

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

    TempFolder folder;
    TempFolder config;
    plat::TestUiHost host;

private:
    std::string iniFile_;
    std::string iniSection_;
};

}  // namespace quill_test
