// A clipboard block pasted into the example board, as Edit > Paste does; the block may come
// from any program.

#include "fuzz/fuzz_support.h"
#include "fuzz/board_program.h"
#include "common/clipboard_block.h"
#include "tracelyn/core/board_clipboard.h"

using Program = fuzz::BoardProgram;

void fuzz::startHarness() { startBoardProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    Program::onExample("rc_filter.tlz", [&] {
        fuzz::host().setClipboard(kClipboardFormatName, std::vector<uint8_t>(data, data + size));
        PasteFromClipboard();
    });
}
