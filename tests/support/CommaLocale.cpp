#include "CommaLocale.h"

#include "TempDir.h"

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kLocale = "de_DE.UTF-8";

bool setCommaLocale()
{
    const std::lconv* conventions = std::setlocale(LC_NUMERIC, kLocale) ? std::localeconv() : nullptr;
    return conventions && std::string(conventions->decimal_point) == ",";
}

// Compiles the locale from the system's sources into a folder that lives as long as the process.
bool makeCommaLocale()
{
    static TempDir folder;
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + folder.path() + "/" + kLocale + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return false;
    ::setenv("LOCPATH", folder.path().c_str(), 1);
    return true;
}

} // namespace

CommaLocale::CommaLocale()
{
    static const bool available = setCommaLocale() || (makeCommaLocale() && setCommaLocale());
    mActive = available && setCommaLocale();
}

CommaLocale::~CommaLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}
