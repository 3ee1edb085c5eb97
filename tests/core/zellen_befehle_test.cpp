#include <gtest/gtest.h>

#include "core/zellen_befehle.h"

using namespace orbela;

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
