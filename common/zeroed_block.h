#pragma once
// Large zero-filled blocks for the documents' object stores, taken from calloc: the system
// hands such blocks over as untouched zero pages, so a store costs memory only for the records
// in use, and opening a document no longer writes its whole store (megabytes) with zeros.

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <type_traits>

struct FreeZeroedBlock {
    void operator()(void* block) const noexcept { std::free(block); }
};

template <class T> using ZeroedBlock = std::unique_ptr<T, FreeZeroedBlock>;

// Zero bytes must be T's value-initialised state, and T must need no destructor.
template <class T> constexpr bool kZeroFillable = std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>;

// One T with every byte zero; null when memory runs out.
template <class T> ZeroedBlock<T> AllocateZeroed()
{
    static_assert(kZeroFillable<T>);
    return ZeroedBlock<T>(static_cast<T*>(std::calloc(1, sizeof(T))));
}

// count Ts with every byte zero; null when memory runs out.
template <class T> ZeroedBlock<T[]> AllocateZeroedArray(size_t count)
{
    static_assert(kZeroFillable<T>);
    return ZeroedBlock<T[]>(static_cast<T*>(std::calloc(count, sizeof(T))));
}
