// The uvd.txt export over a plan record and a card index of any bytes: it is
// either refused with its message, or every line has the ten fields of the
// header and ends in CR LF.

#include <cstring>
#include <memory>
#include <string>

#include "core/fehler.h"
#include "core/kartei_dateien.h"
#include "core/uvd_export.h"
#include "fuzz_hilfe.h"

using namespace orbela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    // The plan record first, then 1300-byte cards.
    fuzz::Leser leser(daten, groesse);
    auto plan = std::make_unique<plantyp>();
    leser.kopiere(plan.get(), sizeof(plantyp));
    Kartei kartei;
    while (leser.rest() >= karten_groesse) {
        leser.kopiere(&kartei.karte, karten_groesse);
        kartei.einfuegen();
    }
    kartei.erster();

    std::string text;
    try {
        text = uvd_inhalt(*plan, [&](std::string_view code) { return lehrerkuerzel(kartei, code); });
    } catch (const Fehler& e) {
        fuzz::pruefe(e.text().ends_with("uvd.txt wurde nicht geschrieben."), "nur die Spaltenprüfung lehnt ab");
        return 0;
    }
    fuzz::pruefe(text.starts_with("\"Klasse\";"), "Kopfzeile zuerst");
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        const std::size_t ende = text.find("\r\n", anfang);
        fuzz::pruefe(ende != std::string::npos, "jede Zeile endet in CR LF");
        const std::string_view zeile(text.data() + anfang, ende - anfang);
        fuzz::pruefe(zeile.find_first_of("\r\n") == std::string_view::npos, "kein Zeilenumbruch in einer Zeile");
        std::size_t semikolons = 0;
        for (const char c : zeile)
            semikolons += c == ';';
        fuzz::pruefe(semikolons == 9, "zehn Felder je Zeile");
        anfang = ende + 2;
    }
    return 0;
}
