#include "spicerun/result_listing.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace spicerun {
namespace {

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string format(const char* fmt, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, fmt, value);
    return buffer;
}

bool isGround(std::string_view node) { return node == "0" || upper(node) == "GND"; }

// The complex value of a node voltage or branch current at every point; false when the plot
// does not hold it.
bool vectorOf(const RawPlot& plot, char kind, std::string_view inside, std::vector<std::complex<double>>& out)
{
    auto take = [&](int index) {
        out.clear();
        for (size_t p = 0; p < plot.pointCount(); ++p)
            out.push_back(plot.value(p, static_cast<size_t>(index)));
    };
    const std::string name(inside);
    if (kind == 'I') {
        for (const std::string& candidate : {"i(" + name + ")", name + "#branch"}) {
            if (const int index = plot.find(candidate); index >= 0) {
                take(index);
                return true;
            }
        }
        return false;
    }
    const size_t comma = name.find(',');
    const std::string node = name.substr(0, comma);
    std::vector<std::complex<double>> reference(plot.pointCount());
    if (comma != std::string::npos && !isGround(name.substr(comma + 1))) {
        const int index = plot.find("v(" + name.substr(comma + 1) + ")");
        if (index < 0)
            return false;
        for (size_t p = 0; p < plot.pointCount(); ++p)
            reference[p] = plot.value(p, static_cast<size_t>(index));
    }
    if (isGround(node)) {
        out.assign(plot.pointCount(), {});
    } else {
        const int index = plot.find("v(" + node + ")");
        if (index < 0)
            return false;
        take(index);
    }
    for (size_t p = 0; p < out.size(); ++p)
        out[p] -= reference[p];
    return true;
}

double decibels(std::complex<double> z)
{
    const double magnitude = std::abs(z);
    return magnitude > 0 ? 20 * std::log10(magnitude) : -400.0;
}

// One ".PRINT" output: "V(OUT)", "VDB(OUT)", "VP(OUT)", "I(V1)", ... Phases are in degrees.
bool makeColumn(const RawPlot& plot, std::string_view spec, Column& column)
{
    const std::string text = upper(spec);
    const size_t open = text.find('(');
    if (open == std::string::npos || text.back() != ')')
        return false;
    const std::string function = text.substr(0, open);
    const std::string inside = std::string(spec.substr(open + 1, spec.size() - open - 2));
    if (function.empty() || (function[0] != 'V' && function[0] != 'I'))
        return false;
    const std::string form = function.substr(1);
    std::vector<std::complex<double>> values;
    if (!vectorOf(plot, function[0], inside, values))
        return false;
    column.title = form == "P" ? "PH(" + std::string(1, function[0]) + "(" + upper(inside) + "))" : text;
    column.values.clear();
    for (const std::complex<double> z : values) {
        double v = 0;
        if (form == "DB")
            v = decibels(z);
        else if (form == "P")
            v = std::arg(z) * 180.0 / std::numbers::pi;
        else if (form == "R")
            v = z.real();
        else if (form == "I")
            v = z.imag();
        else if (form == "M" || (form.empty() && plot.complex))
            v = std::abs(z);
        else if (form.empty())
            v = z.real();
        else
            return false;
        column.values.push_back(v);
    }
    return true;
}

void resample(ListingTable& table, double start, double step, double stop)
{
    if (!(step > 0) || table.scale.size() < 2)
        return;
    std::vector<double> times;
    for (int k = 0; k < kMaxTableRows; ++k) {
        const double t = start + k * step;
        if (t > stop * (1 + 1e-9) + 1e-30)
            break;
        times.push_back(t);
    }
    for (Column& column : table.columns) {
        std::vector<double> values;
        size_t i = 0;
        for (const double t : times) {
            while (i + 2 < table.scale.size() && table.scale[i + 1] < t)
                ++i;
            const double t0 = table.scale[i], t1 = table.scale[i + 1];
            const double v0 = column.values[i], v1 = column.values[i + 1];
            const double f = t1 > t0 ? std::clamp((t - t0) / (t1 - t0), 0.0, 1.0) : 0.0;
            values.push_back(v0 + (v1 - v0) * f);
        }
        column.values = std::move(values);
    }
    table.scale = std::move(times);
}

const RawPlot* findPlot(const RawFile& raw, std::string_view scaleType)
{
    for (const RawPlot& plot : raw.plots)
        if (!plot.variables.empty() && plot.pointCount() > 0 &&
            (scaleType.empty() || plot.variables[0].type == scaleType))
            return &plot;
    return nullptr;
}

std::string number(double value) { return format("%.6g", value); }

}  // namespace

bool ParseSpiceNumber(std::string_view text, double& value)
{
    const std::string s(text);
    char* end = nullptr;
    const double base = std::strtod(s.c_str(), &end);
    if (end == s.c_str())
        return false;
    const std::string suffix = upper(end);
    double scale = 1;
    if (suffix.rfind("MEG", 0) == 0) scale = 1e6;
    else if (suffix.rfind("MIL", 0) == 0) scale = 25.4e-6;
    else if (!suffix.empty()) {
        switch (suffix[0]) {
        case 'T': scale = 1e12; break;
        case 'G': scale = 1e9; break;
        case 'K': scale = 1e3; break;
        case 'M': scale = 1e-3; break;
        case 'U': scale = 1e-6; break;
        case 'N': scale = 1e-9; break;
        case 'P': scale = 1e-12; break;
        case 'F': scale = 1e-15; break;
        default: break;
        }
    }
    value = base * scale;
    return true;
}

bool BuildListingTable(const ScreenedDeck& deck, const RawFile& raw, ListingTable& table, std::string& reason)
{
    table = ListingTable{};
    if (deck.analysisCard < 0) {
        reason = "the deck asks for no analysis";
        return false;
    }
    const Card& card = deck.cards[static_cast<size_t>(deck.analysisCard)];
    const std::vector<std::string> words = CardWords(card.text);
    auto numberAt = [&](size_t i, double fallback) {
        double v = fallback;
        if (i < words.size() && !ParseSpiceNumber(words[i], v))
            v = fallback;
        return v;
    };
    std::string printKind;
    const RawPlot* plot = nullptr;
    if (card.keyword == ".TRAN") {
        plot = findPlot(raw, "time");
        table.scaleTitle = "TIME";
        table.card = ".TRAN " + number(numberAt(1, 0)) + " " + number(numberAt(2, 0)) + " " + number(numberAt(3, 0));
        printKind = "TRAN";
    } else if (card.keyword == ".AC" || card.keyword == ".NOISE") {
        const bool noise = card.keyword == ".NOISE";
        const size_t sweep = noise ? 3 : 1;
        plot = findPlot(raw, "frequency");
        table.scaleTitle = "FREQ";
        const std::string kind = sweep < words.size() ? upper(words[sweep]) : "DEC";
        table.card = card.keyword + " " + kind + " " + number(std::floor(numberAt(sweep + 1, 0))) + " " +
                     number(numberAt(sweep + 2, 0)) + " " + number(numberAt(sweep + 3, 0));
        printKind = noise ? "NOISE" : "AC";
    } else if (card.keyword == ".DC") {
        plot = findPlot(raw, "");
        table.scaleTitle = "SWEEP";
        table.card = ".DC " + (words.size() > 1 ? upper(words[1]) : std::string("?")) + " " + number(numberAt(2, 0)) +
                     " " + number(numberAt(3, 0)) + " " + number(numberAt(4, 0));
        printKind = "DC";
    } else {
        reason = "the " + card.keyword + " analysis gives no table";
        return false;
    }
    if (!plot) {
        reason = "ngspice wrote no " + printKind + " results";
        return false;
    }
    for (size_t p = 0; p < plot->pointCount(); ++p)
        table.scale.push_back(plot->value(p, 0).real());

    std::vector<std::string> specs;
    bool all = false;
    for (const Card& c : deck.cards) {
        if (c.keyword != ".PRINT")
            continue;
        const std::vector<std::string> w = CardWords(c.text);
        if (w.size() < 2 || upper(w[1]) != printKind)
            continue;
        for (size_t i = 2; i < w.size(); ++i) {
            if (upper(w[i]) == "ALL")
                all = true;
            else
                specs.push_back(w[i]);
        }
    }
    if (specs.empty() || all) {
        for (size_t v = 1; v < plot->variables.size(); ++v) {
            Column column;
            column.title = upper(plot->variables[v].name);
            for (size_t p = 0; p < plot->pointCount(); ++p)
                column.values.push_back(plot->complex ? std::abs(plot->value(p, v)) : plot->value(p, v).real());
            table.columns.push_back(std::move(column));
        }
    }
    for (const std::string& spec : specs) {
        Column column;
        if (makeColumn(*plot, spec, column))
            table.columns.push_back(std::move(column));
        else
            table.notes.push_back("* no results for " + upper(spec));
    }
    if (card.keyword == ".TRAN")
        resample(table, numberAt(3, 0), numberAt(1, 0), numberAt(2, 0));
    if (table.scale.size() > static_cast<size_t>(kMaxTableRows)) {
        table.scale.resize(kMaxTableRows);
        for (Column& column : table.columns)
            column.values.resize(kMaxTableRows);
    }
    return true;
}

std::string FormatListingTables(const ListingTable& table)
{
    std::string out;
    for (const std::string& note : table.notes)
        out += note.substr(0, kMaxListingLine) + "\n";
    size_t first = 0;
    do {
        // As many columns as fit the line and the table.
        std::string header = table.scaleTitle;
        header.resize(std::max<size_t>(header.size(), 12), ' ');
        size_t last = first;
        while (last < table.columns.size() && static_cast<int>(last - first) < kMaxTableColumns) {
            std::string title = table.columns[last].title;
            title.resize(std::max<size_t>(title.size(), 12), ' ');
            if (last > first && header.size() + 1 + title.size() > kMaxListingLine)
                break;
            header += " " + title;
            ++last;
        }
        while (!header.empty() && header.back() == ' ')
            header.pop_back();
        out += table.card.substr(0, kMaxListingLine) + "\n";
        out += header.substr(0, kMaxListingLine) + "\n";
        out += std::string(std::min(header.size(), kMaxListingLine), '-') + "\n\n";
        for (size_t row = 0; row < table.scale.size(); ++row) {
            std::string line = format("%-12.5e", table.scale[row]);
            for (size_t c = first; c < last; ++c)
                line += format(" %12.5e", table.columns[c].values[row]);
            out += line + "\n";
        }
        out += "\n";
        first = last;
    } while (first < table.columns.size());
    return out;
}

std::string FormatValueListing(const ScreenedDeck& deck, const RawFile& raw)
{
    std::string out;
    if (deck.analysisCard >= 0)
        out += CardKeyword(deck.cards[static_cast<size_t>(deck.analysisCard)].text) + "\n";
    for (const RawPlot& plot : raw.plots) {
        out += "* " + plot.name.substr(0, kMaxListingLine - 2) + "\n";
        if (plot.pointCount() == 0)
            continue;
        for (size_t v = 0; v < plot.variables.size(); ++v) {
            const std::complex<double> z = plot.value(0, v);
            std::string line = plot.variables[v].name.substr(0, 40) + " = " + format("%.6g", z.real());
            if (plot.complex)
                line += format(", %.6g", z.imag());
            out += line + "\n";
        }
        out += "\n";
    }
    return out;
}

std::string RelayoutFourier(std::string_view printed)
{
    std::string out;
    size_t pos = 0;
    const std::string_view marker = "Fourier analysis for ";
    while ((pos = printed.find(marker, pos)) != std::string_view::npos) {
        size_t end = printed.find('\n', pos);
        if (end == std::string_view::npos)
            break;
        std::string_view name = printed.substr(pos + marker.size(), end - pos - marker.size());
        while (!name.empty() && (name.back() == ':' || name.back() == '\r' || name.back() == ' '))
            name.remove_suffix(1);
        const size_t table = printed.find("Harmonic Frequency", end);
        if (table == std::string_view::npos)
            break;
        size_t line = printed.find('\n', table);   // the header
        line = line == std::string_view::npos ? line : printed.find('\n', line + 1);   // its dashes
        std::array<std::array<double, 5>, 11> rows{};
        std::array<bool, 11> have{};
        while (line != std::string_view::npos && line + 1 < printed.size()) {
            const size_t next = printed.find('\n', line + 1);
            const std::string row(printed.substr(line + 1, (next == std::string_view::npos ? printed.size() : next) - line - 1));
            int k = -1;
            std::array<double, 5> v{};
            if (std::sscanf(row.c_str(), "%d %lf %lf %lf %lf %lf", &k, &v[0], &v[1], &v[2], &v[3], &v[4]) != 6)
                break;
            if (k >= 1 && k <= 10) {
                rows[static_cast<size_t>(k)] = v;
                have[static_cast<size_t>(k)] = true;
            }
            line = next;
        }
        out += "Fourier analysis for " + upper(name.substr(0, 50)) + ":\n";
        out += "Harmonic Frequency     Norm. Mag    Phase (deg)  Magnitude    Norm. Phase\n";
        out += "-------- ---------     ---------    -----------  ---------    -----------\n";
        for (size_t k = 1; k <= 10; ++k) {
            char text[128];
            if (!have[k]) {
                std::snprintf(text, sizeof text, "%8zu\n", k);
            } else {
                const auto& v = rows[k];   // frequency, magnitude, phase, norm. magnitude, norm. phase
                std::snprintf(text, sizeof text, "%8zu %-13.6g %-12.6g %-12.4f %-12.6g %-12.4f", k, v[0], v[3], v[2],
                              v[1], v[4]);
                std::string trimmed(text);
                while (!trimmed.empty() && trimmed.back() == ' ')
                    trimmed.pop_back();
                std::snprintf(text, sizeof text, "%s\n", trimmed.c_str());
            }
            out += text;
        }
        out += "\n";
        pos = end;
    }
    return out;
}

}  // namespace spicerun
