#include "core/vertretung/vertretungsplan.h"

namespace orbela {

namespace {

// Keeps the text while occupancies agree, "##" once two differ.
void gleich_oder_raute(std::string& text, std::string_view wert)
{
    if (text.empty() || text == wert)
        text = wert;
    else
        text = "##";
}

constexpr std::size_t notiz_laenge = 20;

void anhaengen(std::string& notiz, std::string_view text)
{
    notiz += text;
    if (notiz.size() > notiz_laenge)
        notiz.resize(notiz_laenge);
}

} // namespace

Unterricht unterricht_von(const plantyp& plan, int tag, int stunde, std::string_view lehrer)
{
    Unterricht u;
    // An empty code would match every free occupancy of the week.
    if (lehrer.empty())
        return u;
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const belegungtyp& b = plan.belegung(tag, stunde, k);
        if (b.lehrer.view() != lehrer)
            continue;
        const int spalte = (k + 1) / 2;
        const std::string_view name = plan.klasse(spalte).klasse.view();
        if (u.klasse.empty() || u.klasse == name) {
            u.klasse = name;
            u.klassenspalte = spalte;
        } else {
            u.klasse = u.klasse.substr(0, 2) + "&";
        }
        gleich_oder_raute(u.fach, b.fach.view());
        gleich_oder_raute(u.raum, b.raum.view());
    }
    return u;
}

void vertretungen_aufbauen(Vertretungsplan& vp, const plantyp& plan)
{
    for (int tag = 1; tag <= anzahl_tage; ++tag) {
        for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
            const Unterricht u = unterricht_von(plan, tag, stunde, vp.abwesender_lehrer);
            vertretungtyp& e = vp.eintrag(tag, stunde);
            e.klasse = u.klasse;
            e.fach = u.fach;
            e.raum = u.raum;
        }
    }
}

bool vertreter_frei(const plantyp& plan, const Lehrerliste& liste, int tag, int stunde,
                    std::string_view vertreter)
{
    const lehrereintrag* karte = liste.erster_mit(vertreter);
    if (karte != nullptr && karte->ist_gesperrt(tag, stunde))
        return false;
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const belegungtyp& b = plan.belegung(tag, stunde, k);
        if (b.lehrer.view() == vertreter && !b.ist_verzichtbar())
            return false;
    }
    return true;
}

std::string vertreter_notiz(const plantyp& plan, const Lehrerliste& liste, int tag, int stunde,
                            std::string_view vertreter)
{
    std::string notiz;
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        if (plan.belegung(tag, stunde, k).lehrer.view() != vertreter)
            continue;
        anhaengen(notiz, plan.klasse((k + 1) / 2).klasse.view());
        anhaengen(notiz, " ");
    }
    if (notiz.empty())
        return notiz;
    if (vertreter_frei(plan, liste, tag, stunde, vertreter))
        notiz = "statt " + notiz;
    else
        notiz += "f\xE4llt aus";
    if (notiz.size() > notiz_laenge)
        notiz.resize(notiz_laenge);
    return notiz;
}

} // namespace orbela
