#pragma once
// Finding and replacing a text inside the texts of a drawing or a board, and the ring of
// recent search texts the Find dialogs offer. Both editors walk their own object stores and
// call these for each text object.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Start positions of every occurrence of `what` in `text` (case as given), each search
// resuming one character after the previous start. An empty `what` finds nothing.
std::vector<std::size_t> FindOccurrences(std::string_view text, std::string_view what);

// A part's designator as Find and the annotation files name it: its label up to the first ':'
// in capitals, followed by its number ("ic:DIP8" and 3 give "IC3").
std::string DesignatorOf(const char* label, int number);

enum class ReplaceAnswer { Replace, Continue, Cancel };
struct ReplaceTally {
    int made = 0;          // replacements made
    int tooLong = 0;       // occurrences left because the result would pass the longest text
    bool cancelled = false;
};
// Replaces the occurrences of `what` in `text` by `with`, scanning on behind each inserted text
// (so replacing R by RR does not loop) or behind a kept occurrence. `ask` decides each hit; an
// empty function replaces all. A result longer than maxChars is not made. `text` holds every
// replacement made, also after a Cancel.
ReplaceTally ReplaceOccurrences(std::string& text, std::string_view what, std::string_view with, std::size_t maxChars,
                                const std::function<ReplaceAnswer(std::size_t at)>& ask);

// The recent search texts: a ring of `capacity` distinct entries. A text already held leaves
// the ring as it is (no reordering); a new one replaces the oldest when the ring is full.
class FindHistory {
public:
    explicit FindHistory(int capacity);
    void add(std::string_view text);
    std::vector<std::string> newestFirst() const;
    std::string newest() const;
    int size() const { return count_; }

private:
    std::vector<std::string> slots_;
    int newestIndex_ = 0;
    int count_ = 0;
};
