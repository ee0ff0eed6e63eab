#pragma once
// Small string routines both editors use for texts, names and fixed-width fields.
//
// Heap strings: StrDupChecked makes the copies that object records own (a text, a part name);
// FreeStr releases them and clears the owner's pointer, so a record freed twice is harmless.
// An empty copy is the one shared empty string, which FreeStr never frees.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The three slicing routines share one static buffer: each call overwrites the result of the
// previous one, so a caller copies a result it wants to keep before the next call. A result is
// cut to kSliceBufferSize - 1 characters.
inline constexpr int kSliceBufferSize = 256;

}  // namespace quill

void SwapInt(int32_t* a, int32_t* b);

// The last n characters of text (all of them when n exceeds its length).
const char* StrRight(std::string_view text, int n);
// The first n characters of text (all of them when n exceeds its length).
const char* StrLeft(std::string_view text, int n);
// n characters from the 1-based position p (fewer when the text ends first; none when p lies
// beyond its end).
const char* StrMid(std::string_view text, int p, int n);

// Removes trailing blanks in place and returns text (null stays null).
char* TrimRight(char* text);
// The first non-blank character of text (text itself when it does not begin with a blank).
const char* SkipBlanks(const char* text);
char* SkipBlanks(char* text);

// A heap copy of text up to its first NUL, or null when memory runs out; the first failure in
// the process shows "Out of string space---push any key". A null or empty text (one that begins
// with a NUL included) is the shared empty string.
char* StrDupChecked(std::string_view text);
char* StrDupChecked(const char* text);
// Frees a string made by StrDupChecked and sets the pointer to null; null and the shared empty
// string are left in place. A copy emptied in place since is freed like any other.
void FreeStr(char*& text);

// text without the blanks at either end (empty when it is all blanks).
std::string_view Trimmed(std::string_view text, std::string_view blanks = " \t\r\n");

// The words of text: the runs of characters that are none of `separators`.
std::vector<std::string> WordsSeparatedBy(std::string_view text, std::string_view separators);
