#include "core/alte_karten.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <string_view>

namespace orbela {

namespace {

// The string of a field that spans `spanne` bytes from `anfang`: the length
// byte and at most spanne - 1 characters.
std::string_view text_in(std::span<const unsigned char> satz, std::size_t anfang, std::size_t spanne)
{
    const std::size_t laenge = std::min<std::size_t>(satz[anfang], spanne - 1);
    return {reinterpret_cast<const char*>(satz.data() + anfang + 1), laenge};
}

} // namespace

void uebernimm_lehrdat(std::span<const unsigned char> satz, kartentyp& karte)
{
    assert(satz.size() == lehrdat_satzlaenge);
    karte.nachname.assign(text_in(satz, 0, 61));
    karte.funktion.assign(text_in(satz, 61, 61));
    karte.faecher.assign(text_in(satz, 122, 61));
    karte.bemerkung.assign(text_in(satz, 183, 151));
    karte.pflichtstunden.assign(text_in(satz, 334, 4));
    karte.unterrichtsstunden.assign(text_in(satz, 338, 4));
    karte.kuerzel4.assign(text_in(satz, 342, 7));
    karte.kuerzel.assign(text_in(satz, 349, 3));
    static_assert(352 + sizeof karte.gesperrt == lehrdat_satzlaenge);
    std::memcpy(karte.gesperrt, satz.data() + 352, sizeof karte.gesperrt);
    karte.ist_lehrer = 1;
}

void uebernimm_lehrer(std::span<const unsigned char> satz, kartentyp& karte)
{
    assert(satz.size() == lehrer_satzlaenge);
    karte.nachname.assign(text_in(satz, 0, 61));
    karte.strasse.assign(text_in(satz, 61, 61));
    karte.ort.assign(text_in(satz, 122, 61));
    karte.telefon.assign(text_in(satz, 183, 61));
    karte.geburtsdatum.assign(text_in(satz, 244, 13));
    karte.funktion.assign(text_in(satz, 257, 23));
    karte.bemerkung.assign(text_in(satz, 280, 151));
    karte.ist_lehrer = satz[431];
    karte.klassenlehrer1.assign(text_in(satz, 432, 9));
    karte.pflichtstunden.assign(text_in(satz, 441, 4));
    karte.kuerzel4.assign(text_in(satz, 445, 7));
    karte.faecher.assign(text_in(satz, 452, 41));
    static_assert(452 + 41 == lehrer_satzlaenge);
}

} // namespace orbela
