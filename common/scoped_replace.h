#pragma once
// Puts a new value into a process-wide variable for the length of a scope and gives the old one
// back when the scope ends, however it ends: how an editor window lends the shared current-
// document values to its own store and returns them to the active document (or to none).

#include <utility>

template <class T>
class ScopedReplace {
public:
    ScopedReplace(T& target, T value) : target_(target), saved_(std::exchange(target, std::move(value))) {}
    ~ScopedReplace() { target_ = std::move(saved_); }
    ScopedReplace(const ScopedReplace&) = delete;
    ScopedReplace& operator=(const ScopedReplace&) = delete;

    const T& saved() const { return saved_; }

private:
    T& target_;
    T saved_;
};
