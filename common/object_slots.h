#pragma once
// The bounded counter of the symbol element store.

#include <cstdint>

namespace quill {

// Elements the symbol element store holds at most.
inline constexpr int32_t kMaxSymbolElements = 31991;

}  // namespace quill

// Takes one element slot: below the cap the counter is incremented and 0 returned; at the cap
// the element-overflow flag (g_elementOverflow) is set and 1 returned, the counter unchanged.
int CountObjectSlot(int32_t* counter);
