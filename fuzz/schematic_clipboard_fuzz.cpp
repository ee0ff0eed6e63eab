// A clipboard block pasted into the example drawing, as Edit > Paste does; the block may come
// from any program.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "common/clipboard_block.h"
#include "fuzz/schematic_state.h"
#include "schemora/core/clipboard_exchange.h"

void fuzz::startHarness() { startSchematicProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::onSchematicExample("rc_filter.pic", [&] {
        fuzz::host().setClipboard(kClipboardFormatName, std::vector<uint8_t>(data, data + size));
        PasteFromClipboard(1);
    });
}
