#include "common/sound_playing.h"

#include "platform/core/ui_host.h"

namespace quill {

void PlaySoundFrom(const std::string& soundFolder, bool soundOn, std::string_view name)
{
    if (soundFolder.empty() || !soundOn)
        return;
    if (!plat::uiHost().playSound(soundFolder + std::string(name)))
        plat::MessageBox("Error in Playing Sound", plat::kMbIconStop);
}

}  // namespace quill
