#pragma once
// A text argument that may be null, as the profile functions take it: a null value deletes a
// key, a null key deletes a whole section. Built from a C string (null-safe), a std::string, a
// std::string_view, nullptr or std::nullopt, so callers write the calls the way they read.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

class OptionalText {
public:
    OptionalText(std::nullptr_t) {}
    OptionalText(std::nullopt_t) {}
    OptionalText(const char* text) : present_(text != nullptr), text_(text ? text : "") {}
    OptionalText(std::string_view text) : present_(true), text_(text) {}
    OptionalText(const std::string& text) : present_(true), text_(text) {}

    bool isNull() const { return !present_; }
    std::string_view text() const { return text_; }

private:
    bool present_ = false;
    std::string_view text_;
};

}  // namespace plat
