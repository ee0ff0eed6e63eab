#pragma once
// The keys that drive an editor's keyboard cursor. Both editors and both library editors bind
// them alike, each to its own command ids.

#include "common/editing_command_ids.h"
#include "platform/app/resources.h"

#include <vector>

namespace quill {

// Adds Left, Right, Up, Down, Enter and Home to `keys`.
void AddCursorKeys(std::vector<plat::Accelerator>& keys, const CursorKeyIds& ids);

}  // namespace quill
