#pragma once
// Process-wide stores given back their default values, as fixtures do between tests.

namespace quill_test {

// Gives each store the value a default-made one of its type has, in the order given.
template <class... Store> void resetToDefaults(Store&... stores)
{
    ((stores = Store{}), ...);
}

}  // namespace quill_test
