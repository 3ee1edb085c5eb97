#include "core/tauschketten.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <set>
#include <string_view>
#include <unordered_map>

namespace orbela {

namespace {

constexpr int anzahl_zeilen = anzahl_tage * anzahl_stunden; // lesson rows of the week
constexpr int anzahl_plaetze = anzahl_zeilen * anzahl_klassen;

// Exchanges tried per search at most, so that a drag never waits long for a
// target that has no chain; far above what the full school needs.
constexpr long versuche_je_suche = 400000;

enum class Art : std::uint8_t { lehrer_doppelt, lehrer_gesperrt, raum_doppelt };

// One conflict of a lesson row: a code (as its number) in the class columns
// of `klassen` (bit c for column c).
struct Eintrag {
    Art art;
    std::uint16_t code;
    std::uint32_t klassen;
};

// The conflicts of the touched rows that were not there before, kept in
// place so that a step of the search copies them without allocating. More
// than fit are more than a chain of three could mend.
struct Offen {
    static constexpr int platz = 64;
    std::array<std::pair<int, Eintrag>, platz> eintraege;
    int anzahl = 0;
    bool voll = false;

    bool leer() const { return anzahl == 0 && !voll; }
    auto begin() const { return eintraege.begin(); }
    auto end() const { return eintraege.begin() + anzahl; }
    void hinzu(int zeile, const Eintrag& e)
    {
        if (anzahl == platz)
            voll = true;
        else
            eintraege[static_cast<std::size_t>(anzahl++)] = {zeile, e};
    }
    void ohne_zeile(int zeile)
    {
        int n = 0;
        for (int i = 0; i < anzahl; ++i) {
            if (eintraege[static_cast<std::size_t>(i)].first != zeile)
                eintraege[static_cast<std::size_t>(n++)] = eintraege[static_cast<std::size_t>(i)];
        }
        anzahl = n;
    }
};

// A cell reduced to what the rules read: its codes as numbers (0 empty).
struct Kurzzelle {
    std::array<std::uint16_t, 2> lehrer{};
    std::array<std::uint16_t, 2> raum{};
    std::uint8_t verzichtbare = 0;
    bool leer = true;
};

constexpr int zeile_von(int platz) { return platz / anzahl_klassen; }
constexpr int klasse_von(int platz) { return platz % anzahl_klassen + 1; }
constexpr int tag_von(int platz) { return zeile_von(platz) / anzahl_stunden + 1; }
constexpr int platz_von(Zellort o) { return ((o.tag - 1) * anzahl_stunden + o.stunde - 1) * anzahl_klassen + o.klasse - 1; }
constexpr Zellort ort_von(int platz)
{
    return {tag_von(platz), zeile_von(platz) % anzahl_stunden + 1, klasse_von(platz)};
}

// Codes numbered from 1 in the order met; the same bytes, the same number.
class Codenummern {
public:
    std::uint16_t nummer(std::string_view code)
    {
        if (code.empty())
            return 0;
        const auto [it, neu] = nummern_.try_emplace(std::string(code), static_cast<std::uint16_t>(nummern_.size() + 1));
        return it->second;
    }
    std::uint16_t gefunden(std::string_view code) const
    {
        const auto it = nummern_.find(std::string(code));
        return it == nummern_.end() ? 0 : it->second;
    }
    int anzahl() const { return static_cast<int>(nummern_.size()) + 1; }

private:
    std::unordered_map<std::string, std::uint16_t> nummern_;
};

} // namespace

struct Kettensuche::Daten {
    Optionen optionen;
    std::array<Kurzzelle, anzahl_plaetze> zellen{};
    Codenummern lehrercodes, raumcodes;
    std::vector<std::uint64_t> sperren; // per teacher code: bit z for each blocked row z
    std::array<std::vector<Eintrag>, anzahl_zeilen> vorher;

    // The search's state: places already taken by an exchange, the exchanges
    // made, and the conflicts of the rows they touched that were not there.
    std::array<bool, anzahl_plaetze> benutzt{};
    std::vector<std::pair<int, int>> zuege;
    Offen offen;
    std::vector<Eintrag> jetzt; // scratch of `offen_neu`
    long versuche = 0;

    // What the search is after: the first hit only, or every chain; whether
    // the first exchange is the one asked for, or any of the conflict's.
    bool nur_erste = false;
    bool erster_fest = true;
    bool gefunden = false;
    std::set<std::vector<int>> gesehen;
    std::vector<Tauschkette> treffer;

    // Scratch of `eintraege`, indexed by code number.
    std::vector<std::uint32_t> lehrer_klassen, raum_klassen;
    std::vector<std::uint8_t> lehrer_anzahl, raum_anzahl;

    void einlesen(const plantyp& plan, const Lehrerliste& liste);
    void eintraege(int zeile, std::vector<Eintrag>& aus);
    bool war_da(int zeile, const Eintrag& e) const;
    void offen_neu(int zeile);
    void tauschen(int a, int b);
    // One exchange of the chain being built, with the rows it touched
    // checked again, and taking it back.
    void zug_machen(int p, int q);
    void zug_zuruecknehmen(int p, int q);
    void suche(int rest);
    void versuche_tausch(int p, int q, int rest);
    void kette_fertig();
    void ab_hier(int rest);
};

void Kettensuche::Daten::einlesen(const plantyp& plan, const Lehrerliste& liste)
{
    for (int platz = 0; platz < anzahl_plaetze; ++platz) {
        const Zellort o = ort_von(platz);
        const zellentyp& z = plan.zelle(o.tag, o.stunde, o.klasse);
        Kurzzelle& k = zellen[static_cast<std::size_t>(platz)];
        k.lehrer = {lehrercodes.nummer(z.erste.lehrer.view()), lehrercodes.nummer(z.zweite.lehrer.view())};
        k.raum = {raumcodes.nummer(z.erste.raum.view()), raumcodes.nummer(z.zweite.raum.view())};
        k.verzichtbare = static_cast<std::uint8_t>(z.erste.ist_verzichtbar() + z.zweite.ist_verzichtbar());
        k.leer = z.ist_leer();
    }
    sperren.assign(static_cast<std::size_t>(lehrercodes.anzahl()), 0);
    for (const lehrereintrag& e : liste.eintraege) {
        const std::uint16_t code = lehrercodes.gefunden(e.kuerzel.view());
        if (code == 0)
            continue;
        for (int zeile = 0; zeile < anzahl_zeilen; ++zeile) {
            if (e.ist_gesperrt(zeile / anzahl_stunden + 1, zeile % anzahl_stunden + 1))
                sperren[code] |= std::uint64_t{1} << zeile;
        }
    }
    lehrer_klassen.assign(static_cast<std::size_t>(lehrercodes.anzahl()), 0);
    lehrer_anzahl.assign(static_cast<std::size_t>(lehrercodes.anzahl()), 0);
    raum_klassen.assign(static_cast<std::size_t>(raumcodes.anzahl()), 0);
    raum_anzahl.assign(static_cast<std::size_t>(raumcodes.anzahl()), 0);
    for (int zeile = 0; zeile < anzahl_zeilen; ++zeile)
        eintraege(zeile, vorher[static_cast<std::size_t>(zeile)]);
}

// Every conflict of the row as the rules see it now.
void Kettensuche::Daten::eintraege(int zeile, std::vector<Eintrag>& aus)
{
    std::array<std::uint16_t, belegungen_je_stunde> lehrer{}, raeume{};
    int nl = 0, nr = 0;
    const Kurzzelle* z = &zellen[static_cast<std::size_t>(zeile * anzahl_klassen)];
    for (int c = 1; c <= anzahl_klassen; ++c, ++z) {
        for (int h = 0; h < 2; ++h) {
            if (const std::uint16_t l = z->lehrer[h]) {
                if (lehrer_anzahl[l]++ == 0)
                    lehrer[nl++] = l;
                lehrer_klassen[l] |= 1u << c;
            }
            if (const std::uint16_t r = z->raum[h]) {
                if (raum_anzahl[r]++ == 0)
                    raeume[nr++] = r;
                raum_klassen[r] |= 1u << c;
            }
        }
    }
    for (int i = 0; i < nl; ++i) {
        const std::uint16_t l = lehrer[i];
        if (optionen.doppelter_lehrereinsatz && lehrer_anzahl[l] > 1)
            aus.push_back({Art::lehrer_doppelt, l, lehrer_klassen[l]});
        if (sperren[l] >> zeile & 1u)
            aus.push_back({Art::lehrer_gesperrt, l, lehrer_klassen[l]});
        lehrer_anzahl[l] = 0;
        lehrer_klassen[l] = 0;
    }
    for (int i = 0; i < nr; ++i) {
        const std::uint16_t r = raeume[i];
        if (optionen.doppelte_raumnutzung && raum_anzahl[r] > 1)
            aus.push_back({Art::raum_doppelt, r, raum_klassen[r]});
        raum_anzahl[r] = 0;
        raum_klassen[r] = 0;
    }
}

// A conflict was there when the row held it before in these columns or more.
bool Kettensuche::Daten::war_da(int zeile, const Eintrag& e) const
{
    for (const Eintrag& v : vorher[static_cast<std::size_t>(zeile)]) {
        if (v.art == e.art && v.code == e.code && (e.klassen & ~v.klassen) == 0)
            return true;
    }
    return false;
}

// The row's new conflicts replace what `offen` held for it.
void Kettensuche::Daten::offen_neu(int zeile)
{
    offen.ohne_zeile(zeile);
    jetzt.clear();
    eintraege(zeile, jetzt);
    for (const Eintrag& e : jetzt) {
        if (!war_da(zeile, e))
            offen.hinzu(zeile, e);
    }
}

void Kettensuche::Daten::tauschen(int a, int b)
{
    std::swap(zellen[static_cast<std::size_t>(a)], zellen[static_cast<std::size_t>(b)]);
}

void Kettensuche::Daten::kette_fertig()
{
    if (nur_erste) {
        gefunden = true;
        return;
    }
    // The same exchanges in another order are the same chain.
    std::vector<int> schluessel;
    for (std::size_t i = 0; i < zuege.size(); ++i) {
        const auto [a, b] = zuege[i];
        const bool fest = i == 0 && erster_fest;
        schluessel.push_back(fest ? a : std::min(a, b));
        schluessel.push_back(fest ? b : std::max(a, b));
    }
    std::sort(schluessel.begin() + (erster_fest ? 2 : 0), schluessel.end());
    if (!gesehen.insert(schluessel).second)
        return;
    Tauschkette kette;
    std::uint64_t tage = 0;
    for (const auto& [a, b] : zuege) {
        kette.tausche.push_back({ort_von(a), ort_von(b)});
        tage |= 1u << tag_von(a) | 1u << tag_von(b);
        // The cells have changed places: count the marks at both.
        kette.verzichtbare += zellen[static_cast<std::size_t>(a)].verzichtbare
                              + zellen[static_cast<std::size_t>(b)].verzichtbare;
    }
    kette.tage = std::popcount(tage);
    treffer.push_back(std::move(kette));
}

void Kettensuche::Daten::versuche_tausch(int p, int q, int rest)
{
    if (benutzt[static_cast<std::size_t>(q)] || p == q)
        return;
    if (zellen[static_cast<std::size_t>(p)].leer && zellen[static_cast<std::size_t>(q)].leer)
        return;
    ++versuche;
    const auto gemerkt = offen;
    zug_machen(p, q);
    suche(rest - 1);
    zug_zuruecknehmen(p, q);
    offen = gemerkt;
}

void Kettensuche::Daten::zug_machen(int p, int q)
{
    tauschen(p, q);
    benutzt[static_cast<std::size_t>(p)] = benutzt[static_cast<std::size_t>(q)] = true;
    zuege.emplace_back(p, q);
    offen_neu(zeile_von(p));
    if (zeile_von(q) != zeile_von(p))
        offen_neu(zeile_von(q));
}

void Kettensuche::Daten::zug_zuruecknehmen(int p, int q)
{
    zuege.pop_back();
    benutzt[static_cast<std::size_t>(p)] = benutzt[static_cast<std::size_t>(q)] = false;
    tauschen(p, q);
}

// Every new conflict must be mended by an exchange that takes one of its
// lessons out of its row (what comes in can only add to a conflict), and
// exchanges of distinct cells may go in any order: so it is enough to try
// the places of one conflict, the one with the fewest free places.
void Kettensuche::Daten::suche(int rest)
{
    if (offen.leer()) {
        kette_fertig();
        return;
    }
    if (rest == 0 || offen.voll || (nur_erste && gefunden) || versuche > versuche_je_suche)
        return;
    // One exchange touches two rows.
    std::uint64_t zeilen = 0;
    std::uint32_t gemeinsam = ~0u;
    for (const auto& [zeile, e] : offen) {
        zeilen |= std::uint64_t{1} << zeile;
        gemeinsam &= e.klassen;
    }
    const int anzahl_zeilen_offen = std::popcount(zeilen);
    if (anzahl_zeilen_offen > 2 * rest)
        return;
    if (rest == 1) {
        // The last exchange must mend all at once: a column every conflict
        // stands in, and a cell of it in each row that has one.
        if (gemeinsam == 0 || anzahl_zeilen_offen > 2)
            return;
        const int z1 = std::countr_zero(zeilen);
        const int z2 = anzahl_zeilen_offen == 2 ? 63 - std::countl_zero(zeilen) : -1;
        for (int k = 1; k <= anzahl_klassen; ++k) {
            if ((gemeinsam >> k & 1u) == 0)
                continue;
            const int p = z1 * anzahl_klassen + k - 1;
            if (benutzt[static_cast<std::size_t>(p)])
                continue;
            if (z2 >= 0) {
                versuche_tausch(p, z2 * anzahl_klassen + k - 1, rest);
            } else {
                for (int z = 0; z < anzahl_zeilen; ++z)
                    versuche_tausch(p, z * anzahl_klassen + k - 1, rest);
            }
            if (nur_erste && gefunden)
                return;
        }
        return;
    }
    // The conflict with the fewest free places to move a lesson from.
    int beste_zeile = -1;
    std::uint32_t beste_klassen = 0;
    int wenigste = anzahl_klassen + 1;
    for (const auto& [zeile, e] : offen) {
        std::uint32_t frei = 0;
        for (int k = 1; k <= anzahl_klassen; ++k) {
            if ((e.klassen >> k & 1u) && !benutzt[static_cast<std::size_t>(zeile * anzahl_klassen + k - 1)])
                frei |= 1u << k;
        }
        if (std::popcount(frei) < wenigste) {
            wenigste = std::popcount(frei);
            beste_zeile = zeile;
            beste_klassen = frei;
        }
    }
    for (int k = 1; k <= anzahl_klassen; ++k) {
        if ((beste_klassen >> k & 1u) == 0)
            continue;
        const int p = beste_zeile * anzahl_klassen + k - 1;
        for (int z = 0; z < anzahl_zeilen; ++z) {
            versuche_tausch(p, z * anzahl_klassen + k - 1, rest);
            if (nur_erste && gefunden)
                return;
        }
    }
}

// Searches from the exchanges made so far, deepening one lesson at a time.
void Kettensuche::Daten::ab_hier(int rest)
{
    versuche = 0;
    for (int tiefe = 1; tiefe <= rest; ++tiefe) {
        suche(tiefe);
        if (gefunden || static_cast<int>(treffer.size()) >= angebotene_ketten || versuche > versuche_je_suche)
            return;
    }
}

Kettensuche::Kettensuche(const plantyp& plan, const Lehrerliste& liste, const Optionen& optionen)
    : d_(std::make_unique<Daten>())
{
    d_->optionen = optionen;
    d_->einlesen(plan, liste);
}

Kettensuche::~Kettensuche() = default;

namespace {

// Best first: fewer lessons moved, fewer days, fewer dispensable marks; among
// equals the order found.
void ordnen(std::vector<Tauschkette>& ketten, int anzahl)
{
    std::stable_sort(ketten.begin(), ketten.end(), [](const Tauschkette& a, const Tauschkette& b) {
        return std::tuple(a.laenge(), a.tage, a.verzichtbare) < std::tuple(b.laenge(), b.tage, b.verzichtbare);
    });
    if (static_cast<int>(ketten.size()) > anzahl)
        ketten.resize(static_cast<std::size_t>(anzahl));
}

} // namespace

std::array<int, anzahl_stunden + 1> Kettensuche::kettenlaengen(Zellort herkunft, int tag)
{
    std::array<int, anzahl_stunden + 1> laengen{};
    Daten& d = *d_;
    const int von = platz_von(herkunft);
    for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
        const int nach = platz_von({tag, stunde, herkunft.klasse});
        int& laenge = laengen[static_cast<std::size_t>(stunde)];
        laenge = kette_frei;
        if (nach == von)
            continue;
        d.nur_erste = true;
        d.offen = {};
        d.zuege.clear();
        d.zug_machen(von, nach);
        if (!d.offen.leer()) {
            laenge = keine_kette;
            d.versuche = 0;
            for (int tiefe = 1; tiefe <= hoechste_kettenlaenge && laenge == keine_kette; ++tiefe) {
                d.gefunden = false;
                d.suche(tiefe);
                if (d.gefunden)
                    laenge = tiefe;
            }
        }
        d.zug_zuruecknehmen(von, nach);
        d.gefunden = false;
    }
    return laengen;
}

std::vector<Tauschkette> Kettensuche::ketten(Zellort herkunft, Zellort ziel, int anzahl)
{
    Daten& d = *d_;
    const int von = platz_von(herkunft);
    const int nach = platz_von(ziel);
    if (von == nach || herkunft.klasse != ziel.klasse)
        return {};
    d.nur_erste = false;
    d.erster_fest = true;
    d.gefunden = false;
    d.treffer.clear();
    d.gesehen.clear();
    d.offen = {};
    d.zuege.clear();
    d.zug_machen(von, nach);
    if (!d.offen.leer())
        d.ab_hier(hoechste_kettenlaenge);
    d.zug_zuruecknehmen(von, nach);
    ordnen(d.treffer, anzahl);
    return std::move(d.treffer);
}

std::vector<Tauschkette> Kettensuche::loesungen(const Konflikt& konflikt, int anzahl)
{
    Daten& d = *d_;
    Art art;
    std::uint16_t code = 0;
    switch (konflikt.art) {
    case Konfliktart::lehrer_doppelt:
        art = Art::lehrer_doppelt;
        code = d.lehrercodes.gefunden(konflikt.code);
        break;
    case Konfliktart::lehrer_gesperrt:
        art = Art::lehrer_gesperrt;
        code = d.lehrercodes.gefunden(konflikt.code);
        break;
    case Konfliktart::raum_doppelt:
        art = Art::raum_doppelt;
        code = d.raumcodes.gefunden(konflikt.code);
        break;
    case Konfliktart::lehrer_ohne_karte:
        return {}; // it goes wherever its lesson goes
    }
    if (code == 0 || konflikt.tag < 1 || konflikt.tag > anzahl_tage || konflikt.stunde < 1
        || konflikt.stunde > anzahl_stunden)
        return {};
    const int zeile = (konflikt.tag - 1) * anzahl_stunden + konflikt.stunde - 1;
    // The conflict counts as new while any of it is left in its row.
    std::vector<Eintrag>& vorher = d.vorher[static_cast<std::size_t>(zeile)];
    const std::vector<Eintrag> gemerkt = vorher;
    std::erase_if(vorher, [&](const Eintrag& e) { return e.art == art && e.code == code; });
    d.nur_erste = false;
    d.erster_fest = false;
    d.gefunden = false;
    d.treffer.clear();
    d.gesehen.clear();
    d.zuege.clear();
    d.offen = {};
    d.offen_neu(zeile);
    if (!d.offen.leer())
        d.ab_hier(hoechste_kettenlaenge + 1);
    vorher = gemerkt;
    ordnen(d.treffer, anzahl);
    return std::move(d.treffer);
}

} // namespace orbela
