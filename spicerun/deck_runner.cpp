#include "spicerun/deck_runner.h"

#include "spicerun/child_process.h"
#include "spicerun/deck_screen.h"
#include "spicerun/raw_file.h"
#include "spicerun/result_listing.h"

#include "platform/core/atomic_file.h"
#include "platform/core/input_file.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

namespace spicerun {
namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxRawBytes = 256u * 1024 * 1024;
constexpr size_t kMaxPrintedBytes = 16u * 1024 * 1024;
constexpr const char* kTitle = "* deck run by spicerun\n";

enum class ReadOutcome { Read, Missing, TooLarge, NotAFile };

// The whole file when it exists and is no larger than limit.
ReadOutcome readBounded(const fs::path& path, size_t limit, std::string& text)
{
    plat::InputFile file = plat::InputFile::open(path.string());
    if (file.failure() == plat::InputFile::Failure::NotAFile)
        return ReadOutcome::NotAFile;
    if (file && file.size() > limit)
        return ReadOutcome::TooLarge;
    std::optional<std::string> read = file.readUpTo(limit + 1);
    if (!read)
        return ReadOutcome::Missing;
    if (read->size() > limit)
        return ReadOutcome::TooLarge;
    text = std::move(*read);
    return ReadOutcome::Read;
}

std::string megabytes(size_t bytes) { return std::to_string(bytes / (1024 * 1024)) + " MB"; }

// A private folder for one run, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/spicerun-XXXXXX";
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ec;
        if (!path_.empty())
            fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// The deck handed to ngspice: our title, the screened cards without ".PRINT" (ngspice's printed
// tables are not used) and, for the Fourier run, the ".FOUR" cards it can print.
std::string runDeck(const ScreenedDeck& deck, bool fourier)
{
    std::string text = kTitle;
    for (const Card& card : deck.cards) {
        if (card.keyword == ".PRINT" || (!fourier && card.keyword == ".FOUR"))
            continue;
        text += (card.keyword == ".FOUR" ? DropGroundReference(card.text) : card.text) + "\n";
    }
    if (fourier)
        text += ".OPTIONS NFREQS=11\n";   // harmonics 1 to 10 beside the DC term
    text += ".END\n";
    return text;
}

bool asksForFourier(const ScreenedDeck& deck)
{
    if (deck.analysisCard < 0 || deck.cards[static_cast<size_t>(deck.analysisCard)].keyword != ".TRAN")
        return false;
    for (const Card& card : deck.cards)
        if (card.keyword == ".FOUR")
            return true;
    return false;
}

constexpr size_t kReasonLines = 12;
constexpr size_t kReasonLineChars = 78;

bool mentionsAny(const std::string& lowered, std::initializer_list<const char*> words)
{
    for (const char* w : words)
        if (lowered.find(w) != std::string::npos)
            return true;
    return false;
}

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// ngspice says why it stopped in lines like "Error on line 4", "could not find a valid
// modelname" or "unknown subckt", each followed by the deck line it refused (indented).
bool givesReason(const std::string& lower)
{
    return mentionsAny(lower, {"error", "could not find", "can't find", "cannot find", "unknown", "too many", "too few",
                               "not found", "no such", "fatal", "interrupted", "not parsed", "failed",
                               "singular", "timestep too small", "abort"});
}

// The closing statistics say nothing about the failure.
bool isStatistics(const std::string& lower)
{
    return lower.rfind("note:", 0) == 0 ||
           mentionsAny(lower, {"pages", "dram", "program size", "elapsed time", "analysis time", "stack =",
                               "resource usage", "no active circuit", "compatibility mode"});
}

// The lines of ngspice's output that say why the run failed, with the deck lines they quote;
// without any, its last lines other than the statistics.
std::string failureReason(const fs::path& log)
{
    std::string text;
    if (readBounded(log, kMaxPrintedBytes, text) != ReadOutcome::Read)
        return {};
    std::istringstream in(text);
    std::vector<std::string> reasons, others;
    bool quoting = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        const std::string lower = lowered(line);
        const bool indented = line.front() == ' ' || line.front() == '\t';
        if (givesReason(lower) || (quoting && indented)) {
            quoting = true;
            if (reasons.size() < kReasonLines)
                reasons.push_back(line.substr(0, kReasonLineChars));
            continue;
        }
        quoting = false;
        if (!isStatistics(lower))
            others.push_back(line.substr(0, kReasonLineChars));
    }
    if (reasons.empty() && others.size() > 6)
        others.erase(others.begin(), others.end() - 6);
    std::string out;
    for (const std::string& line : reasons.empty() ? others : reasons)
        out += "\n" + line;
    return out;
}

struct NgspiceRun {
    bool ok = false;
    std::string message;
};

// Writes deckText as deckName in folder and runs ngspice on it in batch mode, its output going
// to logName; with rawResults it writes the results to "results.raw".
NgspiceRun runNgspice(const RunOptions& options, const fs::path& folder, const std::string& deckName,
                      const std::string& deckText, bool rawResults, const std::string& logName)
{
    if (const plat::WriteResult written = plat::writeFileAtomically((folder / deckName).string(), deckText); !written)
        return NgspiceRun{false, written.message()};
    std::vector<std::string> arguments = {options.ngspice, "-b", "-n"};
    if (rawResults) {
        arguments.push_back("-r");
        arguments.push_back("results.raw");
    }
    arguments.push_back(deckName);
    ChildProcess child;
    child.arguments = arguments;
    child.folder = folder.string();
    child.outputFile = (folder / logName).string();
    child.environment = {"SPICE_ASCIIRAWFILE=1"};
    const ChildResult result = RunChildProcess(child, options.timeLimitSeconds);
    NgspiceRun run;
    if (result.status == ChildStatus::NotStarted) {
        run.message = "ngspice could not be started (" + options.ngspice + ")";
    } else if (result.status == ChildStatus::TimedOut) {
        run.message = "ngspice did not finish within " + std::to_string(options.timeLimitSeconds) + " seconds";
    } else if (result.status != ChildStatus::Exited || result.exitCode != 0) {
        run.message = "ngspice stopped with an error:" + failureReason(folder / logName);
    } else {
        run.ok = true;
    }
    return run;
}

RunResult fail(const std::string& outputPath, const std::string& message)
{
    RunResult result;
    result.outputPath = outputPath;
    result.message = message;
    std::string listing;
    std::istringstream in(message);
    for (std::string line; std::getline(in, line);)
        listing += "*** " + line.substr(0, 74) + "\n";
    if (const plat::WriteResult written = plat::writeFileAtomically(outputPath, listing); !written)
        result.message += "\n" + written.message();
    return result;
}

}  // namespace

std::string ListingPathFor(const std::string& deckPath)
{
    const size_t slash = deckPath.rfind('/');
    const size_t dot = deckPath.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? deckPath.substr(0, dot) : deckPath) + ".out";
}

RunResult SimulateDeck(const std::string& deckPath, const RunOptions& options)
{
    const std::string outputPath = ListingPathFor(deckPath);
    std::string deckText;
    switch (readBounded(deckPath, kMaxDeckBytes, deckText)) {
    case ReadOutcome::Read:
        break;
    case ReadOutcome::Missing:
        return fail(outputPath, "Cannot read the deck " + deckPath);
    case ReadOutcome::NotAFile:
        return fail(outputPath, plat::notAFileText(deckPath));
    case ReadOutcome::TooLarge:
        return fail(outputPath, "The deck " + deckPath + " is larger than " + megabytes(kMaxDeckBytes) +
                                    " and was not simulated");
    }
    const ScreenedDeck deck = ScreenDeck(deckText);
    if (!deck.accepted)
        return fail(outputPath, "The deck was not simulated: " + deck.reason);
    if (deck.analysisCard < 0)
        return fail(outputPath, "The deck asks for no analysis.");

    TempFolder temp;
    if (temp.path().empty())
        return fail(outputPath, "No temporary folder for the simulation");
    const NgspiceRun first = runNgspice(options, temp.path(), "deck.cir", runDeck(deck, false), true, "deck.log");
    if (!first.ok)
        return fail(outputPath, first.message);
    std::string rawText;
    switch (readBounded(temp.path() / "results.raw", kMaxRawBytes, rawText)) {
    case ReadOutcome::Read:
        break;
    case ReadOutcome::Missing:
    case ReadOutcome::NotAFile:
        return fail(outputPath, "ngspice wrote no results:" + failureReason(temp.path() / "deck.log"));
    case ReadOutcome::TooLarge:
        return fail(outputPath, "ngspice's results are larger than " + megabytes(kMaxRawBytes) +
                                    " and were not read; shorten the analysis or print fewer points");
    }
    const RawFile raw = ParseAsciiRaw(rawText);
    if (!raw.error.empty())
        return fail(outputPath, raw.error);

    std::string listing;
    const std::string& keyword = deck.cards[static_cast<size_t>(deck.analysisCard)].keyword;
    if (keyword == ".TRAN" || keyword == ".AC" || keyword == ".DC" || keyword == ".NOISE") {
        ListingTable table;
        std::string reason;
        if (!BuildListingTable(deck, raw, table, reason))
            return fail(outputPath, reason);
        listing = FormatListingTables(table);
    } else {
        listing = FormatValueListing(deck, raw);
    }
    if (asksForFourier(deck)) {
        const NgspiceRun second =
            runNgspice(options, temp.path(), "fourier.cir", runDeck(deck, true), false, "fourier.log");
        if (!second.ok)
            return fail(outputPath, second.message);
        std::string printed;
        readBounded(temp.path() / "fourier.log", kMaxPrintedBytes, printed);
        listing += RelayoutFourier(printed);
    }
    RunResult result;
    result.outputPath = outputPath;
    if (const plat::WriteResult written = plat::writeFileAtomically(outputPath, listing); !written) {
        result.message = written.message();
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace spicerun
