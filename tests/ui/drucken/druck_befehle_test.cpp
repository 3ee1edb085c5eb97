#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "ui/pdf_werkzeug.h"
#include "ui/fenster_zugriff.h"
#include "print/druckauswahl.h"
#include "ui/test_dialoge.h"
#include "test_ordner.h"
#include "testhilfe.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/druckauswahl_dialog.h"
#include "ui/hauptfenster.h"
#include "ui/drucken/druck_befehle.h"
#include "ui/namenstabelle_dialog.h"

using namespace orbela;
using namespace fenster_zugriff;

namespace {

// The main window over a plan of three classes in a folder of its own,
// printing only to PDF files.
class DruckBefehleTest : public ::testing::Test {
protected:
    DruckBefehleTest()
        : sitzung(ordner.pfad("") + "/")
    {
        auto d = std::make_unique<TestDialoge>();
        dialoge = d.get();
        auto a = nur_pdf(sitzung.programmpfad());
        ausgabe = a.get();
        fenster = std::make_unique<Hauptfenster>(sitzung, std::move(d), std::move(a));
        aktion(*fenster, "Neu1")->trigger();
        Dokument& p = sitzung.dokument();
        const char* namen[] = {"1a", "2b", "3c"};
        for (int c = 1; c <= 3; ++c)
            p.setze_klassenfeld(c, Klassenfeld::klasse, namen[c - 1]);
        p.setze_klassenfeld(1, Klassenfeld::klassenlehrer, "Ab");
        for (int d = 1; d <= 5; ++d) {
            p.setze_code({d, 1, 1}, Codefeld::lehrer, "Ab");
            p.setze_code({d, 1, 1}, Codefeld::fach, "De");
            p.setze_code({d, 1, 1}, Codefeld::raum, "TU");
            p.setze_code({d, 2, 2}, Codefeld::lehrer, "Cd");
            p.setze_code({d, 2, 2}, Codefeld::raum, "Tu");
        }
        p.setze_code({2, 7, 3}, Codefeld::lehrer, "Qq");
        QObject::connect(fenster->statusBar(), &QStatusBar::messageChanged, [this](const QString& m) {
            if (!m.isEmpty())
                meldungen << m;
        });
    }

    // Answers the selection window by choosing the list positions given
    // (all with -1) and pressing OK; records the entries it offered.
    void waehle(std::vector<int> positionen, bool ok = true)
    {
        dialoge->dialog_handler = [this, positionen, ok](QDialog& d) {
            auto& w = dynamic_cast<DruckauswahlDialog&>(d);
            angeboten.clear();
            for (int i = 0; i < w.ListBox1->count(); ++i)
                angeboten << w.ListBox1->item(i)->text();
            for (int p : positionen) {
                if (p < 0)
                    w.Button1->click();
                else
                    w.ListBox1->item(p)->setSelected(true);
            }
            return ok;
        };
    }

    QString ausdrucke() const { return QString::fromStdString(ordner.pfad("Ausdrucke")); }
    // By name: files written within one tick of the clock share their time.
    QStringList pdfs() const { return QDir(ausdrucke()).entryList({"*.pdf"}, QDir::Files, QDir::Name); }
    QString text(const QString& name) const { return pdf_text(ausdrucke() + u'/' + name); }

    TestOrdner ordner;
    Sitzung sitzung;
    TestDialoge* dialoge = nullptr;
    Druckausgabe* ausgabe = nullptr; // the window's
    std::unique_ptr<Hauptfenster> fenster;
    QStringList angeboten;
    QStringList meldungen; // status bar notices in the order shown
};

} // namespace

TEST_F(DruckBefehleTest, EveryPrintoutFromTheMenuIsOnePdfPage)
{
    const auto m = [&](const char* name) { return aktion(*fenster, name); };
    schreibe(ordner.pfad("faecherkrz.int"), "de=Deutsch\r\n");
    struct Fall {
        QAction* eintrag;
        std::vector<int> wahl;
        QString datei;
        QStringList texte;
    };
    const std::vector<Fall> faelle = {
        {m("Gesamtplan1"), {1}, "Gesamtplan Di.pdf", {"Di", "1a", "Stand:"}},
        {m("Klassenplan1"), {0}, "Klassenplan 1a.pdf", {"Klasse: 1a", "Lehrer: Ab", "Gesamtstundenzahl: 5"}},
        {m("Klassenplanquer1"), {0}, "Klassenplan quer 1a.pdf", {"Montag", "Deutsch"}},
        {m("Lehrerplan1"), {0}, "Lehrerplan Ab.pdf", {"Lehrer: Ab", "Gesamtstundenzahl: 5"}},
        {m("Raumplan1"), {0}, "Raumplan TU.pdf", {"Raum: TU", "Ab"}},
        {m("Uebersichtsplan1"), {}, "Übersichtsplan.pdf", {"Mo", "Fr", "Qq", "Stand:"}},
        {m("Uebersichtsplan161"), {}, "Übersichtsplan (1-6).pdf", {"Mo", "Fr", "Stand:"}},
    };
    for (const Fall& f : faelle) {
        waehle(f.wahl);
        f.eintrag->trigger();
        const QString datei = ausdrucke() + u'/' + f.datei;
        EXPECT_EQ(pdf_seiten(datei), 1) << f.datei.toStdString();
        const QString t = pdf_text(datei);
        for (const QString& erwartet : f.texte)
            EXPECT_TRUE(t.contains(erwartet)) << f.datei.toStdString() << ": " << erwartet.toStdString();
        EXPECT_EQ(fenster->statusBar()->currentMessage(), "Gespeichert als Ausdrucke/" + f.datei);
    }
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty()) << dialoge->fehler_texte.join(", ").toStdString();
    // "Übersichtsplan (1-6)" shows lessons 1 to 6 only.
    EXPECT_FALSE(text("Übersichtsplan (1-6).pdf").contains("Qq"));
}

TEST_F(DruckBefehleTest, WithoutAPrinterTheChosenEntriesAreOneFileInListOrder)
{
    Dokument& p = sitzung.dokument();
    p.setze_klassenfeld(4, Klassenfeld::klasse, "4d");
    p.setze_klassenfeld(5, Klassenfeld::klasse, "5e");
    // Each class alone, then all five in one file: the same pages in order.
    QStringList einzeln;
    for (int k = 0; k < 5; ++k) {
        waehle({k});
        aktion(*fenster, "Klassenplan1")->trigger();
        einzeln << text(QStringLiteral("Klassenplan %1.pdf").arg(angeboten[k]));
    }
    waehle({-1});
    aktion(*fenster, "Klassenplan1")->trigger();
    EXPECT_EQ(angeboten, (QStringList{"1a", "2b", "3c", "4d", "5e"}));
    EXPECT_EQ(pdf_seitentexte(ausdrucke() + QStringLiteral("/Klassenpläne.pdf")), einzeln);
    EXPECT_EQ(meldungen.back(), QStringLiteral("Gespeichert als Ausdrucke/Klassenpläne.pdf"));

    // The chosen days in list order; a second run adds " (2)".
    for (const QString& datei : {QStringLiteral("Gesamtpläne.pdf"), QStringLiteral("Gesamtpläne (2).pdf")}) {
        waehle({4, 0, 2});
        aktion(*fenster, "Gesamtplan1")->trigger();
        const QStringList seiten = pdf_seitentexte(ausdrucke() + u'/' + datei);
        ASSERT_EQ(seiten.size(), 3) << datei.toStdString();
        const QStringList tage = {"Mo", "Mi", "Fr"};
        for (int s = 0; s < 3; ++s) {
            for (int t = 0; t < 3; ++t)
                EXPECT_EQ(seiten[s].contains(tage[t]), s == t) << s << " " << t;
        }
    }
    EXPECT_EQ(angeboten, (QStringList{"Mo", "Di", "Mi", "Do", "Fr", "Sa"}));

    waehle({-1});
    aktion(*fenster, "Raumplan1")->trigger();
    EXPECT_EQ(angeboten, (QStringList{"TU", "Tu"}));
    const QStringList raeume = pdf_seitentexte(ausdrucke() + QStringLiteral("/Raumpläne.pdf"));
    ASSERT_EQ(raeume.size(), 2);
    EXPECT_TRUE(raeume[1].contains("Cd"));
    EXPECT_FALSE(raeume[1].contains("Ab"));
}

TEST_F(DruckBefehleTest, WithNoPrinterInstalledTheFirstFileOfARunIsExplainedOnce)
{
    ausgabe->nur_pdf(false);
    ausgabe->drucker_quelle([] { return Druckausgabe::Druckerliste{}; });
    for (int i = 0; i < 2; ++i)
        aktion(*fenster, "Uebersichtsplan1")->trigger();
    EXPECT_EQ(dialoge->hinweise, QStringList{QStringLiteral(
                                     "Es ist kein Drucker installiert. Die Ausdrucke werden als PDF-Dateien im Ordner "
                                     "\"Ausdrucke\" gespeichert.\n\nGespeichert als Ausdrucke/Übersichtsplan.pdf")});
    EXPECT_EQ(pdfs(), (QStringList{QStringLiteral("Übersichtsplan (2).pdf"), QStringLiteral("Übersichtsplan.pdf")}));
}

TEST_F(DruckBefehleTest, TheSelectionWindowOffersAGermanPreviewOfAllChosenPages)
{
    int seiten = 0;
    QStringList aktionen;
    dialoge->dialog_handler = [&](QDialog& d) {
        if (auto* w = dynamic_cast<DruckauswahlDialog*>(&d)) {
            w->Button1->click();
            w->Vorschau->click();
            return true;
        }
        auto& vorschau = dynamic_cast<QPrintPreviewDialog&>(d);
        auto* bild = vorschau.findChild<QPrintPreviewWidget*>();
        bild->updatePreview();
        seiten = bild->pageCount();
        for (const QAction* a : vorschau.findChildren<QAction*>())
            aktionen << a->text();
        return false;
    };
    aktion(*fenster, "Lehrerplan1")->trigger();
    EXPECT_EQ(seiten, 3);
    for (const char* text : {"Drucken", "Nächste Seite", "Vergrößern"})
        EXPECT_TRUE(aktionen.contains(QString::fromUtf8(text))) << text << ": " << aktionen.join(", ").toStdString();
    EXPECT_TRUE(pdfs().isEmpty());
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty());
}

TEST_F(DruckBefehleTest, AsPdfSavesAllChosenPagesInTheFileNamed)
{
    dialoge->dialog_handler = [](QDialog& d) {
        auto& w = dynamic_cast<DruckauswahlDialog&>(d);
        w.ListBox1->item(0)->setSelected(true);
        w.ListBox1->item(2)->setSelected(true);
        w.AlsPdf->click();
        return true;
    };
    const QString datei = QString::fromStdString(ordner.pfad("Plaene fuer 1a und 3c.pdf"));
    dialoge->dateien = {datei};
    aktion(*fenster, "Klassenplanquer1")->trigger();
    EXPECT_EQ(dialoge->vorschlaege, QStringList{ausdrucke() + QStringLiteral("/Klassenpläne quer.pdf")});
    EXPECT_EQ(pdf_seiten(datei), 2);
    EXPECT_TRUE(pdfs().isEmpty());
    EXPECT_EQ(meldungen.back(), "Gespeichert als Plaene fuer 1a und 3c.pdf");
}

TEST_F(DruckBefehleTest, CancelOrNothingChosenPrintsNothing)
{
    waehle({0}, false);
    aktion(*fenster, "Lehrerplan1")->trigger();
    EXPECT_EQ(angeboten, (QStringList{"Ab", "Cd", "Qq"}));
    waehle({}, true);
    aktion(*fenster, "Klassenplanquer1")->trigger();
    EXPECT_TRUE(pdfs().isEmpty());
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty());
}

TEST_F(DruckBefehleTest, LessonsNumberedFromZeroPrintTheSecondToSeventhLessonAsOneToSix)
{
    aktion(*fenster, "Stunden081")->trigger();
    aktion(*fenster, "Uebersichtsplan161")->trigger();
    EXPECT_TRUE(text("Übersichtsplan (1-6).pdf").contains("Qq"));
}

TEST_F(DruckBefehleTest, NameTablesSaveOnOkOnly)
{
    const std::string datei = ordner.pfad("raumkrz.int");
    schreibe(datei, "TU=Turnhalle\r\nR1=Raum 1\r\n");
    const auto aendern = [&](bool ok) {
        dialoge->dialog_handler = [ok](QDialog& d) {
            auto& w = dynamic_cast<NamenstabelleDialog&>(d);
            EXPECT_EQ(w.windowTitle(), "Raumbezeichnungen");
            w.Tabelle->item(0, 1)->setText(QStringLiteral("Sporthalle Süd"));
            return ok;
        };
        aktion(*fenster, "Rau1")->trigger();
    };
    aendern(false);
    EXPECT_EQ(lies(datei), "TU=Turnhalle\r\nR1=Raum 1\r\n");
    aendern(true);
    EXPECT_EQ(lies(datei), "TU=Sporthalle S\xFC" "d\r\nR1=Raum 1\r\n");

    // A missing subject table opens empty; "OK" creates the file.
    dialoge->dialog_handler = [](QDialog& d) {
        auto& w = dynamic_cast<NamenstabelleDialog&>(d);
        EXPECT_EQ(w.windowTitle(), "Fächer");
        EXPECT_EQ(w.Tabelle->rowCount(), 0);
        w.ZeileNeu->click();
        w.Tabelle->item(0, 0)->setText("Ma");
        w.Tabelle->item(0, 1)->setText("Mathematik");
        return true;
    };
    aktion(*fenster, "Fcherbezeichnungen1")->trigger();
    EXPECT_EQ(lies(ordner.pfad("faecherkrz.int")), "Ma=Mathematik\r\n");
}

TEST_F(DruckBefehleTest, NameTablesRefuseADuplicateKeyAnEqualsSignOrAMissingKey)
{
    NamenstabelleDialog& w = *fenster->findChild<NamenstabelleDialog*>("Form8");
    schreibe(ordner.pfad("faecherkrz.int"), "De=Deutsch\r\nMa=Mathe\r\n");
    w.init();
    w.Tabelle->item(1, 0)->setText("dE");
    w.Tabelle->item(1, 0)->setText("M=a");
    w.Tabelle->item(1, 0)->setText("Mu");
    EXPECT_EQ(dialoge->fehler_texte,
              (QStringList{"Schlüssel mit der Bezeichnung \"dE\" existiert bereits",
                           "Schlüssel darf keine Gleichheitszeichen (\"=\") enthalten"}));
    EXPECT_EQ(w.tabelle().zeilen, (std::vector<Namenseintrag>{{"De", "Deutsch"}, {"Mu", "Mathe"}}));

    // "OK" refuses a name without a code and accepts once it has one.
    dialoge->fehler_texte.clear();
    w.ZeileNeu->click();
    w.Tabelle->item(2, 1)->setText("Sport");
    w.BitBtn1->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(dialoge->fehler_texte, QStringList{"Zur Bezeichnung \"Sport\" fehlt das Kürzel. Bitte ein Kürzel "
                                                 "eintragen oder die Zeile löschen."});
    w.Tabelle->item(2, 0)->setText("Sp");
    w.BitBtn1->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(DruckBefehleTest, PrinterSetUpIsQtsDialogAndAJobThatCannotStartIsReported)
{
    QString titel;
    dialoge->dialog_handler = [&](QDialog& d) {
        titel = d.metaObject()->className();
        return false;
    };
    aktion(*fenster, "Druckereinrichtung1")->trigger();
    EXPECT_EQ(titel, "QPrintDialog");

    schreibe(ordner.pfad("Ausdrucke"), "kein Ordner");
    aktion(*fenster, "Uebersichtsplan1")->trigger();
    EXPECT_EQ(dialoge->fehler_texte,
              QStringList{QString::fromStdString("Der Ordner \"" + ordner.pfad("Ausdrucke") + "\" kann nicht angelegt werden.")});
}

TEST_F(DruckBefehleTest, AllPlansAsPdfIsTheOverviewThenEveryClassTeacherAndRoomAndACancelLeavesNoFile)
{
    dialoge->dateien = {QString::fromUtf8(ORBELA_DEMO_DIR "/Beispielschule.orb")};
    aktion(*fenster, "Planladen1")->trigger();
    ASSERT_TRUE(dialoge->fehler_texte.isEmpty());
    const plantyp& p = sitzung.plan();
    const auto klassen = auswahl_klassen(p);
    const auto lehrer = auswahl_lehrer(p);
    const auto raeume = auswahl_raeume(p);
    const auto n = static_cast<int>(1 + klassen.size() + lehrer.size() + raeume.size());

    // Cancelled after the tenth printout: no file.
    const QString abgebrochen = QString::fromStdString(ordner.pfad("abgebrochen.pdf"));
    std::vector<std::pair<int, int>> schritte;
    ausgabe->fortschritt([&](int fertig, int gesamt) {
        schritte.emplace_back(fertig, gesamt);
        return fertig < 10;
    });
    dialoge->dateien = {abgebrochen};
    aktion(*fenster, "AllePlaeneAlsPdf1")->trigger();
    EXPECT_EQ(schritte.back(), std::make_pair(10, n));
    EXPECT_FALSE(QFile::exists(abgebrochen));

    ausgabe->fortschritt([](int, int) { return true; });
    const QString datei = QString::fromStdString(ordner.pfad("alle.pdf"));
    dialoge->dateien = {datei};
    aktion(*fenster, "AllePlaeneAlsPdf1")->trigger();
    EXPECT_EQ(dialoge->vorschlaege.back(), ausdrucke() + QStringLiteral("/Alle Pläne.pdf"));
    const QStringList seiten = pdf_seitentexte(datei);
    ASSERT_EQ(seiten.size(), n);
    const auto text_auf = [&](int seite, const std::string& text) {
        return seiten[seite].contains(QString::fromLatin1(text.c_str()));
    };
    EXPECT_TRUE(text_auf(0, "Stand:"));
    EXPECT_TRUE(text_auf(1, "Klasse: " + klassen.front()));
    EXPECT_TRUE(text_auf(static_cast<int>(klassen.size()), "Klasse: " + klassen.back()));
    EXPECT_TRUE(text_auf(static_cast<int>(1 + klassen.size()), "Lehrer: " + lehrer.front()));
    EXPECT_TRUE(text_auf(n - 1, "Raum: " + raeume.back()));
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty());
}
