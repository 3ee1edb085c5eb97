#include <gtest/gtest.h>

#include <filesystem>

#include "core/vertretung/ganzer_tag.h"
#include "core/vertretung/vertretungswoche.h"
#include "core/vertretung/vertretungszettel.h"
#include "core/vertretung/vorschlaege.h"
#include "core/vertretung/vtp_datei.h"
#include "test_ordner.h"
#include "vertretung_schule.h"

using namespace orbela;

namespace {

// A week folder: Cd's plan has Ko on Mo/1 and Di/3, Ef's has Ko on Mo/2 and
// "##", "XX"; an old file of Ab (the open plan) with Ko on Mo/5; one file of
// the wrong size, one folder named like a plan, one other file.
class Wochenordner : public ::testing::Test, public VertretungsSchule {
protected:
    void SetUp() override
    {
        ablegen("cd.vtp", "Cd", {{1, 1, "Ko"}, {2, 3, "Ko"}});
        ablegen("EF.VTP", "Ef", {{1, 2, "Ko"}, {1, 3, "##"}, {1, 4, "XX"}});
        ablegen("ab alt.vtp", "Ab", {{1, 5, "Ko"}});
        schreibe(ordner.pfad("kurz.vtp"), std::string(vtp_groesse - 1, '\0'));
        std::filesystem::create_directory(ordner.pfad("ordner.vtp"));
        schreibe(ordner.pfad("notiz.txt"), "x");
        vp.abwesender_lehrer = "Ab";
    }
    void ablegen(const std::string& name, const char* abwesend, std::vector<std::tuple<int, int, const char*>> v)
    {
        Vertretungsplan p;
        p.abwesender_lehrer = abwesend;
        for (const auto& [t, s, code] : v)
            p.eintrag(t, s).vertreter = code;
        speichere_vertretungen(ordner.pfad(name), p);
    }
    Vertretungswoche woche() { return lies_vertretungswoche(ordner.pfad("")); }

    TestOrdner ordner;
};

} // namespace

TEST_F(Wochenordner, CountsCoversAndDoubleBookingsSkippingBadFiles)
{
    const Vertretungswoche w = woche();
    EXPECT_EQ(w.unlesbar, (std::vector<std::string>{"kurz.vtp", "ordner.vtp"}));
    ASSERT_EQ(w.plaene.size(), 3u);

    vp.eintrag(1, 6).vertreter = "Ko"; // unsaved, in place of "ab alt.vtp"
    const Vertretungsstand stand(w, vp);
    EXPECT_EQ(stand.anzahl("Ko"), 4);
    EXPECT_EQ(stand.anzahl("Fr"), 0);
    EXPECT_EQ(stand.zaehlung().size(), 1u); // "##" and "XX" are nobody
    ASSERT_NE(stand.doppelt("Ko", 1, 1), nullptr);
    EXPECT_EQ(*stand.doppelt("Ko", 1, 1), "Cd");
    EXPECT_EQ(stand.doppelt("Ko", 1, 5), nullptr); // only in the open plan's old file
    EXPECT_EQ(stand.doppelt("Ko", 1, 6), nullptr); // the open plan itself

    EXPECT_TRUE(lies_vertretungswoche(ordner.pfad("fehlt")).unlesbar.size() == 1);
    EXPECT_TRUE(lies_vertretungswoche("").plaene.empty());
}

TEST_F(Wochenordner, ColleagueWhosePlanSettlesALessonOfTheDayIsAbsentThatDay)
{
    ablegen("gh.vtp", "Gh", {{3, 2, "XX"}});
    for (const char* code : {"Cd", "Gh", "Fr"})
        lehrer(code);
    unterricht(3, 2, 1, "Ab");
    unterricht(1, 1, 1, "Ab");
    vertretungen_aufbauen(vp, plan);
    vp.eintrag(3, 2).vertreter = "##"; // Ab's own plan settles Mi too
    const Vertretungsstand stand(woche(), vp);

    struct Fall { const char* lehrer; int tag; bool abwesend; };
    for (const Fall f : {Fall{"Cd", 1, true}, Fall{"Cd", 2, true}, Fall{"Cd", 3, false}, Fall{"Ef", 1, true},
                         Fall{"Gh", 3, true}, Fall{"Gh", 1, false}, Fall{"Ab", 3, true}, Fall{"Fr", 3, false}})
        EXPECT_EQ(stand.selbst_abwesend(f.lehrer, f.tag), f.abwesend) << f.lehrer << " " << f.tag;

    const Vorschlagslisten l = vorschlaege(plan, liste, "Ab", 3, 2, "1a", stand);
    EXPECT_EQ(l.freie_lehrer, (std::vector<std::string>{"Cd", "Fr"}));
    EXPECT_EQ(l.alle_lehrer, (std::vector<std::string>{"Cd", "Gh-", "Fr"}));
    const GanzerTag t = ganzen_tag_vertreten(vp, plan, liste, stand, 1, "Cd");
    EXPECT_TRUE(t.eingetragen.empty());
    ASSERT_EQ(t.uebersprungen.size(), 1u);
    EXPECT_EQ(t.uebersprungen[0].grund, Hindernis::abwesend);
}

TEST_F(Wochenordner, WholeDayFillsOnlyOpenLessonsWhereTheSubstituteIsFree)
{
    for (int s = 1; s <= 6; ++s)
        unterricht(1, s, 1, "Ab");
    vertretungen_aufbauen(vp, plan);
    lehrer("Ko").gesperrt[0][2] = 1;                 // blocked Mo/3
    unterricht(1, 4, 2, "Ko", "MA", "R1", true);     // busy Mo/4, even if dispensable
    vp.eintrag(1, 5).vertreter = "Te";               // already covered
    const Vertretungsstand stand(woche(), vp);       // Mo/1 Ko covers Cd, Mo/2 Ef

    const GanzerTag t = ganzen_tag_vertreten(vp, plan, liste, stand, 1, "Ko");
    EXPECT_EQ(t.eingetragen, (std::vector<int>{6}));
    std::vector<std::pair<int, Hindernis>> luecken;
    for (const auto& l : t.uebersprungen)
        luecken.emplace_back(l.stunde, l.grund);
    EXPECT_EQ(luecken, (std::vector<std::pair<int, Hindernis>>{{1, Hindernis::doppelt},
                                                               {2, Hindernis::doppelt},
                                                               {3, Hindernis::gesperrt},
                                                               {4, Hindernis::unterrichtet}}));
    EXPECT_EQ(vp.eintrag(1, 6).vertreter, "Ko");
    EXPECT_EQ(vp.eintrag(1, 5).vertreter, "Te");
    EXPECT_TRUE(ganzen_tag_vertreten(vp, plan, liste, stand, 2, "Ko").eingetragen.empty()); // no lessons
    EXPECT_EQ(ganzen_tag_vertreten(vp, plan, liste, stand, 1, "Ab").uebersprungen.front().grund,
              Hindernis::abwesend);
}

TEST_F(Wochenordner, SlipsListEachSubstitutesCoversInOrder)
{
    unterricht(1, 1, 1, "Ab", "MA", "R1");
    unterricht(2, 2, 1, "Ab", "DE", "R2");
    unterricht(2, 2, 2, "Ab", "DE", "R3");
    unterricht(3, 4, 3, "Ab", "SU", "");
    plan.zeit(1).beginn = "07:55";
    plan.zeit(1).ende = "08:40";
    vertretungen_aufbauen(vp, plan);
    vp.eintrag(3, 4).vertreter = "Ko";
    vp.eintrag(1, 1).vertreter = "Ko";
    vp.eintrag(2, 2).vertreter = "Fr";
    vp.eintrag(2, 3).vertreter = "Fr"; // no lesson there: no line
    vp.eintrag(1, 2).vertreter = "XX";
    EXPECT_EQ(zettel_als_text(vertretungszettel(vp, plan, false)),
              "Vertretungszettel f\xFCr Fr\n"
              "Di, 2. Stunde: Klasse 1a&, Fach DE, Raum ##, f\xFCr Ab\n"
              "\n"
              "Vertretungszettel f\xFCr Ko\n"
              "Mo, 1. Stunde (07:55-08:40): Klasse 1a, Fach MA, Raum R1, f\xFCr Ab\n"
              "Mi, 4. Stunde: Klasse 2b, Fach SU, f\xFCr Ab\n");
    EXPECT_EQ(vertretungszettel(vp, plan, true).back().zeilen.front().substr(0, 13), "Mo, 0. Stunde");
}
