#include "schemora/workspace/pin_description_file.h"

#include "platform/core/atomic_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "schemora/netlist/bounded_lines.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int kHeaderLines = 21;
constexpr size_t kHeaderLineChars = 79;
constexpr size_t kPinLineChars = 255;
constexpr int kMaxPinLines = 7998;
constexpr std::string_view kSeparators = ") \t\r\n";

std::string lowerCased(std::string_view text)
{
    std::string s(text);
    std::ranges::transform(s, s.begin(), plat::toLowerAscii);
    return s;
}

std::string trimmed(std::string_view text, bool leading)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    while (leading && !text.empty() && blank(text.front()))
        text.remove_prefix(1);
    return std::string(text);
}

// The rest of a header line from character `from` (1-based); empty for a shorter line.
std::string_view restFrom(std::string_view line, size_t from)
{
    return line.size() >= from ? line.substr(from - 1) : std::string_view{};
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

void fail(std::string_view message) { plat::MessageBox(message, plat::kMbIconExclamation); }

// The words of a pin line, split at ")", blanks and the line end.
std::vector<std::string_view> pinFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t at = 0;
    while ((at = line.find_first_not_of(kSeparators, at)) != std::string_view::npos) {
        const size_t end = std::min(line.find_first_of(kSeparators, at), line.size());
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

struct PinCounts {
    int voltage = 0;
    int ground = 0;
};

// A label that names a supply: "v..." and "gnd..." always; "V..." and "GND..." only on a line
// without type and side letters, which is how power pins are written.
int powerTypeOf(std::string_view label, bool hasFields)
{
    if (startsWith(label, "v"))
        return kPinVcc;
    if (startsWith(label, "gnd"))
        return kPinGround;
    if (!hasFields && startsWith(label, "V"))
        return kPinVcc;
    if (!hasFields && startsWith(label, "GND"))
        return kPinGround;
    return -1;
}

bool readPinLine(std::string_view line, WizardPin& pin, PinCounts& counts)
{
    const std::vector<std::string_view> f = pinFields(line);
    if (f.empty()) {
        fail("Can't find pin number---check .LIB file");
        return false;
    }
    std::string number = FirstChars(f[0], kWizardPinNumberChars);
    if (f.size() < 2) {
        fail("Can't find signal name for pin (" + number + ")");
        return false;
    }
    const std::string label = FirstChars(f[1], kWizardLabelChars);
    if (const int power = powerTypeOf(label, f.size() > 2); power >= 0) {
        std::ranges::replace(number, ',', ';');
        int& seen = power == kPinVcc ? counts.voltage : counts.ground;
        if (++seen > (power == kPinVcc ? kMaxVoltagePins : kMaxGroundPins)) {
            fail(power == kPinVcc ? "Too many voltage pins" : "Too many ground pins");
            return false;
        }
        pin = {label, kSideNone, power, number};
        return true;
    }
    pin.label = label;
    pin.number = number;
    if (label == "nc")
        return true;
    if (f.size() < 3) {
        fail("Can't find pin type designator for pin " + number);
        return false;
    }
    const size_t type = kPinTypeLetters.find(f[2].front());
    if (type == std::string_view::npos) {
        fail("Can't find pin type designator for pin " + number + "---" + std::string(f[2]));
        return false;
    }
    pin.type = static_cast<int>(type);
    if (f.size() < 4) {
        fail("Location designator for pin " + number +
             " is missing!\nEnter L (left), R (right), B (bottom), or T (top).");
        return false;
    }
    if (const size_t side = kPinSideLetters.find(f[3].front()); side != std::string_view::npos)
        pin.side = static_cast<int>(side);
    return true;
}

struct Header {
    std::optional<std::string> package;
    std::optional<std::string> name;
    std::optional<std::string> description;
    bool noSort = false;
};

// Reads up to "%pinlist"; false (with the message) when the header is incomplete.
bool readHeader(BoundedLineFile& file, Header& header)
{
    std::string line;
    for (int n = 0; n < kHeaderLines && file.next(line, kHeaderLineChars); ++n) {
        const std::string lower = lowerCased(line);
        if (startsWith(lower, "%package")) {
            if (std::string package = trimmed(plat::upperCaseAscii(restFrom(lower, 10)), true); !package.empty())
                header.package = std::move(package);
        } else if (startsWith(lower, "%partname")) {
            // The writer leaves the name out: an empty one keeps the part's name.
            if (std::string name = trimmed(plat::upperCaseAscii(restFrom(lower, 11)), true); !name.empty())
                header.name = std::move(name);
        } else if (startsWith(lower, "%type")) {
            header.description = trimmed(restFrom(line, 7), true);
        } else if (startsWith(lower, "%nosort")) {
            header.noSort = true;
        } else if (startsWith(lower, "%pinlist")) {
            if (!header.package) {
                fail("Error: part package information not found");
                return false;
            }
            if (!header.description)
                fail("Warning: part description not found.\n Use \"%type\" statement in header.");
            return true;
        }
    }
    fail("Error: keyword \"%pinlist\" not found");
    return false;
}

// The pin lines up to "%end"; blank lines are skipped, and a "%nosort" line (the writer puts it
// after "%pinlist") sets the flag. False (with the message) when "%end" is missing or there are
// more pins than the table holds.
bool collectPinLines(BoundedLineFile& file, std::vector<std::string>& lines, Header& header)
{
    std::string line;
    for (int n = 0; n < kMaxPinLines && file.next(line, kPinLineChars); ++n) {
        if (startsWith(line, "%end"))
            return true;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        if (startsWith(lowerCased(line), "%nosort")) {
            header.noSort = true;
            continue;
        }
        if (static_cast<int>(lines.size()) == kWizardPinRecords) {
            fail("Too many pins");
            return false;
        }
        lines.push_back(line);
    }
    fail("Error: keyword \"end\" not found");
    return false;
}

}  // namespace

std::string PinDescriptionText(const PartWizardAnswers& answers)
{
    std::string text = "%partname:\n%date:\n%designer:\n%vendor:\n";
    text += "%type: " + answers.description + "\n";
    text += "%package: " + answers.package + "\n\n\n";
    text += "%pinlist\n";
    if (answers.noSort)
        text += "%nosort\n";
    const int pins = std::clamp(answers.pins, 0, kWizardPinRecords);
    for (int i = 0; i < pins; ++i) {
        const WizardPin& pin = answers.table[static_cast<size_t>(i)];
        text += pin.number + ") " + pin.label;
        // Power pins carry no letters: their labels ("vcc", "gnd") say what they are.
        const bool lettered = pin.side >= 0 && pin.side < kSideNone && pin.type >= 0 &&
                              pin.type < static_cast<int>(kPinTypeLetters.size());
        if (lettered) {
            text += ' ';
            text += kPinTypeLetters[static_cast<size_t>(pin.type)];
            text += ' ';
            text += kPinSideLetters[static_cast<size_t>(pin.side)];
        }
        text += '\n';
    }
    text += "%end\n";
    return text;
}

bool ReadPinDescriptions(const std::string& path, PartWizardAnswers& answers)
{
    BoundedLineFile file(path);
    if (!file.isOpen()) {
        fail("Can't open file:" + path);
        return false;
    }
    Header header;
    std::vector<std::string> lines;
    if (!readHeader(file, header) || !collectPinLines(file, lines, header))
        return false;
    std::array<WizardPin, kWizardPinRecords> table = answers.table;
    PinCounts counts;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!readPinLine(lines[i], table[i], counts))
            return false;
    answers.table = std::move(table);
    answers.pins = static_cast<int>(lines.size());
    answers.package = *header.package;
    if (header.name)
        answers.name = *header.name;
    if (header.description)
        answers.description = *header.description;
    answers.noSort = header.noSort;
    return true;
}

bool WritePinDescriptions(const std::string& chosenPath, const PartWizardAnswers& answers)
{
    std::string path = chosenPath;
    if (!plat::hasExtension(path, ".LIB")) {
        path = plat::replaceExtension(path, ".LIB");
        if (plat::fileExists(path) &&
            plat::MessageBox(path + " already exists.\nDo you want to replace it?",
                             plat::kMbYesNo | plat::kMbIconExclamation) != plat::kIdYes)
            return false;
    }
    const std::string text = PinDescriptionText(answers);
    if (const plat::WriteResult written = plat::writeFileAtomically(path, text); !written) {
        fail(written.message("Can't open file:" + path));
        return false;
    }
    return true;
}
