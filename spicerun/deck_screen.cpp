#include "spicerun/deck_screen.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace spicerun {
namespace {

// The dot cards a simulation needs. Everything that could load other files or run commands
// (.CONTROL, .INCLUDE, .LIB, ...) is left out on purpose.
constexpr std::array<std::string_view, 23> kAllowedCards = {
    ".TRAN", ".AC", ".DC", ".OP", ".NOISE", ".TF", ".PZ", ".DISTO", ".FOUR", ".PRINT", ".MODEL", ".SUBCKT",
    ".ENDS", ".END", ".OPTION", ".OPTIONS", ".IC", ".NODESET", ".PARAM", ".FUNC", ".TEMP", ".GLOBAL", ".WIDTH"};

constexpr std::array<std::string_view, 8> kAnalysisCards = {".TRAN", ".AC", ".DC", ".OP",
                                                            ".NOISE", ".TF", ".PZ", ".DISTO"};

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trimLeft(std::string_view line)
{
    const size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

bool hasControlCharacter(std::string_view line)
{
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && c != '\t';
    });
}

std::string refusal(int lineNumber, std::string_view why, std::string_view line)
{
    std::string shown(line.substr(0, 60));
    char head[64];
    std::snprintf(head, sizeof head, "line %d: ", lineNumber);
    return std::string(head) + std::string(why) + ": " + shown;
}

// Splits the deck at line ends ("\r\n" or "\n").
std::vector<std::string_view> splitLines(std::string_view deck)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < deck.size()) {
        size_t end = deck.find('\n', start);
        if (end == std::string_view::npos)
            end = deck.size();
        std::string_view line = deck.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::string CardKeyword(std::string_view line)
{
    line = trimLeft(line);
    const size_t end = line.find_first_of(" \t\n(");
    return upper(line.substr(0, end));
}

ScreenedDeck ScreenDeck(std::string_view deck)
{
    ScreenedDeck result;
    if (deck.size() > kMaxDeckBytes) {
        result.reason = "the deck is larger than any deck the netlister writes";
        return result;
    }
    const std::vector<std::string_view> lines = splitLines(deck);
    for (size_t i = 1; i < lines.size(); ++i) {   // line 0 is the title
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = lines[i];
        if (line.size() > kMaxLineChars) {
            result.reason = refusal(number, "line too long", line);
            return result;
        }
        if (hasControlCharacter(line)) {
            result.reason = refusal(number, "control character in the line", line);
            return result;
        }
        const std::string_view body = trimLeft(line);
        if (body.empty() || body[0] == '*')
            continue;
        if (body[0] == '+') {
            if (result.cards.empty()) {
                result.reason = refusal(number, "continuation without a card", line);
                return result;
            }
            result.cards.back().text += "\n" + std::string(line);
            continue;
        }
        Card card{number, std::string(line), {}};
        if (body[0] == '.') {
            card.keyword = CardKeyword(body);
            if (std::find(kAllowedCards.begin(), kAllowedCards.end(), card.keyword) == kAllowedCards.end()) {
                result.reason = refusal(number, "card not allowed", line);
                return result;
            }
            if (card.keyword == ".END")
                break;
            if (result.analysisCard < 0 &&
                std::find(kAnalysisCards.begin(), kAnalysisCards.end(), card.keyword) != kAnalysisCards.end())
                result.analysisCard = static_cast<int>(result.cards.size());
        } else if (!std::isalpha(static_cast<unsigned char>(body[0]))) {
            result.reason = refusal(number, "not an element or a card", line);
            return result;
        }
        result.cards.push_back(std::move(card));
    }
    result.accepted = true;
    return result;
}

std::vector<std::string> CardWords(std::string_view card)
{
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    bool lineStart = true;
    auto flush = [&] {
        if (!word.empty())
            words.push_back(std::move(word));
        word.clear();
    };
    for (char c : card) {
        if (c == '\n') {
            flush();
            depth = 0;
            lineStart = true;
            continue;
        }
        if (lineStart && c == '+') {
            lineStart = false;
            continue;
        }
        lineStart = lineStart && (c == ' ' || c == '\t');
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        if (depth == 0 && (c == ' ' || c == '\t' || c == '=' || c == ',')) {
            flush();
            continue;
        }
        if (depth > 0 && (c == ' ' || c == '\t'))
            continue;
        word += c;
    }
    flush();
    return words;
}

std::string DropGroundReference(std::string_view card)
{
    std::string out(card);
    // Work from the back so that earlier positions stay valid.
    for (const std::string_view ground : {std::string_view(",GND)"), std::string_view(",0)")}) {
        const std::string up = upper(out);
        size_t at = up.size();
        while (at > 0) {
            const size_t found = up.rfind(ground, at - 1);
            if (found == std::string::npos)
                break;
            out.erase(found, ground.size() - 1);
            at = found;
        }
    }
    return out;
}

}  // namespace spicerun
