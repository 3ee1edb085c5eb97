#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "bildfarbe.h"
#include "test_dialoge.h"
#include "test_ordner.h"
#include "testhilfe.h"
#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/hauptfenster.h"
#include "ui/klassen_seite.h"
#include "ui/lehrer_ersetzen_dialog.h"
#include "ui/plan_seite.h"
#include "ui/stunden_seite.h"

using namespace orbela;

namespace {

// A main window started in a fresh working directory of its own.
class ImOrdner : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorher = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(ordner.pfad("")));
        sitzung = std::make_unique<Sitzung>();
        auto d = std::make_unique<TestDialoge>();
        dialoge = d.get();
        fenster = std::make_unique<Hauptfenster>(*sitzung, std::move(d));
        fenster->menue().Neu1->trigger();
    }
    void TearDown() override
    {
        fenster.reset();
        QDir::setCurrent(vorher);
    }
    void klick(int stunde, int klasse)
    {
        QTest::mouseClick(fenster->bild(1), Qt::LeftButton, {}, QPoint(50 * klasse + 12, 75 * stunde + 37));
    }
    std::string lies(const std::string& name) { return ::lies(ordner.pfad(name)); }
    plantyp& plan() { return fenster->sitzung().plan(); }

    TestOrdner ordner;
    QString vorher;
    std::unique_ptr<Sitzung> sitzung;
    TestDialoge* dialoge = nullptr;
    std::unique_ptr<Hauptfenster> fenster;
};

} // namespace

TEST_F(ImOrdner, FreshInstallationPlansWithoutMessageAndMarksCodesPurple)
{
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty()) << dialoge->fehler_texte.join(";").toStdString();
    EXPECT_EQ(fenster->sitzung().lehrerliste().anzahl(), 0);
    klick(2, 3);
    fenster->planSeite()->edit(1)->setText("Xy");
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty());
    EXPECT_EQ(plan().zelle(1, 2, 3).erste.lehrer, "Xy");
    const QImage& bild = fenster->bild(1)->bild();
    EXPECT_TRUE(hat_farbe(bild, QRect(165, 151, 35, 17), qRgb(128, 0, 128)));
}

TEST_F(ImOrdner, ClassAndTimeFieldsEditTheirRecords)
{
    klick(0, 2);
    ASSERT_EQ(fenster->seite(), Hauptfenster::Seite::klassen);
    fenster->klassenSeite()->Edit7->setText("2b");
    fenster->klassenSeite()->Edit8->setText("Mü");
    fenster->klassenSeite()->Edit12->setText("23");
    EXPECT_EQ(plan().klasse(2).klasse, "2b");
    EXPECT_EQ(plan().klasse(2).klassenlehrer, "M\xFC");
    EXPECT_EQ(plan().klasse(2).wochenstunden, "23");
    klick(2, 0);
    ASSERT_EQ(fenster->seite(), Hauptfenster::Seite::stunden);
    fenster->stundenSeite()->edit10->setText("08:45");
    EXPECT_EQ(plan().zeit(2).beginn, "08:45");
    // Selecting the header again shows the stored texts.
    klick(0, 2);
    EXPECT_EQ(fenster->klassenSeite()->Edit7->text(), "2b");
}

TEST_F(ImOrdner, InsertAndDeleteAskFirstAndRedrawOnYes)
{
    plan().klasse(3).klasse = "3a";
    plan().zelle(1, 1, 3).erste.lehrer = "Ab";
    klick(0, 3);
    dialoge->antworten = {false};
    QTest::mouseClick(fenster->klassenSeite()->BitBtn5, Qt::LeftButton);
    EXPECT_EQ(dialoge->fragen.last(),
              "Durch das Einfügen einer neuen Spalte wird die ganz rechts gelöscht. Wollen Sie fortfahren?");
    EXPECT_EQ(plan().klasse(3).klasse, "3a");

    dialoge->antworten = {true};
    QTest::mouseClick(fenster->klassenSeite()->BitBtn5, Qt::LeftButton);
    EXPECT_TRUE(plan().klasse(3).klasse.empty());
    EXPECT_EQ(plan().klasse(4).klasse, "3a");
    EXPECT_EQ(plan().zelle(1, 1, 4).erste.lehrer, "Ab");
    EXPECT_EQ(fenster->seite(), Hauptfenster::Seite::leer);

    klick(0, 3);
    dialoge->antworten = {true};
    QTest::mouseClick(fenster->klassenSeite()->BitBtn7, Qt::LeftButton);
    EXPECT_EQ(dialoge->fragen.last(), "Wollen Sie die Spalte wirklich löschen?");
    EXPECT_EQ(plan().klasse(3).klasse, "3a");
}

TEST_F(ImOrdner, AutomaticFillChecksTheNumberBeforeAskingOrChanging)
{
    plan().klasse(1).klassenlehrer = "Ab";
    plan().zelle(1, 1, 1).erste.fach = "DE";
    klick(0, 1);
    QTest::mouseClick(fenster->klassenSeite()->BitBtn6, Qt::LeftButton);
    EXPECT_EQ(dialoge->hinweise, QStringList{"Zuerst Wochenstunden eingeben!"});

    fenster->klassenSeite()->Edit12->setText("x");
    QTest::mouseClick(fenster->klassenSeite()->BitBtn6, Qt::LeftButton);
    EXPECT_EQ(dialoge->fehler_texte, QStringList{"'x' ist kein gültiger Integerwert"});
    EXPECT_TRUE(dialoge->fragen.isEmpty());
    EXPECT_EQ(plan().zelle(1, 1, 1).erste.fach, "DE");

    fenster->klassenSeite()->Edit12->setText("7");
    dialoge->antworten = {true};
    QTest::mouseClick(fenster->klassenSeite()->BitBtn6, Qt::LeftButton);
    EXPECT_EQ(dialoge->fragen.last(), "Alle Daten der aktuellen Klasse werden verändert. Wollen Sie fortfahren?");
    EXPECT_EQ(plan().zelle(1, 1, 1).erste.lehrer, "Ab");
    EXPECT_TRUE(plan().zelle(1, 1, 1).erste.fach.empty());
    EXPECT_EQ(plan().zelle(2, 2, 1).erste.lehrer, "Ab");
    EXPECT_TRUE(plan().zelle(3, 2, 1).erste.lehrer.empty());
}

TEST_F(ImOrdner, ReplaceTeacherKeepsTheDialogTextsAndCancelChangesNothing)
{
    plan().zelle(6, 9, 20).zweite.lehrer = "Ab";
    plan().zelle(2, 3, 5).erste.lehrer = "ab";
    dialoge->dialog_handler = [](QDialog& d) {
        auto& form = dynamic_cast<LehrerErsetzenDialog&>(d);
        EXPECT_EQ(form.windowTitle(), "Lehrer ersetzen");
        form.Edit1->setText("Ab");
        form.Edit2->setText("Cdefgh");
        return true;
    };
    fenster->menue().Lehrerersetzen1->trigger();
    EXPECT_EQ(plan().zelle(6, 9, 20).zweite.lehrer, "Cdef");
    EXPECT_EQ(plan().zelle(2, 3, 5).erste.lehrer, "ab");
    EXPECT_EQ(fenster->seite(), Hauptfenster::Seite::leer);

    dialoge->dialog_handler = [](QDialog& d) {
        auto& form = dynamic_cast<LehrerErsetzenDialog&>(d);
        EXPECT_EQ(form.Edit1->text(), "Ab"); // kept from the last use
        form.Edit1->setText("ab");
        return false;
    };
    fenster->menue().Lehrerersetzen1->trigger();
    EXPECT_EQ(plan().zelle(2, 3, 5).erste.lehrer, "ab");
}

TEST_F(ImOrdner, ExportWritesUvdTxtAndAlwaysRestoresTheCursor)
{
    plan().klasse(1).klasse = "1a";
    plan().zelle(1, 1, 1).erste.lehrer = "Ma";
    plan().zelle(1, 1, 1).erste.fach = "de";
    fenster->menue().ExportUVDtxt1->trigger();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const std::string text = lies("uvd.txt");
    EXPECT_EQ(text.substr(0, 9), "\"Klasse\";");
    EXPECT_NE(text.find("\"01a\";\"\";\"\";\"\";1,00;\"DE\";\"\";;;\"\"\r\n"), std::string::npos) << text;

    ::chmod(ordner.pfad("uvd.txt").c_str(), 0444);
    fenster->menue().ExportUVDtxt1->trigger();
    EXPECT_EQ(dialoge->fehler_texte, QStringList{"Dateizugriff verweigert"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(lies("uvd.txt"), text);
}

TEST_F(ImOrdner, AFailedNewOrSaveAsLeavesPlanFileNameAndScreenAsTheyWere)
{
    plan().zelle(1, 2, 3).erste.lehrer = "Ab";
    dialoge->dateien.push_back(QString::fromStdString(ordner.pfad("a.orb")));
    fenster->menue().Planspeichernunter1->trigger();
    ASSERT_EQ(fenster->sitzung().dateiname(), ordner.pfad("a.orb"));
    klick(2, 3);

    // A card file that cannot be read, an old teacher file that cannot be converted.
    for (const char* kaputt : {"adresslehrdat.int", "lehrdat.int"}) {
        SCOPED_TRACE(kaputt);
        std::filesystem::create_directory(ordner.pfad(kaputt));
        fenster->menue().Neu1->trigger();
        EXPECT_EQ(dialoge->fehler_texte.size(), 1);
        dialoge->fehler_texte.clear();
        EXPECT_EQ(fenster->sitzung().dateiname(), ordner.pfad("a.orb"));
        EXPECT_EQ(plan().zelle(1, 2, 3).erste.lehrer, "Ab");
        EXPECT_EQ(fenster->seite(), Hauptfenster::Seite::plan);
        EXPECT_EQ(fenster->planSeite()->edit(1)->text(), "Ab");
        std::filesystem::remove(ordner.pfad(kaputt));
    }

    dialoge->dateien.push_back(QString::fromStdString(ordner.pfad("fehlt/b.orb")));
    fenster->menue().Planspeichernunter1->trigger();
    EXPECT_EQ(dialoge->fehler_texte.size(), 1);
    EXPECT_EQ(fenster->sitzung().dateiname(), ordner.pfad("a.orb"));
    fenster->menue().Planspeichern1->trigger();
    EXPECT_EQ(lies("a.orb").substr(680 + 2 * 34, 3), std::string("\x02" "Ab", 3));
}

TEST_F(ImOrdner, EveryEditSetsTheChangedMarkAndSelectingDoesNot)
{
    plan().zelle(1, 2, 3).erste.lehrer = "Ab";
    plan().klasse(1).klassenlehrer = "Ab";
    plan().klasse(1).wochenstunden = "3";
    dialoge->antworten = {true, true, true};
    dialoge->dialog_handler = [](QDialog& d) {
        auto& form = dynamic_cast<LehrerErsetzenDialog&>(d);
        form.Edit1->setText("Ab");
        form.Edit2->setText("Cd");
        return true;
    };
    const auto popup = [&](int eintrag) {
        klick(2, 3);
        fenster->Image1MouseMove(3 * 50 + 12, 2 * 75 + 37);
        fenster->popupMenu1()->actions().at(eintrag)->trigger();
    };
    const std::function<void()> aenderungen[] = {
        [&] { klick(2, 3), fenster->planSeite()->edit(5)->setText("Ma"); },
        [&] { klick(2, 3), QTest::mouseClick(fenster->planSeite()->speedButton1(), Qt::LeftButton); },
        [&] { popup(0); },
        [&] { popup(1); },
        [&] { popup(3); },
        [&] { klick(0, 3), fenster->klassenSeite()->Edit8->setText("Xy"); },
        [&] { klick(4, 0), fenster->stundenSeite()->edit11->setText("9:30"); },
        [&] { klick(0, 3), QTest::mouseClick(fenster->klassenSeite()->BitBtn5, Qt::LeftButton); },
        [&] { klick(0, 3), QTest::mouseClick(fenster->klassenSeite()->BitBtn7, Qt::LeftButton); },
        [&] { klick(0, 1), QTest::mouseClick(fenster->klassenSeite()->BitBtn6, Qt::LeftButton); },
        [&] { fenster->menue().Lehrerersetzen1->trigger(); },
    };
    int n = 0;
    for (const auto& aenderung : aenderungen) {
        SCOPED_TRACE(n++);
        fenster->sitzung().markiere_unveraendert();
        for (const auto& [stunde, klasse] : {std::pair{2, 3}, {0, 3}, {4, 0}, {0, 1}})
            klick(stunde, klasse);
        EXPECT_FALSE(fenster->sitzung().geaendert());
        aenderung();
        EXPECT_TRUE(fenster->sitzung().geaendert());
    }
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty()) << dialoge->fehler_texte.join(";").toStdString();
}

TEST_F(ImOrdner, NewLoadAndClosingAskBeforeDroppingChanges)
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const std::string gesichert = ordner.pfad("gesichert.orb");
    const std::pair<const char*, std::function<bool()>> befehle[] = {
        {"Neu", [&] { fenster->menue().Neu1->trigger(); return plan().zelle(1, 2, 3).erste.lehrer.empty(); }},
        {"Laden", [&] { const int n = dialoge->geoeffnet; fenster->menue().Planladen1->trigger(); return dialoge->geoeffnet > n; }},
        {"Programmende", [&] { fenster->menue().Programmende1->trigger(); return !fenster->isVisible(); }},
        {"Schliessfeld", [&] { return fenster->close(); }},
    };
    const struct {
        Antwort antwort;
        bool mit_datei, weiter;
        const char* name;
    } antworten[] = {{Antwort::abbrechen, true, false, "Abbrechen"},
                     {Antwort::nein, true, true, "Nein"},
                     {Antwort::ja, true, true, "Ja"},
                     {Antwort::ja, false, false, "Ja, Speichern abgebrochen"}};
    for (const auto& [name, befehl] : befehle) {
        for (const auto& a : antworten) {
            SCOPED_TRACE(std::string(name) + ": " + a.name);
            fenster->show();
            fenster->sitzung().setze_dateiname({});
            std::filesystem::remove(gesichert);
            klick(2, 3);
            fenster->planSeite()->edit(1)->clear();
            fenster->planSeite()->edit(1)->setText("Ab");
            ASSERT_TRUE(fenster->sitzung().geaendert());
            dialoge->fragen.clear();
            dialoge->antworten_mit_abbrechen = {a.antwort};
            dialoge->dateien.clear();
            if (a.mit_datei)
                dialoge->dateien.push_back(QString::fromStdString(gesichert));
            EXPECT_EQ(befehl(), a.weiter);
            EXPECT_EQ(dialoge->fragen, QStringList{"Der Plan wurde geändert. Änderungen speichern?"});
            const bool gespeichert = a.antwort == Antwort::ja && a.mit_datei;
            EXPECT_EQ(std::filesystem::exists(gesichert), gespeichert);
            if (!a.weiter) {
                EXPECT_TRUE(fenster->sitzung().geaendert());
            }
            if (gespeichert) {
                EXPECT_EQ(lies("gesichert.orb").substr(680 + 2 * 34, 3), std::string("\x02" "Ab", 3));
            }
        }
    }
    // Without changes nothing is asked.
    fenster->menue().Neu1->trigger();
    dialoge->fragen.clear();
    fenster->menue().Planladen1->trigger();
    fenster->menue().Neu1->trigger();
    EXPECT_TRUE(fenster->close());
    EXPECT_TRUE(dialoge->fragen.isEmpty());
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

TEST_F(ImOrdner, UndoWalksEveryStepBackToTheLoadedBytesAndRedoForward)
{
    const auto bytes = [&] { return std::string(reinterpret_cast<const char*>(&plan()), sizeof(plantyp)); };
    plan().klasse(1).klasse = "1a";
    fenster->sitzung().plan_begonnen(); // as if loaded so
    dialoge->antworten = {true};
    dialoge->dialog_handler = [](QDialog& d) {
        auto& form = dynamic_cast<LehrerErsetzenDialog&>(d);
        form.Edit1->setText("Ab");
        form.Edit2->setText("Xy");
        return true;
    };
    std::vector<std::string> staende = {bytes()};
    const std::function<void()> schritte[] = {
        [&] { klick(1, 1), QTest::keyClicks(fenster->planSeite()->edit(1), "Ab"); },
        [&] { klick(2, 2), QTest::keyClicks(fenster->planSeite()->edit(2), "Cd"); },
        [&] { klick(0, 1), QTest::mouseClick(fenster->klassenSeite()->BitBtn5, Qt::LeftButton); },
        [&] { fenster->menue().Lehrerersetzen1->trigger(); },
    };
    for (const auto& schritt : schritte) {
        schritt();
        staende.push_back(bytes());
    }
    ASSERT_EQ(plan().zelle(1, 1, 2).erste.lehrer, "Xy");
    EXPECT_FALSE(fenster->menue().Wiederholen1->isEnabled());

    // Typing two letters is one step; each command is one more.
    for (std::size_t i = staende.size() - 1; i-- > 0;) {
        ASSERT_TRUE(fenster->menue().Rueckgaengig1->isEnabled());
        fenster->menue().Rueckgaengig1->trigger();
        EXPECT_EQ(bytes(), staende[i]) << i;
        EXPECT_EQ(fenster->sitzung().geaendert(), i != 0);
    }
    EXPECT_FALSE(fenster->menue().Rueckgaengig1->isEnabled());
    EXPECT_TRUE(fenster->planSeite()->edit(1)->text().isEmpty() || fenster->seite() != Hauptfenster::Seite::plan);
    for (std::size_t i = 1; i < staende.size(); ++i) {
        fenster->menue().Wiederholen1->trigger();
        EXPECT_EQ(bytes(), staende[i]) << i;
    }
    EXPECT_FALSE(fenster->menue().Wiederholen1->isEnabled());
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty()) << dialoge->fehler_texte.join(";").toStdString();
}
