#include <gtest/gtest.h>
#include <cstring>
#include <vector>

#include "core/dokument.h"
#include "testhilfe.h"

using namespace orbela;

namespace {

using Art = Aenderung::Art;

// A document begun on a new plan, recording what its listener is told.
struct DokumentTest : ::testing::Test {
    Dokument dok;
    std::vector<Aenderung> gemeldet;

    void SetUp() override
    {
        auto plan = neuer_plan();
        setze_zelle(*plan, 2, 3, 4, "Ab", "MA", "12", "Cd", "DE", "13");
        dok.beginnen(*plan);
        dok.beobachten([this](const Aenderung& a) { gemeldet.push_back(a); });
    }
    const zellentyp& zelle(Zellort o) const { return dok.plan().zelle(o.tag, o.stunde, o.klasse); }
    std::string lehrer(Zellort o) const { return zelle(o).erste.lehrer.str(); }
    int schritte_zurueck()
    {
        int n = 0;
        while (dok.rueckgaengig())
            ++n;
        return n;
    }
};

constexpr Zellort voll{2, 3, 4};
constexpr Zellort leer{2, 5, 4};

} // namespace

TEST_F(DokumentTest, KeystrokesFoldPerFieldOfOneCellOrRecordButNotAcrossFieldsOrCells)
{
    struct Fall {
        const char* name;
        std::function<void(Dokument&, int)> tippe; // the i-th keystroke
        int schritte;
    };
    const std::vector<Fall> faelle = {
        {"one field", [](Dokument& d, int i) { d.setze_code(leer, Codefeld::lehrer, i ? "Ab" : "A"); }, 1},
        {"two fields", [](Dokument& d, int i) { d.setze_code(leer, i ? Codefeld::fach : Codefeld::lehrer, "x"); }, 2},
        {"two cells", [](Dokument& d, int i) { d.setze_code({2, 5, 4 + i}, Codefeld::lehrer, "x"); }, 2},
        {"class field", [](Dokument& d, int i) { d.setze_klassenfeld(4, Klassenfeld::klasse, i ? "1a" : "1"); }, 1},
        {"time field", [](Dokument& d, int i) { d.setze_zeit(2, Zeitfeld::ende, i ? "8.4" : "8"); }, 1},
        {"commands", [](Dokument& d, int i) { d.setze_verzichtbar(voll, false, i ? ' ' : 'v'); }, 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        f.tippe(dok, 0);
        f.tippe(dok, 1);
        EXPECT_EQ(schritte_zurueck(), f.schritte);
        EXPECT_FALSE(dok.geaendert());
    }
}

TEST_F(DokumentTest, AStepMakesSeveralChangesOneAndAChangeToTheSameTextIsNone)
{
    {
        const Dokument::Schritt schritt(dok);
        dok.setze_code(leer, Codefeld::lehrer, "Xy");
        dok.setze_code(leer, Codefeld::raum2, "R");
    }
    EXPECT_FALSE(dok.setze_code(leer, Codefeld::lehrer, "Xy"));
    EXPECT_FALSE(dok.loesche_zelle({1, 1, 1}));
    EXPECT_EQ(dok.lehrer_ersetzen("Zz", "Qq"), 0);
    EXPECT_EQ(gemeldet.size(), 2u);
    EXPECT_EQ(schritte_zurueck(), 1);
}

// Each keystroke runs in a step of its own, as the window runs its handlers.
TEST_F(DokumentTest, AStepOfSeveralFieldsOrACommandNeverFoldsWithTypingBeforeOrAfter)
{
    using S = Dokument::Schritt;
    const auto tippe = [](Dokument& d, Zellort o, const char* text) {
        const S schritt(d);
        d.setze_code(o, Codefeld::lehrer, text);
    };
    const auto kopie = [](Dokument& d, S::Art art, bool zwei_felder) {
        const S schritt(d, art);
        d.setze_code(leer, Codefeld::lehrer, "Co");
        if (zwei_felder)
            d.setze_code(leer, Codefeld::fach, "KU");
    };
    struct Fall {
        const char* name;
        bool tippen_davor; // into the field the copy writes first
        S::Art art;
        bool zwei_felder;
        std::vector<std::string> lehrer_nach_undo; // of `leer`, one per Ctrl+Z
    };
    for (const Fall& f : {Fall{"copy, then typing", false, S::Art::befehl, true, {"Co", ""}},
                          Fall{"one-field copy, then typing", false, S::Art::befehl, false, {"Co", ""}},
                          Fall{"typing, then a copy over it", true, S::Art::faltbar, true, {"Ty", ""}}}) {
        SCOPED_TRACE(f.name);
        if (f.tippen_davor)
            tippe(dok, leer, "Ty");
        kopie(dok, f.art, f.zwei_felder);
        if (!f.tippen_davor) {
            tippe(dok, leer, "D");
            tippe(dok, leer, "Dx");
        }
        for (const std::string& erwartet : f.lehrer_nach_undo) {
            ASSERT_TRUE(dok.rueckgaengig());
            EXPECT_EQ(lehrer(leer), erwartet);
        }
        EXPECT_FALSE(dok.geaendert());
        EXPECT_FALSE(dok.rueckgaengig());
    }
}

TEST_F(DokumentTest, ListenersAreToldWhatEachOperationTouched)
{
    const std::vector<std::pair<std::function<void()>, Aenderung>> faelle = {
        {[&] { dok.setze_code(leer, Codefeld::fach2, "MU"); }, {Art::zelle, leer}},
        {[&] { dok.setze_klassenfeld(7, Klassenfeld::wochenstunden, "3"); }, {Art::klasse, {0, 0, 7}}},
        {[&] { dok.setze_zeit(6, Zeitfeld::beginn, "12.00"); }, {Art::stunde, {0, 6, 0}}},
        {[&] { dok.setze_verzichtbar(voll, true, 'v'); }, {Art::zelle, voll}},
        {[&] { dok.loesche_zelle(voll); }, {Art::zelle, voll}},
        {[&] { dok.spalte_einfuegen(3); }, {Art::alles}},
        {[&] { dok.lehrer_ersetzen("", "Ne"); }, {Art::alles}},
        {[&] { dok.rueckgaengig(); }, {Art::alles}},
        {[&] { dok.speichern_unter("/nicht/da/x.orb"); }, {Art::alles}}, // fails: nothing told
    };
    for (const auto& [tue, erwartet] : faelle) {
        gemeldet.clear();
        try {
            tue();
        } catch (const Fehler&) {
            EXPECT_TRUE(gemeldet.empty());
            continue;
        }
        ASSERT_EQ(gemeldet.size(), 1u);
        EXPECT_EQ(gemeldet[0], erwartet);
    }
}

TEST_F(DokumentTest, MoveSwapAndCopyTakeWholeCellsWithTheirMarksAsOneStepEach)
{
    dok.setze_verzichtbar(voll, true, 'v');
    const zellentyp vorher = zelle(voll);
    const Zellort ziel{6, 9, 20};

    gemeldet.clear();
    ASSERT_TRUE(dok.verschiebe(voll, ziel));
    EXPECT_TRUE(zelle(ziel).zweite.ist_verzichtbar());
    EXPECT_EQ(zelle(ziel).zweite.raum.str(), "13");
    EXPECT_TRUE(zelle(voll).ist_leer());
    EXPECT_EQ(gemeldet, (std::vector<Aenderung>{{Art::zelle, ziel}, {Art::zelle, voll}}));

    ASSERT_TRUE(dok.tausche(ziel, voll));
    EXPECT_EQ(lehrer(voll), "Ab");
    EXPECT_TRUE(zelle(ziel).ist_leer());
    ASSERT_TRUE(dok.kopiere(voll, leer));
    EXPECT_EQ(std::memcmp(&zelle(leer), &vorher, sizeof(zellentyp)), 0);
    EXPECT_FALSE(dok.kopiere(voll, leer));
    EXPECT_FALSE(dok.tausche(voll, voll));

    dok.rueckgaengig(); // the copy
    EXPECT_TRUE(zelle(leer).ist_leer());
    dok.rueckgaengig(); // the swap
    EXPECT_EQ(lehrer(ziel), "Ab");
    dok.rueckgaengig(); // the move
    EXPECT_EQ(lehrer(voll), "Ab");
    EXPECT_TRUE(zelle(ziel).ist_leer());
}
