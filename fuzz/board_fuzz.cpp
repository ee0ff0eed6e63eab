// A board file (".tlz") opened as the board program opens one from File > Open, painted
// once, then closed.

#include "fuzz/fuzz_support.h"
#include "platform/app/program.h"
#include "platform/app/win_app.h"
#include "platform/core/test_ui_host.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/tracelyn_app.h"

namespace {

plat::AppHarness& program()
{
    static fuzz::Immortal<plat::AppHarness> harness([] { return std::make_unique<CTracelynApp>(); }, std::vector<std::string>{},
                                                    fuzz::setUp());
    static const bool started = harness.get().start();
    (void)started;
    return harness.get();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::setUp();
    registerTracelynResources();
    program();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    plat::AppHarness& harness = program();
    const std::string path = fuzz::writeInput("input.tlz", data, size);
    harness.app().OpenDocumentFile(path);
    harness.idle();
    harness.app().CloseAllDocuments(true);
    harness.idle();
    fuzz::host().clearEvents();
    return 0;
}
