#include "common/editor_keys.h"

#include "platform/app/keys.h"

namespace quill {

void AddCursorKeys(std::vector<plat::Accelerator>& keys, const CursorKeyIds& ids)
{
    using plat::kFVirtKey;
    keys.insert(keys.end(), {
        {kFVirtKey, plat::kVkLeft, ids.left},
        {kFVirtKey, plat::kVkRight, ids.left + 1},
        {kFVirtKey, plat::kVkUp, ids.left + 2},
        {kFVirtKey, plat::kVkDown, ids.left + 3},
        {kFVirtKey, plat::kVkReturn, ids.enter},
        {kFVirtKey, plat::kVkHome, ids.home},
    });
}

void AddSelectiveEditKeys(std::vector<plat::Accelerator>& keys, unsigned first, std::string_view letters, uint8_t flags)
{
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (letters[i] != ' ')
            keys.push_back({flags, static_cast<uint16_t>(letters[i]), first + static_cast<unsigned>(i)});
}

}  // namespace quill
