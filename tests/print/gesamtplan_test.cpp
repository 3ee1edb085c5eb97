#include "druck_umgebung.h"
#include "print/plan_ausdrucke.h"

using namespace orbela;

namespace {
const std::string gelb = " 255,255,0";
const std::string aqua = " 0,255,255";
const std::string gruen = " 0,255,0";
} // namespace

class Gesamtplan : public test::DruckUmgebung {
protected:
    void drucken(int tag = 1) { drucke_plan(neuer_auftrag(), {plan, optionen, "09.12.26"}, tag); }
};

TEST_F(Gesamtplan, OneLandscapePageWithGridHeadersTimesDayAndDate)
{
    klasse(1, "1a", "Ab", "r1");
    klasse(19, "4d");
    klasse(20, "5e"); // beyond the grid
    plan.zeit(9).beginn = "14.30";
    optionen.stunden_0_8 = true;
    drucken(3);

    const auto& auftrag = *auftraege.front();
    EXPECT_EQ(auftrag.ausrichtung(), Ausrichtung::querformat);
    EXPECT_TRUE(auftrag.beendet());
    EXPECT_EQ(auftrag.seitenzahl(), 1);
    EXPECT_EQ(seite().rechtecke().size(), 1u);
    EXPECT_EQ(linien(2), 30);
    EXPECT_EQ(linien(1), 18 + 19);
    EXPECT_TRUE(linie_da(975, 50, 975, 75));
    EXPECT_EQ(text_bei(65, 15), "1a");
    EXPECT_EQ(text_bei(54, 53), "Ab");
    EXPECT_EQ(groesse_bei(54, 53), 8);
    EXPECT_EQ(text_bei(79, 53), "r1");
    EXPECT_EQ(text_bei(965, 15), "4d");
    EXPECT_EQ(text_bei(1015, 15), "");
    EXPECT_EQ(text_bei(2, 101), "0");
    EXPECT_EQ(text_bei(2, 701), "8");
    EXPECT_EQ(text_bei(15, 677), "14.30");
    EXPECT_EQ(text_bei(5, 15), "Mi");
    EXPECT_EQ(text_bei(5, 780), "Stand: 09.12.26");
}

TEST_F(Gesamtplan, CellsPrintWholeOrInTwoHalves)
{
    setze(1, 1, 1, "Ab", "De", "r1");
    setze(1, 2, 1, "Ab", "De", "r1", "", "Ku"); // only a second subject: split all the same
    setze(1, 1, 20, "Zz");
    drucken();

    EXPECT_EQ(text_bei(65, 76), "Ab");
    EXPECT_EQ(groesse_bei(65, 76), 12);
    EXPECT_EQ(text_bei(65, 103), "De");
    EXPECT_EQ(groesse_bei(65, 128), 10);
    EXPECT_EQ(text_bei(54, 154), "Ab");
    EXPECT_EQ(text_bei(54, 179), "De");
    EXPECT_EQ(text_bei(54, 204), "r1");
    EXPECT_EQ(groesse_bei(54, 204), 8);
    EXPECT_EQ(text_bei(79, 179), "Ku");
    EXPECT_EQ(seite().texte_bei(79, 154).size() + seite().texte_bei(79, 204).size(), 0u);
    EXPECT_TRUE(linie_da(75, 150, 75, 225));
    EXPECT_EQ(linien(1), 18 + 19 + 1);
    EXPECT_TRUE(seite().texte_bei(1015, 76).empty()); // column 20
}

TEST_F(Gesamtplan, UnderlaysFollowTheOptionsAndStayInTheirHalf)
{
    struct Fall {
        const char* name;
        std::function<void()> vorbereiten;
        std::vector<std::string> erwartet;
    };
    const std::vector<Fall> faelle = {
        {"tu", [&] { setze(1, 1, 1, "Ab", "Sp", "tu"); }, {"51,126,99,149" + gelb}},
        {"tu aus", [&] { setze(1, 1, 1, "Ab", "Sp", "tu"); optionen.sporthalle_gelb = false; }, {}},
        {"sw", [&] { setze(1, 1, 1, "Ab", "Sw", "sw"); }, {"51,126,99,149" + aqua}},
        {"sw aus", [&] { setze(1, 1, 1, "Ab", "Sw", "sw"); optionen.schwimmen_blau = false; }, {}},
        {"fö fö", [&] { setze(1, 1, 1, "Ab", "f\xF6", "F\xF6"); },
         {"51,101,99,124" + gruen, "75,137,99,149" + gruen}},
        {"fö aus", [&] { setze(1, 1, 1, "Ab", "f\xF6", "f\xF6"); optionen.foerder_gruen = false; }, {}},
        {"zweiter Raum TU", [&] { setze(1, 1, 1, "Ab", "De", "r1", "Cd", "Sp", "TU"); }, {"76,126,99,149" + gelb}},
        {"geteilt fö", [&] { setze(1, 1, 1, "Ab", "F\xD6", "F\xD6", "Cd", "", "SW"); },
         {"51,101,74,124" + gruen, "62,137,74,149" + gruen, "76,126,99,149" + aqua}},
    };
    for (const Fall& f : faelle) {
        setze(1, 1, 1, "");
        optionen = Optionen{};
        f.vorbereiten();
        drucken();
        EXPECT_EQ(unterlagen(auftraege.size() - 1), f.erwartet) << f.name;
    }
    // The underlay lies under the texts, which are drawn without a box.
    const auto& ops = seite(auftraege.size() - 1).operationen();
    const auto erste_fuellung = std::find_if(ops.begin(), ops.end(), [](const Op& o) { return o.art == Art::gefuellt; });
    const auto text = std::find_if(erste_fuellung, ops.end(), [](const Op& o) { return o.art == Art::text; });
    ASSERT_NE(text, ops.end());
    EXPECT_EQ(text->text, "Ab");
    EXPECT_EQ(text->pinsel.stil, PinselStil::klar);
}
