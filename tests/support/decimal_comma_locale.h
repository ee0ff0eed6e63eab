#pragma once
// Switches the C library's number locale to one with a decimal comma for the lifetime of the
// object, so a test can show that files written and read meanwhile do not change. Machines
// without such a locale get one compiled into a temporary folder; active() is false when even
// that fails (the test then skips).

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quill_test {

class DecimalCommaLocale {
public:
    DecimalCommaLocale();
    ~DecimalCommaLocale();
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool active() const { return active_; }

private:
    TempFolder folder_;
    std::string previous_;
    bool active_ = false;
};

// Holds what `text` gives under a decimal-comma locale to what it gave before; the test skips
// where no such locale can be made.
inline void expectSameUnderDecimalComma(const std::function<std::string()>& text)
{
    const std::string before = text();
    DecimalCommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no decimal-comma locale could be made on this machine";
    EXPECT_EQ(text(), before);
}

}  // namespace quill_test
