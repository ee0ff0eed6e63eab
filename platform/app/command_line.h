#pragma once
// The shell command of a program's command line. Only the framework's exact switches are
// switches ("/p", "/pt", "/dde", "/Embedding", "/Automation", "/Unregister", "/unregserver",
// with '/' or '-', any case); every other argument, an absolute path that begins with '/'
// included, is a file name.

#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct CommandLineInfo {
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing };

    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;       // the file of FileOpen / FilePrint / FilePrintTo
    std::string m_strPrinterName;    // "/pt file printer driver port"
    std::string m_strDriverName;
    std::string m_strPortName;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;

    // One argument at a time, as the framework parses: isFlag says the argument was a switch
    // (already stripped of its '/' or '-'); last marks the final argument.
    virtual void ParseParam(std::string_view param, bool isFlag, bool last);
    virtual ~CommandLineInfo() = default;

private:
    void parseFlag(std::string_view flag);
    void parseFile(std::string_view param);
};

// Whether an argument is one of the framework's switches (it then gives the switch text).
bool isCommandLineSwitch(std::string_view arg, std::string* flag = nullptr);
// Feeds every argument to info.ParseParam.
void parseCommandLine(const std::vector<std::string>& args, CommandLineInfo& info);

}  // namespace plat
