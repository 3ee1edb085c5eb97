#pragma once

#include <cstddef>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>

#include "testhilfe.h"

// Helpers for building card records byte by byte.
namespace karten_testhilfe {

// Writes a length byte and the text at `offset`.
inline void setze_text(std::string& satz, std::size_t offset, std::string_view text)
{
    satz[offset] = static_cast<char>(text.size());
    satz.replace(offset + 1, text.size(), text);
}

// Offsets in the 1300-byte card.
inline constexpr std::size_t nachname = 113;
inline constexpr std::size_t vorname = 52;
inline constexpr std::size_t bemerkung = 583;
inline constexpr std::size_t ist_lehrer = 935;
inline constexpr std::size_t unterrichtsstunden = 969;
inline constexpr std::size_t kuerzel = 1041;
inline constexpr std::size_t gesperrt = 1052;
inline constexpr std::size_t kuerzel4 = 1106;
inline constexpr std::size_t statistik = 1289;

// A card record with the surname, the first name and the plan code set.
inline std::string karte(std::string_view name, std::string_view vorname_text = "",
                         std::string_view code = "")
{
    std::string satz(1300, '\0');
    setze_text(satz, nachname, name);
    setze_text(satz, vorname, vorname_text);
    setze_text(satz, kuerzel, code);
    return satz;
}

} // namespace karten_testhilfe
