#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "../fenster_zugriff.h"
#include "../pdf_werkzeug.h"
#include "../test_dialoge.h"
#include "tagesvertretung_schule.h"
#include "ui/hauptfenster.h"
#include "ui/drucken/qt_druckauftrag.h"
#include "ui/vertretung/tagesvertretung_fenster.h"
#include "ui/vertretung/vertretungsplan_fenster.h"
#include "ui/vertretung/vertretung_zugriff.h"

using namespace orbela;
using namespace fenster_zugriff;

namespace {

const QDate montag(2026, 12, 14);

// The window over the folder of three absences on Monday 14.12.2026, its
// printouts written as PDF files named after the printout.
class TagesFenster : public ::testing::Test, public TagesSchule {
protected:
    TagesFenster()
    {
        sitzung.dokument().beginnen(plan);
        druck.funktion = [this](const Druckbefehl& befehl, Druckziel) {
            const QString datei = QString::fromStdString(ordner.pfad(befehl.name.toStdString() + ".pdf"));
            auto auftrag = QtDruckauftrag::pdf(datei);
            befehl.als_ein_auftrag(*auftrag);
        };
        fenster = std::make_unique<TagesvertretungFenster>(sitzung, dialoge, &druck);
        fenster->woche_zeigen(ordner.pfad(""));
        fenster->datum_setzen(montag);
    }
    template <typename T = QLabel>
    T* kind(const char* name) const
    {
        return fenster->findChild<T*>(QString::fromLatin1(name));
    }
    QStringList spalte(int c) const
    {
        QStringList werte;
        auto* liste = kind<QTreeWidget>("Liste");
        for (int i = 0; i < liste->topLevelItemCount(); ++i)
            werte << liste->topLevelItem(i)->text(c);
        return werte;
    }
    QString pdf(const char* name) const { return QString::fromStdString(ordner.pfad(name)); }

    Sitzung sitzung{ordner.pfad("") + "/"};
    TestDialoge dialoge;
    Druckfunktion druck;
    std::unique_ptr<TagesvertretungFenster> fenster;
};

} // namespace

TEST_F(TagesFenster, ShowsTheDaysAbsencesTheOpenLessonsAndWhoMustBeTold)
{
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Vertretungen des Tages"));
    EXPECT_TRUE(kind("Ueberschrift")->text().contains(QStringLiteral("Montag, 14.12.2026")));
    EXPECT_TRUE(kind("Ueberschrift")->text().contains(QStringLiteral("2 Stunden offen")));
    EXPECT_TRUE(kind("Abwesend")->text().contains(QStringLiteral("Ab (1.-4. Std.), Cd (2.-6. Std.), Ef (2.-6. Std.)")));
    EXPECT_TRUE(kind("Eingesetzt")->text().contains(QStringLiteral("Ko (3), Mü (4), Ne (1), Pa (2)")));
    EXPECT_TRUE(kind("Unlesbar")->text().contains(QStringLiteral("kaputt.vtp")));
    EXPECT_EQ(spalte(0).size(), 14);
    EXPECT_EQ(spalte(5).count(QStringLiteral("offen")), 2);
    EXPECT_EQ(spalte(6).count(QStringLiteral("Bescheid geben")), 1);
    EXPECT_EQ(kind<QTreeWidget>("Liste")->topLevelItem(6)->foreground(0).color(), QColor(176, 0, 0));

    // Sunday: no school, nothing listed.
    fenster->datum_setzen(montag.addDays(-1));
    EXPECT_TRUE(kind("Ueberschrift")->text().contains(QStringLiteral("kein Unterricht")));
    EXPECT_TRUE(fenster->liste().stunden.empty());
}

TEST_F(TagesFenster, APlanSavedInTheFolderUpdatesTheListAndThePage)
{
    kind<QCheckBox>("WebseiteNeuSchreiben")->setChecked(true);
    const std::string seite = ordner.pfad("vertretungsplan.html");
    EXPECT_EQ(lies(seite).find("<td>7.</td>"), std::string::npos);

    // Gh's plan now also settles Monday's lesson 7.
    ablegen("Gh.vtp", "Gh", {{1, 7, "Ko"}, {2, 1, "Ko"}});
    QTRY_COMPARE_WITH_TIMEOUT(fenster->liste().abwesend.size(), std::size_t{4}, 5000);
    EXPECT_EQ(fenster->liste().stunden.back().abwesender, "Gh");
    EXPECT_NE(lies(seite).find("<td>7.</td><td>1a</td><td>MA</td><td class=\"lehrer\">Gh</td>"), std::string::npos);
}

TEST_F(TagesFenster, PrintoutsRunOverPagesWithHeadingColumnTitlesAndStandOnEach)
{
    // Many more lessons: 15 more absent teachers, each giving a class all day.
    for (int c = 6; c <= 20; ++c) {
        const std::string lehrer{'T', static_cast<char>('a' + c)};
        plan.klasse(c).klasse = "K" + std::to_string(c);
        for (int s = 1; s <= 9; ++s)
            unterricht(1, s, c, lehrer.c_str(), "MA", "R9");
        ablegen(lehrer + ".vtp", lehrer.c_str(), {{1, 1, "XX"}, {1, 2, "Ko"}});
    }
    sitzung.dokument().beginnen(plan);
    fenster->aktualisieren();
    ASSERT_GT(fenster->liste().stunden.size(), 60u);

    const std::pair<const char*, const char*> ausdrucke[] = {{"AushangPdf", "Aushang.pdf"},
                                                             {"LehrerzimmerPdf", "Lehrerzimmer.pdf"}};
    for (const auto& [knopf, datei] : ausdrucke) {
        QTest::mouseClick(kind<QPushButton>(knopf), Qt::LeftButton);
        const QStringList seiten = pdf_seitentexte(pdf(datei));
        ASSERT_GE(seiten.size(), 2) << datei;
        for (const QString& s : seiten) {
            EXPECT_TRUE(s.contains(QStringLiteral("Vertretungen für Montag, 14.12.2026"))) << datei;
            EXPECT_TRUE(s.contains(QStringLiteral("Std.")) && s.contains(QStringLiteral("Klasse"))) << datei;
            EXPECT_TRUE(s.contains(QStringLiteral("Stand: "))) << datei;
        }
    }
    const QString lehrerzimmer = pdf_text(pdf("Lehrerzimmer.pdf"));
    EXPECT_TRUE(lehrerzimmer.contains(QStringLiteral("Abwesend:")));
    EXPECT_TRUE(lehrerzimmer.contains(QStringLiteral("Bescheid geben")));
    EXPECT_TRUE(lehrerzimmer.contains(QStringLiteral("Noch offen")));
}

TEST(TagesvertretungImHauptfenster, FollowsUnsavedAssignmentsOfTheSubstitutionWindow)
{
    TagesSchule schule;
    Sitzung sitzung{schule.ordner.pfad("") + "/"};
    auto d = std::make_unique<TestDialoge>();
    TestDialoge* dialoge = d.get();
    Hauptfenster haupt(sitzung, std::move(d), nur_pdf(sitzung.programmpfad()));
    sitzung.dokument().beginnen(schule.plan);
    dialoge->dateien.push_back(QString::fromStdString(schule.ordner.pfad("Cd.vtp")));

    TagesvertretungFenster* tagesfenster = nullptr;
    dialoge->dialog_handler = [&](QDialog& dlg) {
        auto* vertretung = dynamic_cast<VertretungsplanFenster*>(&dlg);
        if (vertretung == nullptr)
            return false;
        vertretung_zugriff::menuepunkt(*vertretung, "oeffnen2")->trigger();
        vertretung_zugriff::menuepunkt(*vertretung, "VertretungenDesTages1")->trigger();
        tagesfenster = haupt.findChild<TagesvertretungFenster*>();
        if (tagesfenster == nullptr)
            return false;
        tagesfenster->datum_setzen(montag);
        EXPECT_EQ(tagesfenster->ordner(), schule.ordner.pfad(""));
        EXPECT_EQ(tagesfenster->liste().offen(), 2);
        // Cd's open lesson 4 gets "entfällt", unsaved: on the list and on
        // the screen page that follows every change; then saved.
        tagesfenster->findChild<QCheckBox*>(QStringLiteral("WebseiteNeuSchreiben"))->setChecked(true);
        const std::string seite = schule.ordner.pfad("vertretungsplan.html");
        const std::string zeile = "<td>4.</td><td>1b</td><td>DE</td><td class=\"lehrer\">Cd</td>"
                                  "<td class=\"vertretung\"></td><td>R2</td><td class=\"hinweis\">Entfall";
        EXPECT_EQ(lies(seite).find(zeile), std::string::npos);
        vertretung_zugriff::klick(*vertretung, 50, 90);
        QTest::mouseClick(vertretung_zugriff::knopf(*vertretung, "BitBtn2"), Qt::LeftButton);
        EXPECT_EQ(tagesfenster->liste().offen(), 1);
        EXPECT_NE(lies(seite).find(zeile), std::string::npos);
        dialoge->dateien.push_back(QString::fromStdString(schule.ordner.pfad("Cd.vtp")));
        vertretung_zugriff::menuepunkt(*vertretung, "speichern1")->trigger();
        EXPECT_EQ(tagesfenster->liste().offen(), 1);
        return false;
    };
    aktion(haupt, "Vertretungsplan1")->trigger();
    ASSERT_NE(tagesfenster, nullptr);
    // Back over the main window, still open.
    EXPECT_EQ(tagesfenster->parentWidget(), &haupt);
}
