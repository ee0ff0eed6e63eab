// An annotation file ("OLD----NEW" lines, as Schemora's Ref No writes "out.ano") applied to the
// example board by Aux > Back Annotate, the file named in its dialog.

#include "fuzz/board_program.h"
#include "fuzz/fuzz_support.h"
#include "platform/app/dialog.h"
#include "resources/tracelyn/board_search_ids.h"

using Program = fuzz::BoardProgram;

void fuzz::startHarness() { startBoardProgram(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::writeInput("input.ano", data, size);
    Program::onExample("rc_filter.tlz", [&] {
        fuzz::host().answerDialog([&path](plat::Dialog& d) {
            d.SetDlgItemText(tly::kIdcAnnotationFile, path);
            return d.PressButton(plat::kIdOk);
        });
        Program::harness().command(tly::kCmdBackAnnotate);
    });
}
