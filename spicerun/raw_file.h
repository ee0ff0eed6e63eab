#pragma once
// Reader of ngspice's ASCII raw files (SPICE_ASCIIRAWFILE=1): one or more plots, each with its
// variables and points. Simulator output is outside data: every count is checked against what
// was actually read, and a damaged file gives a reason, never a crash.

#include <complex>
#include <string>
#include <string_view>
#include <vector>

namespace spicerun {

struct RawVariable {
    std::string name;     // as written, lower case: "time", "v(out)", "i(v1)"
    std::string type;     // "time", "voltage", "frequency", ...
};

struct RawPlot {
    std::string name;                       // "Transient Analysis", "AC Analysis", ...
    bool complex = false;
    std::vector<RawVariable> variables;     // variable 0 is the scale (time, frequency, sweep)
    // The values point after point: variable v of point p at p * variables.size() + v. Kept
    // flat, and real plots without imaginary parts, so that a large file costs little more
    // memory than its text.
    std::vector<double> real;
    std::vector<double> imag;               // complex plots only

    size_t pointCount() const { return variables.empty() ? 0 : real.size() / variables.size(); }
    // Value of variable v at point p (imaginary part 0 in real plots).
    std::complex<double> value(size_t p, size_t v) const;

    // Index of the variable with this name (compared without case), -1 when there is none.
    int find(std::string_view variable) const;
};

struct RawFile {
    std::vector<RawPlot> plots;
    std::string error;                      // empty when the file read cleanly
};

inline constexpr size_t kMaxRawVariables = 4096;
inline constexpr size_t kMaxRawValues = 16 * 1024 * 1024;

RawFile ParseAsciiRaw(std::string_view text);

}  // namespace spicerun
