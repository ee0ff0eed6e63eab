#pragma once
// The reference list the schematic program writes beside its netlist (".ref"): one line per
// part, "<designator> <library part> <sections> <package>", the package "none" when the part
// has none. Read as outside data: every line, name and count is bounded.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Parts one board takes: the board program's placed-part table holds 502.
inline constexpr size_t kMaxReferenceParts = 500;
inline constexpr size_t kMaxReferenceLineChars = 200;
inline constexpr size_t kMaxDesignatorChars = 19;
inline constexpr size_t kMaxPackageNameChars = 40;
inline constexpr long kMaxReferenceNumber = 99999;

struct ReferencePart {
    std::string designator;     // upper case: "R12"
    std::string prefix;         // "R"
    int number = 0;             // 12
    std::string libraryPart;    // "DEVICE\R 1", as written
    std::string package;        // "RES400"; empty for "none"
};

// Why a list is refused: the 1-based line and what is wrong with it (line 0: the whole file).
struct ReferenceListError {
    size_t line = 0;
    std::string reason;
};

using ReferenceListResult = std::variant<std::vector<ReferencePart>, ReferenceListError>;

// Parses the whole text. A designator listed twice, a malformed line, a package name with a
// path separator or odd characters, or more parts than a board takes refuses the list.
ReferenceListResult ParseReferenceList(std::string_view text);

// "R12" gives prefix "R" and 12; false unless letters are followed by decimal digits.
bool SplitDesignator(std::string_view designator, std::string& prefix, int& number);

// The message a refused list is reported with.
std::string DescribeReferenceError(const ReferenceListError& error);
