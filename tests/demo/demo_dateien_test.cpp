#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/kartei_dateien.h"
#include "core/plan_datei.h"
#include "demo_ordner.h"
#include "test_ordner.h"

using namespace orbela;

namespace {

// The lines of a name table; fails the test on anything that is not a
// code=name line ending in CR LF.
std::vector<std::pair<std::string, std::string>> namenstabelle(const std::string& name)
{
    const std::string text = lies(demo::datei(name));
    std::vector<std::pair<std::string, std::string>> zeilen;
    EXPECT_TRUE(text.ends_with("\r\n")) << name;
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        std::size_t ende = text.find("\r\n", anfang);
        if (ende == std::string::npos)
            ende = text.size();
        const std::string zeile = text.substr(anfang, ende - anfang);
        anfang = ende + 2;
        EXPECT_EQ(zeile.find_first_of("\r\n"), std::string::npos) << name << ": " << zeile;
        const std::size_t gleich = zeile.find('=');
        EXPECT_NE(gleich, std::string::npos) << name << ": " << zeile;
        if (gleich == std::string::npos)
            continue;
        zeilen.emplace_back(zeile.substr(0, gleich), zeile.substr(gleich + 1));
    }
    return zeilen;
}

std::string gross(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The codes of one kind that the plan uses: teachers, subjects or rooms.
template <typename Feld>
std::set<std::string> codes_im_plan(const plantyp& plan, Feld feld)
{
    std::set<std::string> codes;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            for (int k = 1; k <= belegungen_je_stunde; ++k) {
                const auto& code = feld(plan.belegung(t, l, k));
                if (!code.empty())
                    codes.insert(code.str());
            }
        }
    }
    return codes;
}

} // namespace

TEST(DemoDateien, PlanLoadsAndRoundTripsByteForByte)
{
    const auto plan = demo::plan();
    TestOrdner ordner;
    speichere_plan(ordner.pfad("kopie.orb"), *plan);
    const std::string original = lies(demo::datei("Beispielschule.orb"));
    EXPECT_EQ(original.size(), plan_groesse);
    EXPECT_EQ(lies(ordner.pfad("kopie.orb")), original);
}

TEST(DemoDateien, CardFileLoadsAndIsWrittenBackUnchanged)
{
    Kartei kartei;
    lade_kartei(kartei, demo::datei("adresslehrdat.int"));
    EXPECT_GE(kartei.anzahl(), 20);
    EXPECT_LE(kartei.anzahl(), 30);

    TestOrdner ordner;
    kartei.schreibe_kartei(ordner.pfad("adresslehrdat.int"));
    EXPECT_EQ(lies(ordner.pfad("adresslehrdat.int")),
              lies(demo::datei("adresslehrdat.int")));
}

TEST(DemoDateien, NameTablesAreCodeNameLinesNamingEveryCodeOfThePlan)
{
    const auto plan = demo::plan();
    const auto faecher = namenstabelle("faecherkrz.int");
    const auto raeume = namenstabelle("raumkrz.int");

    // Codes must be unique as the look-ups see them, without regard to case,
    // and every name must say more than the code.
    for (const auto* tabelle : {&faecher, &raeume}) {
        std::set<std::string> gesehen;
        for (const auto& [code, name] : *tabelle) {
            EXPECT_FALSE(code.empty());
            EXPECT_FALSE(name.empty()) << code;
            EXPECT_TRUE(gesehen.insert(gross(code)).second) << "doppelt: " << code;
        }
    }

    const std::map<std::string, std::string> fach(faecher.begin(), faecher.end());
    const std::map<std::string, std::string> raum(raeume.begin(), raeume.end());
    for (const std::string& code : codes_im_plan(*plan, [](const belegungtyp& b) -> const auto& { return b.fach; }))
        EXPECT_TRUE(fach.contains(code)) << "Fach ohne Namen: " << code;
    for (const std::string& code : codes_im_plan(*plan, [](const belegungtyp& b) -> const auto& { return b.raum; }))
        EXPECT_TRUE(raum.contains(code)) << "Raum ohne Namen: " << code;

    // Umlauts are single Windows-1252 bytes.
    EXPECT_EQ(fach.at("F\xD6"), "F\xF6rderunterricht");
    EXPECT_EQ(raum.at("TU"), "Turnhalle");
    EXPECT_EQ(raum.at("SW"), "Schwimmbad");
}

TEST(DemoDateien, EveryTeacherOfThePlanHasACardWithMatchingLessonCount)
{
    const auto plan = demo::plan();
    const Lehrerliste liste = demo::lehrerliste();

    for (const std::string& code : codes_im_plan(*plan, [](const belegungtyp& b) -> const auto& { return b.lehrer; })) {
        const lehrereintrag* eintrag = liste.erster_mit(code);
        ASSERT_NE(eintrag, nullptr) << "kein Karte fuer " << code;
        EXPECT_EQ(code.size(), 2u) << code;

        int geplant = 0;
        for (int t = 1; t <= anzahl_tage; ++t) {
            for (int l = 1; l <= anzahl_stunden; ++l) {
                for (int k = 1; k <= belegungen_je_stunde; ++k)
                    geplant += plan->belegung(t, l, k).lehrer == code ? 1 : 0;
            }
        }
        EXPECT_EQ(eintrag->stunden.str(), std::to_string(geplant)) << code;
    }
}

TEST(DemoDateien, CardsSeparateTeachersFromOtherContacts)
{
    Kartei kartei;
    lade_kartei(kartei, demo::datei("adresslehrdat.int"));
    const auto plan = demo::plan();
    const auto lehrer_im_plan = codes_im_plan(*plan, [](const belegungtyp& b) -> const auto& { return b.lehrer; });

    std::set<std::string> codes, statistikcodes;
    int andere = 0, mit_sperren = 0;
    for (int i = 1; i <= kartei.anzahl(); ++i) {
        const kartentyp& k = kartei.karte_nr(i);
        EXPECT_FALSE(k.nachname.empty());
        EXPECT_FALSE(k.telefon.empty()) << k.nachname.str();
        if (k.ist_lehrer != 1) {
            EXPECT_EQ(k.ist_lehrer, 0);
            EXPECT_TRUE(k.kuerzel.empty()) << k.nachname.str();
            ++andere;
            continue;
        }
        EXPECT_TRUE(codes.insert(k.kuerzel.str()).second) << k.kuerzel.str();
        EXPECT_EQ(k.kuerzel4.size(), 4u) << k.nachname.str();
        EXPECT_TRUE(statistikcodes.insert(k.kuerzel4.str()).second) << k.kuerzel4.str();
        EXPECT_TRUE(lehrer_im_plan.contains(k.kuerzel.str())) << "Lehrer ohne Stunden: " << k.kuerzel.str();
        mit_sperren += std::any_of(&k.gesperrt[0][0], &k.gesperrt[0][0] + 54, [](auto f) { return f == 1; });
    }
    EXPECT_GE(andere, 3);
    EXPECT_GE(mit_sperren, 2);
}

TEST(DemoDateien, ClassesAreNamedAndTheirWeeklyHoursEqualThePlannedLessons)
{
    const auto plan = demo::plan();
    const Lehrerliste liste = demo::lehrerliste();
    int benannt = 0;
    for (int c = 1; c <= anzahl_klassen; ++c) {
        const klassentyp& k = plan->klasse(c);
        int stunden = 0;
        for (int t = 1; t <= anzahl_tage; ++t) {
            for (int l = 1; l <= anzahl_stunden; ++l) {
                const zellentyp& z = plan->zelle(t, l, c);
                stunden += (!z.erste.lehrer.empty() || !z.zweite.lehrer.empty()) ? 1 : 0;
            }
        }
        if (k.klasse.empty()) {
            EXPECT_EQ(stunden, 0) << "Spalte " << c;
            continue;
        }
        ++benannt;
        EXPECT_EQ(k.wochenstunden.str(), std::to_string(stunden)) << k.klasse.str();
        EXPECT_NE(liste.erster_mit(k.klassenlehrer.view()), nullptr) << k.klasse.str();
        EXPECT_FALSE(k.klassenraum.empty()) << k.klasse.str();
    }
    EXPECT_GE(benannt, 8);
    EXPECT_LE(benannt, 12);
}

TEST(DemoDateien, WeekRunsMondayToFridayWithoutGapsAndHasLessonTimes)
{
    const auto plan = demo::plan();
    int siebte = 0;
    for (int c = 1; c <= anzahl_klassen && !plan->klasse(c).klasse.empty(); ++c) {
        for (int t = 1; t <= anzahl_tage; ++t) {
            int letzte = 0;
            for (int l = 1; l <= anzahl_stunden; ++l) {
                if (!plan->zelle(t, l, c).ist_leer())
                    letzte = l;
            }
            for (int l = 1; l <= letzte; ++l)
                EXPECT_FALSE(plan->zelle(t, l, c).ist_leer()) << plan->klasse(c).klasse.str() << " Tag " << t << " Stunde " << l;
            if (t == 6) {
                EXPECT_EQ(letzte, 0) << "Samstag";
            } else {
                EXPECT_GE(letzte, 4);
            }
            EXPECT_LE(letzte, 7);
            siebte += letzte == 7 ? 1 : 0;
        }
    }
    EXPECT_GE(siebte, 1);

    // Lessons 1 to 9 have times of the form hh:mm, each ending before the next begins.
    std::string vorher = "00:00";
    for (int l = 1; l <= anzahl_stunden; ++l) {
        const std::string beginn = plan->zeit(l).beginn.str(), ende = plan->zeit(l).ende.str();
        ASSERT_EQ(beginn.size(), 5u) << l;
        ASSERT_EQ(ende.size(), 5u) << l;
        EXPECT_LT(vorher, beginn) << l;
        EXPECT_LT(beginn, ende) << l;
        vorher = ende;
    }
    EXPECT_TRUE(plan->zeit(10).beginn.empty());
    EXPECT_TRUE(plan->zeit(10).ende.empty());
}

TEST(DemoDateien, PlanShowsDividedDoubleStaffedDispensableAndSpecialRoomLessons)
{
    const auto plan = demo::plan();
    int geteilt = 0, doppelt_besetzt = 0, verzichtbar = 0;
    std::set<std::string> raeume, faecher;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            for (int c = 1; c <= anzahl_klassen; ++c) {
                const zellentyp& z = plan->zelle(t, l, c);
                if (!z.zweite.fach.empty() && !(z.zweite.fach == z.erste.fach))
                    ++geteilt;
                if (!z.zweite.lehrer.empty() && z.zweite.fach.empty() && z.zweite.raum.empty())
                    ++doppelt_besetzt;
                verzichtbar += z.erste.ist_verzichtbar() + z.zweite.ist_verzichtbar();
                for (const belegungtyp* b : {&z.erste, &z.zweite}) {
                    raeume.insert(b->raum.str());
                    faecher.insert(b->fach.str());
                    // Flags keep the length byte the reset for a new plan gives them.
                    EXPECT_EQ(b->verzichtbar.len, 1);
                }
            }
        }
    }
    EXPECT_GE(geteilt, 3);
    EXPECT_GE(doppelt_besetzt, 3);
    EXPECT_GE(verzichtbar, 2);
    EXPECT_LE(verzichtbar, 10);
    EXPECT_TRUE(raeume.contains("TU"));
    EXPECT_TRUE(raeume.contains("SW"));
    EXPECT_TRUE(faecher.contains("F\xD6"));
}
