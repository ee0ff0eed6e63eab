#pragma once
// One running program per harness: started once, kept until the process ends, with the shipped
// examples opened afresh for each input so that no input sees another's changes.

#include "fuzz/fuzz_support.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/program.h"
#include "platform/app/win_app.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/paths.h"

#include <memory>
#include <string>
#include <string_view>
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
        static const bool started = startSmall(running.get());
        (void)started;
        return running.get();
    }

    // Starts the program with its main window small: every input's document is painted into
    // it, and filling a full-size window's pixels took much of each input's time.
    static bool startSmall(plat::AppHarness& h)
    {
        const bool ok = h.start();
        if (plat::FrameWnd* main = h.app().GetMainWnd(); main && main->IsWindow()) {
            main->ShowWindow(plat::kSwRestore);   // a maximised window keeps the screen's size
            main->MoveWindow(0, 0, 480, 360);
        }
        h.idle();
        return ok;
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

    // Opens the input as the file of that name, as File > Open does (the name's extension
    // chooses the reader), paints it once and closes it.
    static void openInput(std::string_view name, const uint8_t* data, size_t size)
    {
        open(writeInput(name, data, size));
        closeAll();
    }

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
