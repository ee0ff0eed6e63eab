#pragma once
// Switches the C library's number locale to one with a decimal comma for the lifetime of the
// object, so a test can show that files written and read meanwhile do not change. Machines
// without such a locale get one compiled into a temporary folder; active() is false when even
// that fails (the test then skips).

#include "support/temp_folder.h"

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

}  // namespace quill_test
