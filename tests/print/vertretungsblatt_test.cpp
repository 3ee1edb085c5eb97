#include "core/vertretung/vertretungsplan.h"
#include "druck_umgebung.h"
#include "print/vertretung_ausdrucke.h"

using namespace orbela;

namespace {

// Ab is absent: Mo/1 in 1a, Di/2 in 3b. Classes 1a, 1b, 2b, 3b.
class Vertretungsblatt : public test::DruckUmgebung {
protected:
    Vertretungsblatt()
    {
        const char* namen[] = {"1a", "1b", "2b", "3b"};
        for (int c = 1; c <= 4; ++c)
            klasse(c, namen[c - 1]);
        setze(1, 1, 1, "Ab", "MA", "R1");
        setze(2, 2, 4, "Ab", "DE", "R4");
        vp.abwesender_lehrer = "Ab";
    }
    lehrereintrag& lehrer(const char* kuerzel)
    {
        lehrereintrag e{};
        e.kuerzel = kuerzel;
        liste.eintraege.push_back(e);
        return liste.eintraege.back();
    }
    const AufzeichnungsCanvas& fensterblatt()
    {
        vertretungen_aufbauen(vp, plan);
        drucke_vertretungen(neuer_auftrag(), daten, liste, vp);
        return seite(auftraege.size() - 1);
    }
    const AufzeichnungsCanvas& hauptblatt(bool vorschlaege)
    {
        drucke_vertretungsplan(neuer_auftrag(), daten, liste, "Ab", vorschlaege);
        return seite(auftraege.size() - 1);
    }
    std::string letzter(int x, int y) { return text_bei(x, y, auftraege.size() - 1); }

    Lehrerliste liste;
    Vertretungsplan vp;
    Druckdaten daten{plan, optionen, "09.12.2026"};
};

} // namespace

TEST_F(Vertretungsblatt, FrameHasGridLabelsTimesAndTitle)
{
    plan.zeit(1).beginn = "07:55";
    plan.zeit(9).ende = "15:10";
    const AufzeichnungsCanvas& s = fensterblatt();
    ASSERT_EQ(auftraege[0]->seitenzahl(), 1);
    EXPECT_TRUE(auftraege[0]->beendet());
    EXPECT_EQ(auftraege[0]->ausrichtung(), Ausrichtung::hochformat);
    EXPECT_EQ(linien(2), 17);
    EXPECT_EQ(linien(1), 18);
    EXPECT_TRUE(linie_da(15, 925, 700, 925));
    EXPECT_EQ(letzter(2, 145), "1");
    EXPECT_EQ(letzter(640, 15), "Sa");
    EXPECT_EQ(letzter(15, 102), "07:55");
    EXPECT_EQ(groesse_bei(15, 102), 8);
    EXPECT_EQ(letzter(15, 977), "15:10");
    EXPECT_EQ(letzter(15, 15), "Ab");
    EXPECT_EQ(letzter(15, 1050), "Vertretungsplan: Ab");
    EXPECT_EQ(letzter(400, 1050), "Stand: 09.12.2026");
    EXPECT_EQ(s.rechtecke().size(), 1u);
}

TEST_F(Vertretungsblatt, WindowSheetShowsSubstitutesAndWhatTheyGiveUp)
{
    lehrer("Bl").gesperrt[1][1] = 1;
    vp.eintrag(1, 1).vertreter = "XX";
    vp.eintrag(2, 2).vertreter = "##";
    fensterblatt();
    EXPECT_EQ(letzter(105, 101), "1a");
    EXPECT_EQ(letzter(135, 101), "MA");
    EXPECT_EQ(letzter(165, 101), "R1");
    EXPECT_EQ(letzter(103, 135), "entf\xE4llt");
    EXPECT_EQ(groesse_bei(103, 135), 16);
    EXPECT_EQ(letzter(203, 235), "aufgeteilt");
    EXPECT_EQ(letzter(102, 180) + letzter(202, 280), ""); // no note

    struct Fall {
        const char* vertreter;
        bool verzichtbar_3b;
        const char* notiz;
    };
    const Fall faelle[] = {
        {"Cd", true, "statt 1a 3b "},
        {"Cd", false, "1a 3b f\xE4llt aus"},
        {"Bl", true, ""}, // blocked, teaching nowhere
        {"Fr", true, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.vertreter);
        setze(2, 2, 1, "Cd");
        setze(2, 2, 3, "", "", "", "Zz");
        setze(2, 2, 4, "Ab", "DE", "R4", "Cd");
        plan.zelle(2, 2, 1).erste.setze_verzichtbar('v');
        plan.zelle(2, 2, 4).zweite.setze_verzichtbar(f.verzichtbar_3b ? 'v' : ' ');
        vp.eintrag(2, 2).vertreter = f.vertreter;
        fensterblatt();
        EXPECT_EQ(letzter(230, 235), f.vertreter);
        EXPECT_EQ(letzter(202, 280), f.notiz);
        if (*f.notiz != '\0') {
            EXPECT_EQ(groesse_bei(202, 280, auftraege.size() - 1), 10);
        }
    }
}

TEST_F(Vertretungsblatt, MainSheetPrintsLessonsAndOnRequestTheProposals)
{
    setze(2, 2, 2, "Ab", "DE", "R4"); // joint lesson 3b and 1b
    const char* codes[] = {"Aa", "Bb", "Cc", "Dd", "Ee", "Ff", "Gg"};
    for (int i = 0; i < 6; ++i) {
        lehrer(codes[i]);
        setze(1, 2, 10 + i, codes[i]);
    }
    hauptblatt(false);
    EXPECT_EQ(letzter(105, 101), "1a");
    EXPECT_EQ(letzter(205, 201), "1b&");
    EXPECT_EQ(letzter(102, 142), "");

    hauptblatt(true);
    EXPECT_EQ(letzter(102, 142), "Aa/Bb/Cc/Dd/Ee/Ff"); // 17 characters, whole
    EXPECT_EQ(groesse_bei(102, 142, 1), 8);
    EXPECT_EQ(letzter(202, 257), "Aa/Bb/Cc/Dd/Ee/Ff"); // nobody next to Di/2
    EXPECT_EQ(letzter(302, 357), "");                  // a lesson Ab does not give
    lehrer(codes[6]);
    setze(1, 2, 16, codes[6]);
    hauptblatt(true);
    EXPECT_EQ(letzter(102, 142), "Aa/Bb/Cc/D" "e/Ff/Gg>");
}
