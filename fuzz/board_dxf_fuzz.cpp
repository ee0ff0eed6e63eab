// A DXF file imported into the example board, as File > Import > AutoCAD does.

#include "fuzz/fuzz_support.h"
#include "platform/app/program.h"
#include "platform/app/win_app.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/core/board_file_commands.h"

namespace {

plat::AppHarness& program()
{
    static fuzz::Immortal<plat::AppHarness> harness([] { return std::make_unique<CTracelynApp>(); }, std::vector<std::string>{},
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
    registerTracelynResources();
    program();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::writeInput("input.dxf", data, size);
    if (openExample("rc_filter.tlz")) {
        ImportDxfIntoBoard(path);
        program().idle();
    }
    closeAll();
    return 0;
}
