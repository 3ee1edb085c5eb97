#include "core/vertretung/tagesvertretung.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/beschriftung.h"

namespace orbela {

namespace {

using Tagesregelung = std::array<std::string, anzahl_stunden>; // substitute per lesson of the day

Regelung regelung_von(std::string_view vertreter)
{
    if (vertreter.empty())
        return Regelung::offen;
    if (vertreter == vertreter_aufgeteilt)
        return Regelung::aufteilung;
    if (vertreter == vertreter_entfaellt)
        return Regelung::entfall;
    return Regelung::vertretung;
}

// What each absent teacher's plans settle on the day.
std::map<std::string, Tagesregelung> regelungen(const Vertretungswoche& woche, int tag, const Vertretungsplan* offen)
{
    const bool mit_offenem = offen != nullptr && !offen->abwesender_lehrer.empty();
    std::map<std::string, Tagesregelung> r;
    for (const Vertretungswoche::Plan& plan : woche.plaene) {
        if (plan.abwesender.empty() || (mit_offenem && plan.abwesender == offen->abwesender_lehrer))
            continue;
        Tagesregelung& t = r[plan.abwesender];
        for (int s = 1; s <= anzahl_stunden; ++s) {
            std::string& v = t[static_cast<std::size_t>(s - 1)];
            if (v.empty())
                v = plan.vertreter[tag - 1][s - 1].str();
        }
    }
    if (mit_offenem) {
        Tagesregelung& t = r[offen->abwesender_lehrer];
        for (int s = 1; s <= anzahl_stunden; ++s)
            t[static_cast<std::size_t>(s - 1)] = offen->eintrag(tag, s).vertreter.str();
    }
    return r;
}

std::vector<Klassenteil> teile_von(const plantyp& plan, int tag, int stunde, std::string_view lehrer)
{
    std::vector<Klassenteil> teile;
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const belegungtyp& b = plan.belegung(tag, stunde, k);
        const int spalte = (k + 1) / 2;
        if (b.lehrer.view() != lehrer || plan.klasse(spalte).klasse.empty()
            || (!teile.empty() && teile.back().spalte == spalte))
            continue;
        teile.push_back({spalte, plan.klasse(spalte).klasse.str(), b.fach.str(), b.raum.str()});
    }
    return teile;
}

// The first lesson of the day the teacher gives, 0 when none.
int erste_eigene_stunde(const plantyp& plan, int tag, std::string_view lehrer)
{
    for (int s = 1; s <= anzahl_stunden; ++s) {
        for (int k = 1; k <= belegungen_je_stunde; ++k) {
            if (plan.belegung(tag, s, k).lehrer.view() == lehrer)
                return s;
        }
    }
    return 0;
}

void bescheid_markieren(const plantyp& plan, int tag, std::vector<Tagesstunde>& stunden)
{
    std::map<std::string, int> erste_vertretung;
    for (const Tagesstunde& s : stunden) {
        if (s.regelung != Regelung::vertretung)
            continue;
        auto [it, neu] = erste_vertretung.emplace(s.vertreter, s.stunde);
        if (!neu)
            it->second = std::min(it->second, s.stunde);
    }
    for (Tagesstunde& s : stunden) {
        if (s.regelung != Regelung::vertretung)
            continue;
        const int eigene = erste_eigene_stunde(plan, tag, s.vertreter);
        const bool vorher_da = (eigene != 0 && eigene < s.stunde) || erste_vertretung[s.vertreter] < s.stunde;
        s.bescheid_geben = !vorher_da;
    }
}

std::string stunden_liste(const std::vector<int>& stunden, bool stunden_0_8)
{
    // Runs of consecutive lessons as "1.-4.", the runs joined by ", ".
    std::string text;
    for (std::size_t i = 0; i < stunden.size();) {
        std::size_t j = i;
        while (j + 1 < stunden.size() && stunden[j + 1] == stunden[j] + 1)
            ++j;
        if (!text.empty())
            text += ", ";
        text += stunden_label(stunden[i], stunden_0_8);
        text += '.';
        if (j > i) {
            text += '-';
            text += stunden_label(stunden[j], stunden_0_8);
            text += '.';
        }
        i = j + 1;
    }
    return text;
}

} // namespace

int Tagesvertretung::offen() const
{
    return static_cast<int>(
        std::count_if(stunden.begin(), stunden.end(), [](const Tagesstunde& s) { return s.regelung == Regelung::offen; }));
}

Tagesvertretung tagesvertretung(const plantyp& plan, const Vertretungswoche& woche, int tag,
                                const Vertretungsplan* offen)
{
    Tagesvertretung tv;
    tv.tag = tag;
    const Vertretungsplan keiner;
    const Vertretungsstand stand(woche, offen != nullptr ? *offen : keiner);
    std::map<std::string, int> einsaetze;
    for (const auto& [lehrer, regelung] : regelungen(woche, tag, offen)) {
        if (!stand.selbst_abwesend(lehrer, tag))
            continue;
        Abwesenheit a{lehrer, {}};
        for (int s = 1; s <= anzahl_stunden; ++s) {
            Unterricht u = unterricht_von(plan, tag, s, lehrer);
            if (u.klasse.empty())
                continue;
            Tagesstunde t;
            t.abwesender = lehrer;
            t.stunde = s;
            t.klasse = std::move(u.klasse);
            t.fach = std::move(u.fach);
            t.raum = std::move(u.raum);
            t.teile = teile_von(plan, tag, s, lehrer);
            const std::string& v = regelung[static_cast<std::size_t>(s - 1)];
            t.regelung = regelung_von(v);
            if (t.regelung == Regelung::vertretung) {
                t.vertreter = v;
                ++einsaetze[v];
            }
            a.stunden.push_back(s);
            tv.stunden.push_back(std::move(t));
        }
        tv.abwesend.push_back(std::move(a));
    }
    for (const auto& [vertreter, anzahl] : einsaetze)
        tv.eingesetzt.push_back({vertreter, anzahl});
    bescheid_markieren(plan, tag, tv.stunden);
    return tv;
}

std::string abwesend_text(const Tagesvertretung& tv, bool stunden_0_8)
{
    std::string text;
    for (const Abwesenheit& a : tv.abwesend) {
        if (!text.empty())
            text += ", ";
        text += a.lehrer;
        if (!a.stunden.empty()) {
            text += " (";
            text += stunden_liste(a.stunden, stunden_0_8);
            text += " Std.)";
        }
    }
    return text;
}

std::string eingesetzt_text(const Tagesvertretung& tv)
{
    std::string text;
    for (const Einsatz& e : tv.eingesetzt) {
        if (!text.empty())
            text += ", ";
        text += e.vertreter + " (" + std::to_string(e.anzahl) + ")";
    }
    return text;
}

std::string regelung_text(const Tagesstunde& s)
{
    switch (s.regelung) {
    case Regelung::vertretung:
        return "Vertretung: " + s.vertreter;
    case Regelung::aufteilung:
        return "Aufteilung";
    case Regelung::entfall:
        return "Entfall";
    case Regelung::offen:
        break;
    }
    return "offen";
}

std::string offen_text(int anzahl)
{
    if (anzahl == 0)
        return "keine Stunde offen";
    if (anzahl == 1)
        return "1 Stunde offen";
    return std::to_string(anzahl) + " Stunden offen";
}

} // namespace orbela
