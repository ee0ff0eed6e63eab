#pragma once
// Help > Website: the maker's web page, opened with the desktop's default handler.

#include <string_view>

inline constexpr std::string_view kMakerWebPage = "https://www.quillmere.com/";

// Opens the page; says so in a message box when no handler took it.
void OpenMakerWebPage();
