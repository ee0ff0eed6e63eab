// Runs a fuzz harness over saved inputs without the fuzzing engine: every file named on the
// command line, and every file inside each folder named, in name order. A reader that crashes
// or trips a sanitizer on a kept input fails the run, and so does memory an input left behind
// (the leak check of a sanitizer build at the end).
//
// "--runs=N" runs the inputs round and round until N inputs have run, and "--every=K" prints
// the inputs run, the resident size and the processor time per input after every K inputs:
// the program's own memory and speed over many inputs, without the engine's growing corpus.

#include "fuzz/fuzz_support.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Options {
    std::vector<fs::path> named;
    long runs = 0;    // 0: each input once
    long every = 0;   // 0: no interim figures
};

std::optional<long> numberAfter(std::string_view arg, std::string_view flag)
{
    if (!arg.starts_with(flag))
        return std::nullopt;
    char* end = nullptr;
    const std::string digits(arg.substr(flag.size()));
    const long n = std::strtol(digits.c_str(), &end, 10);
    if (digits.empty() || *end != '\0' || n < 0)
        return std::nullopt;
    return n;
}

Options readOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (const auto n = numberAfter(arg, "--runs="))
            o.runs = *n;
        else if (const auto k = numberAfter(arg, "--every="))
            o.every = *k;
        else
            o.named.push_back(fs::absolute(argv[i]));
    }
    return o;
}

std::vector<fs::path> inputFiles(const std::vector<fs::path>& named)
{
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
    return inputs;
}

std::vector<char> readBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The process's resident size now, in kilobytes (0 when it cannot be read).
long residentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    if (!(statm >> pages >> resident))
        return 0;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

double processorSeconds()
{
    rusage use{};
    ::getrusage(RUSAGE_SELF, &use);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(use.ru_utime) + seconds(use.ru_stime);
}

void runOnce(const std::vector<char>& bytes)
{
    fuzz::runInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// Runs the inputs round and round until runs inputs have run, with figures every so often.
void runRepeatedly(const std::vector<fs::path>& inputs, long runs, long every)
{
    std::vector<std::vector<char>> contents;
    for (const auto& p : inputs)
        contents.push_back(readBytes(p));
    double since = processorSeconds();
    long reported = 0;
    for (long done = 1; done <= runs; ++done) {
        runOnce(contents[static_cast<size_t>(done - 1) % contents.size()]);
        if ((every > 0 && done % every == 0) || done == runs) {
            const double now = processorSeconds();
            std::printf("inputs %ld  rss %.1f MB  %.2f ms/input\n", done, residentKb() / 1024.0,
                        1000.0 * (now - since) / static_cast<double>(done - reported));
            std::fflush(stdout);
            since = now;
            reported = done;
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // The harness may change the current folder: the inputs are found first.
    const Options options = readOptions(argc, argv);
    const std::vector<fs::path> inputs = inputFiles(options.named);
    fuzz::startHarness();
    if (options.runs > 0 && !inputs.empty()) {
        runRepeatedly(inputs, options.runs, options.every);
    } else {
        for (const auto& p : inputs)
            runOnce(readBytes(p));
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    std::fflush(stdout);
    // An ordinary end: the exit handlers remove the scratch folders, and a sanitizer build's
    // leak check then sees whatever an input left behind.
    return inputs.empty() ? 1 : 0;
}
