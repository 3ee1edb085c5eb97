#include <gtest/gtest.h>

#include <cstring>

#include "core/beschriftung.h"
#include "core/fehler.h"
#include "core/ganzzahl.h"
#include "core/plantyp.h"
#include "core/text_1252.h"

using namespace orbela;

TEST(PString, AssignCutsZeroesBehindAndLeavesAnUnchangedTextAlone)
{
    PString<4> s;
    std::memcpy(&s, "\x02WXYZ", 5);
    s = "WX";
    EXPECT_EQ(std::string(s.data, 4), "WXYZ");
    s = "ab";
    EXPECT_EQ(s.view(), "ab");
    EXPECT_EQ(std::string(s.data, 4), std::string("ab\0\0", 4));
    s = "abcdef";
    EXPECT_EQ(s.view(), "abcd");
    EXPECT_EQ(s.len, 4);
}

TEST(PString, LengthByteAboveCapacityReadsAsCapacityAndStaysUntilAssigned)
{
    PString<4> s;
    std::memcpy(&s, "\xC8" "abcd", 5);
    EXPECT_EQ(s.size(), 4u);
    EXPECT_EQ(s.view(), "abcd");
    EXPECT_EQ(s.len, 0xC8);
    EXPECT_FALSE(s.empty());
}

TEST(PString, ComparisonIsWholeStringAndCaseSensitive)
{
    PString<4> a;
    a = "Ab";
    EXPECT_TRUE(a == "Ab");
    EXPECT_FALSE(a == "ab");
    EXPECT_FALSE(a == "Ab ");
    EXPECT_FALSE(a == "A");
    PString<10> b{};
    b = "Ab";
    EXPECT_TRUE(a == b);
}

TEST(Modell, DispensableIsDecidedByTheCharacterByteAlone)
{
    belegungtyp b{};
    b.verzichtbar.len = 0;
    b.verzichtbar.data[0] = 'v';
    EXPECT_TRUE(b.ist_verzichtbar());
    b.verzichtbar.len = 1;
    b.verzichtbar.data[0] = ' ';
    EXPECT_FALSE(b.ist_verzichtbar());
}

TEST(Modell, DoubleCellIsDecidedByTheSecondOccupancysCodes)
{
    zellentyp z{};
    EXPECT_FALSE(z.ist_doppelt());
    EXPECT_TRUE(z.ist_leer());
    z.zweite.raum = "12";
    EXPECT_TRUE(z.ist_doppelt());
    EXPECT_FALSE(z.ist_leer());
    z.zweite.raum.clear();
    z.zweite.verzichtbar.data[0] = 'v'; // the flag alone does not make it double
    EXPECT_FALSE(z.ist_doppelt());
}

TEST(Modell, FortyOccupancyViewAddressesTheCellBytes)
{
    plantyp p{};
    EXPECT_EQ(&p.belegung(1, 1, 1), &p.zelle(1, 1, 1).erste);
    EXPECT_EQ(&p.belegung(1, 1, 2), &p.zelle(1, 1, 1).zweite);
    EXPECT_EQ(&p.belegung(3, 5, 40), &p.zelle(3, 5, 20).zweite);
    const auto* basis = reinterpret_cast<const unsigned char*>(&p);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&p.belegung(2, 3, 7)) - basis,
              6120 + 2 * 680 + 6 * 17);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&p.klasse(3)) - basis, 36720 + 40);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&p.zeit(10)) - basis, 37120 + 9 * 22);
}

TEST(Beschriftung, LessonLabelsAndStatusTexts)
{
    EXPECT_EQ(stunden_label(1, false), "1");
    EXPECT_EQ(stunden_label(9, false), "9");
    EXPECT_EQ(stunden_label(1, true), "0");
    EXPECT_EQ(stunden_label(9, true), "8");
    EXPECT_EQ(stunden_text(3, false), "3. Stunde");
    EXPECT_EQ(stunden_text(3, true), "2. Stunde");
    EXPECT_EQ(tag_text(1), "Mo");
    EXPECT_EQ(tag_text(6), "Sa");
    EXPECT_EQ(tagname(4), "Donnerstag");
    EXPECT_EQ(klassen_text("1a"), "Klasse: 1a");
}

TEST(Ganzzahl, AcceptsDecimalNumbersAndRejectsEverythingElse)
{
    EXPECT_EQ(als_ganzzahl("25"), 25);
    EXPECT_EQ(als_ganzzahl(" 7"), 7);
    EXPECT_EQ(als_ganzzahl("-3"), -3);
    EXPECT_EQ(als_ganzzahl("+0"), 0);
    for (const char* falsch : {"", " ", "a", "2a", "1 ", "-", "99999999999", "1.5"}) {
        try {
            als_ganzzahl(falsch);
            ADD_FAILURE() << "accepted '" << falsch << "'";
        } catch (const Fehler& e) {
            EXPECT_EQ(e.text(), std::string("'") + falsch + "' ist kein gültiger Integerwert");
        }
    }
}

TEST(Ganzzahl, MessageShowsUmlautsOfTheWindows1252Text)
{
    try {
        als_ganzzahl("\xFC");
        FAIL();
    } catch (const Fehler& e) {
        EXPECT_EQ(e.text(), "'ü' ist kein gültiger Integerwert");
    }
}

TEST(Text1252, RoundTripsEveryByteAndReplacesWhatItCannotHold)
{
    std::string alle;
    for (int b = 1; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(text_1252_aus_utf8(utf8_aus_1252(alle)), alle);
    EXPECT_EQ(utf8_aus_1252("F\xD6"), "FÖ");
    EXPECT_EQ(utf8_aus_1252("\x80"), "€");
    EXPECT_EQ(text_1252_aus_utf8("€uro"), "\x80uro");
    EXPECT_EQ(text_1252_aus_utf8("Ж"), "?");
    EXPECT_EQ(text_1252_aus_utf8("a😀b"), "a?b");
    EXPECT_EQ(text_1252_aus_utf8("\xC3"), "?");      // cut sequence
    EXPECT_EQ(text_1252_aus_utf8("\xFF" "a"), "?a"); // not UTF-8 at all
}
