#include "platform/qt_host/command_line.h"

#include <iterator>

namespace plat {

std::optional<std::vector<std::string>> splitCommandLine(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;   // a quoted empty word counts, so the length alone cannot tell
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i++];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            if (i == line.size())
                return std::nullopt;
            word += line[i++];
        } else if (c == '\'') {
            const auto close = line.find('\'', i);
            if (close == std::string_view::npos)
                return std::nullopt;
            word.append(line.substr(i, close - i));
            i = close + 1;
        } else if (c == '"') {
            for (;;) {
                if (i == line.size())
                    return std::nullopt;
                const char q = line[i++];
                if (q == '"')
                    break;
                if (q == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\'))
                    word += line[i++];
                else
                    word += q;
            }
        } else {
            word += c;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::optional<ProgramCall> programCallOf(std::string_view line)
{
    auto words = splitCommandLine(line);
    if (!words || words->empty())
        return std::nullopt;
    ProgramCall call{std::move(words->front()), {}};
    call.arguments.assign(std::make_move_iterator(words->begin() + 1), std::make_move_iterator(words->end()));
    return call;
}

}  // namespace plat
