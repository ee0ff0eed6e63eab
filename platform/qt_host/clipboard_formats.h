#pragma once
// How the programs' clipboard formats travel on the desktop clipboard: "text" as plain text,
// "bitmap" as an image (the programs hand over and receive PNG bytes), and every other named
// format ("TLYN") as a private MIME type under the same name in every program.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

enum class ClipboardKind { Text, Bitmap, Named };

// "text" and "bitmap" in any case; anything else is a named format.
ClipboardKind clipboardKind(std::string_view format);

// "application/x-quillmere-TLYN" for "TLYN": the name is kept as given, so both programs meet
// on the same type.
std::string namedClipboardMimeType(std::string_view format);

// The programs' text ends lines with CR LF and may end with a NUL; the desktop's ends them
// with LF. Text stops at the first NUL; a CR directly before LF is dropped, any other is kept.
std::string clipboardTextToDesktop(std::span<const uint8_t> bytes);
// LF (and a CR LF already there) become CR LF; no NUL is appended.
std::vector<uint8_t> clipboardTextFromDesktop(std::string_view text);

}  // namespace plat
