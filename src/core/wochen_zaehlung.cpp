#include "core/wochen_zaehlung.h"

namespace orbela {

namespace {

template <class Feld>
Wochenkuerzel aus_feld(const stundenplan& plan, Feld feld)
{
    Wochenkuerzel w;
    for (int t = 0; t < anzahl_tage; ++t) {
        for (int s = 0; s < anzahl_stunden; ++s) {
            Kuerzelschluessel* k = w.schluessel[t][s];
            for (int c = 0; c < anzahl_klassen; ++c) {
                const zellentyp& z = plan.zellen[t][s][c];
                k[2 * c] = kuerzel_schluessel(feld(z.erste).view());
                k[2 * c + 1] = kuerzel_schluessel(feld(z.zweite).view());
            }
        }
    }
    return w;
}

} // namespace

Wochenkuerzel Wochenkuerzel::lehrer(const stundenplan& plan)
{
    return aus_feld(plan, [](const belegungtyp& b) -> const PString<4>& { return b.lehrer; });
}

Wochenkuerzel Wochenkuerzel::raeume(const stundenplan& plan)
{
    return aus_feld(plan, [](const belegungtyp& b) -> const PString<4>& { return b.raum; });
}

bool Wochenkuerzel::in_stunde(int tag, int stunde, Kuerzelschluessel code) const
{
    const Kuerzelschluessel* r = reihe(tag, stunde);
    bool gefunden = false;
    for (int k = 0; k < belegungen_je_stunde; ++k)
        gefunden |= r[k] == code;
    return gefunden;
}

Fundstellen fundstellen(const Wochenkuerzel& woche, int tag, int stunde, Kuerzelschluessel code)
{
    const Kuerzelschluessel* r = woche.reihe(tag, stunde);
    Fundstellen f;
    for (int k = 0; k < belegungen_je_stunde; ++k) {
        if (r[k] == code) {
            if (f.anzahl == 0)
                f.erste_klasse = k / 2 + 1;
            ++f.anzahl;
        }
    }
    return f;
}

int stunden_mit(const Wochenkuerzel& woche, Kuerzelschluessel code)
{
    int n = 0;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int s = 1; s <= anzahl_stunden; ++s)
            n += woche.in_stunde(t, s, code) ? 1 : 0;
    }
    return n;
}

int stunden_in_klasse(const Wochenkuerzel& woche, int klasse, Kuerzelschluessel code)
{
    int n = 0;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int s = 1; s <= anzahl_stunden; ++s) {
            const Kuerzelschluessel* r = woche.reihe(t, s);
            n += (r[2 * klasse - 2] == code || r[2 * klasse - 1] == code) ? 1 : 0;
        }
    }
    return n;
}

int belegte_stunden(const stundenplan& plan, int klasse)
{
    int n = 0;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int s = 1; s <= anzahl_stunden; ++s) {
            const zellentyp& z = plan.zelle(t, s, klasse);
            n += (!z.zweite.lehrer.empty() || !z.erste.lehrer.empty()) ? 1 : 0;
        }
    }
    return n;
}

} // namespace orbela
