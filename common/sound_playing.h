#pragma once
// The editors' one sound routine: a WAV file of the sound folder, played only when the folder is
// known and sounds are on; a file that does not play says so.

#include <string>
#include <string_view>

namespace quill {

void PlaySoundFrom(const std::string& soundFolder, bool soundOn, std::string_view name);

}  // namespace quill
