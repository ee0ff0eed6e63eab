#include "tracelyn/core/int_list_text.h"

std::string JoinInts(std::span<const int32_t> values)
{
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(values[i]);
    }
    return text;
}
