// The web pages and calendars of a plan record of any bytes: every page is
// UTF-8 without control characters but line ends, and the calendars are
// either refused with their message or lines of at most 75 octets ending
// in CR LF.

#include <chrono>
#include <memory>
#include <string>

#include "core/fehler.h"
#include "core/veroeffentlichen/kalender.h"
#include "core/veroeffentlichen/webseiten.h"
#include "fuzz_hilfe.h"

using namespace orbela;
using namespace std::chrono;

namespace {

bool ist_utf8_ohne_steuerzeichen(std::string_view text, bool cr_erlaubt)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c < 0x20 && c != '\n' && !(cr_erlaubt && c == '\r'))
                return false;
            ++i;
            continue;
        }
        const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
        if (n == 0 || i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    fuzz::Leser leser(daten, groesse);
    auto plan = std::make_unique<plantyp>();
    leser.kopiere(plan.get(), sizeof(plantyp));
    const Namenstabelle faecher;
    const Namenstabelle raeume;
    const Plannamen namen{faecher, raeume, [](std::string_view k) { return std::string(k) + "\x01<&"; }};

    const auto seiten = webseiten(*plan, Optionen{}, namen, {"Schule", "1.1.2027"});
    fuzz::pruefe(!seiten.empty() && seiten.front().name == "index.html", "index.html zuerst");
    for (const Ausgabedatei& d : seiten)
        fuzz::pruefe(ist_utf8_ohne_steuerzeichen(d.inhalt, false), "Seiten sind UTF-8 ohne Steuerzeichen");

    try {
        for (const Ausgabedatei& d : kalender(*plan, Optionen{}, namen, {2026y / 9 / 1, 2027y / 7 / 16}, 0)) {
            fuzz::pruefe(ist_utf8_ohne_steuerzeichen(d.inhalt, true), "Kalender sind UTF-8");
            std::size_t anfang = 0;
            while (anfang < d.inhalt.size()) {
                const std::size_t ende = d.inhalt.find("\r\n", anfang);
                fuzz::pruefe(ende != std::string::npos, "jede Zeile endet in CR LF");
                fuzz::pruefe(ende - anfang <= 75, "höchstens 75 Bytes je Zeile");
                fuzz::pruefe(d.inhalt.find('\n', anfang) == ende + 1, "kein LF in einer Zeile");
                anfang = ende + 2;
            }
        }
    } catch (const Fehler& e) {
        fuzz::pruefe(e.text().starts_with("Die Kalender wurden nicht geschrieben: "), "nur unlesbare Zeiten");
    }
    return 0;
}
