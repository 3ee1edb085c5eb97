#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/sitzung.h"

using namespace orbela;

namespace {

struct Zuhoerer {
    explicit Zuhoerer(Sitzung& s)
        : nummer(s.beobachten([this](const Aenderung& a) { gemeldet.push_back(a); }))
    {
    }
    std::vector<Aenderung> gemeldet;
    int nummer;
};

} // namespace

TEST(SitzungMeldet, EachOptionSetsItsOwnCheckMarkAndIsTold)
{
    using A = Optionen::Art;
    const struct {
        A art;
        bool Optionen::*feld;
        bool raster;
        bool seitenansicht;
    } faelle[] = {
        {A::doppelter_lehrereinsatz, &Optionen::doppelter_lehrereinsatz, true, false},
        {A::doppelte_raumnutzung, &Optionen::doppelte_raumnutzung, true, false},
        {A::klassenplan_anzeigen, &Optionen::klassenplan_anzeigen, false, true},
        {A::raum_lehrerplan_anzeigen, &Optionen::raum_lehrerplan_anzeigen, false, true},
        {A::statistik_anzeigen, &Optionen::statistik_anzeigen, false, true},
        {A::lehrereinsatz_anzeigen, &Optionen::lehrereinsatz_anzeigen, false, true},
        {A::sporthalle_gelb, &Optionen::sporthalle_gelb, false, false},
        {A::schwimmen_blau, &Optionen::schwimmen_blau, false, false},
        {A::foerder_gruen, &Optionen::foerder_gruen, false, false},
        {A::klassenlehrer_unterlegen, &Optionen::klassenlehrer_unterlegen, false, false},
        {A::stunden_0_8, &Optionen::stunden_0_8, true, false},
    };
    for (const auto& f : faelle) {
        Sitzung sitzung("/nonexistent/");
        Zuhoerer z(sitzung);
        const Optionen vorher = sitzung.optionen();
        sitzung.setze_option(f.art, !(vorher.*f.feld));
        Optionen erwartet = vorher;
        erwartet.*f.feld = !(vorher.*f.feld);
        EXPECT_EQ(std::memcmp(&sitzung.optionen(), &erwartet, sizeof erwartet), 0) << static_cast<int>(f.art);
        EXPECT_EQ(z.gemeldet, (std::vector<Aenderung>{{Aenderung::Art::option, {}, f.art}}));
        EXPECT_EQ(Optionen::betrifft_raster(f.art), f.raster);
        EXPECT_EQ(Optionen::betrifft_seitenansicht(f.art), f.seitenansicht);
    }
}

TEST(SitzungMeldet, TakingOverTheCardsRebuildsTheTeacherListAndPlanChangesComeThrough)
{
    Sitzung sitzung("/nonexistent/");
    Zuhoerer z(sitzung);
    sitzung.kartei().leeren();
    sitzung.kartei().karte.nachname = "Berg";
    sitzung.kartei().karte.kuerzel = "Bg";
    sitzung.kartei().einfuegen();
    EXPECT_EQ(sitzung.lehrerliste().anzahl(), 0);
    sitzung.kartei_uebernehmen();
    ASSERT_EQ(sitzung.lehrerliste().anzahl(), 1);
    EXPECT_EQ(sitzung.lehrerliste().eintrag(1).kuerzel, "Bg");

    sitzung.neu();
    sitzung.dokument().setze_code({1, 2, 3}, Codefeld::lehrer, "Bg");
    sitzung.nicht_mehr_beobachten(z.nummer);
    sitzung.setze_option(Optionen::Art::stunden_0_8, true);
    EXPECT_EQ(z.gemeldet, (std::vector<Aenderung>{{Aenderung::Art::kartei},
                                                  {Aenderung::Art::neuer_plan},
                                                  {Aenderung::Art::zelle, {1, 2, 3}}}));
}
