// The imported D-code list: a Gerber file imported into the example board, then View > View
// DCODES with every line of the input that starts with "D" typed into the edit box and put in
// with Update, and OK applying the list to the imported traces and pads.

#include "fuzz/board_program.h"
#include "fuzz/fuzz_support.h"
#include "platform/app/dialog.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "tracelyn/route/gerber_import.h"

#include <cstdlib>
#include <string>
#include <string_view>

using Program = fuzz::BoardProgram;

namespace {

// Types each "D" line of the text into the list, as a person corrects one, then presses OK.
int correctList(plat::Dialog& dialog, std::string_view text)
{
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line[0] == 'D') {
            dialog.SetDlgItemText(tly::kIdcDcodeEdit, std::string(line));
            dialog.PressButton(tly::kIdcDcodeUpdate);
        }
        at = end + 1;
    }
    return dialog.PressButton(plat::kIdOk);
}

}  // namespace

void fuzz::startHarness() { startBoardProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::writeInput("input.gbr", data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Program::onExample("rc_filter.tlz", [&] {
        ImportGerberFile(path, 0);
        fuzz::host().answerDialog([text](plat::Dialog& d) { return correctList(d, text); });
        Program::harness().command(tly::kCmdViewDcodes);
        if (!fuzz::host().shown("dialog " + std::to_string(tly::kIddDcodes)))
            std::abort();   // the list was never shown: the harness would test nothing
    });
}
