#pragma once
// Texts and names in the drawing format: string records of 16 bytes. Blanks are stored as '|'
// and trailing blanks are dropped. A text of up to 15 characters is one record padded with
// blanks; a longer one is cut from its end into pieces of 15 characters, each followed by '~',
// so the last piece comes first and the record without '~' (the head) ends the chain.

#include <string>
#include <string_view>

namespace plat {
class Archive;
}

inline constexpr int kMaxStringChars = 200;

// Writes text (its first kMaxStringChars characters) as string records.
void WriteStringRecords(plat::Archive& archive, std::string_view text);

// Reads one chain of string records into text (at most kMaxStringChars characters, blanks
// restored). A chain longer than any text can be is read to its end but only its beginning is
// kept. False when the archive ends before the chain does; text then holds what was read.
bool ReadStringRecords(plat::Archive& archive, std::string& text);
