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
    // points[p][v]: value of variable v at point p (real plots keep the imaginary part 0).
    std::vector<std::vector<std::complex<double>>> points;

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
