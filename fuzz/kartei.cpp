// Card files of any bytes in each of the three formats, read as at program
// start and, for a new plan, with the older teacher file converted into the
// card file: the index holds one card per whole record, sorted by surname,
// with exactly the records' (converted) contents; the saved card file holds
// the same cards in index order; the teacher list has one entry per card.

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "core/alte_karten.h"
#include "core/fehler.h"
#include "core/kartei_dateien.h"
#include "core/kartei_laden.h"
#include "fuzz_hilfe.h"

using namespace orbela;

namespace {

struct Format {
    const char* datei;
    std::size_t satzlaenge;
};
constexpr Format formate[] = {{kartei_datei, karten_groesse},
                              {lehrdat_datei, lehrdat_satzlaenge},
                              {lehrer_datei, lehrer_satzlaenge}};

std::string bytes_von(const kartentyp& karte)
{
    return {reinterpret_cast<const char*>(&karte), sizeof karte};
}

// The card each record of the file must give.
std::vector<std::string> erwartete_karten(std::size_t format, const std::uint8_t* daten, std::size_t anzahl)
{
    std::vector<std::string> karten;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const std::span<const unsigned char> satz(daten + i * formate[format].satzlaenge,
                                                  formate[format].satzlaenge);
        kartentyp karte;
        std::memset(static_cast<void*>(&karte), 0, sizeof karte);
        if (format == 0)
            std::memcpy(static_cast<void*>(&karte), satz.data(), sizeof karte);
        else if (format == 1)
            uebernimm_lehrdat(satz, karte);
        else
            uebernimm_lehrer(satz, karte);
        karten.push_back(bytes_von(karte));
    }
    std::sort(karten.begin(), karten.end());
    return karten;
}

void pruefe_kartei(const Kartei& kartei, const std::vector<std::string>& erwartet)
{
    fuzz::pruefe(kartei.anzahl() == static_cast<int>(erwartet.size()), "eine Karte je Satz");
    std::vector<std::string> karten;
    for (int i = 1; i <= kartei.anzahl(); ++i) {
        karten.push_back(bytes_von(kartei.karte_nr(i)));
        if (i > 1) {
            const std::string_view vorher = kartei.karte_nr(i - 1).nachname.view();
            const std::string_view name = kartei.karte_nr(i).nachname.view();
            fuzz::pruefe(std::lexicographical_compare(name.begin(), name.end(), vorher.begin(), vorher.end(),
                                                      [](char a, char b) {
                                                          return static_cast<unsigned char>(a)
                                                                 < static_cast<unsigned char>(b);
                                                      })
                             == false,
                         "nach Nachnamen sortiert");
        }
    }
    std::sort(karten.begin(), karten.end());
    fuzz::pruefe(karten == erwartet, "die Karten der Sätze");
}

// The saved file holds the cards in index order.
void pruefe_gespeichert(const Kartei& kartei, const std::string& datei)
{
    fuzz::pruefe(datei.size() == static_cast<std::size_t>(kartei.anzahl()) * karten_groesse,
                 "gespeicherte Kartenzahl");
    for (int i = 1; i <= kartei.anzahl(); ++i)
        fuzz::pruefe(datei.compare((i - 1) * karten_groesse, karten_groesse, bytes_von(kartei.karte_nr(i))) == 0,
                     "gespeichert in Karteiordnung");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse == 0)
        return 0;
    const std::size_t format = daten[0] % 3;
    ++daten;
    --groesse;
    const fuzz::Arbeitsordner& ordner = fuzz::arbeitsordner();
    ordner.leeren();
    ordner.schreibe(formate[format].datei, daten, groesse);
    const std::size_t anzahl = groesse / formate[format].satzlaenge;

    Kartei kartei;
    try {
        kartei_beim_start_lesen(kartei, ordner.ordner());
    } catch (const Fehler&) {
        fuzz::pruefe(anzahl > hoechstzahl_karten, "nur zu viele Karten scheitern");
        fuzz::pruefe(kartei.anzahl() == 0, "keine Karte aus einer abgelehnten Datei");
        return 0;
    }
    const std::vector<std::string> erwartet = erwartete_karten(format, daten, anzahl);
    pruefe_kartei(kartei, erwartet);

    // A new plan converts the older teacher file once, then lists the cards.
    Lehrerliste liste;
    lehrerliste_fuer_neuen_plan_laden(kartei, liste, ordner.ordner());
    pruefe_kartei(kartei, erwartet);
    if (format == 1) {
        // The converted card file holds the same cards (in another order
        // where surnames are equal, as reading inserts each before its equals).
        const std::string datei = ordner.lies(kartei_datei);
        fuzz::pruefe(datei.size() == anzahl * karten_groesse, "umgewandelte Kartenzahl");
        std::vector<std::string> karten;
        for (std::size_t i = 0; i < anzahl; ++i)
            karten.push_back(datei.substr(i * karten_groesse, karten_groesse));
        std::sort(karten.begin(), karten.end());
        fuzz::pruefe(karten == erwartet, "umgewandelte Karten");
    }
    fuzz::pruefe(liste.anzahl() == kartei.anzahl(), "ein Listeneintrag je Karte");
    for (int i = 1; i <= liste.anzahl(); ++i) {
        const kartentyp& karte = kartei.karte_nr(i);
        const lehrereintrag& eintrag = liste.eintrag(i);
        fuzz::pruefe(eintrag.kuerzel.view() == karte.kuerzel.view().substr(0, 4)
                         && eintrag.stunden.view() == karte.unterrichtsstunden.view().substr(0, 4)
                         && std::memcmp(eintrag.gesperrt, karte.gesperrt, sizeof eintrag.gesperrt) == 0,
                     "Listeneintrag wie seine Karte");
    }

    // Saving writes every card in index order.
    speichere_kartei(kartei, ordner.pfad("neu.int"));
    pruefe_kartei(kartei, erwartet);
    pruefe_gespeichert(kartei, ordner.lies("neu.int"));
    return 0;
}
