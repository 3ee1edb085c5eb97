#include <gtest/gtest.h>

#include "core/zellen_befehle.h"

using namespace orbela;

TEST(ZellenBefehle, PointsFindTheirCellButNeverAHeaderOrOutside)
{
    EXPECT_FALSE(zelle_bei(10, 10));  // corner
    EXPECT_FALSE(zelle_bei(60, 10));  // class header
    EXPECT_FALSE(zelle_bei(10, 80));  // lesson header
    EXPECT_FALSE(zelle_bei(-1, 80));
    EXPECT_FALSE(zelle_bei(60, 750)); // below lesson 9
    EXPECT_FALSE(zelle_bei(1050, 80)); // beyond class 20
    const auto z = zelle_bei(1049, 749);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->klasse, 20);
    EXPECT_EQ(z->stunde, 9);
}

TEST(ZellenBefehle, DispensableGoesToTheSecondOccupancyOnlyOnTheRightHalfOfADoubleCell)
{
    zellentyp z{};
    setze_verzichtbar_bei(z, 140, 'v'); // right half, single cell
    EXPECT_TRUE(z.erste.ist_verzichtbar());
    z.zweite.raum = "12";
    setze_verzichtbar_bei(z, 124, ' '); // left half
    EXPECT_FALSE(z.erste.ist_verzichtbar());
    setze_verzichtbar_bei(z, 125, 'v'); // right half begins at 25
    EXPECT_TRUE(z.zweite.ist_verzichtbar());
    EXPECT_EQ(z.zweite.verzichtbar.len, 0);
}

TEST(ZellenBefehle, ClearingKeepsTheFlagsLengthBytes)
{
    zellentyp z{};
    z.erste.lehrer = "Ab";
    z.zweite.fach = "MA";
    z.erste.verzichtbar.assign("v");
    z.zweite.verzichtbar.len = 0;
    z.zweite.setze_verzichtbar('v');
    loesche_zelle(z);
    EXPECT_TRUE(z.ist_leer());
    EXPECT_EQ(z.erste.verzichtbar.len, 1);
    EXPECT_EQ(z.zweite.verzichtbar.len, 0);
    EXPECT_FALSE(z.erste.ist_verzichtbar());
    EXPECT_FALSE(z.zweite.ist_verzichtbar());
}
