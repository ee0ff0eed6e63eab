#pragma once
// How both editors' readers tell the document framework what they made of a file.

#include <string_view>

namespace plat { class Archive; }

// The file is not a drawing or board of a version this program reads: says so with the
// program's "Unsupported file format" and refuses it, so no document stays open on it.
void RefuseFile(plat::Archive& archive);

// Only objectsRead objects could be read, the rest of the file is damaged: says so once and
// marks the archive, so that saving over the file asks first.
void ReportPartlyRead(plat::Archive& archive, int objectsRead);
