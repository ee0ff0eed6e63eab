#pragma once
// How both editors' readers tell the document framework what they made of a file.

#include "platform/core/archive.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The file is not a drawing or board of a version this program reads: says so with the
// program's "Unsupported file format" and refuses it, so no document stays open on it.
void RefuseFile(plat::Archive& archive);

// Only objectsRead objects could be read, the rest of the file is damaged: says so once and
// marks the archive, so that saving over the file asks first.
void ReportPartlyRead(plat::Archive& archive, int objectsRead);

// Part and package libraries grow part by part; their format bounds them only at some 32,000
// parts. A library is read whole for every part looked up in it, and 64 MB is thousands of parts
// of the size the part editors make: a larger file is refused unread.
inline constexpr std::uintmax_t kMaxLibraryFileBytes = std::uintmax_t{64} << 20;

// Reads the file at path (found regardless of case) whole for a reader that is not a document
// (a library, an import), when it holds at most maxBytes. Otherwise shows why with the given
// message-box type: cannotOpen for a file that cannot be opened, or that it is too large or
// that memory ran out; and gives nothing.
std::optional<plat::Archive> LoadFileForReader(std::string_view path, std::uintmax_t maxBytes,
                                               std::string_view cannotOpen, unsigned messageType = 0);
