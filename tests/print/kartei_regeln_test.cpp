#include <gtest/gtest.h>

#include "canvas/aufzeichnungs_canvas.h"
#include "print/listenzeilen.h"
#include "print/text_kuerzen.h"

using namespace orbela;

TEST(TextKuerzen, RemovesLastCharactersUntilItFitsButKeepsOne)
{
    AufzeichnungsCanvas c; // 6 units per character
    EXPECT_EQ(auf_breite_gekuerzt(c, "Mustermann", 30), "Muste");
    EXPECT_EQ(auf_breite_gekuerzt(c, "Mustermann", 60), "Mustermann");
    EXPECT_EQ(auf_breite_gekuerzt(c, "Mustermann", 59), "Musterman");
    EXPECT_EQ(auf_breite_gekuerzt(c, "03", 1), "0");
    EXPECT_EQ(auf_breite_gekuerzt(c, "", 1), "");
}

TEST(Listenzeilen, BreaksOnlyBeforeARowThatNoLongerFits)
{
    Listenzeilen z;
    for (int i = 0; i < 24; ++i) {
        const auto p = z.naechste();
        EXPECT_EQ(p.y, 50 + 40 * i);
        EXPECT_FALSE(p.neue_seite_vorher);
    }
    const auto p25 = z.naechste();
    EXPECT_TRUE(p25.neue_seite_vorher);
    EXPECT_EQ(p25.y, 50);
    EXPECT_FALSE(z.naechste().neue_seite_vorher);
}
