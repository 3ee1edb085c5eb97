#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "print/aufzeichnungs_druckauftrag.h"
#include "print/kartei_druck.h"

using namespace orbela;

namespace {

// A page of 800 x 1100 pixels: page units and pixels coincide, and the
// recording canvas measures 6 pixels per character.
struct KarteiDruck : ::testing::Test {
    AufzeichnungsDruckauftrag auftrag{800, 1100};
    Kartei kartei;

    void karte(std::string_view name, std::string_view datum = "", bool lehrer = true)
    {
        kartei.leeren();
        kartei.karte.nachname = name;
        kartei.karte.geburtsdatum = datum;
        kartei.karte.ort = "Musterstadt";
        kartei.karte.plz = "12345";
        kartei.karte.ist_lehrer = lehrer ? 1 : 0;
        kartei.einfuegen();
    }
    std::string text_bei(int x, int y, int seite = 1) const
    {
        const auto* op = auftrag.seite(seite).letzter_text_bei(x, y);
        return op ? op->text : "";
    }
    bool irgendwo(std::string_view text) const
    {
        for (int s = 1; s <= auftrag.seitenzahl(); ++s) {
            for (const auto* op : auftrag.seite(s).texte()) {
                if (op->text == text)
                    return true;
            }
        }
        return false;
    }
};

} // namespace

TEST_F(KarteiDruck, AddressListBreaksOnlyBeforeARowThatDoesNotFit)
{
    struct Fall {
        int karten, seiten;
    };
    for (const Fall f : {Fall{0, 1}, Fall{24, 1}, Fall{25, 2}, Fall{48, 2}, Fall{49, 3}}) {
        AufzeichnungsDruckauftrag a{800, 1100};
        Kartei k;
        for (int i = 0; i < f.karten; ++i) {
            k.leeren();
            k.karte.nachname = std::to_string(100 + i);
            k.einfuegen();
        }
        drucke_adressliste(a, k, false);
        EXPECT_TRUE(a.beendet());
        EXPECT_EQ(a.seitenzahl(), f.seiten) << f.karten << " Karten";
        if (f.karten == 25) {
            EXPECT_NE(a.seite(1).letzter_text_bei(55, 979), nullptr); // row 24 at y 970
            EXPECT_EQ(a.seite(2).letzter_text_bei(55, 59)->text, "124");
        }
    }
}

TEST_F(KarteiDruck, AddressListRowShowsTownWithoutPostcodeAndTeachersOnly)
{
    karte("Adam", "", false);
    karte("Berg");
    drucke_adressliste(auftrag, kartei, true);
    EXPECT_EQ(text_bei(55, 59), "Berg");
    EXPECT_EQ(text_bei(451, 51), "PLZ Ort");
    EXPECT_EQ(text_bei(455, 59), "Musterstadt");
    EXPECT_EQ(text_bei(251, 51), "Stra\xDF" "e");
    EXPECT_EQ(text_bei(651, 51), "Telefon");
    EXPECT_FALSE(irgendwo("Adam"));
    EXPECT_FALSE(irgendwo("12345"));
    EXPECT_EQ(auftrag.seite().letzter_text_bei(55, 59)->schrift.groesse, 10);
    EXPECT_EQ(auftrag.seite().letzter_text_bei(51, 51)->schrift.groesse, 8);
    EXPECT_EQ(auftrag.seite().linien().size(), 4u * 4u);
}

TEST_F(KarteiDruck, CalendarListsTwoDigitDatesUnderTheirMonthInCardOrder)
{
    karte("Cramer", "03.05.1960");
    karte("Adam", "3.5.1960");
    karte("Berg", "03.05.1971");
    karte("Dorn", "01.01.1980");
    karte("Eine-sehr-lange-Kollegin-mit-Doppelnamen", "31.12.1975");
    drucke_geburtstagskalender(auftrag, kartei);

    ASSERT_EQ(auftrag.seitenzahl(), 1);
    EXPECT_EQ(text_bei(330, 55), "Geburtstagskalender");
    EXPECT_TRUE(auftrag.seite().letzter_text_bei(330, 55)->schrift.fett);
    // Mai: the second box of the second row.
    EXPECT_EQ(text_bei(370, 385), "Mai");
    EXPECT_EQ(text_bei(305, 420), "03");
    EXPECT_EQ(text_bei(335, 420), "Berg");
    EXPECT_EQ(text_bei(335, 435), "Cramer");
    EXPECT_FALSE(irgendwo("Adam"));
    EXPECT_FALSE(auftrag.seite().letzter_text_bei(335, 420)->schrift.fett);
    EXPECT_EQ(text_bei(85, 170), "Dorn");
    // Dezember: the surname is cut to 160 units.
    EXPECT_EQ(text_bei(585, 920), "Eine-sehr-lange-Kollegin-m");
    EXPECT_EQ(text_bei(555, 920), "31");
    EXPECT_EQ(text_bei(620, 885), "Dezember");
    EXPECT_EQ(auftrag.seite().linien().size(), 4u + 12u * 5u);
}

TEST_F(KarteiDruck, CardShowsTeacherBoxesOnlyForATeacher)
{
    for (const bool lehrer : {false, true}) {
        AufzeichnungsDruckauftrag a{800, 1100};
        kartentyp k{};
        k.nachname = "Berg";
        k.kuerzel4 = "BERG";
        k.ist_lehrer = lehrer ? 1 : 0;
        drucke_karte(a, k);
        ASSERT_EQ(a.seitenzahl(), 1);
        EXPECT_EQ(a.seite().linien().size(), (lehrer ? 12u : 8u) * 4u);
        EXPECT_EQ(a.seite().letzter_text_bei(55, 269)->text, lehrer ? "Lehrer" : "--");
        EXPECT_EQ(a.seite().letzter_text_bei(55, 59)->text, "Berg");
        EXPECT_EQ(a.seite().letzter_text_bei(55, 309) != nullptr, lehrer);
    }
}

TEST_F(KarteiDruck, CalendarKeepsAFullMonthInsideItsBox)
{
    for (int i = 0; i < 16; ++i) {
        char name[8], datum[12];
        std::snprintf(name, sizeof name, "%d", 100 + i);
        std::snprintf(datum, sizeof datum, "%02d.01.1970", i + 1);
        karte(name, datum);
    }
    karte("Februar", "01.02.1970");
    drucke_geburtstagskalender(auftrag, kartei);

    std::vector<const AufzeichnungsCanvas::Operation*> januar;
    for (const auto* op : auftrag.seite().texte()) {
        if (op->x1 == 85)
            januar.push_back(op);
    }
    ASSERT_EQ(januar.size(), 16u);
    EXPECT_EQ(januar.front()->y1, 170);
    EXPECT_EQ(januar.front()->text, "100");
    EXPECT_LE(januar.back()->y1, 130 + 190);
    EXPECT_LT(januar.back()->schrift.groesse, 10);
    // An ordinary month keeps lines of 15 units in the full size.
    EXPECT_EQ(text_bei(335, 170), "Februar");
    EXPECT_EQ(auftrag.seite().letzter_text_bei(335, 170)->schrift.groesse, 10);
}
