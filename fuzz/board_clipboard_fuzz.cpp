// A clipboard block pasted into the example board, as Edit > Paste does; the block may come
// from any program.

#include "fuzz/fuzz_support.h"
#include "fuzz/program_under_test.h"
#include "common/clipboard_block.h"
#include "tracelyn/core/board_clipboard.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/tracelyn_app.h"

namespace {

using Program = fuzz::ProgramUnderTest<CTracelynApp>;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::setUp();
    registerTracelynResources();
    Program::harness();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (Program::openExample("rc_filter.tlz")) {
        fuzz::host().setClipboard(kClipboardFormatName, std::vector<uint8_t>(data, data + size));
        PasteFromClipboard();
    }
    Program::closeAll();
    return 0;
}
