#pragma once
// What every harness needs: a Qt application on the offscreen platform, the test UI host
// answering every question, and a program folder of its own (copied from the build's) so the
// programs' start-up and settings writes never touch the shipped files.

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plat {
class TestUiHost;
}

namespace fuzz {

// What each harness defines: its set-up, run once before the first input, and the run of one
// input. The fuzzing engine reaches them through fuzz_entry.cpp, the test runs through
// replay_main.cpp.
void startHarness();
void runInput(const uint8_t* data, size_t size);

// A flag of the fuzzing engine ("-detect_leaks=0") that applies when the command line does not
// give that flag itself; set by a harness's start-up, read by fuzz_entry.cpp.
void addEngineDefault(std::string flag);
const std::vector<std::string>& engineDefaults();

// Once per process: the Qt application, the UI host, a scratch program folder (made current)
// and a scratch configuration folder. Returns the program folder.
const std::string& setUp();
plat::TestUiHost& host();
// Removes the scratch folders (at the process's exit).
void removeScratchFolders();

// Writes the input as a file of the scratch folder and returns its path.
std::string writeInput(std::string_view name, const uint8_t* data, size_t size);
// Writes the input at a full path.
void writeFile(const std::string& path, const uint8_t* data, size_t size);

// Keeps an object until the process ends without running its destructor at exit: a program
// and its windows must not be torn down after Qt's own globals are gone.
template <class T> class Immortal {
public:
    template <class... Args> explicit Immortal(Args&&... args) { ::new (storage_) T(std::forward<Args>(args)...); }
    T& get() { return *std::launder(reinterpret_cast<T*>(storage_)); }

private:
    alignas(T) unsigned char storage_[sizeof(T)];
};

}  // namespace fuzz
