#include "demo_namen.h"

#include <string_view>
#include <utility>
#include <vector>

#include "core/text_1252.h"

namespace orbela {

namespace {

using Zeilen = std::vector<std::pair<std::string_view, std::string_view>>;

std::string als_datei(const Zeilen& zeilen)
{
    std::string text;
    for (const auto& [code, name] : zeilen) {
        text += text_1252_aus_utf8(code);
        text += '=';
        text += text_1252_aus_utf8(name);
        text += "\r\n";
    }
    return text;
}

} // namespace

std::string demo_faecher()
{
    return als_datei({
        {"DE", "Deutsch"},
        {"MA", "Mathematik"},
        {"SU", "Sachunterricht"},
        {"EN", "Englisch"},
        {"KU", "Kunst"},
        {"MU", "Musik"},
        {"SP", "Sport"},
        {"SW", "Schwimmen"},
        {"ER", "Evangelische Religion"},
        {"KR", "Katholische Religion"},
        {"FÖ", "Förderunterricht"},
        {"WE", "Werken"},
        {"DZ", "Deutsch als Zweitsprache"},
        {"ÜB", "Übungsstunde"},
        {"AG", "Arbeitsgemeinschaft"},
    });
}

std::string demo_raeume()
{
    return als_datei({
        {"IG", "Igelzimmer"},
        {"BÄ", "Bärenzimmer"},
        {"FU", "Fuchszimmer"},
        {"EU", "Eulenzimmer"},
        {"MÄ", "Mäusezimmer"},
        {"RA", "Rabenzimmer"},
        {"HA", "Hasenzimmer"},
        {"OT", "Otterzimmer"},
        {"TU", "Turnhalle"},
        {"SW", "Schwimmbad"},
        {"MU", "Musikraum"},
        {"KU", "Kunstraum"},
        {"FÖ", "Förderraum"},
        {"BÜ", "Schülerbücherei"},
        {"CO", "Computerraum"},
        {"MZ", "Mehrzweckraum"},
    });
}

} // namespace orbela
