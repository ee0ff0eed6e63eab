#include "common/object_slots.h"

#include "common/common_state.h"

int CountObjectSlot(int32_t* counter)
{
    if (*counter < quill::kMaxSymbolElements) {
        ++*counter;
        return 0;
    }
    quill::g_elementOverflow.overflow = true;
    return 1;
}
