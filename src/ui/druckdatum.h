#pragma once

#include <string>

namespace orbela {

// Today in the system's short date format, for the "Stand: " lines
// (Windows-1252).
std::string druckdatum_heute();

} // namespace orbela
