#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTableWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/vertretung/vtp_datei.h"
#include "ui/pdf_werkzeug.h"
#include "ui/fenster_zugriff.h"
#include "print/aufzeichnungs_druckauftrag.h"
#include "ui/test_dialoge.h"
#include "test_ordner.h"
#include "ui/bild_widget.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/druckauswahl_dialog.h"
#include "ui/hauptfenster.h"
#include "ui/drucken/druck_befehle.h"
#include "ui/vertretung/lehrerwahl_dialog.h"
#include "ui/vertretung/vertretungsplan_fenster.h"
#include "ui/vertretung/vertretungszahlen_dialog.h"
#include "ui/vertretung/vertretungszettel_dialog.h"
#include "vertretung_schule.h"
#include "ui/vertretung/vertretung_zugriff.h"

using namespace orbela;
using namespace fenster_zugriff;
using namespace vertretung_zugriff;

namespace {

// Ab is absent; Mo/1 in 1a (Ko teaches the lesson after and 1a too), a joint
// lesson Di/2 of 1a and 1b. Dv and K give a dispensable lesson Mo/1, Te a
// fixed one.
class VertretungsFenster : public ::testing::Test, public VertretungsSchule {
protected:
    void SetUp() override
    {
        unterricht(1, 1, 1, "Ab");
        unterricht(2, 2, 1, "Ab", "DE");
        unterricht(2, 2, 2, "Ab", "DE");
        unterricht(1, 2, 1, "Ko");
        unterricht(1, 1, 2, "Dv", "MA", "R2", true);
        unterricht(1, 1, 3, "Te");
        unterricht(1, 1, 4, "K", "MA", "R4", true);
        for (const char* c : {"Ab", "Ko", "Dv", "Te", "Fr", "K"})
            lehrer(c);
        sitzung.dokument().beginnen(plan);
        sitzung.lehrerliste() = liste;
        // Printouts are recorded: the job's name and the texts of its pages.
        druckdienst.funktion = [this](const Druckbefehl& befehl, Druckziel) {
            AufzeichnungsDruckauftrag auftrag(800, 1100);
            befehl.als_ein_auftrag(auftrag);
            std::vector<std::string> texte;
            for (int n = 1; n <= auftrag.seitenzahl(); ++n) {
                for (const auto* t : auftrag.seite(n).texte())
                    texte.push_back(t->text);
            }
            gedruckt.emplace_back(befehl.name, texte);
        };
        fenster = std::make_unique<VertretungsplanFenster>(sitzung, dialoge, &druckdienst);
        waehle_lehrer("Ab");
    }

    // "Neu" with the given line chosen in "Lehrerwahl" ("" = none), ended with OK.
    void waehle_lehrer(const QString& code, bool ok = true)
    {
        dialoge.dialog_handler = [&](QDialog& d) {
            auto& wahl = dynamic_cast<LehrerwahlDialog&>(d);
            const auto zeilen = wahl.findChild<QListWidget*>("ListBox1")->findItems(code, Qt::MatchExactly);
            if (!zeilen.isEmpty())
                wahl.findChild<QListWidget*>("ListBox1")->setCurrentItem(zeilen.front());
            QTest::mouseClick(ok ? wahl.findChild<QPushButton*>("BitBtn2") : wahl.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
            return d.result() == QDialog::Accepted;
        };
        menuepunkt(*fenster, "Neu1")->trigger();
    }
    void klick(int x, int y) { vertretung_zugriff::klick(*fenster, x, y); }
    void klick_stunde(int tag, int stunde) { klick(40 * tag + 20, 20 * stunde + 10); }
    void doppelklick(int liste, const QString& zeile)
    {
        QListWidget* l = vertretung_zugriff::liste(*fenster, liste);
        const auto treffer = l->findItems(zeile, Qt::MatchExactly);
        ASSERT_FALSE(treffer.isEmpty()) << zeile.toStdString();
        const QPoint p = l->visualItemRect(treffer.front()).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    }
    QStringList zeilen(int liste)
    {
        QStringList aus;
        for (int i = 0; i < vertretung_zugriff::liste(*fenster, liste)->count(); ++i)
            aus << vertretung_zugriff::liste(*fenster, liste)->item(i)->text();
        return aus;
    }
    // Whether the cell of the grid shows a pixel clearly of that hue (texts
    // are smoothed, so few pixels have the exact colour).
    bool zeigt_farbe(int tag, int stunde, QRgb farbe)
    {
        const QImage& bild = woche(*fenster)->bild();
        const QColor f(farbe);
        for (int y = 20 * stunde + 1; y < 20 * stunde + 20; ++y) {
            for (int x = 40 * tag + 1; x < 40 * tag + 40; ++x) {
                const QColor p(bild.pixel(x, y));
                if (p != Qt::white && std::abs(p.hue() - f.hue()) < 10 && p.saturation() > 150)
                    return true;
            }
        }
        return false;
    }
    const vertretungtyp& eintrag(int tag, int stunde) { return sitzung.vertretung().plan().eintrag(tag, stunde); }

    QListWidgetItem* zeile(int liste, const QString& text)
    {
        const auto treffer = vertretung_zugriff::liste(*fenster, liste)->findItems(text, Qt::MatchExactly);
        return treffer.isEmpty() ? nullptr : treffer.front();
    }
    // Runs a command whose dialog the handler drives.
    template <typename Dialog>
    void mit_dialog(const char* befehl, const std::function<void(Dialog&)>& handler)
    {
        dialoge.dialog_handler = [&](QDialog& d) {
            handler(dynamic_cast<Dialog&>(d));
            return false;
        };
        menuepunkt(*fenster, befehl)->trigger();
    }

    Sitzung sitzung{"/nonexistent/"};
    TestDialoge dialoge;
    Druckfunktion druckdienst;
    std::unique_ptr<VertretungsplanFenster> fenster;
    std::vector<std::pair<QString, std::vector<std::string>>> gedruckt;
};

const QRgb gruen = qRgb(0, 128, 0);
const QRgb rot = qRgb(255, 0, 0);

} // namespace

TEST_F(VertretungsFenster, ClicksSelectOnlyLessonsToCover)
{
    EXPECT_EQ(fenster->windowTitle(), "Vertretungsplan für Ab");
    EXPECT_EQ(eintrag(1, 1).klasse, "1a");
    for (const QPoint p : {QPoint(100, 110), QPoint(20, 30), QPoint(60, 5), QPoint(280, 30), QPoint(50, 199)})
        klick(p.x(), p.y());
    EXPECT_FALSE(fenster->auswahl().gesetzt());
    EXPECT_EQ(vertretung_zugriff::liste(*fenster, 4)->count(), 0);

    klick_stunde(1, 1);
    EXPECT_EQ(fenster->auswahl().tag, 1);
    EXPECT_EQ(feld(*fenster, 2)->text(), "1a");
    EXPECT_EQ(feld(*fenster, 3)->text(), "MA");
    EXPECT_EQ(zeilen(1), QStringList{"Ko"});
    EXPECT_EQ(zeilen(3), (QStringList{"Dv*", "Fr", "K*"}));
    EXPECT_EQ(zeilen(4), (QStringList{"Ab-", "Ko", "Dv*", "Te-", "Fr", "K*"}));
    EXPECT_TRUE(zeigt_farbe(1, 1, rot)); // the selection mark

    // A lesson not given leaves selection and lists alone.
    klick_stunde(3, 3);
    EXPECT_EQ(fenster->auswahl().tag, 1);
    EXPECT_EQ(zeilen(1), QStringList{"Ko"});

    // The joint lesson: nobody is optimal, Ko goes to the second list.
    klick_stunde(2, 2);
    EXPECT_EQ(feld(*fenster, 2)->text(), "1a");
    EXPECT_TRUE(zeilen(1).isEmpty());
    EXPECT_FALSE(zeigt_farbe(1, 1, rot)); // old mark erased
}

TEST_F(VertretungsFenster, AssigningShowsTheSubstituteGreenOrRed)
{
    knopf(*fenster, "BitBtn2")->click(); // nothing selected: nothing happens
    EXPECT_TRUE(eintrag(1, 1).vertreter.empty());

    klick_stunde(1, 1);
    doppelklick(3, "Dv*");
    EXPECT_EQ(eintrag(1, 1).vertreter, "Dv");
    EXPECT_EQ(feld(*fenster, 5)->text(), "Dv");
    EXPECT_TRUE(zeigt_farbe(1, 1, gruen));
    doppelklick(4, "Te-");
    EXPECT_EQ(eintrag(1, 1).vertreter, "Te");
    EXPECT_TRUE(zeigt_farbe(1, 1, rot) && !zeigt_farbe(1, 1, gruen));
    QTest::mouseClick(knopf(*fenster, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(eintrag(1, 1).vertreter, "##");
    EXPECT_TRUE(zeigt_farbe(1, 1, gruen));
    QTest::mouseClick(knopf(*fenster, "BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(eintrag(1, 1).vertreter, "XX");
    EXPECT_EQ(zeilen(3), (QStringList{"Dv*", "Fr", "K*"})); // the lists stay
    doppelklick(3, "K*"); // the mark never becomes part of a short code
    EXPECT_EQ(eintrag(1, 1).vertreter, "K");
    QTest::mouseClick(knopf<QToolButton>(*fenster, "SpeedButton1"), Qt::LeftButton);
    EXPECT_TRUE(eintrag(1, 1).vertreter.empty());
    EXPECT_EQ(feld(*fenster, 5)->text(), "");
    EXPECT_FALSE(zeigt_farbe(1, 1, gruen));
}

TEST_F(VertretungsFenster, NewPlanAsksForTheTeacherListedOnceInOrder)
{
    klick_stunde(1, 1);
    QTest::mouseClick(knopf(*fenster, "BitBtn2"), Qt::LeftButton);

    waehle_lehrer("Te", false); // cancelled: nothing changes
    EXPECT_EQ(eintrag(1, 1).vertreter, "XX");
    QStringList codes;
    for (int i = 0; i < fenster->findChild<LehrerwahlDialog*>()->findChild<QListWidget*>("ListBox1")->count(); ++i)
        codes << fenster->findChild<LehrerwahlDialog*>()->findChild<QListWidget*>("ListBox1")->item(i)->text();
    EXPECT_EQ(codes, (QStringList{"Ab", "Dv", "K", "Ko", "Te"}));

    waehle_lehrer(""); // OK without a line: entries cleared, caption kept
    EXPECT_TRUE(eintrag(1, 1).vertreter.empty());
    EXPECT_EQ(fenster->windowTitle(), "Vertretungsplan für Ab");
    EXPECT_FALSE(zeigt_farbe(1, 1, gruen));

    waehle_lehrer("Te");
    EXPECT_EQ(fenster->windowTitle(), "Vertretungsplan für Te");
    EXPECT_EQ(eintrag(1, 1).klasse, "2b");
    EXPECT_EQ(fenster->auswahl().tag, 1); // the selection stays
}

TEST_F(VertretungsFenster, SavedPlanOpensAgainAndAFailedOpenChangesNothing)
{
    TestOrdner dir;
    klick_stunde(2, 2);
    QTest::mouseClick(knopf(*fenster, "BitBtn1"), Qt::LeftButton);
    dialoge.dateien = {QString::fromStdString(dir.pfad("w.vtp"))};
    menuepunkt(*fenster, "speichern1")->trigger();
    EXPECT_EQ(dialoge.filter, QStringList{"Vertretungsplan (*.vtp)"});
    EXPECT_EQ(dialoge.endungen, QStringList{"vtp"}); // "Meier" is saved as "Meier.vtp"
    EXPECT_EQ(lies(dir.pfad("w.vtp")).size(), vtp_groesse);

    waehle_lehrer("Te");
    schreibe(dir.pfad("kurz.vtp"), std::string(659, '\0'));
    dialoge.dateien = {QString::fromStdString(dir.pfad("kurz.vtp"))};
    menuepunkt(*fenster, "oeffnen2")->trigger();
    EXPECT_EQ(dialoge.fehler_texte, QStringList{"Versuch hinter dem Dateiende zu lesen"});
    EXPECT_EQ(fenster->windowTitle(), "Vertretungsplan für Te");

    dialoge.dateien = {QString::fromStdString(dir.pfad("w.vtp"))};
    menuepunkt(*fenster, "oeffnen2")->trigger();
    EXPECT_EQ(fenster->windowTitle(), "Vertretungsplan für Ab");
    EXPECT_EQ(eintrag(2, 2).vertreter, "##");
    EXPECT_EQ(eintrag(2, 2).klasse, "1a");
    EXPECT_TRUE(zeigt_farbe(2, 2, gruen));
}

TEST_F(VertretungsFenster, UnsavedSubstitutesAreAskedAboutBeforeTheyAreDropped)
{
    const QString frage = "Der Vertretungsplan wurde geändert. Änderungen speichern?";
    waehle_lehrer("Ab"); // nothing changed: nothing asked
    EXPECT_TRUE(dialoge.fragen.isEmpty());
    klick_stunde(1, 1);
    QTest::mouseClick(knopf(*fenster, "BitBtn2"), Qt::LeftButton);

    // Cancelling "Neu", "öffnen..." and reopening keeps the substitute.
    const std::vector<std::function<bool()>> befehle = {
        [&] { waehle_lehrer("Te"); return true; },
        [&] { menuepunkt(*fenster, "oeffnen2")->trigger(); return true; },
        [&] { return fenster->zum_oeffnen_vorbereiten(); },
    };
    for (std::size_t i = 0; i < befehle.size(); ++i) {
        dialoge.fragen.clear();
        dialoge.antworten_mit_abbrechen = {Antwort::abbrechen};
        const bool weiter = befehle[i]();
        EXPECT_EQ(dialoge.fragen, QStringList{frage}) << i;
        EXPECT_EQ(eintrag(1, 1).vertreter, "XX") << i;
        EXPECT_EQ(weiter, i != 2) << i;
    }
    EXPECT_EQ(dialoge.geoeffnet, 0);
    EXPECT_EQ(fenster->windowTitle(), "Vertretungsplan für Ab");

    // "Ja" saves first; then reopening empties the plan without a question.
    TestOrdner dir;
    dialoge.antworten_mit_abbrechen = {Antwort::ja};
    dialoge.dateien = {QString::fromStdString(dir.pfad("ab.vtp"))};
    EXPECT_TRUE(fenster->zum_oeffnen_vorbereiten());
    EXPECT_EQ(lies(dir.pfad("ab.vtp")).substr(9 + 1, 2), "XX");
    EXPECT_TRUE(eintrag(1, 1).vertreter.empty());
    dialoge.fragen.clear();
    EXPECT_TRUE(fenster->aenderungen_sichern());
    EXPECT_TRUE(dialoge.fragen.isEmpty());
}

TEST_F(VertretungsFenster, KeptSelectionShowsTheNewPlanAndTakesNoSubstituteOutsideALesson)
{
    klick_stunde(1, 1);
    waehle_lehrer("Te"); // Te gives 2b in the selected lesson
    EXPECT_EQ(feld(*fenster, 2)->text(), "2b");
    waehle_lehrer("Ko"); // Ko teaches Mo/2 only
    EXPECT_EQ(fenster->auswahl().tag, 1);
    EXPECT_EQ(feld(*fenster, 2)->text(), "");
    EXPECT_EQ(vertretung_zugriff::liste(*fenster, 4)->count(), 0);
    QTest::mouseClick(knopf(*fenster, "BitBtn2"), Qt::LeftButton);
    EXPECT_TRUE(eintrag(1, 1).vertreter.empty());
    EXPECT_FALSE(sitzung.vertretung().geaendert());
}

TEST_F(VertretungsFenster, SecondAbsenceSeesTheFirstOnesCoverGreyedWithCounts)
{
    TestOrdner dir;
    schreibe(dir.pfad("kaputt.vtp"), "x");
    klick_stunde(1, 1);
    doppelklick(3, "Fr");
    dialoge.dateien = {QString::fromStdString(dir.pfad("ab.vtp"))};
    menuepunkt(*fenster, "speichern1")->trigger();
    EXPECT_EQ(dialoge.hinweise.size(), 1);
    EXPECT_TRUE(dialoge.hinweise.front().endsWith("\nkaputt.vtp"));
    EXPECT_EQ(zeile(3, "Fr")->toolTip(), "bisher 1 Vertretung diese Woche");

    waehle_lehrer("Te"); // Te also teaches Mo/1
    EXPECT_EQ(dialoge.hinweise.size(), 1); // the same bad file is named once
    klick_stunde(1, 1);
    QListWidgetItem* fr = zeile(3, "Fr");
    ASSERT_NE(fr, nullptr);
    EXPECT_EQ(fr->toolTip(), "bisher 1 Vertretung diese Woche\nvertritt in dieser Stunde schon für Ab");
    EXPECT_EQ(fr->foreground().color(), QColor(128, 128, 128));
    EXPECT_EQ(zeile(3, "Dv*")->toolTip(), "bisher 0 Vertretungen diese Woche");
    EXPECT_FALSE(zeile(3, "Dv*")->foreground().style() != Qt::NoBrush);
    EXPECT_TRUE(zeile(4, "Ab-")->toolTip().endsWith("\nselbst abwesend")); // Ab's saved plan covers Mo

    doppelklick(3, "Fr"); // asked, "Nein"
    EXPECT_EQ(dialoge.fragen.back(), "Fr vertritt Montag, 1. Stunde schon für Ab. Trotzdem eintragen?");
    EXPECT_TRUE(eintrag(1, 1).vertreter.empty());
    dialoge.antworten = {true};
    doppelklick(3, "Fr");
    EXPECT_EQ(eintrag(1, 1).vertreter, "Fr");
    EXPECT_EQ(zeile(3, "Fr")->toolTip().left(31), "bisher 2 Vertretungen diese Woc");

    // Saving suggests the absent teacher in the week's folder, then the file.
    dialoge.dateien = {QString::fromStdString(dir.pfad("te2.vtp"))};
    menuepunkt(*fenster, "speichern1")->trigger();
    menuepunkt(*fenster, "speichern1")->trigger();
    EXPECT_EQ(dialoge.vorschlaege.mid(1), (QStringList{QString::fromStdString(dir.pfad("Te.vtp")),
                                                       QString::fromStdString(dir.pfad("te2.vtp"))}));
}

TEST_F(VertretungsFenster, WholeDayAssignsTheChosenLineAndNamesWhatItSkips)
{
    sitzung.dokument().setze_code({1, 3, 1}, Codefeld::lehrer, "Ab");
    sitzung.dokument().setze_code({1, 5, 1}, Codefeld::lehrer, "Ab");
    sitzung.dokument().setze_code({1, 5, 2}, Codefeld::lehrer, "Fr");
    sitzung.lehrerliste().eintraege[4].gesperrt[0][2] = 1; // Fr blocked Mo/3
    ASSERT_TRUE(fenster->zum_oeffnen_vorbereiten()); // the week from the changed plan
    QTest::mouseClick(knopf(*fenster, "ganzerTag"), Qt::LeftButton); // nothing chosen
    EXPECT_EQ(dialoge.hinweise.size(), 1);

    klick_stunde(1, 1);
    QListWidget* frei = vertretung_zugriff::liste(*fenster, 3);
    QTest::mouseClick(frei->viewport(), Qt::LeftButton, {}, frei->visualItemRect(zeile(3, "Fr")).center());
    QTest::mouseClick(knopf(*fenster, "ganzerTag"), Qt::LeftButton);
    EXPECT_EQ(eintrag(1, 1).vertreter, "Fr");
    EXPECT_EQ(feld(*fenster, 5)->text(), "Fr");
    EXPECT_TRUE(eintrag(1, 3).vertreter.empty() && eintrag(1, 5).vertreter.empty());
    EXPECT_EQ(dialoge.hinweise.back(), "Fr ist in 1 Stunde eingetragen. Nicht eingetragen:\n"
                                       "Montag, 3. Stunde: gesperrt\nMontag, 5. Stunde: unterrichtet selbst");
    EXPECT_TRUE(zeigt_farbe(1, 1, gruen));
    EXPECT_TRUE(sitzung.vertretung().geaendert());
}

TEST_F(VertretungsFenster, CountsWindowSortsAndPrintsInTheOrderShown)
{
    klick_stunde(1, 1);
    doppelklick(3, "K*");
    mit_dialog<VertretungszahlenDialog>("VertretungenJeLehrer1", [](VertretungszahlenDialog& d) {
        EXPECT_EQ(d.gezeigt().front(), (std::pair<std::string, int>{"Ab", 0}));
        d.tabelle->sortByColumn(1, Qt::DescendingOrder);
        EXPECT_EQ(d.gezeigt().front(), (std::pair<std::string, int>{"K", 1}));
        EXPECT_EQ(d.gezeigt().size(), 6u);
        QTest::mouseClick(d.druckknoepfe.drucken, Qt::LeftButton);
    });
    ASSERT_EQ(gedruckt.size(), 1u);
    EXPECT_EQ(gedruckt[0].first, "Vertretungen je Lehrer");
    const auto& t = gedruckt[0].second;
    EXPECT_EQ(*(std::find(t.begin(), t.end(), "Vertretungen") + 1), "K");
}

TEST_F(VertretungsFenster, SlipsAreOfferedAsTextToCopyAndPrinted)
{
    mit_dialog<VertretungszettelDialog>("Vertretungszettel1", [](VertretungszettelDialog&) { FAIL(); });
    EXPECT_EQ(dialoge.hinweise.size(), 1); // nobody assigned yet
    klick_stunde(1, 1);
    doppelklick(3, "Fr");
    klick_stunde(2, 2);
    doppelklick(3, "Ko");
    const QString text = "Vertretungszettel für Fr\nMo, 1. Stunde: Klasse 1a, Fach MA, Raum R1, für Ab\n\n"
                         "Vertretungszettel für Ko\nDi, 2. Stunde: Klasse 1a&, Fach DE, Raum R1, für Ab\n";
    mit_dialog<VertretungszettelDialog>("Vertretungszettel1", [&](VertretungszettelDialog& d) {
        EXPECT_EQ(d.textfeld->toPlainText(), text);
        QTest::mouseClick(d.kopierknopf, Qt::LeftButton);
        QTest::mouseClick(d.druckknoepfe.drucken, Qt::LeftButton);
    });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    ASSERT_EQ(gedruckt.size(), 1u);
    EXPECT_EQ(gedruckt[0].first, "Vertretungszettel");
    EXPECT_NE(std::find(gedruckt[0].second.begin(), gedruckt[0].second.end(), "Vertretungszettel f\xFCr Ko"),
              gedruckt[0].second.end());
}

namespace {

// The main window over a plan where Ab gives 1a on Wednesday, lesson 4, and
// Cd teaches 1a the lesson before; printing only to PDF files.
class VertretungAusDemHauptmenue : public ::testing::Test {
protected:
    VertretungAusDemHauptmenue()
    {
        auto d = std::make_unique<TestDialoge>();
        dialoge = d.get();
        haupt = std::make_unique<Hauptfenster>(sitzung, std::move(d), nur_pdf(sitzung.programmpfad()));
        aktion(*haupt, "Neu1")->trigger();
        sitzung.dokument().setze_code({3, 4, 1}, Codefeld::lehrer, "Ab");
        sitzung.dokument().setze_code({3, 3, 1}, Codefeld::lehrer, "Cd");
        sitzung.dokument().setze_klassenfeld(1, Klassenfeld::klasse, "1a");
        sitzung.dokument().beginnen(sitzung.plan()); // as if loaded so
        lehrereintrag e{};
        e.kuerzel = "Cd";
        sitzung.lehrerliste().eintraege.push_back(e);
    }
    QString pdf(const QString& name) const { return QString::fromStdString(ordner.pfad("Ausdrucke/" + name.toStdString())); }

    TestOrdner ordner;
    Sitzung sitzung{ordner.pfad("") + "/"};
    TestDialoge* dialoge = nullptr;
    std::unique_ptr<Hauptfenster> haupt;
};

} // namespace

TEST_F(VertretungAusDemHauptmenue, OpeningDiscardsTheLastVisitsSubstitutes)
{
    ASSERT_TRUE(aktion(*haupt, "Vertretungsplan1")->isEnabled());
    VertretungsplanFenster* fenster = nullptr;
    int geoeffnet = 0;
    dialoge->dialog_handler = [&](QDialog& dlg) {
        if (auto* wahl = dynamic_cast<LehrerwahlDialog*>(&dlg)) {
            wahl->findChild<QListWidget*>("ListBox1")->setCurrentRow(0);
            return true;
        }
        fenster = dynamic_cast<VertretungsplanFenster*>(&dlg);
        ++geoeffnet;
        if (geoeffnet == 1) {
            menuepunkt(*fenster, "Neu1")->trigger();
            QTest::mouseClick(woche(*fenster), Qt::LeftButton, {}, QPoint(130, 90));
            QTest::mouseClick(knopf(*fenster, "BitBtn2"), Qt::LeftButton);
            menuepunkt(*fenster, "drucken1")->trigger();
        }
        return false;
    };
    aktion(*haupt, "Vertretungsplan1")->trigger();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(sitzung.vertretung().plan().eintrag(3, 4).vertreter, "XX");
    EXPECT_TRUE(pdf_text(pdf("Vertretungsplan Ab.pdf")).contains("entfällt"));
    aktion(*haupt, "Vertretungsplan1")->trigger();
    EXPECT_EQ(geoeffnet, 2);
    EXPECT_EQ(fenster, haupt->findChild<VertretungsplanFenster*>());
    EXPECT_TRUE(sitzung.vertretung().plan().eintrag(3, 4).vertreter.empty());
    EXPECT_EQ(sitzung.vertretung().plan().eintrag(3, 4).klasse, "1a");
    EXPECT_EQ(fenster->auswahl().tag, 3);
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty());
}

TEST_F(VertretungAusDemHauptmenue, EndingTheProgramAsksAboutUnsavedSubstitutes)
{
    dialoge->dialog_handler = [&](QDialog& dlg) {
        if (auto* wahl = dynamic_cast<LehrerwahlDialog*>(&dlg)) {
            wahl->findChild<QListWidget*>("ListBox1")->setCurrentRow(0);
            return true;
        }
        auto& fenster = dynamic_cast<VertretungsplanFenster&>(dlg);
        menuepunkt(fenster, "Neu1")->trigger();
        klick(fenster, 130, 90);
        knopf(fenster, "BitBtn2")->click();
        return false;
    };
    aktion(*haupt, "Vertretungsplan1")->trigger();
    dialoge->antworten_mit_abbrechen = {Antwort::abbrechen};
    EXPECT_FALSE(haupt->close());
    EXPECT_EQ(dialoge->fragen.back(), "Der Vertretungsplan wurde geändert. Änderungen speichern?");
    dialoge->antworten_mit_abbrechen = {Antwort::nein};
    EXPECT_TRUE(haupt->close());
}

TEST_F(VertretungAusDemHauptmenue, SheetsPerChosenTeacherWithOrWithoutProposals)
{
    const auto waehle = [&](bool ok) {
        dialoge->dialog_handler = [ok](QDialog& d) {
            auto& w = dynamic_cast<DruckauswahlDialog&>(d);
            w.Button1->click();
            return ok;
        };
    };
    waehle(false);
    aktion(*haupt, "VertretungsplanDrucken1")->trigger();
    EXPECT_TRUE(dialoge->fragen.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf("Vertretungsplan Ab.pdf")));

    waehle(true);
    dialoge->antworten = {true};
    aktion(*haupt, "VertretungsplanDrucken1")->trigger();
    EXPECT_EQ(dialoge->fragen, QStringList{"Mit Vorschlägen drucken?"});
    const QStringList seiten = pdf_seitentexte(pdf(QStringLiteral("Vertretungspläne.pdf")));
    ASSERT_EQ(seiten.size(), 2);
    EXPECT_TRUE(seiten[0].contains("Vertretungsplan: Ab"));
    EXPECT_TRUE(seiten[0].contains("Cd")); // proposed: teaches 1a the lesson before
    EXPECT_TRUE(seiten[1].contains("Vertretungsplan: Cd"));
    EXPECT_EQ(haupt->statusBar()->currentMessage(), QStringLiteral("Gespeichert als Ausdrucke/Vertretungspläne.pdf"));
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty());
}

TEST_F(VertretungAusDemHauptmenue, EachPrintoutOfTheWindowPrintsPreviewsOrSavesAllItsPagesAsOnePdf)
{
    for (int i = 0; i < 40; ++i) { // 41 teachers: the counts take two pages
        lehrereintrag e{};
        e.kuerzel = QStringLiteral("L%1").arg(i).toStdString();
        sitzung.lehrerliste().eintraege.push_back(e);
    }
    // Per target (printer, preview, PDF): the sheet's menu entry and the dialogs' button.
    const char* blatt[] = {"drucken1", "Vorschau1", "AlsPdf1"};
    QPushButton* Druckknoepfe::*const knopf[] = {&Druckknoepfe::drucken, &Druckknoepfe::vorschau,
                                                 &Druckknoepfe::als_pdf};
    std::size_t ziel = 0;
    QStringList vorschau; // title and page count of each preview
    struct Fall {
        QString name;
        const char* dialog; // the menu entry of a dialog, none for the sheet
        int seiten;
    };
    const Fall faelle[] = {{"Vertretungsplan Ab", nullptr, 1},
                           {"Vertretungen je Lehrer", "VertretungenJeLehrer1", 2},
                           {"Vertretungszettel Ab", "Vertretungszettel1", 1}};
    dialoge->dialog_handler = [&](QDialog& d) {
        if (auto* wahl = dynamic_cast<LehrerwahlDialog*>(&d))
            wahl->findChild<QListWidget*>("ListBox1")->setCurrentRow(0);
        if (auto* v = dynamic_cast<QPrintPreviewDialog*>(&d)) {
            auto* bild = v->findChild<QPrintPreviewWidget*>();
            bild->updatePreview();
            vorschau << QStringLiteral("%1: %2").arg(v->windowTitle()).arg(bild->pageCount());
        }
        if (auto* z = dynamic_cast<VertretungszahlenDialog*>(&d))
            (z->druckknoepfe.*knopf[ziel])->click();
        if (auto* z = dynamic_cast<VertretungszettelDialog*>(&d))
            (z->druckknoepfe.*knopf[ziel])->click();
        auto* fenster = dynamic_cast<VertretungsplanFenster*>(&d);
        if (fenster == nullptr)
            return dynamic_cast<LehrerwahlDialog*>(&d) != nullptr;
        menuepunkt(*fenster, "Neu1")->trigger();
        klick(*fenster, 130, 90);
        vertretung_zugriff::liste(*fenster, 1)->setCurrentRow(0); // Cd
        doppelklick_auf_aktuelle_zeile(*fenster, 1);
        for (const Fall& f : faelle) {
            for (ziel = 0; ziel < 3; ++ziel) {
                SCOPED_TRACE(f.name.toStdString() + " " + blatt[ziel]);
                vorschau.clear();
                dialoge->vorschlaege.clear();
                const QString eigene = QString::fromStdString(ordner.pfad(f.name.toStdString() + " eigen.pdf"));
                dialoge->dateien = {eigene};
                menuepunkt(*fenster, f.dialog ? f.dialog : blatt[ziel])->trigger();
                if (ziel == 0) {
                    EXPECT_EQ(pdf_seiten(pdf(f.name + ".pdf")), f.seiten);
                    EXPECT_EQ(haupt->statusBar()->currentMessage(), "Gespeichert als Ausdrucke/" + f.name + ".pdf");
                } else if (ziel == 1) {
                    EXPECT_EQ(vorschau, QStringList{"Druckvorschau - " + f.name + ": " + QString::number(f.seiten)});
                } else {
                    EXPECT_EQ(dialoge->vorschlaege, QStringList{pdf(f.name + ".pdf")});
                    EXPECT_EQ(pdf_seiten(eigene), f.seiten);
                }
            }
        }
        return false;
    };
    aktion(*haupt, "Vertretungsplan1")->trigger();
    EXPECT_EQ(QDir(pdf("")).entryList(QDir::Files).size(), 3); // one file per printed command
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty());
}
