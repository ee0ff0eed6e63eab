// Runs a fuzz harness over saved inputs without the fuzzing engine: every file named on the
// command line, and every file inside each folder named, in name order. A reader that crashes
// or trips a sanitizer on a kept input fails the run.

#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    // The harness may change the current folder: the inputs are found first.
    std::vector<fs::path> named;
    for (int i = 1; i < argc; ++i)
        named.push_back(fs::absolute(argv[i]));
    fuzz::startHarness();
    std::vector<fs::path> inputs;
    for (const auto& p : named) {
        std::error_code ec;
        if (fs::is_directory(p, ec)) {
            for (const auto& e : fs::recursive_directory_iterator(p, ec))
                if (e.is_regular_file())
                    inputs.push_back(e.path());
        } else if (fs::is_regular_file(p, ec)) {
            inputs.push_back(p);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& p : inputs) {
        std::ifstream in(p, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        fuzz::runInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    std::fflush(stdout);
    // The programs the harnesses keep open end with the process, as they would when run; the
    // exit handlers that would remove the scratch folders are skipped with them.
    fuzz::removeScratchFolders();
    std::_Exit(inputs.empty() ? 1 : 0);
}
