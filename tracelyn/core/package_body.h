#pragma once
// The records of a package body: read one object at a time by common/pcb's reader (which the
// package loader, the footprint editor's reader, the preview and the catalogue searches share),
// and written back here. A body's records are 20 bytes from version 12 (and always in board
// export files), 16 bytes before.

#include "common/pcb/package_body_reader.h"
#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_records.h"

namespace plat { class Archive; }

using pcb::PackageBodyHeader;
using pcb::ReadPackageBodyHeader;
using pcb::PackageRecordSize;
using pcb::BodyItem;
using pcb::PackageBodyReader;
using pcb::StartsWith;

// Writes one object of a package body as 20-byte records: a text with its string records, a
// polygon with its fixed 16-vertex block.
void WritePackageObject(plat::Archive& file, const BoardObject& object);
// Objects that a package body carries: live, and neither a board outline nor a placed part.
bool IsPackageObject(const BoardObject& object);
