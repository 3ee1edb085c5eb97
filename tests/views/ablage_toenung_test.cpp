#include <gtest/gtest.h>

#include "canvas/aufzeichnungs_canvas.h"
#include "views/ablage_toenung.h"

using namespace orbela;
using Op = AufzeichnungsCanvas::Operation;

// Every cell of the day but the origin gets one see-through fill in its
// colour, inside the grid lines; the origin gets an outline; pen and brush
// come back as they were.
TEST(AblageToenung, TintsEveryCellButTheOutlinedOriginAndRestoresTheCanvas)
{
    Ablageziele ziele;
    ziele.tag = 2;
    ziele.herkunft = {2, 3, 4};
    ziele.ziel[5][6] = Ablage::konflikt;
    AufzeichnungsCanvas bild;
    bild.setze_pinsel_farbe(farben::gelb);
    bild.setze_stift_breite(2);
    zeichne_ablageziele(bild, ziele);

    int frei = 0, konflikt = 0;
    const Op* rahmen = nullptr;
    for (const Op& op : bild.operationen()) {
        if (op.art == AufzeichnungsCanvas::Art::linie || op.art == AufzeichnungsCanvas::Art::text)
            continue; // the signs
        if (op.art == AufzeichnungsCanvas::Art::rechteck) {
            rahmen = &op;
            continue;
        }
        ASSERT_EQ(op.art, AufzeichnungsCanvas::Art::gefuellt);
        EXPECT_EQ(op.pinsel.deckung, ablage_toenung::deckung);
        const bool rot = op.pinsel.farbe == ablage_toenung::konflikt;
        (rot ? konflikt : frei) += 1;
        if (rot) {
            EXPECT_EQ(std::make_pair(op.x1, op.y1), std::make_pair(50 * 6 + 1, 75 * 5 + 1));
        }
        EXPECT_FALSE(op.x1 == 50 * 4 + 1 && op.y1 == 75 * 3 + 1) << "origin tinted";
    }
    EXPECT_EQ(konflikt, 1);
    EXPECT_EQ(frei, anzahl_stunden * anzahl_klassen - 2);
    ASSERT_NE(rahmen, nullptr);
    EXPECT_EQ(std::vector<int>({rahmen->x1, rahmen->y1, rahmen->x2, rahmen->y2}),
              std::vector<int>({201, 226, 249, 299}));
    EXPECT_EQ(rahmen->stift.farbe, ablage_toenung::herkunft);
    EXPECT_EQ(rahmen->pinsel.stil, PinselStil::klar);
    EXPECT_EQ(bild.pinsel(), (Pinsel{farben::gelb, PinselStil::voll, 255}));
    EXPECT_EQ(bild.stift(), (Stift{farben::schwarz, 2}));

    // Dragged in from another day: no outline.
    ziele.tag = 3;
    bild.vergessen();
    zeichne_ablageziele(bild, ziele);
    EXPECT_TRUE(bild.rechtecke().empty());
}

// A clashing target of the origin's column with a chain is amber and shows
// the chain's length; every other target carries a tick or a cross drawn in
// lines, so the picture does not rest on colour alone.
TEST(AblageToenung, ChainTargetsShowTheirLengthAndEveryTargetASign)
{
    Ablageziele ziele;
    ziele.tag = 1;
    ziele.herkunft = {1, 1, 3};
    ziele.ziel[4][3] = Ablage::konflikt;
    ziele.kette[4] = 2;
    ziele.ziel[5][3] = Ablage::konflikt; // no chain
    ziele.ziel[4][7] = Ablage::konflikt;
    ziele.kette[6] = 3; // free target: the length is no matter
    AufzeichnungsCanvas bild;
    zeichne_ablageziele(bild, ziele);

    int amber = 0;
    for (const Op& op : bild.operationen()) {
        if (op.art == AufzeichnungsCanvas::Art::gefuellt && op.pinsel.farbe == ablage_toenung::kette) {
            ++amber;
            EXPECT_EQ(std::make_pair(op.x1, op.y1), std::make_pair(50 * 3 + 1, 75 * 4 + 1));
        }
    }
    EXPECT_EQ(amber, 1);
    const auto texte = bild.texte();
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0]->text, "2");
    EXPECT_GE(texte[0]->x1, 50 * 3 + 25);
    EXPECT_GE(texte[0]->y1, 75 * 4 + 50);
    // Two strokes for each other target: the tick or the cross.
    EXPECT_EQ(bild.linien().size(), 2u * (anzahl_stunden * anzahl_klassen - 2));
}
