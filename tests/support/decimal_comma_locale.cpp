#include "support/decimal_comma_locale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace quill_test {

namespace {

bool useDecimalComma()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0)
            return true;
    }
    return false;
}

}  // namespace

DecimalCommaLocale::DecimalCommaLocale()
{
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    previous_ = current ? current : "C";
    if (useDecimalComma()) {
        active_ = true;
        return;
    }
    const std::string target = folder_.file("de_DE.UTF-8");
    const std::string command = "localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return;
    const char* oldPath = std::getenv("LOCPATH");
    const std::string keep = oldPath ? oldPath : "";
    ::setenv("LOCPATH", folder_.path().c_str(), 1);
    active_ = useDecimalComma();
    if (oldPath)
        ::setenv("LOCPATH", keep.c_str(), 1);
    else
        ::unsetenv("LOCPATH");
}

DecimalCommaLocale::~DecimalCommaLocale()
{
    std::setlocale(LC_NUMERIC, previous_.c_str());
}

}  // namespace quill_test
