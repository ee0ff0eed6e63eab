// A DXF file opened in the schematic program: its line work becomes a new drawing.

#include "fuzz/fuzz_support.h"
#include "platform/app/program.h"
#include "platform/app/win_app.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/paths.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/schemora_app.h"
#include "fuzz/schematic_state.h"
#include "schemora/core/dxf_import.h"

namespace {

plat::AppHarness& program()
{
    static fuzz::Immortal<plat::AppHarness> harness([] { return std::make_unique<CSchemoraApp>(); }, std::vector<std::string>{},
                                                    fuzz::setUp());
    static const bool started = harness.get().start();
    (void)started;
    return harness.get();
}

// The shipped example, opened afresh for each input so that no input sees another's changes.
bool openExample(const char* name)
{
    return program().app().OpenDocumentFile(plat::joinPath(fuzz::setUp(), std::string("examples/") + name)) != nullptr;
}

void closeAll()
{
    program().app().CloseAllDocuments(true);
    program().idle();
    fuzz::host().clearEvents();
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
    program();
    const fuzz::LoadedSymbolsScope restore;
    ImportDxfIntoNewDrawing(fuzz::writeInput("input.dxf", data, size));
    program().idle();
    closeAll();
    return 0;
}
