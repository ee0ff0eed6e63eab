#include "common/common_state.h"

namespace quill {

StringSpace g_stringSpace;
ElementOverflow g_elementOverflow;

}  // namespace quill
