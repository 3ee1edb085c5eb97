#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/pstring.h"

namespace orbela {

// One card of the teacher card index: 1300 bytes, the same in memory and in
// the card file adresslehrdat.int.
struct kartentyp {
    PString<20> anrede;
    PString<30> titel;
    PString<60> vorname;
    PString<60> nachname;               // the sort key of the index
    PString<60> strasse;
    PString<10> plz;
    PString<60> ort;
    PString<20> geburtsdatum;           // free text
    PString<10> geschlecht;             // free text
    PString<60> telefon;
    PString<60> mobil;
    PString<60> fax;
    PString<60> email;
    PString<250> bemerkung;
    PString<100> funktion;
    std::uint8_t ist_lehrer;            // 1 = teacher, 0 = other contact
    PString<10> klassenlehrer1;
    PString<10> klassenlehrer2;
    PString<10> pflichtstunden;
    PString<10> unterrichtsstunden;
    PString<60> faecher;                // free text
    PString<10> kuerzel;                // the teacher code of the plan
    std::uint8_t gesperrt[6][9];        // [day][lesson], 1 = blocked
    PString<6> kuerzel4;                // statistics code
    PString<30> rechtsverhaeltnis;
    PString<30> beschaeftigungsart;
    PString<30> einsatzstatus;
    PString<30> schulleitung;
    PString<30> staatsangehoerigkeit;
    PString<20> stammschule;
    PString<10> statistik;              // free text

    bool ist_gesperrt(int tag, int stunde) const { return gesperrt[tag - 1][stunde - 1] == 1; }

    // Every string empty, no teacher, no blocked lesson: a card nobody has
    // filled in. Bytes behind the string lengths do not count.
    bool ist_leer() const;
};

inline constexpr std::size_t karten_groesse = 1300;

static_assert(std::is_trivially_copyable_v<kartentyp> && std::is_standard_layout_v<kartentyp>);
static_assert(sizeof(kartentyp) == karten_groesse && alignof(kartentyp) == 1);
static_assert(offsetof(kartentyp, anrede) == 0);
static_assert(offsetof(kartentyp, titel) == 21);
static_assert(offsetof(kartentyp, vorname) == 52);
static_assert(offsetof(kartentyp, nachname) == 113);
static_assert(offsetof(kartentyp, strasse) == 174);
static_assert(offsetof(kartentyp, plz) == 235);
static_assert(offsetof(kartentyp, ort) == 246);
static_assert(offsetof(kartentyp, geburtsdatum) == 307);
static_assert(offsetof(kartentyp, geschlecht) == 328);
static_assert(offsetof(kartentyp, telefon) == 339);
static_assert(offsetof(kartentyp, mobil) == 400);
static_assert(offsetof(kartentyp, fax) == 461);
static_assert(offsetof(kartentyp, email) == 522);
static_assert(offsetof(kartentyp, bemerkung) == 583);
static_assert(offsetof(kartentyp, funktion) == 834);
static_assert(offsetof(kartentyp, ist_lehrer) == 935);
static_assert(offsetof(kartentyp, klassenlehrer1) == 936);
static_assert(offsetof(kartentyp, klassenlehrer2) == 947);
static_assert(offsetof(kartentyp, pflichtstunden) == 958);
static_assert(offsetof(kartentyp, unterrichtsstunden) == 969);
static_assert(offsetof(kartentyp, faecher) == 980);
static_assert(offsetof(kartentyp, kuerzel) == 1041);
static_assert(offsetof(kartentyp, gesperrt) == 1052 && sizeof(kartentyp::gesperrt) == 54);
static_assert(offsetof(kartentyp, kuerzel4) == 1106);
static_assert(offsetof(kartentyp, rechtsverhaeltnis) == 1113);
static_assert(offsetof(kartentyp, beschaeftigungsart) == 1144);
static_assert(offsetof(kartentyp, einsatzstatus) == 1175);
static_assert(offsetof(kartentyp, schulleitung) == 1206);
static_assert(offsetof(kartentyp, staatsangehoerigkeit) == 1237);
static_assert(offsetof(kartentyp, stammschule) == 1268);
static_assert(offsetof(kartentyp, statistik) == 1289);

} // namespace orbela
