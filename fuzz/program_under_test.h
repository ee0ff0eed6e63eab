#pragma once
// One running program per harness: started once, kept until the process ends, with the shipped
// examples opened afresh for each input so that no input sees another's changes.

#include "fuzz/fuzz_support.h"
#include "platform/app/program.h"
#include "platform/app/win_app.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/paths.h"

#include <memory>
#include <string>
#include <vector>

namespace fuzz {

template <class App> class ProgramUnderTest {
public:
    static plat::AppHarness& harness()
    {
        // Opening a document fills the program's and Qt's caches a little with every new
        // input, so the engine would take a whole-heap leak scan (seconds) after most inputs.
        // Memory over many inputs is measured apart; -detect_leaks=1 still asks for the scans.
        static const bool quiet = (addEngineDefault("-detect_leaks=0"), true);
        (void)quiet;
        static Immortal<plat::AppHarness> running([] { return std::make_unique<App>(); }, std::vector<std::string>{},
                                                  setUp());
        static const bool started = running.get().start();
        (void)started;
        return running.get();
    }

    // Opens a file of the scratch folder's examples; false when the program refused it.
    static bool openExample(const char* name)
    {
        return harness().app().OpenDocumentFile(plat::joinPath(setUp(), std::string("examples/") + name)) != nullptr;
    }

    // Opens an example, runs work on it when the program took it, then closes everything.
    template <class Work> static void onExample(const char* name, Work work)
    {
        if (openExample(name))
            work();
        closeAll();
    }

    static bool open(const std::string& path) { return harness().app().OpenDocumentFile(path) != nullptr; }

    // Paints what is open, closes every document and forgets the input's messages.
    static void closeAll()
    {
        harness().idle();
        harness().app().CloseAllDocuments(true);
        harness().idle();
        host().clearEvents();
    }
};

}  // namespace fuzz
