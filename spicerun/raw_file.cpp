#include "spicerun/raw_file.h"

#include "platform/system/line_words.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace spicerun {
namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool next(std::string_view& line)
    {
        if (pos_ >= text_.size())
            return false;
        size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            end = text_.size();
        line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos_ = end + 1;
        return true;
    }
    // Looks at the next line without taking it.
    bool peek(std::string_view& line)
    {
        const size_t saved = pos_;
        const bool ok = next(line);
        pos_ = saved;
        return ok;
    }
    size_t bytesLeft() const { return pos_ < text_.size() ? text_.size() - pos_ : 0; }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string_view afterColon(std::string_view line)
{
    const size_t colon = line.find(':');
    std::string_view rest = colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    return rest;
}

// A non-negative count no larger than limit; -1 for anything else.
long readCount(std::string_view text, size_t limit)
{
    const std::string s(text);
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(s.c_str(), &end, 10);
    if (end == s.c_str() || errno == ERANGE || value < 0 || static_cast<size_t>(value) > limit)
        return -1;
    return value;
}

// Why a plot's "No. Points:" line gave no count, in the words of the file itself, so that a
// damaged count is not taken for values that came too early.
std::string pointCountProblem(std::string_view countText)
{
    const std::string shown(countText.substr(0, 40));
    if (countText.empty())
        return "the raw file gives no point count before its values";
    char* end = nullptr;
    const std::string s(countText);
    errno = 0;
    const long value = std::strtol(s.c_str(), &end, 10);
    if (end == s.c_str())
        return "the raw file's point count is not a number: " + shown;
    if (value < 0)
        return "the raw file's point count is negative: " + shown;
    return "the raw file's point count " + shown + " is more than the results may hold (" +
           std::to_string(kMaxRawValues) + " values)";
}

bool readValue(std::string_view text, bool complex, std::complex<double>& value)
{
    const std::string s(text);
    char* end = nullptr;
    const double re = std::strtod(s.c_str(), &end);
    if (end == s.c_str())
        return false;
    double im = 0;
    if (complex) {
        if (*end != ',')
            return false;
        const char* start = end + 1;
        im = std::strtod(start, &end);
        if (end == start)
            return false;
    }
    value = {re, im};
    return true;
}

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Room for the values the plot declares, as far as the text left can hold them (a value takes
// at least two characters): an honest file is stored without regrowing.
void reserveValues(RawPlot& plot, long declared, size_t valuesLeft, size_t bytesLeft)
{
    const size_t wanted = std::min({static_cast<size_t>(declared) * plot.variables.size(), valuesLeft, bytesLeft / 2});
    plot.real.reserve(wanted);
    if (plot.complex)
        plot.imag.reserve(wanted);
}

// Reads the points of one plot after its "Values:" line; stops early (keeping the whole points
// read) at the next plot's "Title:" line or at a damaged point.
std::string readPoints(LineReader& reader, RawPlot& plot, long declared, size_t& valuesLeft)
{
    const size_t count = plot.variables.size();
    reserveValues(plot, declared, valuesLeft, reader.bytesLeft());
    const auto dropPartialPoint = [&plot, count] {
        const size_t whole = plot.pointCount() * count;
        plot.real.resize(whole);
        if (plot.complex)
            plot.imag.resize(whole);
    };
    for (long p = 0; p < declared; ++p) {
        for (size_t v = 0; v < count; ++v) {
            std::string_view line;
            if (!reader.peek(line) || startsWith(line, "Title:")) {
                dropPartialPoint();
                return v == 0 ? std::string() : std::string("the raw file ends inside a point");
            }
            reader.next(line);
            const auto f = plat::LineWords(line);
            const size_t want = v == 0 ? 2 : 1;
            std::complex<double> value;
            if (f.size() != want || !readValue(f[want - 1], plot.complex, value)) {
                dropPartialPoint();
                return "damaged value in the raw file: " + std::string(line.substr(0, 60));
            }
            if (valuesLeft == 0) {
                dropPartialPoint();
                return "the raw file holds more values than the results may";
            }
            --valuesLeft;
            plot.real.push_back(value.real());
            if (plot.complex)
                plot.imag.push_back(value.imag());
        }
    }
    return {};
}

}  // namespace

std::complex<double> RawPlot::value(size_t p, size_t v) const
{
    const size_t at = p * variables.size() + v;
    return {real[at], complex ? imag[at] : 0.0};
}

int RawPlot::find(std::string_view variable) const
{
    const std::string wanted = lower(variable);
    for (size_t i = 0; i < variables.size(); ++i)
        if (variables[i].name == wanted)
            return static_cast<int>(i);
    return -1;
}

RawFile ParseAsciiRaw(std::string_view text)
{
    RawFile raw;
    LineReader reader(text);
    std::string_view line;
    size_t valuesLeft = kMaxRawValues;
    RawPlot plot;
    long variableCount = -1;
    long pointCount = -1;
    std::string_view pointCountText;
    bool inPlot = false;
    while (reader.next(line)) {
        if (startsWith(line, "Title:")) {
            plot = RawPlot{};
            variableCount = pointCount = -1;
            pointCountText = {};
            inPlot = true;
        } else if (!inPlot) {
            continue;
        } else if (startsWith(line, "Plotname:")) {
            plot.name = std::string(afterColon(line));
        } else if (startsWith(line, "Flags:")) {
            plot.complex = afterColon(line).find("complex") != std::string_view::npos;
        } else if (startsWith(line, "No. Variables:")) {
            variableCount = readCount(afterColon(line), kMaxRawVariables);
        } else if (startsWith(line, "No. Points:")) {
            const auto words = plat::LineWords(afterColon(line));
            pointCountText = words.empty() ? std::string_view() : words[0];
            pointCount = readCount(pointCountText, kMaxRawValues);
        } else if (startsWith(line, "Variables:")) {
            if (variableCount <= 0) {
                raw.error = "the raw file gives no usable variable count";
                return raw;
            }
            for (long v = 0; v < variableCount; ++v) {
                if (!reader.next(line)) {
                    raw.error = "the raw file ends inside its variable list";
                    return raw;
                }
                const auto f = plat::LineWords(line);
                if (f.size() < 3 || readCount(f[0], kMaxRawVariables) != v) {
                    raw.error = "damaged variable line in the raw file: " + std::string(line.substr(0, 60));
                    return raw;
                }
                plot.variables.push_back({lower(f[1]), lower(f[2])});
            }
        } else if (startsWith(line, "Binary:")) {
            raw.error = "the raw file is binary; the simulator must write ASCII";
            return raw;
        } else if (startsWith(line, "Values:")) {
            if (plot.variables.empty()) {
                raw.error = "the raw file's values come before its variables";
                return raw;
            }
            if (pointCount < 0) {
                raw.error = pointCountProblem(pointCountText);
                return raw;
            }
            const std::string error = readPoints(reader, plot, pointCount, valuesLeft);
            raw.plots.push_back(std::move(plot));
            plot = RawPlot{};
            inPlot = false;
            if (!error.empty()) {
                raw.error = error;
                return raw;
            }
        }
    }
    return raw;
}

}  // namespace spicerun
