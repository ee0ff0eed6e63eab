// Polynomial controlled sources of old subcircuit models, rewritten as nonlinear sources.
#include "schemora/netlist/netlist_writers.h"

#include "platform/core/ui_host.h"
#include "platform/system/ascii_case.h"
#include "schemora/netlist/netlist_text.h"

#include <cstdlib>
#include <vector>

using netlist::Format;

namespace {

constexpr size_t kMaxCoefficients = 10;

bool isZero(const std::string& coefficient)
{
    char* end = nullptr;
    const double v = std::strtod(coefficient.c_str(), &end);
    return end != coefficient.c_str() && v == 0.0;
}

}  // namespace

std::string ConvertPolySource(const std::string& line, int* counter)
{
    const std::vector<std::string> words = netlist::SplitWords(line);
    size_t poly = 0;
    while (poly < words.size() && !netlist::StartsWithNoCase(words[poly], "POLY"))
        ++poly;
    // The keyword stands as the fourth word; a line that only holds "POLY" inside a word is left.
    if (poly != 3 || poly >= words.size())
        return line;
    const size_t open = words[poly].find('(');
    const int dimension = open == std::string::npos ? 1 : std::atoi(words[poly].c_str() + open + 1);
    const char kind = plat::toUpperAscii(words[0][0]);
    const bool voltageControlled = kind == 'E' || kind == 'G';
    const bool voltageOut = kind == 'E' || kind == 'H';
    std::vector<std::string> controls;
    size_t i = poly + 1;
    for (int c = 0; c < dimension && i < words.size(); ++c) {
        if (voltageControlled && i + 1 < words.size()) {
            controls.push_back(Format("V(%s,%s)", words[i].c_str(), words[i + 1].c_str()));
            i += 2;
        } else {
            controls.push_back(Format("I(%s)", words[i].c_str()));
            ++i;
        }
    }
    std::string expression;
    for (size_t k = 0; i < words.size() && k < kMaxCoefficients; ++i, ++k) {
        if (k > controls.size()) {
            plat::MessageBox(Format("Too many terms for Poly(%d) statement", dimension));
            break;
        }
        std::string coefficient = words[i];
        if (!coefficient.empty() && plat::toUpperAscii(coefficient.back()) == 'U')
            coefficient = coefficient.substr(0, coefficient.size() - 1) + "E-6";
        if (isZero(coefficient))
            continue;
        const std::string term = k == 0 ? coefficient : coefficient + "*" + controls[k - 1];
        expression += expression.empty() ? term : "+ " + term;
    }
    ++*counter;
    return Format("B%d %s %s %s=", *counter, words[1].c_str(), words[2].c_str(), voltageOut ? "V" : "I")
           + (expression.empty() ? std::string("0") : expression);
}
