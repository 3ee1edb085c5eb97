#pragma once

#include <string>

class QDate;
class QLocale;

namespace orbela {

// Today in the system's short date format, for the "Stand: " lines
// (Windows-1252).
std::string druckdatum_heute();

// The date in the locale's short format; a C or POSIX locale, which has no
// language of its own, gets the German "dd.MM.yy".
std::string druckdatum(const QDate& datum, const QLocale& gebiet);

} // namespace orbela
