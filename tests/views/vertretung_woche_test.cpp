#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "canvas/aufzeichnungs_canvas.h"
#include "views/vertretung_woche.h"
#include "vertretung_schule.h"

using namespace orbela;

namespace {

// Absent teacher Ab gives 1a Mo/1, a joint lesson Di/2 and 3b Fr/9.
class VertretungWoche : public ::testing::Test, public VertretungsSchule {
protected:
    VertretungWoche()
    {
        vp.abwesender_lehrer = "Ab";
        unterricht(1, 1, 1, "Ab", "MA");
        unterricht(2, 2, 1, "Ab", "DE");
        unterricht(2, 2, 2, "Ab", "DE");
        unterricht(5, 9, 4, "Ab", "SP");
    }
    void zeichnen(bool stunden_0_8 = false)
    {
        c.vergessen();
        zeichne_vertretungswoche(c, vp, plan, liste, stunden_0_8, auswahl);
    }
    std::string text_bei(int x, int y)
    {
        const auto* op = c.letzter_text_bei(x, y);
        return op != nullptr ? op->text : "";
    }
    Farbe farbe_bei(int x, int y) { return c.letzter_text_bei(x, y)->schrift.farbe; }

    AufzeichnungsCanvas c;
    Wochenstunde auswahl;
};

} // namespace

TEST_F(VertretungWoche, ShowsLabelsGridAndTheLessonsToCover)
{
    zeichnen();
    ASSERT_EQ(c.rechtecke().size(), 1u);
    EXPECT_EQ(c.rechtecke()[0]->x2, 281);
    EXPECT_EQ(c.rechtecke()[0]->y2, 200);
    EXPECT_EQ(c.linien().size(), 17u);
    EXPECT_EQ(text_bei(2, 22), "1");
    EXPECT_EQ(text_bei(50, 2), "Mo");
    EXPECT_EQ(text_bei(250, 2), "Sa");
    EXPECT_EQ(text_bei(42, 21), "1a");
    EXPECT_EQ(text_bei(60, 21), "MA");
    EXPECT_EQ(text_bei(82, 41), "1a&");
    EXPECT_EQ(text_bei(202, 181), "3b");
    EXPECT_EQ(c.letzter_text_bei(42, 21)->schrift.groesse, 9);
    EXPECT_EQ(c.texte().size(), 9u + 6 + 3 * 2);
    zeichnen(true);
    EXPECT_EQ(text_bei(2, 22), "0");
}

TEST_F(VertretungWoche, SubstitutesAreGreenWhenFreeAndRedWhenNot)
{
    lehrer("Bl").gesperrt[0][0] = 1;
    lehrer("Dv");
    unterricht(1, 1, 2, "Dv", "MA", "R1", true);
    unterricht(2, 2, 3, "Te");
    struct Fall {
        int tag, stunde;
        const char* vertreter;
        Farbe farbe;
    };
    const Fall faelle[] = {
        {1, 1, "Bl", farben::rot},      // blocked
        {1, 1, "Dv", vertreter_gruen},  // drops a dispensable lesson
        {2, 2, "Te", farben::rot},      // teaches there
        {2, 2, "##", vertreter_gruen},
        {5, 9, "XX", vertreter_gruen},
        {5, 9, "Bl", vertreter_gruen},  // not blocked then
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.vertreter);
        vp.eintrag(f.tag, f.stunde).vertreter = f.vertreter;
        zeichnen();
        EXPECT_EQ(text_bei(40 * f.tag + 10, 20 * f.stunde + 1), f.vertreter);
        EXPECT_EQ(farbe_bei(40 * f.tag + 10, 20 * f.stunde + 1), f.farbe);
        EXPECT_EQ(text_bei(40 * f.tag + 2, 20 * f.stunde + 1), ""); // no class then
        EXPECT_EQ(c.schrift().farbe, farben::schwarz);
    }
}

TEST_F(VertretungWoche, SelectionIsMarkedInRed)
{
    zeichnen();
    for (const auto* l : c.linien())
        EXPECT_EQ(l->stift.farbe, farben::schwarz);
    auswahl = {2, 2};
    zeichnen();
    const auto linien = c.linien();
    ASSERT_EQ(linien.size(), 19u);
    for (const auto* l : {linien[17], linien[18]})
        EXPECT_EQ(l->stift.farbe, farben::rot);
    EXPECT_EQ(std::tie(linien[17]->x1, linien[17]->y1, linien[17]->x2, linien[17]->y2),
              std::make_tuple(81, 41, 81, 59));
    EXPECT_EQ(linien[18]->x1, 119);
    EXPECT_EQ(c.stift().farbe, farben::schwarz);
}

TEST(VertretungWocheTreffer, PixelsGiveTheirDayAndLessonLabelsAndEdgesNothing)
{
    const struct {
        int x, y;
        std::optional<Wochenstunde> stunde;
    } faelle[] = {
        {40, 20, Wochenstunde{1, 1}},  {79, 39, Wochenstunde{1, 1}}, {279, 199, Wochenstunde{6, 9}},
        {60, 70, Wochenstunde{1, 3}},  {39, 30, std::nullopt},       {50, 19, std::nullopt},
        {280, 30, std::nullopt},       {50, 200, std::nullopt},      {-1, 30, std::nullopt},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(vertretung_woche_treffer(f.x, f.y), f.stunde) << f.x << "," << f.y;
}
