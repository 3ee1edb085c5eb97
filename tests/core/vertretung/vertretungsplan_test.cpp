#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "core/vertretung/vtp_datei.h"
#include "test_ordner.h"
#include "vertretung_schule.h"

using namespace orbela;

namespace {

class Vertretungen : public ::testing::Test, public VertretungsSchule {};

} // namespace

TEST_F(Vertretungen, LessonTextsJoinClassesAndMarkDifferingSubjectsAndRooms)
{
    struct Fall {
        const char* name;
        int klasse2;
        const char* fach2;
        const char* raum2;
        const char* klasse;
        const char* fach;
        const char* raum;
        int spalte;
    };
    const Fall faelle[] = {
        {"one class", 0, "", "", "1b", "MA", "R1", 2},
        {"same class twice", 2, "MA", "R2", "1b", "MA", "##", 2},
        {"joint lesson", 4, "DE", "R1", "1b&", "##", "R1", 2},
        {"nameless column", 9, "MA", "R1", "1b&", "MA", "R1", 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        VertretungsSchule s;
        s.unterricht(3, 4, 2, "Ab");
        if (f.klasse2 != 0)
            s.unterricht(3, 4, f.klasse2, "Ab", f.fach2, f.raum2, false, f.klasse2 == 2);
        const Unterricht u = unterricht_von(s.plan, 3, 4, "Ab");
        EXPECT_EQ(u.klasse, f.klasse);
        EXPECT_EQ(u.fach, f.fach);
        EXPECT_EQ(u.raum, f.raum);
        EXPECT_EQ(u.klassenspalte, f.spalte);
        // The entry holds at most 2 characters; the substitute stays.
        s.vp.abwesender_lehrer = "Ab";
        s.vp.eintrag(3, 4).vertreter = "Cd";
        vertretungen_aufbauen(s.vp, s.plan);
        EXPECT_EQ(s.vp.eintrag(3, 4).klasse.str(), std::string(f.klasse).substr(0, 2));
        EXPECT_EQ(s.vp.eintrag(3, 4).vertreter, "Cd");
        EXPECT_TRUE(s.vp.eintrag(3, 5).klasse.empty());
    }
    // Codes are compared whole and case-sensitive; an empty code is nobody.
    EXPECT_TRUE(unterricht_von(plan, 1, 1, "").klasse.empty());
    unterricht(1, 1, 1, "ab");
    EXPECT_TRUE(unterricht_von(plan, 1, 1, "Ab").klasse.empty());
}

TEST_F(Vertretungen, SubstituteIsFreeUnlessBlockedOrTeachingAnIndispensableLesson)
{
    lehrer("Bl").gesperrt[1][2] = 1;
    lehrer("Te");
    lehrer("Dv");
    unterricht(2, 3, 1, "Te");
    unterricht(2, 3, 2, "Dv", "MA", "R1", true);
    EXPECT_FALSE(vertreter_frei(plan, liste, 2, 3, "Bl"));
    EXPECT_TRUE(vertreter_frei(plan, liste, 2, 4, "Bl"));
    EXPECT_FALSE(vertreter_frei(plan, liste, 2, 3, "Te"));
    EXPECT_TRUE(vertreter_frei(plan, liste, 2, 3, "Dv"));
    EXPECT_TRUE(vertreter_frei(plan, liste, 2, 3, "##"));
    EXPECT_TRUE(vertreter_frei(plan, liste, 2, 3, "XX"));
}

TEST_F(Vertretungen, NoteNamesTheClassesTheSubstituteGivesUp)
{
    lehrer("Bl").gesperrt[0][0] = 1;
    EXPECT_EQ(vertreter_notiz(plan, liste, 1, 1, "Bl"), ""); // blocked, teaching nowhere
    EXPECT_EQ(vertreter_notiz(plan, liste, 1, 1, "Ni"), "");
    unterricht(1, 1, 1, "Cd", "MA", "R1", true);
    unterricht(1, 1, 4, "Cd", "MA", "R1", true);
    EXPECT_EQ(vertreter_notiz(plan, liste, 1, 1, "Cd"), "statt 1a 3b ");
    unterricht(1, 1, 4, "Cd");
    EXPECT_EQ(vertreter_notiz(plan, liste, 1, 1, "Cd"), "1a 3b f\xE4llt aus");
    // Long class names: cut to 20 characters.
    plan.klasse(1).klasse = "Igel";
    plan.klasse(4).klasse = "B\xE4r";
    unterricht(1, 1, 2, "Cd", "MA", "R1", false, true);
    EXPECT_EQ(vertreter_notiz(plan, liste, 1, 1, "Cd"), "Igel 1b B\xE4r f\xE4llt au");
}

TEST_F(Vertretungen, FileRestoresSubstitutesWhileLessonsComeFromThePlan)
{
    TestOrdner dir;
    unterricht(1, 1, 1, "Ab");
    unterricht(6, 9, 3, "Ab", "SP", "TU");
    vp.abwesender_lehrer = "Ab";
    vertretungen_aufbauen(vp, plan);
    vp.abwesender_lehrer = "Abc"; // the file holds 2 characters
    vp.eintrag(1, 1).vertreter = "Cd";
    vp.eintrag(6, 9).vertreter = "XX";
    vp.eintrag(4, 5).vertreter = "##";
    speichere_vertretungen(dir.pfad("w.vtp"), vp);

    const std::string bytes = lies(dir.pfad("w.vtp"));
    ASSERT_EQ(bytes.size(), 660u);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x02" "1a\x02MA\x02R1\x02" "Cd", 12));
    EXPECT_EQ(bytes.substr(53 * 12, 12), std::string("\x02" "2b\x02SP\x02TU\x02XX", 12));
    EXPECT_EQ(bytes.substr(54 * 12), std::string("\0\0\0\0\0\0\0\0\0\x02" "Ab", 12));

    // The plan has changed meanwhile: the lessons come from it, not the file.
    unterricht(1, 1, 1, "Ab", "DE", "R9");
    Vertretungsplan neu;
    lade_vertretungen(dir.pfad("w.vtp"), neu);
    EXPECT_EQ(neu.abwesender_lehrer, "Ab");
    vertretungen_aufbauen(neu, plan);
    EXPECT_EQ(neu.eintrag(1, 1).fach, "DE");
    EXPECT_EQ(neu.eintrag(1, 1).raum, "R9");
    EXPECT_EQ(neu.eintrag(6, 9).klasse, "2b");
    for (int t = 1; t <= 6; ++t) {
        for (int s = 1; s <= 9; ++s)
            EXPECT_EQ(neu.eintrag(t, s).vertreter.view(), vp.eintrag(t, s).vertreter.view()) << t << "/" << s;
    }

    // A code no longer in the plan opens, and no entry has a class.
    neu.abwesender_lehrer = "Zz";
    speichere_vertretungen(dir.pfad("z.vtp"), neu);
    lade_vertretungen(dir.pfad("z.vtp"), neu);
    vertretungen_aufbauen(neu, plan);
    EXPECT_EQ(neu.abwesender_lehrer, "Zz");
    for (const auto& tag : neu.vertretungen) {
        for (const vertretungtyp& e : tag)
            EXPECT_TRUE(e.klasse.empty());
    }
}

TEST_F(Vertretungen, FailedOpenChangesNothingAndFailedSaveKeepsTheOldFile)
{
    TestOrdner dir;
    vp.abwesender_lehrer = "Ab";
    vp.eintrag(2, 2).vertreter = "Cd";
    speichere_vertretungen(dir.pfad("alt.vtp"), vp);
    const std::string alt = lies(dir.pfad("alt.vtp"));
    schreibe(dir.pfad("kurz.vtp"), std::string(659, '\x02'));
    schreibe(dir.pfad("lang.vtp"), alt + "Rest");

    Vertretungsplan ziel;
    ziel.abwesender_lehrer = "Xy";
    ziel.eintrag(1, 1).vertreter = "Ef";
    EXPECT_EQ(fehlertext([&] { lade_vertretungen(dir.pfad("kurz.vtp"), ziel); }),
              "Versuch hinter dem Dateiende zu lesen");
    EXPECT_EQ(fehlertext([&] { lade_vertretungen(dir.pfad("fehlt.vtp"), ziel); }), "Datei nicht gefunden");
    EXPECT_NE(fehlertext([&] { lade_vertretungen(dir.pfad(""), ziel); }), "kein Fehler");
    EXPECT_EQ(ziel.abwesender_lehrer, "Xy");
    EXPECT_EQ(ziel.eintrag(1, 1).vertreter, "Ef");
    EXPECT_TRUE(ziel.eintrag(2, 2).vertreter.empty());

    lade_vertretungen(dir.pfad("lang.vtp"), ziel); // bytes behind record 55 are ignored
    EXPECT_EQ(ziel.eintrag(2, 2).vertreter, "Cd");

    ::chmod(dir.pfad("").c_str(), 0555);
    if (::access(dir.pfad("").c_str(), W_OK) != 0) { // not when running as root
        EXPECT_EQ(fehlertext([&] { speichere_vertretungen(dir.pfad("alt.vtp"), Vertretungsplan{}); }),
                  "Dateizugriff verweigert");
        EXPECT_EQ(lies(dir.pfad("alt.vtp")), alt);
    }
    ::chmod(dir.pfad("").c_str(), 0777);
}
