#include "core/vertretung/aushang.h"

#include <algorithm>

#include "core/beschriftung.h"

namespace orbela {

namespace {

std::string hinweis_von(const Tagesstunde& s, const Klassenteil& teil)
{
    std::string hinweis;
    switch (s.regelung) {
    case Regelung::entfall:
        hinweis = "Entfall";
        break;
    case Regelung::aufteilung:
        hinweis = "Aufteilung";
        break;
    case Regelung::offen:
        hinweis = "offen";
        break;
    case Regelung::vertretung:
        break;
    }
    std::string mit;
    for (const Klassenteil& t : s.teile) {
        if (t.spalte != teil.spalte)
            mit += (mit.empty() ? "mit " : ", ") + t.klasse;
    }
    if (!mit.empty())
        hinweis += (hinweis.empty() ? "" : ", ") + mit;
    return hinweis;
}

} // namespace

std::vector<Aushangzeile> aushang(const Tagesvertretung& tv, bool stunden_0_8)
{
    std::vector<Aushangzeile> zeilen;
    for (const Tagesstunde& s : tv.stunden) {
        for (const Klassenteil& teil : s.teile) {
            zeilen.push_back({s.stunde, stunden_label(s.stunde, stunden_0_8) + ".", teil.spalte, teil.klasse, teil.fach, s.abwesender,
                              s.regelung == Regelung::vertretung ? s.vertreter : std::string(), teil.raum,
                              hinweis_von(s, teil)});
        }
    }
    std::stable_sort(zeilen.begin(), zeilen.end(), [](const Aushangzeile& a, const Aushangzeile& b) {
        return a.spalte != b.spalte ? a.spalte < b.spalte : a.stunde < b.stunde;
    });
    return zeilen;
}

} // namespace orbela
