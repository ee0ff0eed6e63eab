// Plain text pasted into the example drawing, as Edit > Paste takes the clipboard's text when it
// holds no drawing block: each line becomes a text object. The text may come from any program.

#include "fuzz/fuzz_support.h"
#include "fuzz/schematic_program.h"
#include "platform/core/ui_host.h"
#include "schemora/core/clipboard_exchange.h"

void fuzz::startHarness() { startSchematicProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    fuzz::onSchematicExample("rc_filter.pic", [&] {
        fuzz::host().clearClipboard();
        fuzz::host().setClipboard(plat::kClipboardTextFormat, std::vector<uint8_t>(data, data + size));
        PasteFromClipboard(1);
    });
}
