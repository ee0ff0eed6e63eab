// The fuzzing engine's two entry points, the same for every harness. The engine reads its flags
// after the set-up, so the harness's own defaults are added to the command line here.

#include "fuzz/fuzz_support.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

bool givenOn(int argc, char** argv, std::string_view flag)
{
    const std::string_view name = flag.substr(0, flag.find('=') + 1);
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with(name))
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startHarness();
    static std::vector<std::string> added;
    static std::vector<char*> args;
    args.assign(*argv, *argv + *argc);
    for (const std::string& flag : fuzz::engineDefaults())
        if (!givenOn(*argc, *argv, flag))
            added.push_back(flag);
    for (std::string& flag : added)
        args.push_back(flag.data());
    *argc = static_cast<int>(args.size());
    args.push_back(nullptr);
    *argv = args.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::runInput(data, size);
    return 0;
}
