#pragma once
// How "schemora.ini" spells its values (internal to the settings code).

#include <string>
#include <string_view>
#include <vector>

// The fields of a value separated by any of separators (empty fields are kept, so a field's
// position never shifts).
std::vector<std::string> SplitSettingFields(std::string_view text, std::string_view separators);

// The value's leading decimal number, after blanks and an optional sign; 0 when it has none.
int SettingNumber(std::string_view text);

// The key of entry n of a numbered list: base followed by n ("font#17", "scheme3").
std::string NumberedKey(std::string_view base, int n);
