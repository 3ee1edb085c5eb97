#include "druck_umgebung.h"
#include "print/plan_ausdrucke.h"

using namespace orbela;

class Kurzplan : public test::DruckUmgebung {
protected:
    using Druck = void (*)(Druckauftrag&, const Druckdaten&);
    void drucken(Druck d) { d(neuer_auftrag(), {plan, optionen, "09.12.26"}); }
};

TEST_F(Kurzplan, ThreeFormsOfOneLayout)
{
    klasse(1, "1a");
    klasse(20, "5e");
    setze(5, 1, 1, "Ab");
    setze(5, 2, 1, "Cd");
    setze(6, 1, 1, "Sa");
    optionen.stunden_0_8 = true;
    struct Form {
        Druck druck;
        int h, a, zeilen, block, label_groesse;
        const char* erstes_label;
        const char* erste_zeile; // teacher printed in Friday's first row
    };
    for (const Form& f : {Form{drucke_kurzplan, 25, 5, 6, 175, 12, "0", "Ab"},
                          Form{drucke_kurzplan2, 18, 2, 9, 180, 11, "0", "Ab"},
                          Form{drucke_kurzplan3, 25, 5, 6, 175, 12, "1", "Cd"}}) {
        auftraege.clear();
        drucken(f.druck);
        EXPECT_EQ(auftraege[0]->ausrichtung(), Ausrichtung::hochformat);
        EXPECT_EQ(seite().rechtecke().size(), 5u);
        EXPECT_EQ(seite().rechtecke().back()->y2, 800 + f.block); // Friday ends at 975 or 980
        EXPECT_EQ(linien(2), 5 * (20 + f.zeilen));
        EXPECT_EQ(text_bei(5, f.h + f.a), f.erstes_label);
        EXPECT_EQ(groesse_bei(5, f.h + f.a), f.label_groesse);
        EXPECT_EQ(text_bei(50, f.a), "1a");
        EXPECT_EQ(text_bei(5, 800 + f.a), "Fr");
        EXPECT_EQ(text_bei(50, 800 + f.h + f.a), f.erste_zeile);
        EXPECT_EQ(text_bei(810, f.a), ""); // column 20
        EXPECT_EQ(text_bei(5, 1050), "Stand: 09.12.26");
        const auto texte = seite().texte();
        EXPECT_TRUE(std::none_of(texte.begin(), texte.end(), [](const Op* o) { return o->text == "Sa"; }));
    }
}

TEST_F(Kurzplan, UnderlaysAndDividedCells)
{
    const std::string gelb = " 255,255,0";
    const std::string gruen = " 0,255,0";
    setze(1, 1, 1, "Ab", "F\xD6", "tu");    // "TU" ends the tests
    setze(1, 1, 2, "Ab", "f\xF6", "f\xF6"); // whole cell and room block
    setze(1, 1, 3, "Ab", "Ma", "R1", "Cd"); // second teacher divides
    setze(1, 1, 4, "Ab", "Ma", "R1", "", "Ku", "R2"); // second subject does not
    drucken(drucke_kurzplan);
    EXPECT_EQ(unterlagen(), (std::vector<std::string>{"41,26,79,49" + gelb, "81,26,119,49" + gruen,
                                                      "101,40,119,49" + gruen}));
    EXPECT_EQ(text_bei(121, 30), "Ab");
    EXPECT_EQ(groesse_bei(121, 30), 8);
    EXPECT_EQ(text_bei(141, 30), "Cd");
    EXPECT_TRUE(linie_da(140, 25, 140, 50));
    EXPECT_EQ(text_bei(170, 30), "Ab");
    EXPECT_EQ(groesse_bei(170, 30), 12);
    EXPECT_EQ(linien(1), 1);

    optionen.sporthalle_gelb = false;
    drucken(drucke_kurzplan2);
    EXPECT_EQ(unterlagen(1), (std::vector<std::string>{"41,19,79,35" + gruen, "81,19,119,35" + gruen,
                                                       "101,30,119,35" + gruen}));
}
