#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <set>

#include "core/dokument.h"
#include "core/konfliktregeln.h"
#include "core/tauschketten.h"
#include "testhilfe.h"

using namespace orbela;

namespace {

// The conflicts of one lesson row straight from the grid's rules: kind
// (0 teacher twice, 1 blocked, 2 room twice) and code, with their columns.
using Befunde = std::map<std::pair<int, std::string>, std::uint32_t>;

Befunde befunde(const plantyp& plan, const Lehrerliste& liste, const Optionen& optionen, int tag, int stunde)
{
    const Lehrerbefunde lehrer = pruefe_lehrer(plan, liste, tag, stunde);
    const Raumbefunde raeume = pruefe_raeume(plan, tag, stunde);
    Befunde b;
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const belegungtyp& bel = plan.belegung(tag, stunde, k);
        const std::uint32_t spalte = 1u << ((k + 1) / 2);
        if (lehrer[k].doppelt && optionen.doppelter_lehrereinsatz)
            b[{0, std::string(bel.lehrer.view())}] |= spalte;
        if (lehrer[k].gesperrt)
            b[{1, std::string(bel.lehrer.view())}] |= spalte;
        if (raeume[k] && optionen.doppelte_raumnutzung)
            b[{2, std::string(bel.raum.view())}] |= spalte;
    }
    return b;
}

// Whether the row holds a conflict now that it did not hold before in the
// same columns or more.
bool neuer_konflikt(const Befunde& vorher, const Befunde& jetzt)
{
    for (const auto& [schluessel, klassen] : jetzt) {
        const auto it = vorher.find(schluessel);
        if (it == vorher.end() || (klassen & ~it->second) != 0)
            return true;
    }
    return false;
}

// A small random school: a few classes, lessons on Monday and Tuesday, few
// codes so that they clash, cards that block some lessons, one code without
// a card.
struct Zufallsschule {
    std::unique_ptr<plantyp> plan = neuer_plan();
    Lehrerliste liste;
    Optionen optionen;
    int klassen = 0;

    // `zwei_tage`: every teacher has a card that blocks Wednesday to
    // Saturday, so no lesson can go there and only Monday and Tuesday count.
    explicit Zufallsschule(unsigned saat, int anzahl_klassen_ = 3, int stunden_je_klasse = 7, bool zwei_tage = false)
        : klassen(anzahl_klassen_)
    {
        std::mt19937 zufall(saat);
        const auto wurf = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };
        const char* lehrer[] = {"Aa", "Bb", "Cc", "Dd", "Ee"};
        const char* raeume[] = {"R1", "R2", "R3"};
        const int codes = zwei_tage ? 4 : 5;
        for (int i = 0; i < 4; ++i) {
            lehrereintrag e{};
            e.kuerzel = lehrer[i];
            for (int n = 0; n < 4; ++n)
                e.gesperrt[wurf(2)][wurf(anzahl_stunden)] = 1;
            for (int t = 2; t < anzahl_tage && zwei_tage; ++t)
                std::fill(std::begin(e.gesperrt[t]), std::end(e.gesperrt[t]), 1);
            liste.eintraege.push_back(e);
        }
        optionen.doppelter_lehrereinsatz = wurf(5) != 0;
        optionen.doppelte_raumnutzung = wurf(5) != 0;
        for (int c = 1; c <= klassen; ++c) {
            for (int n = 0; n < stunden_je_klasse; ++n) {
                zellentyp& z = plan->zelle(1 + wurf(2), 1 + wurf(anzahl_stunden), c);
                z.erste.lehrer = lehrer[wurf(codes)];
                z.erste.fach = "De";
                z.erste.raum = raeume[wurf(3)];
                z.erste.setze_verzichtbar(wurf(4) == 0 ? 'v' : ' ');
                if (wurf(5) == 0) {
                    z.zweite.lehrer = lehrer[wurf(codes)];
                    z.zweite.raum = raeume[wurf(3)];
                }
            }
        }
    }

    // No row the exchanges touch gains a conflict from `vorher` to `jetzt`.
    bool legal(const plantyp& vorher, const plantyp& jetzt, const std::vector<Tausch>& tausche) const
    {
        for (const Tausch& t : tausche) {
            for (const Zellort o : {t.von, t.nach}) {
                if (neuer_konflikt(befunde(vorher, liste, optionen, o.tag, o.stunde),
                                   befunde(jetzt, liste, optionen, o.tag, o.stunde)))
                    return false;
            }
        }
        return true;
    }
};

void tausche_alle(plantyp& plan, const std::vector<Tausch>& tausche)
{
    for (const Tausch& t : tausche)
        std::swap(plan.zelle(t.von.tag, t.von.stunde, t.von.klasse), plan.zelle(t.nach.tag, t.nach.stunde, t.nach.klasse));
}

} // namespace

TEST(Tauschketten, MovesTheClashingLessonOutOfTheWayOfTheDraggedOne)
{
    auto plan = neuer_plan();
    Lehrerliste liste;
    setze_zelle(*plan, 1, 1, 1, "Ab", "De", "R1");
    setze_zelle(*plan, 1, 2, 2, "Ab", "Ma", "R2"); // Ab is taken in lesson 2
    setze_zelle(*plan, 1, 3, 2, "Ab", "Ma", "R2"); // and in lesson 3
    Kettensuche suche(*plan, liste, Optionen{});

    const auto laengen = suche.kettenlaengen({1, 1, 1}, 1);
    EXPECT_EQ(laengen[1], kette_frei);
    EXPECT_EQ(laengen[2], 1);
    EXPECT_EQ(laengen[4], kette_frei);
    const auto ketten = suche.ketten({1, 1, 1}, {1, 2, 1});
    ASSERT_FALSE(ketten.empty());
    EXPECT_EQ(ketten[0].tausche[0], (Tausch{{1, 1, 1}, {1, 2, 1}}));
    // Class 2 leaves lesson 2 for the place the dragged lesson left: Monday,
    // one day touched, before any chain reaching into another day.
    EXPECT_EQ(ketten[0].tausche[1].von, (Zellort{1, 2, 2}));
    EXPECT_EQ(ketten[0].tausche[1].nach.tag, 1);
    EXPECT_EQ(ketten[0].tage, 1);
    EXPECT_LE(ketten.size(), static_cast<std::size_t>(angebotene_ketten));
    EXPECT_TRUE(suche.ketten({1, 1, 1}, {1, 4, 1}).empty()); // free: nothing to offer
}

TEST(Tauschketten, BlockedTeacherIsNeverMovedIntoABlockedLessonEvenWithTheOptionOff)
{
    auto plan = neuer_plan();
    Lehrerliste liste;
    lehrereintrag e{};
    e.kuerzel = "Ab";
    e.gesperrt[0][1] = 1; // Monday, lesson 2
    liste.eintraege.push_back(e);
    setze_zelle(*plan, 1, 1, 1, "Ab");
    Optionen optionen;
    optionen.doppelter_lehrereinsatz = false;
    Kettensuche suche(*plan, liste, optionen);
    EXPECT_EQ(suche.kettenlaengen({1, 1, 1}, 1)[2], keine_kette);
}

TEST(Tauschketten, SolvesAConflictOfTheListButNotACodeWithoutCard)
{
    auto plan = neuer_plan();
    Lehrerliste liste;
    setze_zelle(*plan, 2, 3, 1, "Ab", "De", "R1");
    setze_zelle(*plan, 2, 3, 4, "Ab", "Ma", "R4");
    Kettensuche suche(*plan, liste, Optionen{});
    const auto loesungen = suche.loesungen({2, 3, Konfliktart::lehrer_doppelt, "Ab", 1u << 1 | 1u << 4});
    ASSERT_FALSE(loesungen.empty());
    EXPECT_EQ(loesungen[0].laenge(), 0); // one of the two lessons moves, nothing else
    const Zellort bewegt = loesungen[0].tausche[0].von;
    EXPECT_TRUE(bewegt == (Zellort{2, 3, 1}) || bewegt == (Zellort{2, 3, 4}));
    EXPECT_TRUE(suche.loesungen({2, 3, Konfliktart::lehrer_ohne_karte, "Ab", 1u << 1}).empty());
}

// Every chain offered on random plans: legal, the lesson at its target,
// exchanges within one column and no cell twice, one undo step restoring
// every byte; its length is the one the drag shows.
TEST(Tauschketten, EveryChainOnRandomPlansIsLegalAndUndoesByteForByte)
{
    int gepruefte_ketten = 0;
    for (unsigned saat = 1; saat <= 60; ++saat) {
        Zufallsschule s(saat);
        std::mt19937 zufall(saat * 7919);
        Dokument dokument;
        dokument.beginnen(*s.plan);
        Kettensuche suche(*s.plan, s.liste, s.optionen);
        for (int versuch = 0; versuch < 6; ++versuch) {
            const int c = 1 + static_cast<int>(zufall() % static_cast<unsigned>(s.klassen));
            Zellort von{1 + static_cast<int>(zufall() % 2), 1 + static_cast<int>(zufall() % 9), c};
            if (s.plan->zelle(von.tag, von.stunde, c).ist_leer())
                continue;
            const Zellort nach{1 + static_cast<int>(zufall() % 2), 1 + static_cast<int>(zufall() % 9), c};
            if (nach == von)
                continue;
            const auto ketten = suche.ketten(von, nach);
            const int laenge = suche.kettenlaengen(von, nach.tag)[static_cast<std::size_t>(nach.stunde)];
            if (ketten.empty()) {
                // Either the plain exchange is legal, or nothing within the bound is.
                plantyp getauscht = *s.plan;
                tausche_alle(getauscht, {{von, nach}});
                EXPECT_EQ(laenge, s.legal(*s.plan, getauscht, {{von, nach}}) ? kette_frei : keine_kette) << saat;
                continue;
            }
            EXPECT_EQ(laenge, ketten[0].laenge()) << saat;
            for (const Tauschkette& k : ketten) {
                SCOPED_TRACE(testing::Message() << "saat " << saat);
                EXPECT_EQ(k.tausche[0], (Tausch{von, nach}));
                std::set<std::tuple<int, int, int>> orte;
                for (const Tausch& t : k.tausche) {
                    EXPECT_EQ(t.von.klasse, t.nach.klasse);
                    EXPECT_TRUE(orte.insert({t.von.tag, t.von.stunde, t.von.klasse}).second);
                    EXPECT_TRUE(orte.insert({t.nach.tag, t.nach.stunde, t.nach.klasse}).second);
                }
                ASSERT_TRUE(dokument.tausche_kette(k.tausche));
                const plantyp& p = dokument.plan();
                EXPECT_EQ(std::memcmp(&p.zelle(nach.tag, nach.stunde, c), &s.plan->zelle(von.tag, von.stunde, c),
                                      sizeof(zellentyp)),
                          0);
                EXPECT_TRUE(s.legal(*s.plan, p, k.tausche));
                ASSERT_TRUE(dokument.rueckgaengig());
                EXPECT_EQ(std::memcmp(&dokument.plan(), s.plan.get(), sizeof(plantyp)), 0);
                ++gepruefte_ketten;
            }
        }
    }
    EXPECT_GT(gepruefte_ketten, 50);
}

// Whether some `anzahl` exchanges from `moegliche` (from index `ab` on, no
// cell twice) added to `kette` make it legal.
bool kuerzere_gibt_es(Zufallsschule& s, const plantyp& vorher, std::vector<Tausch>& kette,
                      const std::vector<Tausch>& moegliche, std::size_t ab, int anzahl)
{
    if (anzahl == 0)
        return s.legal(vorher, *s.plan, kette);
    for (std::size_t i = ab; i < moegliche.size(); ++i) {
        const Tausch& t = moegliche[i];
        const bool frei = std::none_of(kette.begin(), kette.end(), [&](const Tausch& k) {
            return k.von == t.von || k.von == t.nach || k.nach == t.von || k.nach == t.nach;
        });
        if (!frei)
            continue;
        kette.push_back(t);
        tausche_alle(*s.plan, {t});
        const bool gefunden = kuerzere_gibt_es(s, vorher, kette, moegliche, i + 1, anzahl - 1);
        tausche_alle(*s.plan, {t});
        kette.pop_back();
        if (gefunden)
            return true;
    }
    return false;
}

// On small two-day plans every set of fewer exchanges than the first chain
// offered is tried: none of them is legal.
TEST(Tauschketten, NoShorterChainExistsThanTheFirstOffered)
{
    int gepruefte_laengen[hoechste_kettenlaenge + 1] = {};
    for (unsigned saat = 100; saat < 180; ++saat) {
        Zufallsschule s(saat, 3, 20, true);
        Kettensuche suche(*s.plan, s.liste, s.optionen);
        const plantyp vorher = *s.plan;
        const Zellort von{1, 1 + static_cast<int>(saat % 9), 1 + static_cast<int>(saat % 2)};
        if (s.plan->zelle(von.tag, von.stunde, von.klasse).ist_leer())
            continue;
        // Every exchange of two cells of a column on the two days, not both
        // empty.
        std::vector<Tausch> moegliche;
        for (int c = 1; c <= s.klassen; ++c)
            for (int a = 0; a < 2 * anzahl_stunden; ++a)
                for (int b = a + 1; b < 2 * anzahl_stunden; ++b) {
                    const Zellort oa{a / 9 + 1, a % 9 + 1, c}, ob{b / 9 + 1, b % 9 + 1, c};
                    if (!vorher.zelle(oa.tag, oa.stunde, c).ist_leer() || !vorher.zelle(ob.tag, ob.stunde, c).ist_leer())
                        moegliche.push_back({oa, ob});
                }
        for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
            const Zellort nach{1 + static_cast<int>(saat / 2 % 2), stunde, von.klasse};
            if (nach == von)
                continue;
            const auto ketten = suche.ketten(von, nach);
            if (ketten.empty())
                continue;
            const int laenge = ketten[0].laenge();
            ++gepruefte_laengen[laenge];
            std::vector<Tausch> kette{{von, nach}};
            tausche_alle(*s.plan, kette);
            for (int kuerzer = 0; kuerzer < laenge; ++kuerzer)
                EXPECT_FALSE(kuerzere_gibt_es(s, vorher, kette, moegliche, 0, kuerzer)) << saat << " " << kuerzer;
            tausche_alle(*s.plan, kette);
        }
    }
    EXPECT_GT(gepruefte_laengen[1], 20);
    EXPECT_GT(gepruefte_laengen[2], 10);
    EXPECT_GT(gepruefte_laengen[3], 0);
}
