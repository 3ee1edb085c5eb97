#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "canvas/aufzeichnungs_canvas.h"
#include "views/gesperrte_stunden.h"

using namespace orbela;

namespace {

struct GesperrteStunden : ::testing::Test {
    GesperrteStunden() { std::memset(static_cast<void*>(&karte), 0, sizeof karte); }

    std::vector<const AufzeichnungsCanvas::Operation*> rote_linien() const
    {
        std::vector<const AufzeichnungsCanvas::Operation*> aus;
        for (const auto* l : c.linien()) {
            if (l->stift.farbe == farben::rot)
                aus.push_back(l);
        }
        return aus;
    }

    kartentyp karte;
    AufzeichnungsCanvas c;
};

} // namespace

TEST_F(GesperrteStunden, DrawsHeadsNumbersGridAndRedCrosses)
{
    karte.gesperrt[2][3] = 1; // Wednesday, lesson 4
    zeichne_gesperrte_stunden(c, karte, false);

    ASSERT_EQ(c.rechtecke().size(), 1u);
    EXPECT_EQ(c.rechtecke()[0]->x2, 140);
    EXPECT_EQ(c.rechtecke()[0]->y2, 150);
    EXPECT_EQ(c.letzter_text_bei(2, 15)->text, "1");
    EXPECT_EQ(c.letzter_text_bei(2, 135)->text, "9");
    EXPECT_EQ(c.letzter_text_bei(63, 1)->text, "Mi");
    EXPECT_EQ(c.letzter_text_bei(123, 1)->text, "Sa");
    EXPECT_EQ(c.letzter_text_bei(2, 15)->schrift, (Schrift{"Arial", 8, farben::schwarz, false}));
    EXPECT_EQ(c.linien().size(), 17u + 2u);

    const auto kreuz = rote_linien();
    ASSERT_EQ(kreuz.size(), 2u);
    for (const auto* l : kreuz)
        EXPECT_EQ(l->stift.breite, 2);
    EXPECT_EQ(std::tie(kreuz[0]->x1, kreuz[0]->y1, kreuz[0]->x2, kreuz[0]->y2), std::tuple(61, 61, 79, 74));
    EXPECT_EQ(std::tie(kreuz[1]->x1, kreuz[1]->y1, kreuz[1]->x2, kreuz[1]->y2), std::tuple(61, 74, 79, 61));
    // The pen is black and thin again for whatever is drawn next.
    EXPECT_EQ(c.stift(), Stift{});
}

TEST_F(GesperrteStunden, LessonsAreLabelledFromZeroWhenCountingFromZero)
{
    karte.gesperrt[0][0] = 1;
    zeichne_gesperrte_stunden(c, karte, true);
    EXPECT_EQ(c.letzter_text_bei(2, 15)->text, "0");
    EXPECT_EQ(c.letzter_text_bei(2, 135)->text, "8");
    // The flag of lesson 1 still sits in the first row.
    EXPECT_EQ(rote_linien().front()->y1, 16);
}

TEST_F(GesperrteStunden, ClickTogglesOnlyTheCellUnderIt)
{
    struct Klick {
        int x, y;
        bool wirkt;
    };
    for (const Klick k : {Klick{10, 70, false}, Klick{70, 5, false}, Klick{0, 0, false}, Klick{-1, 70, false},
                          Klick{140, 70, false}, Klick{70, 150, false}, Klick{60, 60, true}, Klick{79, 74, true},
                          Klick{139, 149, true}}) {
        kartentyp vorher = karte;
        EXPECT_EQ(gesperrte_stunde_umschalten(karte, k.x, k.y), k.wirkt) << k.x << "," << k.y;
        const int geaendert = static_cast<int>(
            std::count_if(&karte.gesperrt[0][0], &karte.gesperrt[0][0] + 54, [](std::uint8_t f) { return f; }));
        EXPECT_EQ(geaendert, k.wirkt ? 1 : 0);
        if (k.wirkt) {
            EXPECT_EQ(karte.gesperrt[k.x / 20 - 1][k.y / 15 - 1], 1);
            gesperrte_stunde_umschalten(karte, k.x, k.y); // and back
        }
        EXPECT_EQ(std::memcmp(&vorher, &karte, sizeof karte), 0);
    }
}
