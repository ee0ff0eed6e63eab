#pragma once
// The string-table ids a program's code declares ("kStrCantOpenFile = 7030"), found by reading
// its source folders, so that a test can check that each one is in the program's string table.

#include "platform/app/resources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quill_test {

// The source tree's root, as the build names it (tests run from any folder).
inline std::filesystem::path SourceRoot() { return QUILL_SOURCE_DIR; }

// {name, id} of every "kStr<Name> = <number>" in the .cpp and .h files below the given folders
// (relative to the source root); a "kStr...Base" names where a run of ids starts and is left out.
inline std::vector<std::pair<std::string, unsigned>> DeclaredStringIds(const std::vector<std::string>& folders)
{
    static const std::regex declaration(R"(\b(kStr[A-Z]\w*)\s*=\s*(\d+))");
    std::vector<std::pair<std::string, unsigned>> ids;
    for (const std::string& folder : folders) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(SourceRoot() / folder)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h"))
                continue;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string source = text.str();
            for (std::sregex_iterator it(source.begin(), source.end(), declaration), end; it != end; ++it)
                if (!(*it)[1].str().ends_with("Base"))   // the first of a run of ids, not a string
                    ids.emplace_back((*it)[1].str(), static_cast<unsigned>(std::stoul((*it)[2].str())));
        }
    }
    return ids;
}

// Every id declared below the folders loads a string of the registered string table.
inline void expectEveryDeclaredStringLoads(const std::vector<std::string>& folders)
{
    const auto ids = DeclaredStringIds(folders);
    ASSERT_FALSE(ids.empty());
    for (const auto& [name, id] : ids)
        EXPECT_FALSE(plat::LoadString(id).empty()) << name << " = " << id;
}

}  // namespace quill_test
