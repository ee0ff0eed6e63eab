#pragma once
// The programs describe file-dialog filters the way their framework took them: one string of
// '|'-separated pairs, a display name and its patterns, ending in '|':
//   "Schemora (*.PIC)|*.pic|Netlist (*.NET)|*.net|"
// These helpers turn that into the filters the file dialog shows; the dialog reports the
// 1-based position of the chosen one, which the programs read.

#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct FileFilter {
    std::string name;       // "Schemora (*.PIC)"
    std::string patterns;   // "*.pic", or several separated by ';'

    bool operator==(const FileFilter&) const = default;
};

// Pairs in order. A name without a pattern ends the list, as does an empty name; an empty
// string gives no filters (every file shows).
std::vector<FileFilter> parseFileFilter(std::string_view filter);

// The filter as the dialog lists it: "Name (patterns)", with the patterns blank-separated.
// A name that already ends in its own patterns in parentheses ("Schemora (*.PIC)" for "*.pic")
// is kept as it is, since the dialog matches patterns without regard to case.
std::string dialogNameFilter(const FileFilter& filter);

}  // namespace plat
