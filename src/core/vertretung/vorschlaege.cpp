#include "core/vertretung/vorschlaege.h"

namespace orbela {

namespace {

bool unterrichtet_in(const plantyp& plan, int tag, int stunde, std::string_view kuerzel)
{
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        if (plan.belegung(tag, stunde, k).lehrer.view() == kuerzel)
            return true;
    }
    return false;
}

// The column named exactly like the class text, or 0.
int spalte_namens(const plantyp& plan, std::string_view klassentext)
{
    for (int c = 1; c <= anzahl_klassen; ++c) {
        if (plan.klasse(c).klasse.view() == klassentext)
            return c;
    }
    return 0;
}

} // namespace

Eignung eignung(const plantyp& plan, const lehrereintrag& lehrer, int tag, int stunde, int klassenspalte)
{
    const std::string_view kuerzel = lehrer.kuerzel.view();
    Eignung e;
    if (lehrer.ist_gesperrt(tag, stunde))
        e.verfuegbar = false;
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const belegungtyp& b = plan.belegung(tag, stunde, k);
        if (b.lehrer.view() != kuerzel)
            continue;
        if (b.ist_verzichtbar())
            e.verzichtbar_belegt = true;
        else
            e.verfuegbar = false;
    }
    e.vorher = stunde > 1 && unterrichtet_in(plan, tag, stunde - 1, kuerzel);
    e.nachher = stunde < anzahl_stunden && unterrichtet_in(plan, tag, stunde + 1, kuerzel);
    if (klassenspalte != 0) {
        for (int t = 1; t <= anzahl_tage; ++t) {
            for (int s = 1; s <= anzahl_stunden; ++s) {
                const zellentyp& z = plan.zelle(t, s, klassenspalte);
                if (z.erste.lehrer.view() == kuerzel || z.zweite.lehrer.view() == kuerzel)
                    ++e.in_klasse;
            }
        }
    }
    return e;
}

Vorschlagslisten vorschlaege(const plantyp& plan, const Lehrerliste& liste, std::string_view abwesender_lehrer,
                             int tag, int stunde, std::string_view klassentext, const Vertretungsstand& stand)
{
    Vorschlagslisten listen;
    if (abwesender_lehrer.empty())
        return listen;
    const int spalte = spalte_namens(plan, klassentext);
    for (const lehrereintrag& lehrer : liste.eintraege) {
        if (lehrer.kuerzel.empty())
            continue;
        Eignung e = eignung(plan, lehrer, tag, stunde, spalte);
        if (lehrer.kuerzel == abwesender_lehrer || stand.selbst_abwesend(lehrer.kuerzel.view(), tag))
            e.verfuegbar = false;
        std::string text = lehrer.kuerzel.str();
        if (e.verfuegbar) {
            if (e.verzichtbar_belegt)
                text += '*';
            const bool daneben = e.vorher || e.nachher;
            if (daneben && e.in_klasse > 0)
                listen.optimal.push_back(text);
            else if (daneben)
                listen.ohne_freistunden.push_back(text);
            else
                listen.freie_lehrer.push_back(text);
        } else {
            text += '-';
        }
        listen.alle_lehrer.push_back(std::move(text));
    }
    return listen;
}

Vorschlagstexte vorschlagstexte(const plantyp& plan, const Lehrerliste& liste, std::string_view abwesender_lehrer,
                                int tag, int stunde, int klassenspalte)
{
    Vorschlagstexte texte;
    for (const lehrereintrag& lehrer : liste.eintraege) {
        if (lehrer.kuerzel.empty() || lehrer.kuerzel == abwesender_lehrer)
            continue;
        const Eignung e = eignung(plan, lehrer, tag, stunde, klassenspalte);
        if (!e.verfuegbar)
            continue;
        const bool daneben = e.vorher || e.nachher;
        std::string& ziel = !daneben ? texte.frei : e.in_klasse > 0 ? texte.optimal : texte.ohne;
        ziel += lehrer.kuerzel.view();
        ziel += '/';
    }
    texte.optimal = vorschlagstext_kuerzen(std::move(texte.optimal));
    texte.ohne = vorschlagstext_kuerzen(std::move(texte.ohne));
    texte.frei = vorschlagstext_kuerzen(std::move(texte.frei));
    return texte;
}

std::string vorschlagstext_kuerzen(std::string text)
{
    if (text.size() > 1)
        text.pop_back();
    if (text.size() > 17)
        text = text.substr(0, 10) + text.substr(text.size() - 7) + ">";
    return text;
}

} // namespace orbela
