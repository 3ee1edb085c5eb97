#include <gtest/gtest.h>

#include "core/geburtstage.h"

using namespace orbela;

TEST(Geburtstage, OnlyTwoDigitDayAndMonthMatch)
{
    struct Fall {
        const char* datum;
        int tag, monat;
        bool passt;
    };
    for (const Fall& f : {Fall{"03.05.1960", 3, 5, true}, Fall{"03/05", 3, 5, true}, Fall{"3.5.1960", 3, 5, false},
                          Fall{"03.5.1960", 3, 5, false}, Fall{"03.05.1960", 5, 3, false},
                          Fall{"31.12.", 31, 12, true}, Fall{"03.0", 3, 0, false}, Fall{"", 1, 1, false}})
        EXPECT_EQ(geburtstag_am(f.datum, f.tag, f.monat), f.passt) << f.datum << " " << f.tag << "." << f.monat;
}

TEST(Geburtstage, MonthListsCardsByDayThenCardOrder)
{
    Kartei k;
    for (const auto& [name, datum] : {std::pair{"Arndt", "20.05.1970"}, std::pair{"Berg", "03.05.1960"},
                                      std::pair{"Cramer", "3.5.1960"}, std::pair{"Dorn", "20.05.1981"},
                                      std::pair{"Ernst", "03.06.1960"}}) {
        k.leeren();
        k.karte.nachname = name;
        k.karte.geburtsdatum = datum;
        k.einfuegen();
    }
    EXPECT_EQ(geburtstage_im_monat(k, 5), (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(geburtstage_im_monat(k, 6), (std::vector<int>{5}));
    EXPECT_TRUE(geburtstage_im_monat(k, 1).empty());
}
