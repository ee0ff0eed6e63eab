#pragma once
// The names a person types when saving or copying a part into a library of the library folder:
// a part name and a library file name, both checked before any library is touched.

#include <string>
#include <string_view>
#include <variant>

namespace quill {

inline constexpr int kMaxLibraryNameChars = 16;
inline constexpr int kMaxTypedSaveName = 50;

inline constexpr std::string_view kMsgEnterPartName = "Enter a part name";
inline constexpr std::string_view kMsgInvalidPartName = "Invalid part name!\nToo long or contains blanks.";
inline constexpr std::string_view kMsgEnterLibraryName = "Enter a library name\nor select an existing library";
inline constexpr std::string_view kMsgInvalidLibraryName = "Invalid library name!\nToo long or contains blanks.";
inline constexpr std::string_view kMsgLibraryProtected = "Library is protected: Please save part to another file";

// How a typed part name is read: cut at its first '.' (a schematic part typed with an
// extension), or whole (packages such as "AXIAL0.3" carry a dot in their own name; a name
// that begins with its dot is still empty).
enum class PartNameDots { CutAtFirst, KeepWhole };

// A part name read as dots says; the message that refuses it, or the name.
std::variant<std::string, std::string_view> CheckPartName(std::string_view typed,
                                                          PartNameDots dots = PartNameDots::CutAtFirst);

// A part name as a list shows it, read as dots says.
std::string PartNameOf(std::string_view listed, PartNameDots dots);

// A library name cut at its first '.' and given the extension (".CON", ".CAT"); the message
// that refuses it, or the file name. The cut comes before the checks, so ".X" (nothing left)
// is refused; a path separator or a name that only a folder could have is refused as invalid,
// so no name writes outside the library folder.
std::variant<std::string, std::string_view> CheckLibraryFileName(std::string_view typed,
                                                                 std::string_view extension);

// A file name of a folder list equals a typed library file name regardless of case.
bool SameLibraryFile(std::string_view listed, std::string_view typed);

}  // namespace quill
