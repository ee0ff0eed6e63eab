#pragma once
// The application profile in the shared registry store: an entry of a section of one program's
// settings lives at HKEY_CURRENT_USER\Software\<company>\<app>\<section>, value <entry>
// (company "Quillmere", app "Schemora" or "Tracelyn"). Strings are string values, numbers are
// 32-bit values; a missing entry, or one of the other type, gives the default.

#include <string>
#include <string_view>

#include "platform/system/optional_text.h"

namespace plat {

std::string profileKeyPath(std::string_view company, std::string_view app, std::string_view section);

std::string GetProfileString(std::string_view company, std::string_view app,
                             std::string_view section, std::string_view entry,
                             std::string_view defaultValue = {});
// A null value deletes the entry; a null entry deletes the whole section.
bool WriteProfileString(std::string_view company, std::string_view app, std::string_view section,
                        OptionalText entry, OptionalText value);
int GetProfileInt(std::string_view company, std::string_view app, std::string_view section,
                  std::string_view entry, int defaultValue);
bool WriteProfileInt(std::string_view company, std::string_view app, std::string_view section,
                     std::string_view entry, int value);

}  // namespace plat
