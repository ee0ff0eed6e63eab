// A netlist (".net") loaded into the example board as Process > Load Netlist loads one, with
// the rats nest built from it; the board is opened afresh for each input.

#include "fuzz/fuzz_support.h"
#include "platform/app/program.h"
#include "platform/app/win_app.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/route/board_netlist.h"

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
    const std::string netlist = fuzz::writeInput("examples/input.net", data, size);
    if (harness.app().OpenDocumentFile(plat::joinPath(fuzz::setUp(), "examples/rc_filter.tlz"))) {
        g_netlist.netlistName = netlist;
        LoadNetlist(1);
        BuildRatsNest(1);
        harness.idle();
    }
    harness.app().CloseAllDocuments(true);
    harness.idle();
    fuzz::host().clearEvents();
    return 0;
}
