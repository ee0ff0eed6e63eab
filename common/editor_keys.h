#pragma once
// Keys both editors and both library editors bind alike, each to its own command ids: the
// keyboard cursor's keys and the letters that choose what the edit commands act on.

#include "common/editing_command_ids.h"
#include "platform/app/resources.h"

#include <string_view>
#include <vector>

namespace quill {

// Adds Left, Right, Up, Down, Enter and Home to `keys`.
void AddCursorKeys(std::vector<plat::Accelerator>& keys, const CursorKeyIds& ids);

// Adds the selective-editing letters: letter i of `letters` (upper case; a blank for a kind
// without a key) runs command `first` + i, pressed with `flags` (0: the typed character).
void AddSelectiveEditKeys(std::vector<plat::Accelerator>& keys, unsigned first, std::string_view letters, uint8_t flags);

}  // namespace quill
