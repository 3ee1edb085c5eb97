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
#include "fenster_zugriff.h"
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
using namespace fenster_zugriff;

namespace {

// A field of a dialog by its object name.
QLineEdit* feld(QWidget& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

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
        aktion(*fenster, "Neu1")->trigger();
    }
    void TearDown() override
    {
        fenster.reset();
        QDir::setCurrent(vorher);
    }
    void klick(int stunde, int klasse)
    {
        QTest::mouseClick(bild(*fenster, 1), Qt::LeftButton, {}, QPoint(50 * klasse + 12, 75 * stunde + 37));
    }
    std::string lies(const std::string& name) { return ::lies(ordner.pfad(name)); }
    const plantyp& plan() { return sitzung->plan(); }

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
    EXPECT_EQ(sitzung->lehrerliste().anzahl(), 0);
    klick(2, 3);
    kind(*fenster, "edit1")->setText("Xy");
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty());
    EXPECT_EQ(plan().zelle(1, 2, 3).erste.lehrer, "Xy");
    const QImage& raster = bild(*fenster, 1)->bild();
    EXPECT_TRUE(hat_farbe(raster, QRect(165, 151, 35, 17), qRgb(128, 0, 128)));
}

TEST_F(ImOrdner, ClassAndTimeFieldsEditTheirRecords)
{
    klick(0, 2);
    ASSERT_EQ(seite(*fenster), Seite::klassen);
    kind(*fenster, "Edit7")->setText("2b");
    kind(*fenster, "Edit8")->setText("Mü");
    kind(*fenster, "Edit12")->setText("23");
    EXPECT_EQ(plan().klasse(2).klasse, "2b");
    EXPECT_EQ(plan().klasse(2).klassenlehrer, "M\xFC");
    EXPECT_EQ(plan().klasse(2).wochenstunden, "23");
    klick(2, 0);
    ASSERT_EQ(seite(*fenster), Seite::stunden);
    kind(*fenster, "edit10")->setText("08:45");
    EXPECT_EQ(plan().zeit(2).beginn, "08:45");
    // Selecting the header again shows the stored texts.
    klick(0, 2);
    EXPECT_EQ(kind(*fenster, "Edit7")->text(), "2b");
}

TEST_F(ImOrdner, InsertAndDeleteAskFirstAndRedrawOnYes)
{
    sitzung->dokument().setze_klassenfeld(3, Klassenfeld::klasse, "3a");
    sitzung->dokument().setze_code({1, 1, 3}, Codefeld::lehrer, "Ab");
    klick(0, 3);
    dialoge->antworten = {false};
    QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn5"), Qt::LeftButton);
    EXPECT_EQ(dialoge->fragen.last(),
              "Durch das Einfügen einer neuen Spalte wird die ganz rechts gelöscht. Wollen Sie fortfahren?");
    EXPECT_EQ(plan().klasse(3).klasse, "3a");

    dialoge->antworten = {true};
    QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn5"), Qt::LeftButton);
    EXPECT_TRUE(plan().klasse(3).klasse.empty());
    EXPECT_EQ(plan().klasse(4).klasse, "3a");
    EXPECT_EQ(plan().zelle(1, 1, 4).erste.lehrer, "Ab");
    EXPECT_EQ(seite(*fenster), Seite::leer);

    klick(0, 3);
    dialoge->antworten = {true};
    QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn7"), Qt::LeftButton);
    EXPECT_EQ(dialoge->fragen.last(), "Wollen Sie die Spalte wirklich löschen?");
    EXPECT_EQ(plan().klasse(3).klasse, "3a");
}

TEST_F(ImOrdner, AutomaticFillChecksTheNumberBeforeAskingOrChanging)
{
    sitzung->dokument().setze_klassenfeld(1, Klassenfeld::klassenlehrer, "Ab");
    sitzung->dokument().setze_code({1, 1, 1}, Codefeld::fach, "DE");
    klick(0, 1);
    QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn6"), Qt::LeftButton);
    EXPECT_EQ(dialoge->hinweise, QStringList{"Zuerst Wochenstunden eingeben!"});

    kind(*fenster, "Edit12")->setText("x");
    QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn6"), Qt::LeftButton);
    EXPECT_EQ(dialoge->fehler_texte, QStringList{"'x' ist kein gültiger Integerwert"});
    EXPECT_TRUE(dialoge->fragen.isEmpty());
    EXPECT_EQ(plan().zelle(1, 1, 1).erste.fach, "DE");

    kind(*fenster, "Edit12")->setText("7");
    dialoge->antworten = {true};
    QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn6"), Qt::LeftButton);
    EXPECT_EQ(dialoge->fragen.last(), "Alle Daten der aktuellen Klasse werden verändert. Wollen Sie fortfahren?");
    EXPECT_EQ(plan().zelle(1, 1, 1).erste.lehrer, "Ab");
    EXPECT_TRUE(plan().zelle(1, 1, 1).erste.fach.empty());
    EXPECT_EQ(plan().zelle(2, 2, 1).erste.lehrer, "Ab");
    EXPECT_TRUE(plan().zelle(3, 2, 1).erste.lehrer.empty());
}

TEST_F(ImOrdner, AutomaticFillWithoutHoursShowsTheClearedColumnAndKeepsThePage)
{
    sitzung->dokument().setze_code({1, 1, 1}, Codefeld::lehrer, "Ab");
    klick(0, 1);
    kind(*fenster, "Edit12")->setText("0");
    const QRect code(65, 76, 35, 17); // the teacher code, purple without a card
    ASSERT_TRUE(hat_farbe(bild(*fenster, 1)->bild(), code, qRgb(128, 0, 128)));
    dialoge->antworten = {true};
    QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn6"), Qt::LeftButton);
    EXPECT_TRUE(plan().zelle(1, 1, 1).ist_leer());
    EXPECT_FALSE(hat_farbe(bild(*fenster, 1)->bild(), code, qRgb(128, 0, 128)));
    EXPECT_EQ(seite(*fenster), Seite::klassen);
}

TEST_F(ImOrdner, ReplaceTeacherKeepsTheDialogTextsAndCancelChangesNothing)
{
    sitzung->dokument().setze_code({6, 9, 20}, Codefeld::lehrer2, "Ab");
    sitzung->dokument().setze_code({2, 3, 5}, Codefeld::lehrer, "ab");
    dialoge->dialog_handler = [](QDialog& d) {
        auto& form = dynamic_cast<LehrerErsetzenDialog&>(d);
        EXPECT_EQ(form.windowTitle(), "Lehrer ersetzen");
        feld(form, "Edit1")->setText("Ab");
        feld(form, "Edit2")->setText("Cdefgh");
        return true;
    };
    aktion(*fenster, "Lehrerersetzen1")->trigger();
    EXPECT_EQ(plan().zelle(6, 9, 20).zweite.lehrer, "Cdef");
    EXPECT_EQ(plan().zelle(2, 3, 5).erste.lehrer, "ab");
    EXPECT_EQ(seite(*fenster), Seite::leer);

    dialoge->dialog_handler = [](QDialog& d) {
        auto& form = dynamic_cast<LehrerErsetzenDialog&>(d);
        EXPECT_EQ(feld(form, "Edit1")->text(), "Ab"); // kept from the last use
        feld(form, "Edit1")->setText("ab");
        return false;
    };
    aktion(*fenster, "Lehrerersetzen1")->trigger();
    EXPECT_EQ(plan().zelle(2, 3, 5).erste.lehrer, "ab");
}

TEST_F(ImOrdner, ExportWritesUvdTxtAndAlwaysRestoresTheCursor)
{
    sitzung->dokument().setze_klassenfeld(1, Klassenfeld::klasse, "1a");
    sitzung->dokument().setze_code({1, 1, 1}, Codefeld::lehrer, "Ma");
    sitzung->dokument().setze_code({1, 1, 1}, Codefeld::fach, "de");
    aktion(*fenster, "ExportUVDtxt1")->trigger();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const std::string text = lies("uvd.txt");
    EXPECT_EQ(text.substr(0, 9), "\"Klasse\";");
    EXPECT_NE(text.find("\"01a\";\"\";\"\";\"\";1,00;\"DE\";\"\";;;\"\"\r\n"), std::string::npos) << text;

    ::chmod(ordner.pfad("uvd.txt").c_str(), 0444);
    aktion(*fenster, "ExportUVDtxt1")->trigger();
    EXPECT_EQ(dialoge->fehler_texte, QStringList{"Dateizugriff verweigert"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(lies("uvd.txt"), text);
}

TEST_F(ImOrdner, AFailedNewOrSaveAsLeavesPlanFileNameAndScreenAsTheyWere)
{
    sitzung->dokument().setze_code({1, 2, 3}, Codefeld::lehrer, "Ab");
    dialoge->dateien.push_back(QString::fromStdString(ordner.pfad("a.orb")));
    aktion(*fenster, "Planspeichernunter1")->trigger();
    ASSERT_EQ(sitzung->dokument().dateiname(), ordner.pfad("a.orb"));
    klick(2, 3);

    // A card file that cannot be read, an old teacher file that cannot be converted.
    for (const char* kaputt : {"adresslehrdat.int", "lehrdat.int"}) {
        SCOPED_TRACE(kaputt);
        std::filesystem::create_directory(ordner.pfad(kaputt));
        aktion(*fenster, "Neu1")->trigger();
        EXPECT_EQ(dialoge->fehler_texte.size(), 1);
        dialoge->fehler_texte.clear();
        EXPECT_EQ(sitzung->dokument().dateiname(), ordner.pfad("a.orb"));
        EXPECT_EQ(plan().zelle(1, 2, 3).erste.lehrer, "Ab");
        EXPECT_EQ(seite(*fenster), Seite::plan);
        EXPECT_EQ(kind(*fenster, "edit1")->text(), "Ab");
        std::filesystem::remove(ordner.pfad(kaputt));
    }

    dialoge->dateien.push_back(QString::fromStdString(ordner.pfad("fehlt/b.orb")));
    aktion(*fenster, "Planspeichernunter1")->trigger();
    EXPECT_EQ(dialoge->fehler_texte.size(), 1);
    EXPECT_EQ(sitzung->dokument().dateiname(), ordner.pfad("a.orb"));
    aktion(*fenster, "Planspeichern1")->trigger();
    EXPECT_EQ(lies("a.orb").substr(680 + 2 * 34, 3), std::string("\x02" "Ab", 3));
}

TEST_F(ImOrdner, EveryEditSetsTheChangedMarkAndSelectingDoesNot)
{
    sitzung->dokument().setze_code({1, 2, 3}, Codefeld::lehrer, "Ab");
    sitzung->dokument().setze_klassenfeld(1, Klassenfeld::klassenlehrer, "Ab");
    sitzung->dokument().setze_klassenfeld(1, Klassenfeld::wochenstunden, "3");
    dialoge->antworten = {true, true, true};
    dialoge->dialog_handler = [](QDialog& d) {
        auto& form = dynamic_cast<LehrerErsetzenDialog&>(d);
        feld(form, "Edit1")->setText("Ab");
        feld(form, "Edit2")->setText("Cd");
        return true;
    };
    const auto popup = [&](int eintrag) {
        klick(2, 3);
        QTest::mouseClick(bild(*fenster, 1), Qt::RightButton, {}, QPoint(3 * 50 + 12, 2 * 75 + 37));
        QMenu* menue = fenster->findChild<QMenu*>("PopupMenu1");
        menue->actions().at(eintrag)->trigger();
        menue->hide();
    };
    const std::function<void()> aenderungen[] = {
        [&] { klick(2, 3), kind(*fenster, "edit5")->setText("Ma"); },
        [&] { klick(2, 3), QTest::mouseClick(kind<QToolButton>(*fenster, "SpeedButton1"), Qt::LeftButton); },
        [&] { popup(0); },
        [&] { popup(1); },
        [&] { popup(3); },
        [&] { klick(0, 3), kind(*fenster, "Edit8")->setText("Xy"); },
        [&] { klick(4, 0), kind(*fenster, "edit11")->setText("9:30"); },
        [&] { klick(0, 3), QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn5"), Qt::LeftButton); },
        [&] { klick(0, 3), QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn7"), Qt::LeftButton); },
        [&] { klick(0, 1), QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn6"), Qt::LeftButton); },
        [&] { aktion(*fenster, "Lehrerersetzen1")->trigger(); },
    };
    int n = 0;
    for (const auto& aenderung : aenderungen) {
        SCOPED_TRACE(n++);
        sitzung->dokument().speichern_unter(ordner.pfad("unveraendert.orb"));
        for (const auto& [stunde, klasse] : {std::pair{2, 3}, {0, 3}, {4, 0}, {0, 1}})
            klick(stunde, klasse);
        EXPECT_FALSE(sitzung->dokument().geaendert());
        aenderung();
        EXPECT_TRUE(sitzung->dokument().geaendert());
    }
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty()) << dialoge->fehler_texte.join(";").toStdString();
}

TEST_F(ImOrdner, NewLoadAndClosingAskBeforeDroppingChanges)
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const std::string gesichert = ordner.pfad("gesichert.orb");
    const std::pair<const char*, std::function<bool()>> befehle[] = {
        {"Neu", [&] { aktion(*fenster, "Neu1")->trigger(); return plan().zelle(1, 2, 3).erste.lehrer.empty(); }},
        {"Laden", [&] { const int n = dialoge->geoeffnet; aktion(*fenster, "Planladen1")->trigger(); return dialoge->geoeffnet > n; }},
        {"Programmende", [&] { aktion(*fenster, "Programmende1")->trigger(); return !fenster->isVisible(); }},
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
            sitzung->dokument().beginnen(sitzung->plan()); // without a file
            std::filesystem::remove(gesichert);
            klick(2, 3);
            kind(*fenster, "edit1")->clear();
            kind(*fenster, "edit1")->setText("Ab");
            ASSERT_TRUE(sitzung->dokument().geaendert());
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
                EXPECT_TRUE(sitzung->dokument().geaendert());
            }
            if (gespeichert) {
                EXPECT_EQ(lies("gesichert.orb").substr(680 + 2 * 34, 3), std::string("\x02" "Ab", 3));
            }
        }
    }
    // Without changes nothing is asked.
    aktion(*fenster, "Neu1")->trigger();
    dialoge->fragen.clear();
    aktion(*fenster, "Planladen1")->trigger();
    aktion(*fenster, "Neu1")->trigger();
    EXPECT_TRUE(fenster->close());
    EXPECT_TRUE(dialoge->fragen.isEmpty());
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

TEST_F(ImOrdner, UndoWalksEveryStepBackToTheLoadedBytesAndRedoForward)
{
    const auto bytes = [&] { return std::string(reinterpret_cast<const char*>(&plan()), sizeof(plantyp)); };
    sitzung->dokument().setze_klassenfeld(1, Klassenfeld::klasse, "1a");
    sitzung->dokument().beginnen(sitzung->plan()); // as if loaded so
    dialoge->antworten = {true};
    dialoge->dialog_handler = [](QDialog& d) {
        auto& form = dynamic_cast<LehrerErsetzenDialog&>(d);
        feld(form, "Edit1")->setText("Ab");
        feld(form, "Edit2")->setText("Xy");
        return true;
    };
    std::vector<std::string> staende = {bytes()};
    const std::function<void()> schritte[] = {
        [&] { klick(1, 1), QTest::keyClicks(kind(*fenster, "edit1"), "Ab"); },
        [&] { klick(2, 2), QTest::keyClicks(kind(*fenster, "edit2"), "Cd"); },
        [&] { klick(0, 1), QTest::mouseClick(kind<QPushButton>(*fenster, "BitBtn5"), Qt::LeftButton); },
        [&] { aktion(*fenster, "Lehrerersetzen1")->trigger(); },
    };
    for (const auto& schritt : schritte) {
        schritt();
        staende.push_back(bytes());
    }
    ASSERT_EQ(plan().zelle(1, 1, 2).erste.lehrer, "Xy");
    EXPECT_FALSE(aktion(*fenster, "Wiederholen1")->isEnabled());

    // Typing two letters is one step; each command is one more.
    for (std::size_t i = staende.size() - 1; i-- > 0;) {
        ASSERT_TRUE(aktion(*fenster, "Rueckgaengig1")->isEnabled());
        aktion(*fenster, "Rueckgaengig1")->trigger();
        EXPECT_EQ(bytes(), staende[i]) << i;
        EXPECT_EQ(sitzung->dokument().geaendert(), i != 0);
    }
    EXPECT_FALSE(aktion(*fenster, "Rueckgaengig1")->isEnabled());
    EXPECT_TRUE(kind(*fenster, "edit1")->text().isEmpty() || seite(*fenster) != Seite::plan);
    for (std::size_t i = 1; i < staende.size(); ++i) {
        aktion(*fenster, "Wiederholen1")->trigger();
        EXPECT_EQ(bytes(), staende[i]) << i;
    }
    EXPECT_FALSE(aktion(*fenster, "Wiederholen1")->isEnabled());
    EXPECT_TRUE(dialoge->fehler_texte.isEmpty()) << dialoge->fehler_texte.join(";").toStdString();
}
