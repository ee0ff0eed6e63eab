// The user's MIME defaults list ("mimeapps.list") rewritten as the installer's file association
// does: a text kind of the suite is added for the user's text editor. Every line that
// was there stays, in order (the one list the editor joins only grows), and the user's default
// applications do not change.

#include "fuzz/fuzz_support.h"
#include "platform/system/desktop_entries.h"
#include "platform/system/paths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string configFile() { return plat::joinPath(plat::userConfigFolder(), "mimeapps.list"); }

// The lines of a key file, a carriage return before a line end not counted.
std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// Each old line is found in order, itself or lengthened (the list the editor was added to);
// lines in between are the added ones.
bool everyLineKept(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    size_t at = 0;
    for (const std::string& line : before) {
        while (at < after.size() && after[at].compare(0, line.size(), line) != 0)
            ++at;
        if (at == after.size())
            return false;
        ++at;
    }
    return after.size() <= before.size() + 2;
}

}  // namespace

void fuzz::startHarness()
{
    const std::string& scratch = fuzz::setUp();
    ::setenv("XDG_CONFIG_HOME", plat::joinPath(scratch, "xdg-config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", plat::joinPath(scratch, "xdg-data").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", plat::joinPath(scratch, "xdg-none").c_str(), 1);
}

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string path = configFile();
    std::filesystem::create_directories(plat::userConfigFolder());
    fuzz::writeFile(path, data, size);
    const std::string before(reinterpret_cast<const char*>(data), size);
    const std::string editor = plat::defaultApplicationFor("text/plain");
    const std::string added = plat::defaultApplicationFor("text/x-quill-fuzz");
    if (!plat::associateWithTextEditor("text/x-quill-fuzz", "*.fuzz", "Fuzzed kind"))
        return;
    std::ifstream in(path, std::ios::binary);
    const std::string after{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!everyLineKept(linesOf(before), linesOf(after)))
        std::abort();
    if (plat::defaultApplicationFor("text/plain") != editor || plat::defaultApplicationFor("text/x-quill-fuzz") != added)
        std::abort();
}
