// A ".LIB" pin description as the part wizard loads it and the build utility builds it: the
// reader takes a file whole or leaves the answers as they were, what it takes fits the pin
// table, and a file it takes is drawn and written into a library beside it.

#include "fuzz/fuzz_support.h"
#include "partbuild/pin_file_build.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "schemora/workspace/pin_description_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// What the reader may never let through.
bool fitsTheTable(const PartWizardAnswers& a)
{
    if (a.pins < 0 || a.pins > kWizardPinRecords)
        return false;
    for (int i = 0; i < a.pins; ++i) {
        const WizardPin& p = a.table[static_cast<size_t>(i)];
        if (p.label.size() > static_cast<size_t>(kWizardLabelChars) || p.number.empty() ||
            p.number.size() > static_cast<size_t>(kWizardPinNumberChars) || p.side < 0 || p.side >= kWizardPinSides ||
            p.type < 0 || p.type >= kWizardPinTypes)
            return false;
    }
    return true;
}

}  // namespace

void fuzz::startHarness() { fuzz::setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PartWizardAnswers answers;
    answers.pins = 3;
    answers.table[0].label = "KEEP";
    const PinFileReading reading = ParsePinDescriptions(text, answers);
    if (!reading.read && (answers.pins != 3 || answers.table[0].label != "KEEP"))
        __builtin_trap();
    if (reading.read && !fitsTheTable(answers))
        __builtin_trap();
    if (!reading.read)
        return;
    const std::string file = fuzz::writeInput("FUZZ.LIB", data, size);
    const PartBuildReport report = BuildPartFromPinFile(file);
    const std::string library = plat::joinPath(plat::folderOf(file), "FUZZ.CON");
    if (report.lines.empty() || report.written != plat::fileExists(library))
        __builtin_trap();
    plat::deleteFile(library);
}
