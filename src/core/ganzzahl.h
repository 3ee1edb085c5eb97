#pragma once

#include <string_view>

namespace orbela {

// Reads a decimal whole number the way the user typed it (leading blanks and
// a sign allowed). Anything else throws Fehler "'%s' ist kein gültiger
// Integerwert". The text is Windows-1252.
int als_ganzzahl(std::string_view text);

} // namespace orbela
