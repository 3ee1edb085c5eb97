#include "core/vertretung/schultag.h"

#include <chrono>
#include <cstdio>

#include "core/beschriftung.h"

namespace orbela {

namespace {

std::chrono::sys_days als_tage(const Datum& d)
{
    using namespace std::chrono;
    return sys_days{year{d.jahr} / month{static_cast<unsigned>(d.monat)} / day{static_cast<unsigned>(d.tag)}};
}

bool hat_unterricht(const plantyp& plan, int tag)
{
    for (int s = 1; s <= anzahl_stunden; ++s) {
        for (int k = 1; k <= belegungen_je_stunde; ++k) {
            if (!plan.belegung(tag, s, k).lehrer.empty())
                return true;
        }
    }
    return false;
}

} // namespace

int wochentag(const Datum& d)
{
    return static_cast<int>(std::chrono::weekday{als_tage(d)}.iso_encoding());
}

Datum folgetag(const Datum& d)
{
    const std::chrono::year_month_day n{als_tage(d) + std::chrono::days{1}};
    return {static_cast<int>(n.year()), static_cast<int>(static_cast<unsigned>(n.month())),
            static_cast<int>(static_cast<unsigned>(n.day()))};
}

Datum erster_schultag_ab(const Datum& d)
{
    return wochentag(d) == 7 ? folgetag(d) : d;
}

Datum naechster_schultag(const Datum& d, const plantyp& plan)
{
    bool irgendwann = false;
    for (int t = 1; t <= anzahl_tage && !irgendwann; ++t)
        irgendwann = hat_unterricht(plan, t);
    Datum n = folgetag(d);
    for (;; n = folgetag(n)) {
        const int w = wochentag(n);
        if (irgendwann ? (w <= anzahl_tage && hat_unterricht(plan, w)) : w <= 5)
            return n;
    }
}

std::string datum_text(const Datum& d)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", d.tag % 100, d.monat % 100, d.jahr % 10000);
    return text;
}

std::string tag_und_datum(const Datum& d)
{
    const int w = wochentag(d);
    return std::string(w == 7 ? std::string_view("Sonntag") : tagname(w)) + ", " + datum_text(d);
}

} // namespace orbela
