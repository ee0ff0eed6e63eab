#include "common/string_helpers.h"

#include "common/common_state.h"
#include "platform/core/ui_host.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

char g_slice[quill::kSliceBufferSize];

// What an empty copy points at; never freed, and a writer that stores a terminator in it
// changes nothing.
char g_emptyString[1] = {0};

// Copies part of text into the slice buffer; text may itself point into the buffer (a slice
// of a previous slice), hence memmove.
const char* putSlice(std::string_view text, size_t from, size_t length)
{
    from = std::min(from, text.size());
    length = std::min({length, text.size() - from, size_t(quill::kSliceBufferSize - 1)});
    std::memmove(g_slice, text.data() + from, length);
    g_slice[length] = 0;
    return g_slice;
}

size_t nonNegative(int n) { return n > 0 ? static_cast<size_t>(n) : 0; }

}  // namespace

void SwapInt(int32_t* a, int32_t* b)
{
    const int32_t t = *a;
    *a = *b;
    *b = t;
}

const char* StrRight(std::string_view text, int n)
{
    const size_t count = std::min(nonNegative(n), text.size());
    return putSlice(text, text.size() - count, count);
}

const char* StrLeft(std::string_view text, int n) { return putSlice(text, 0, nonNegative(n)); }

const char* StrMid(std::string_view text, int p, int n)
{
    const size_t from = p > 1 ? static_cast<size_t>(p) - 1 : 0;
    return putSlice(text, from, nonNegative(n));
}

char* TrimRight(char* text)
{
    if (!text)
        return text;
    size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == ' ')
        text[--length] = 0;
    return text;
}

const char* SkipBlanks(const char* text)
{
    if (!text)
        return text;
    while (*text == ' ')
        ++text;
    return text;
}

char* SkipBlanks(char* text)
{
    return const_cast<char*>(SkipBlanks(static_cast<const char*>(text)));
}

char* StrDupChecked(std::string_view text)
{
    // The copy is a C string: what follows a NUL could never be read back.
    text = text.substr(0, text.find('\0'));
    if (text.empty())
        return g_emptyString;
    char* copy = nullptr;
    if (quill::g_stringSpace.simulatedFailures > 0)
        --quill::g_stringSpace.simulatedFailures;
    else
        copy = new (std::nothrow) char[text.size() + 1];
    if (!copy) {
        if (!quill::g_stringSpace.warningShown) {
            quill::g_stringSpace.warningShown = true;
            plat::MessageBox(quill::g_stringSpace.failureMessage);
        }
        return nullptr;
    }
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = 0;
    return copy;
}

char* StrDupChecked(const char* text)
{
    return StrDupChecked(text ? std::string_view(text) : std::string_view());
}

void FreeStr(char*& text)
{
    if (!text || text == g_emptyString)
        return;
    delete[] text;
    text = nullptr;
}

std::string_view Trimmed(std::string_view text, std::string_view blanks)
{
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> WordsSeparatedBy(std::string_view text, std::string_view separators)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = text.find_first_not_of(separators, i);
        if (start == std::string_view::npos)
            break;
        const size_t end = std::min(text.find_first_of(separators, start), text.size());
        words.emplace_back(text.substr(start, end - start));
        i = end;
    }
    return words;
}
