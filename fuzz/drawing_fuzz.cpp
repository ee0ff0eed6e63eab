// A drawing file (".pic") opened as the schematic program opens one from File > Open, painted
// once, then closed.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_state.h"
#include "platform/app/program.h"
#include "platform/app/win_app.h"
#include "platform/core/test_ui_host.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/schemora_app.h"

namespace {

plat::AppHarness& program()
{
    static fuzz::Immortal<plat::AppHarness> harness([] { return std::make_unique<CSchemoraApp>(); }, std::vector<std::string>{},
                                                    fuzz::setUp());
    static const bool started = harness.get().start();
    (void)started;
    return harness.get();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::setUp();
    registerSchemoraResources();
    program();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    plat::AppHarness& harness = program();
    const fuzz::LoadedSymbolsScope restore;
    const std::string path = fuzz::writeInput("input.pic", data, size);
    harness.app().OpenDocumentFile(path);
    harness.idle();
    harness.app().CloseAllDocuments(true);
    harness.idle();
    fuzz::host().clearEvents();
    return 0;
}
