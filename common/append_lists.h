#pragma once
// Gathering a program's resources from its topics: each topic gives a list, and the program
// keeps them one after another, in the order named.

#include <iterator>
#include <vector>

namespace quill {

template <typename T, typename... Lists>
void AppendLists(std::vector<T>& list, Lists&&... parts)
{
    (list.insert(list.end(), std::make_move_iterator(parts.begin()), std::make_move_iterator(parts.end())), ...);
}

}  // namespace quill
