#include "schemora/workspace/pin_description_file.h"

#include "platform/core/atomic_file.h"
#include "platform/core/input_file.h"
#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "platform/system/file_text.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "schemora/core/part_pin_table.h"

#include <algorithm>
#include <map>
#include <optional>
#include <span>

namespace {

constexpr int kHeaderLines = 21;
constexpr size_t kHeaderLineChars = 79;
constexpr size_t kPinLineChars = 255;
constexpr int kMaxPinLines = 7998;
constexpr std::string_view kSeparators = ") \t\r\n";
// Far more than the longest file the limits above let through.
constexpr std::uintmax_t kMaxFileBytes = 4u << 20;
constexpr size_t kShownChars = 20;

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

// A field as a message shows it: a long one by its beginning.
std::string shown(std::string_view field)
{
    return field.size() > kShownChars ? std::string(field.substr(0, kShownChars)) + "..." : std::string(field);
}

bool isText(std::string_view line)
{
    return std::ranges::none_of(line, [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\t' && c != '\r') || u == 0x7F;
    });
}

// The lines of a file's text as the line readers see them: split at line feeds, the carriage
// return before a feed dropped, each line cut to its limit so no line grows beyond it.
class TextLines {
public:
    explicit TextLines(std::string_view text) : text_(text) {}

    bool next(std::string& line, size_t maxChars)
    {
        if (at_ >= text_.size())
            return false;
        const size_t feed = text_.find('\n', at_);
        std::string_view whole = text_.substr(at_, feed == std::string_view::npos ? std::string_view::npos : feed - at_);
        at_ = feed == std::string_view::npos ? text_.size() : feed + 1;
        if (!whole.empty() && whole.back() == '\r')
            whole.remove_suffix(1);
        line.assign(whole.substr(0, maxChars));
        ++number_;
        return true;
    }
    int number() const { return number_; }
    bool atEnd() const { return at_ >= text_.size(); }

private:
    std::string_view text_;
    size_t at_ = 0;
    int number_ = 0;
};

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

bool isPowerPin(const WizardPin& pin) { return pin.type == kPinVcc || pin.type == kPinGround; }

// The pin numbers a record names: a supply lists its pins ("3;7"); any other pin has one
// number, which may carry a name after "," or ";".
std::vector<std::string> pinNumbersOf(const WizardPin& pin)
{
    if (!isPowerPin(pin))
        return {SplitPinText(pin.number, 0)};
    std::vector<std::string> numbers;
    for (size_t at = 0; at < pin.number.size();) {
        const size_t end = std::min(pin.number.find(';', at), pin.number.size());
        if (end > at)
            numbers.push_back(pin.number.substr(at, end - at));
        at = end + 1;
    }
    return numbers;
}

// A number that is digits only must name a pin the part can have; others ("A1") are names.
bool inRange(std::string_view number)
{
    if (number.empty() || !std::ranges::all_of(number, [](char c) { return c >= '0' && c <= '9'; }))
        return true;
    const int value = PinNumberValue(number);
    return value >= kFirstPinNumber && value <= kLastPinNumber;
}

class PinFileReader {
public:
    explicit PinFileReader(std::string_view text) : lines_(text) {}

    PinFileReading read(PartWizardAnswers& answers);

private:
    struct Header {
        std::optional<std::string> package;
        std::optional<std::string> name;
        std::optional<std::string> description;
        bool noSort = false;
    };
    struct PinLine {
        int number;
        std::string text;
    };

    bool fail(int line, std::string text)
    {
        result_.messages.push_back({line, std::move(text)});
        return false;
    }
    bool nextLine(std::string& line, size_t maxChars);
    bool readHeader();
    bool collectPinLines();
    bool readPinLine(const PinLine& line, WizardPin& pin);
    bool readPinNumber(const PinLine& line, const std::vector<std::string_view>& f, std::string& number);
    bool checkNumbersOnce(std::span<const WizardPin> pins);

    TextLines lines_;
    bool notText_ = false;   // a line that is not text ended the reading
    PinFileReading result_;
    Header header_;
    std::vector<PinLine> pinLines_;
    PinCounts counts_;
};

// The next line; a line that is not text ends the reading with its message.
bool PinFileReader::nextLine(std::string& line, size_t maxChars)
{
    if (!lines_.next(line, maxChars))
        return false;
    if (!isText(line)) {
        notText_ = true;
        return fail(lines_.number(), "Line holds characters that are not text---check .LIB file");
    }
    return true;
}

// Reads up to "%pinlist"; false (with the message) when the header is incomplete.
bool PinFileReader::readHeader()
{
    std::string line;
    for (int n = 0; n < kHeaderLines && nextLine(line, kHeaderLineChars); ++n) {
        const std::string lower = lowerCased(line);
        if (startsWith(lower, "%package")) {
            if (std::string package = trimmed(plat::upperCaseAscii(restFrom(lower, 10)), true); !package.empty())
                header_.package = std::move(package);
        } else if (startsWith(lower, "%partname")) {
            // An empty name keeps the part's name.
            if (std::string name = trimmed(plat::upperCaseAscii(restFrom(lower, 11)), true); !name.empty())
                header_.name = std::move(name);
        } else if (startsWith(lower, "%type")) {
            header_.description = trimmed(restFrom(line, 7), true);
        } else if (startsWith(lower, "%nosort")) {
            header_.noSort = true;
        } else if (startsWith(lower, "%pinlist")) {
            if (!header_.package)
                return fail(lines_.number(), "Error: part package information not found");
            if (!header_.description)
                result_.messages.push_back(
                    {lines_.number(), "Warning: part description not found.\n Use \"%type\" statement in header."});
            return true;
        }
    }
    return !notText_ && fail(0, "Error: keyword \"%pinlist\" not found");
}

// The pin lines up to "%end"; blank lines are skipped, and a "%nosort" line (the writer puts it
// after "%pinlist") sets the flag. False (with the message) when "%end" is missing or there are
// more pins than the table holds.
bool PinFileReader::collectPinLines()
{
    std::string line;
    for (int n = 0; n < kMaxPinLines && nextLine(line, kPinLineChars); ++n) {
        if (startsWith(line, "%end"))
            return true;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        if (startsWith(lowerCased(line), "%nosort")) {
            header_.noSort = true;
            continue;
        }
        if (static_cast<int>(pinLines_.size()) == kWizardPinRecords)
            return fail(lines_.number(), "Too many pins");
        pinLines_.push_back({lines_.number(), line});
    }
    // The keyword may be there after the last line read: say which limit was met.
    if (!notText_ && !lines_.atEnd())
        return fail(lines_.number(), "Error: too many lines: \"%end\" must come within " + std::to_string(kMaxPinLines) +
                                         " lines of \"%pinlist\" (blank lines count)");
    return !notText_ && fail(0, "Error: keyword \"end\" not found");
}

bool PinFileReader::readPinNumber(const PinLine& line, const std::vector<std::string_view>& f, std::string& number)
{
    if (f.empty() || SplitPinText(f[0], 0).empty())
        return fail(line.number, "Can't find pin number---check .LIB file");
    if (f.size() < 2)
        return fail(line.number, "Can't find signal name for pin (" + shown(f[0]) + ")");
    if (f[0].size() > static_cast<size_t>(kWizardPinNumberChars))
        return fail(line.number, "Pin number " + shown(f[0]) + " is longer than " +
                                     std::to_string(kWizardPinNumberChars) + " characters");
    if (f[1].size() > static_cast<size_t>(kWizardLabelChars))
        return fail(line.number, "Signal name " + shown(f[1]) + " of pin " + std::string(f[0]) + " is longer than " +
                                     std::to_string(kWizardLabelChars) + " characters");
    number = std::string(f[0]);
    return true;
}

bool PinFileReader::readPinLine(const PinLine& line, WizardPin& pin)
{
    const std::vector<std::string_view> f = pinFields(line.text);
    std::string number;
    if (!readPinNumber(line, f, number))
        return false;
    const std::string label(f[1]);
    if (const int power = powerTypeOf(label, f.size() > 2); power >= 0) {
        std::ranges::replace(number, ',', ';');
        int& seen = power == kPinVcc ? counts_.voltage : counts_.ground;
        if (++seen > (power == kPinVcc ? kMaxVoltagePins : kMaxGroundPins))
            return fail(line.number, power == kPinVcc ? "Too many voltage pins" : "Too many ground pins");
        pin = {label, kSideNone, power, number};
    } else {
        pin.label = label;
        pin.number = number;
        if (label != "nc") {
            if (f.size() < 3)
                return fail(line.number, "Can't find pin type designator for pin " + number);
            const size_t type = kPinTypeLetters.find(f[2].front());
            if (type == std::string_view::npos)
                return fail(line.number, "Can't find pin type designator for pin " + number + "---" + shown(f[2]));
            pin.type = static_cast<int>(type);
            if (f.size() < 4)
                return fail(line.number, "Location designator for pin " + number +
                                             " is missing!\nEnter L (left), R (right), B (bottom), or T (top).");
            if (const size_t side = kPinSideLetters.find(f[3].front()); side != std::string_view::npos)
                pin.side = static_cast<int>(side);
        }
    }
    for (const std::string& n : pinNumbersOf(pin))
        if (!inRange(n))
            return fail(line.number, "Pin number " + n + " out of range (" + std::to_string(kFirstPinNumber) + " to " +
                                         std::to_string(kLastPinNumber) + ")");
    return true;
}

// Two pins of one part never share a number: the second would be refused when the symbol is
// drawn, so the file is refused where the repeat stands.
bool PinFileReader::checkNumbersOnce(std::span<const WizardPin> pins)
{
    std::map<std::string, int, std::less<>> seen;
    for (size_t i = 0; i < pins.size(); ++i)
        for (const std::string& n : pinNumbersOf(pins[i]))
            if (!n.empty() && !seen.emplace(n, pinLines_[i].number).second)
                return fail(pinLines_[i].number, "Error: pin already defined for part!\nPin " + n);
    return true;
}

PinFileReading PinFileReader::read(PartWizardAnswers& answers)
{
    if (!readHeader() || !collectPinLines())
        return std::move(result_);
    std::array<WizardPin, kWizardPinRecords> table = answers.table;
    for (size_t i = 0; i < pinLines_.size(); ++i)
        if (!readPinLine(pinLines_[i], table[i]))
            return std::move(result_);
    if (!checkNumbersOnce(std::span<const WizardPin>(table).first(pinLines_.size())))
        return std::move(result_);
    answers.table = std::move(table);
    answers.pins = static_cast<int>(pinLines_.size());
    answers.package = *header_.package;
    if (header_.name)
        answers.name = *header_.name;
    if (header_.description)
        answers.description = *header_.description;
    answers.noSort = header_.noSort;
    result_.read = true;
    return std::move(result_);
}

}  // namespace

std::string PinDescriptionText(const PartWizardAnswers& answers)
{
    // The part's name goes with its pins, so that the file alone can make the part.
    std::string text = "%partname: " + answers.name + "\n%date:\n%designer:\n%vendor:\n";
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

PinFileReading ParsePinDescriptions(std::string_view text, PartWizardAnswers& answers)
{
    return PinFileReader(text).read(answers);
}

PinFileReading ReadPinDescriptionFile(const std::string& path, PartWizardAnswers& answers)
{
    plat::LoadFailure failure = plat::LoadFailure::CannotOpen;
    if (const std::optional<std::string> text = plat::readWholeFile(path, kMaxFileBytes, &failure))
        return ParsePinDescriptions(*text, answers);
    PinFileReading refused;
    switch (failure) {
    case plat::LoadFailure::TooLarge: refused.messages.push_back({0, "File too large for a pin description: " + path}); break;
    case plat::LoadFailure::NotAFile: refused.messages.push_back({0, plat::notAFileText(plat::resolvePath(path))}); break;
    case plat::LoadFailure::OutOfMemory:
    case plat::LoadFailure::CannotOpen: refused.messages.push_back({0, "Can't open file:" + path}); break;
    }
    return refused;
}

bool ReadPinDescriptions(const std::string& path, PartWizardAnswers& answers)
{
    const PinFileReading reading = ReadPinDescriptionFile(path, answers);
    for (const PinFileMessage& message : reading.messages)
        plat::MessageBox(message.text, plat::kMbIconExclamation);
    return reading.read;
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
        plat::MessageBox(written.message("Can't open file:" + path), plat::kMbIconExclamation);
        return false;
    }
    return true;
}
