#include "common/text_search.h"

#include <algorithm>
#include <cctype>

std::vector<std::size_t> FindOccurrences(std::string_view text, std::string_view what)
{
    std::vector<std::size_t> hits;
    if (what.empty())
        return hits;
    for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
        hits.push_back(at);
    return hits;
}

std::string DesignatorOf(const char* label, int number)
{
    std::string prefix = label ? label : "";
    prefix = prefix.substr(0, prefix.find(':'));
    for (char& c : prefix)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return prefix + std::to_string(number);
}

ReplaceTally ReplaceOccurrences(std::string& text, std::string_view what, std::string_view with, std::size_t maxChars,
                                const std::function<ReplaceAnswer(std::size_t at)>& ask)
{
    ReplaceTally tally;
    if (what.empty())
        return tally;
    std::size_t from = 0;
    for (std::size_t at = text.find(what, from); at != std::string::npos; at = text.find(what, from)) {
        const ReplaceAnswer answer = ask ? ask(at) : ReplaceAnswer::Replace;
        if (answer == ReplaceAnswer::Cancel) {
            tally.cancelled = true;
            break;
        }
        if (answer == ReplaceAnswer::Continue) {
            from = at + what.size();
            continue;
        }
        if (text.size() - what.size() + with.size() > maxChars) {
            ++tally.tooLong;
            from = at + what.size();
            continue;
        }
        text.replace(at, what.size(), with);
        from = at + with.size();
        ++tally.made;
    }
    return tally;
}

FindHistory::FindHistory(int capacity) : slots_(static_cast<std::size_t>(std::max(1, capacity))) {}

void FindHistory::add(std::string_view text)
{
    for (int i = 0; i < count_; ++i)
        if (slots_[static_cast<std::size_t>(i)] == text)
            return;
    const int capacity = static_cast<int>(slots_.size());
    if (count_ > 0)
        newestIndex_ = (newestIndex_ + 1) % capacity;
    slots_[static_cast<std::size_t>(newestIndex_)] = std::string(text);
    count_ = std::min(count_ + 1, capacity);
}

std::vector<std::string> FindHistory::newestFirst() const
{
    std::vector<std::string> list;
    const int capacity = static_cast<int>(slots_.size());
    for (int i = 0; i < count_; ++i)
        list.push_back(slots_[static_cast<std::size_t>((newestIndex_ - i + capacity) % capacity)]);
    return list;
}

std::string FindHistory::newest() const { return count_ > 0 ? slots_[static_cast<std::size_t>(newestIndex_)] : std::string(); }
