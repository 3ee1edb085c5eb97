#include <gtest/gtest.h>

#include "core/fehler.h"
#include "core/vertretung/vertretungsdokument.h"
#include "core/vertretung/vtp_datei.h"
#include "test_ordner.h"
#include "vertretung_schule.h"

using namespace orbela;

namespace {

using Art = Vertretungsaenderung::Art;

// Ab gives 1a Mo/1 and Mo/2; a colleague's plan lies in the week's folder.
class VertretungsdokumentTest : public ::testing::Test, public VertretungsSchule {
protected:
    void SetUp() override
    {
        unterricht(1, 1, 1, "Ab");
        unterricht(1, 2, 1, "Ab");
        lehrer("Ko");
        Vertretungsplan anderer;
        anderer.abwesender_lehrer = "Cd";
        anderer.eintrag(2, 2).vertreter = "Ko";
        speichere_vertretungen(ordner.pfad("cd.vtp"), anderer);
        zuhoerer = dok.beobachten([this](const Vertretungsaenderung& a) { gemeldet.push_back(a); });
    }

    TestOrdner ordner;
    Vertretungsdokument dok;
    std::vector<Vertretungsaenderung> gemeldet;
    int zuhoerer = 0;
};

} // namespace

TEST_F(VertretungsdokumentTest, EachOperationTellsWhatItTouchedAndKeepsTheChangedMark)
{
    dok.neu(plan, "Ab");
    EXPECT_EQ(dok.abwesender_lehrer(), "Ab");
    EXPECT_EQ(dok.eintrag(1, 2).klasse, "1a"); // built from the timetable
    EXPECT_FALSE(dok.geaendert());

    EXPECT_TRUE(dok.setze_vertreter({1, 2}, "Kox"));
    EXPECT_EQ(dok.eintrag(1, 2).vertreter, "Ko");
    EXPECT_TRUE(dok.geaendert());
    EXPECT_FALSE(dok.setze_vertreter({1, 3}, "Ko")); // no lesson of Ab there
    EXPECT_FALSE(dok.setze_vertreter({0, 3}, "Ko"));

    dok.speichern(ordner.pfad("ab.vtp"));
    EXPECT_FALSE(dok.geaendert());
    EXPECT_EQ(dok.dateiname(), ordner.pfad("ab.vtp"));
    EXPECT_EQ(dok.ordner(), ordner.pfad(""));
    EXPECT_EQ(dok.woche().plaene.size(), 2u);
    EXPECT_EQ(dok.stand().anzahl("Ko"), 2); // Cd's plan and the open one, counted once

    EXPECT_EQ(dok.ganzer_tag(1, "Ko", plan, liste).eingetragen, (std::vector<int>{1}));
    EXPECT_TRUE(dok.geaendert());
    EXPECT_TRUE(dok.ganzer_tag(1, "Ko", plan, liste).eingetragen.empty()); // nothing more: no message

    dok.verwerfen(plan);
    EXPECT_TRUE(dok.eintrag(1, 1).vertreter.empty());
    EXPECT_EQ(dok.dateiname(), ordner.pfad("ab.vtp")); // the file stays for "speichern..."
    EXPECT_FALSE(dok.geaendert());

    dok.neu(plan, std::nullopt);
    EXPECT_EQ(dok.abwesender_lehrer(), "Ab"); // no line chosen: the teacher stays
    EXPECT_TRUE(dok.dateiname().empty());
    EXPECT_EQ(dok.ordner(), ordner.pfad(""));

    EXPECT_EQ(gemeldet, (std::vector<Vertretungsaenderung>{{Art::alles},
                                                          {Art::eintrag, {1, 2}},
                                                          {Art::datei},
                                                          {Art::alles},
                                                          {Art::alles},
                                                          {Art::alles}}));
}

TEST_F(VertretungsdokumentTest, OpeningAndRestoringTakeTheFileAndAFailedOpenChangesNothing)
{
    Vertretungsplan gespeichert;
    gespeichert.abwesender_lehrer = "Ab";
    gespeichert.eintrag(1, 1).vertreter = "XX";
    speichere_vertretungen(ordner.pfad("ab.vtp"), gespeichert);

    dok.oeffnen(ordner.pfad("ab.vtp"), plan);
    EXPECT_EQ(dok.eintrag(1, 1).vertreter, "XX");
    EXPECT_EQ(dok.eintrag(1, 1).klasse, "1a");
    EXPECT_FALSE(dok.geaendert());
    EXPECT_EQ(dok.woche().plaene.size(), 2u);

    dok.setze_vertreter({1, 1}, "Ko");
    EXPECT_THROW(dok.oeffnen(ordner.pfad("fehlt.vtp"), plan), Fehler);
    EXPECT_EQ(dok.eintrag(1, 1).vertreter, "Ko");
    EXPECT_TRUE(dok.geaendert());
    EXPECT_EQ(dok.dateiname(), ordner.pfad("ab.vtp"));

    TestOrdner anderswo;
    dok.wiederherstellen(vertretungen_als_bytes(gespeichert), anderswo.pfad("ab.vtp"), plan);
    EXPECT_EQ(dok.eintrag(1, 1).vertreter, "XX");
    EXPECT_TRUE(dok.geaendert()); // a recovery copy is unsaved
    EXPECT_EQ(dok.ordner(), anderswo.pfad(""));
    EXPECT_TRUE(dok.woche().plaene.empty());

    dok.nicht_mehr_beobachten(zuhoerer);
    dok.setze_vertreter({1, 1}, "");
    EXPECT_EQ(gemeldet.size(), 3u); // opened, assigned, restored
}
