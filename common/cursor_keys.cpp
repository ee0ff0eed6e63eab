#include "common/cursor_keys.h"

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

}  // namespace quill
