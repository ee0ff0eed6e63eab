#include "platform/app/command_line.h"

#include <gtest/gtest.h>

namespace {

using plat::CommandLineInfo;

TEST(CommandLine, ShellCommandsAndFileArguments)
{
    struct Case {
        std::vector<std::string> args;
        CommandLineInfo::ShellCommand command;
        std::string file;
    };
    const Case cases[] = {
        {{}, CommandLineInfo::FileNew, ""},
        {{"board.tlz"}, CommandLineInfo::FileOpen, "board.tlz"},
        // An absolute path starts with '/' and is still a file.
        {{"/home/ann/p/amp.pic"}, CommandLineInfo::FileOpen, "/home/ann/p/amp.pic"},
        {{"/p"}, CommandLineInfo::FilePrint, ""},
        {{"/p", "/tmp/a.pic"}, CommandLineInfo::FilePrint, "/tmp/a.pic"},
        {{"-P", "a.pic"}, CommandLineInfo::FilePrint, "a.pic"},
        {{"/pt", "a.pic", "printer", "driver", "port"}, CommandLineInfo::FilePrintTo, "a.pic"},
        {{"/dde"}, CommandLineInfo::FileDDE, ""},
        {{"/Embedding"}, CommandLineInfo::FileNothing, ""},
        {{"-automation"}, CommandLineInfo::FileNothing, ""},
        {{"/Unregister"}, CommandLineInfo::AppUnregister, ""},
        {{"/unregserver"}, CommandLineInfo::AppUnregister, ""},
        // Only the exact switches are switches.
        {{"/pdf"}, CommandLineInfo::FileOpen, "/pdf"},
        {{"/x", "/y"}, CommandLineInfo::FileOpen, "/x"},
        {{"-"}, CommandLineInfo::FileOpen, "-"},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const auto& a : c.args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        CommandLineInfo info;
        plat::parseCommandLine(c.args, info);
        EXPECT_EQ(info.m_nShellCommand, c.command);
        EXPECT_EQ(info.m_strFileName, c.file);
    }
}

TEST(CommandLine, PrintToTakesPrinterDriverAndPort)
{
    CommandLineInfo info;
    plat::parseCommandLine({"/pt", "/tmp/a.pic", "Office", "drv", "lp0"}, info);
    EXPECT_EQ(info.m_strPrinterName, "Office");
    EXPECT_EQ(info.m_strDriverName, "drv");
    EXPECT_EQ(info.m_strPortName, "lp0");
}

}  // namespace
