#include "platform/app/command_line.h"

#include <algorithm>
#include <array>

namespace plat {
namespace {

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

constexpr std::array<std::string_view, 7> kSwitches = {"p", "pt", "dde", "Embedding", "Automation",
                                                       "Unregister", "Unregserver"};

}  // namespace

bool isCommandLineSwitch(std::string_view arg, std::string* flag)
{
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-'))
        return false;
    const std::string_view rest = arg.substr(1);
    for (auto s : kSwitches) {
        if (equalsNoCase(rest, s)) {
            if (flag)
                *flag = std::string(s);
            return true;
        }
    }
    return false;
}

void parseCommandLine(const std::vector<std::string>& args, CommandLineInfo& info)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string flag;
        const bool isFlag = isCommandLineSwitch(args[i], &flag);
        info.ParseParam(isFlag ? std::string_view(flag) : std::string_view(args[i]), isFlag, i + 1 == args.size());
    }
}

void CommandLineInfo::ParseParam(std::string_view param, bool isFlag, bool last)
{
    if (isFlag)
        parseFlag(param);
    else
        parseFile(param);
    if (last) {
        if (m_nShellCommand == FileNew && !m_strFileName.empty())
            m_nShellCommand = FileOpen;
        if (m_bRunEmbedded || m_bRunAutomated)
            m_nShellCommand = FileNothing;
    }
}

void CommandLineInfo::parseFlag(std::string_view flag)
{
    if (equalsNoCase(flag, "pt"))
        m_nShellCommand = FilePrintTo;
    else if (equalsNoCase(flag, "p"))
        m_nShellCommand = FilePrint;
    else if (equalsNoCase(flag, "Unregister") || equalsNoCase(flag, "Unregserver"))
        m_nShellCommand = AppUnregister;
    else if (equalsNoCase(flag, "dde"))
        m_nShellCommand = FileDDE;
    else if (equalsNoCase(flag, "Embedding"))
        m_bRunEmbedded = true;
    else if (equalsNoCase(flag, "Automation"))
        m_bRunAutomated = true;
}

void CommandLineInfo::parseFile(std::string_view param)
{
    if (m_strFileName.empty())
        m_strFileName = std::string(param);
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.empty())
        m_strPrinterName = std::string(param);
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.empty())
        m_strDriverName = std::string(param);
    else if (m_nShellCommand == FilePrintTo && m_strPortName.empty())
        m_strPortName = std::string(param);
}

}  // namespace plat
