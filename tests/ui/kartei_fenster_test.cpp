#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest/QTest>
#include <cstring>
#include <filesystem>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/karten_testhilfe.h"
#include "core/kartei_laden.h"
#include "bildfarbe.h"
#include "fenster_zugriff.h"
#include "kartei_zugriff.h"
#include "test_dialoge.h"
#include "test_ordner.h"
#include "print/aufzeichnungs_druckauftrag.h"
#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/hauptfenster.h"
#include "ui/drucken/druck_befehle.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/kartei_bearbeiten.h"
#include "ui/kartei_drucken.h"
#include "ui/kartei_fenster.h"
#include "ui/namensliste_dialog.h"
#include "ui/plan_seite.h"

using namespace orbela;
using namespace fenster_zugriff;
using namespace kartei_zugriff;

namespace {

// The card index command in a folder holding a card file, with the card
// window driven by real clicks while it is open.
class KarteiFensterTest : public ::testing::Test {
protected:
    KarteiFensterTest()
        : sitzung(ordner.pfad("") + "/")
    {
    }

    void karten(std::initializer_list<std::string> saetze)
    {
        std::string inhalt;
        for (const auto& s : saetze)
            inhalt += s;
        schreibe(datei(), inhalt);
    }
    std::string datei() const { return ordner.pfad(kartei_datei); }

    // Opens the window, runs `aktion` in it, closes it with the close box
    // unless the action closed it, and returns the surnames of the saved file.
    std::string bearbeiten(const std::function<void(KarteiFenster&)>& aktion)
    {
        dialoge.dialog_handler = [&](QDialog& d) {
            if (auto* f = qobject_cast<KarteiFenster*>(&d)) {
                fenster_offen = true;
                f->show();
                aktion(*f);
                const bool ok = f->result() == QDialog::Accepted;
                f->close();
                return ok;
            }
            return namensliste ? namensliste(static_cast<NamenslisteDialog&>(d)) : false;
        };
        kartei_bearbeiten(sitzung, dialoge, nullptr);
        return gespeicherte_namen();
    }

    std::string gespeicherte_namen() const
    {
        if (!std::filesystem::is_regular_file(datei()))
            return "keine Datei";
        const std::string inhalt = lies(datei());
        std::string namen;
        for (std::size_t i = 0; i + 1300 <= inhalt.size(); i += 1300) {
            const auto len = static_cast<unsigned char>(inhalt[i + karten_testhilfe::nachname]);
            namen += inhalt.substr(i + karten_testhilfe::nachname + 1, len) + "|";
        }
        return namen;
    }

    static void klick(QWidget* w, QPoint p = {}) { QTest::mouseClick(w, Qt::LeftButton, {}, p.isNull() ? w->rect().center() : p); }
    static std::string text(QLineEdit* e) { return e->text().toStdString(); }

    TestOrdner ordner;
    Sitzung sitzung;
    TestDialoge dialoge;
    bool fenster_offen = false;
    std::function<bool(NamenslisteDialog&)> namensliste;
};

using karten_testhilfe::karte;

} // namespace

TEST_F(KarteiFensterTest, StepButtonsStoreAndStayAtBothEnds)
{
    karten({karte("Cramer"), karte("Adam"), karte("Berg")});
    bearbeiten([&](KarteiFenster& f) {
        EXPECT_EQ(text(eingabe(f, 1)), "Adam");
        eingabe(f, 9)->setText("Anna");
        klick(taste(f, "SpeedButton1")); // "<" on card 1
        EXPECT_EQ(sitzung.kartei().position(), 1);
        EXPECT_EQ(text(eingabe(f, 9)), "Anna");
        klick(taste(f, "SpeedButton3"));
        klick(taste(f, "SpeedButton3"));
        EXPECT_EQ(text(eingabe(f, 1)), "Cramer");
        eingabe(f, 9)->setText("Carl");
        klick(taste(f, "SpeedButton3")); // ">" on the last card
        EXPECT_EQ(sitzung.kartei().position(), 3);
        EXPECT_EQ(text(eingabe(f, 9)), "Carl");
        EXPECT_EQ(sitzung.kartei().karte_nr(1).vorname, "Anna");
        EXPECT_EQ(f.focusWidget(), eingabe(f, 1));
    });
    EXPECT_EQ(sitzung.kartei().karte_nr(3).vorname, "Carl");
}

TEST_F(KarteiFensterTest, NewCardComesFirstAsNonTeacherAndMovesToItsPlaceOnNext)
{
    std::string lehrer = karte("Berg", "", "Bg");
    lehrer[karten_testhilfe::ist_lehrer] = 1;
    karten({karte("Adam"), lehrer, karte("Cramer")});
    const std::string namen = bearbeiten([&](KarteiFenster& f) {
        EXPECT_TRUE(lehrerblock_deckel(f)->isVisible()); // Adam is no teacher
        klick(taste(f, "SpeedButton3"));
        EXPECT_EQ(text(eingabe(f, 1)), "Berg");
        EXPECT_FALSE(lehrerblock_deckel(f)->isVisible());
        klick(taste(f, "SpeedButton4"));
        EXPECT_EQ(sitzung.kartei().anzahl(), 4);
        EXPECT_EQ(sitzung.kartei().position(), 1);
        EXPECT_EQ(text(eingabe(f, 1)), "");
        EXPECT_EQ(text(eingabe(f, 7)), "");
        EXPECT_TRUE(lehrerblock_deckel(f)->isVisible());
        eingabe(f, 1)->setText("Bauer");
        klick(taste(f, "SpeedButton3")); // Bauer goes behind Adam; the card after it is shown
        EXPECT_EQ(text(eingabe(f, 1)), "Berg");
        EXPECT_EQ(sitzung.kartei().position(), 3);
    });
    EXPECT_EQ(namen, "Adam|Bauer|Berg|Cramer|");
}

TEST_F(KarteiFensterTest, GridClicksToggleOnlyLessonCells)
{
    karten({karte("Adam")});
    bearbeiten([&](KarteiFenster& f) {
        const kartentyp vorher = sitzung.kartei().karte;
        klick(gesperrte_stunden(f), {10, 70}); // number column
        klick(gesperrte_stunden(f), {70, 5});  // head row
        EXPECT_EQ(std::memcmp(&vorher, &sitzung.kartei().karte, sizeof vorher), 0);
        klick(gesperrte_stunden(f), {65, 65}); // Wednesday, lesson 4
        EXPECT_TRUE(sitzung.kartei().karte.ist_gesperrt(3, 4));
        EXPECT_EQ(gesperrte_stunden(f)->bild().pixel(70, 67), qRgb(255, 0, 0));
        klick(gesperrte_stunden(f), {65, 65});
        EXPECT_FALSE(sitzung.kartei().karte.ist_gesperrt(3, 4));
        EXPECT_NE(gesperrte_stunden(f)->bild().pixel(70, 67), qRgb(255, 0, 0));
        klick(gesperrte_stunden(f), {125, 140}); // Saturday, lesson 9 stays blocked
    });
    EXPECT_EQ(lies(datei())[karten_testhilfe::gesperrt + 9 * 5 + 8], 1);
}

TEST_F(KarteiFensterTest, UncheckingTeacherHidesButKeepsTheTeacherValues)
{
    karten({karte("Adam")});
    bearbeiten([&](KarteiFenster& f) {
        klick(lehrer_kaestchen(f), {8, 12});
        EXPECT_FALSE(lehrerblock_deckel(f)->isVisible());
        eingabe(f, 7)->setText("Ad");
        eingabe(f, 5)->setText("26");
        klick(lehrer_kaestchen(f), {8, 12});
        EXPECT_TRUE(lehrerblock_deckel(f)->isVisible());
        EXPECT_FALSE(eingabe(f, 7)->isEnabled()); // no Tab into hidden fields
        EXPECT_EQ(text(eingabe(f, 7)), "Ad");
        // By keyboard the block follows when the focus leaves the box.
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        lehrer_kaestchen(f)->setFocus();
        QTest::keyClick(lehrer_kaestchen(f), Qt::Key_Space);
        EXPECT_TRUE(lehrer_kaestchen(f)->isChecked());
        EXPECT_TRUE(lehrerblock_deckel(f)->isVisible());
        eingabe(f, 1)->setFocus();
        EXPECT_FALSE(lehrerblock_deckel(f)->isVisible());
        klick(lehrer_kaestchen(f), {8, 12});
        klick(taste<QPushButton>(f, "BitBtn1"));
    });
    EXPECT_EQ(sitzung.kartei().karte_nr(1).ist_lehrer, 0);
    ASSERT_EQ(sitzung.lehrerliste().anzahl(), 1);
    EXPECT_EQ(sitzung.lehrerliste().eintrag(1).kuerzel, "Ad");
    EXPECT_EQ(sitzung.lehrerliste().eintrag(1).stunden, "26");
}

TEST_F(KarteiFensterTest, NameListPickCountsWhenClosedWithTheCloseBox)
{
    karten({karte("Adam"), karte("Berg"), karte("Cramer")});
    namensliste = [](NamenslisteDialog& liste) {
        liste.show();
        EXPECT_EQ(liste.ListBox1->count(), 3);
        EXPECT_EQ(liste.ListBox1->item(1)->text(), "Berg");
        klick(liste.ListBox1->viewport(), liste.ListBox1->visualItemRect(liste.ListBox1->item(2)).center());
        liste.close();
        return false;
    };
    bearbeiten([&](KarteiFenster& f) {
        eingabe(f, 9)->setText("Anton");
        klick(taste(f, "SpeedButton2"));
        EXPECT_EQ(text(eingabe(f, 1)), "Cramer");
        EXPECT_EQ(sitzung.kartei().position(), 3);
    });
    EXPECT_EQ(sitzung.kartei().karte_nr(1).vorname, "Anton");
}

TEST_F(KarteiFensterTest, DeletingAsksAndTheLastCardReturnsOnClose)
{
    karten({karte("Adam"), karte("Berg")});
    dialoge.antworten = {false, true, true};
    const std::string namen = bearbeiten([&](KarteiFenster& f) {
        eingabe(f, 9)->setText("Anna");
        klick(taste(f, "SpeedButton5")); // "Nein" keeps the card and the edit
        EXPECT_EQ(sitzung.kartei().anzahl(), 2);
        klick(taste(f, "SpeedButton5"));
        klick(taste(f, "SpeedButton5"));
        EXPECT_EQ(sitzung.kartei().anzahl(), 0);
        EXPECT_EQ(text(eingabe(f, 1)), "Berg"); // still shown
    });
    EXPECT_EQ(dialoge.fragen.size(), 3);
    EXPECT_EQ(dialoge.fragen.front(), "Eintrag wirklich löschen ?");
    EXPECT_EQ(namen, "Berg|");
}

TEST_F(KarteiFensterTest, UnreadableFileShowsNoWindowAndWritesNothing)
{
    std::filesystem::create_directory(datei());
    bearbeiten([](KarteiFenster&) {});
    EXPECT_FALSE(fenster_offen);
    EXPECT_EQ(dialoge.fehler_texte.size(), 1);
    EXPECT_TRUE(std::filesystem::is_directory(datei()));
}

TEST_F(KarteiFensterTest, FailedSaveKeepsTheOldFileAndOffersToRetry)
{
    karten({karte("Adam")});
    const std::string alt = lies(datei());
    ::chmod(datei().c_str(), 0444);
    dialoge.antworten = {true, false}; // retry once, then give up
    bearbeiten([&](KarteiFenster& f) { eingabe(f, 1)->setText("Zander"); });
    EXPECT_EQ(dialoge.fehler_texte.size(), 2);
    EXPECT_EQ(dialoge.fragen.size(), 2);
    EXPECT_EQ(lies(datei()), alt);
    // What was typed is still held, and the plan sees it.
    EXPECT_EQ(sitzung.kartei().karte_nr(1).nachname, "Zander");
    EXPECT_EQ(sitzung.lehrerliste().anzahl(), 1);

    ::chmod(datei().c_str(), 0644);
    dialoge.antworten = {};
    dialoge.fehler_texte.clear();
    EXPECT_EQ(bearbeiten([](KarteiFenster&) {}), "Adam|");
}

TEST_F(KarteiFensterTest, NewSchoolStartsEmptyAndSavesItsFirstCard)
{
    EXPECT_EQ(bearbeiten([&](KarteiFenster& f) {
                  EXPECT_EQ(text(eingabe(f, 1)), "");
                  eingabe(f, 1)->setText("Ölmann");
              }),
              "\xD6lmann|");
    EXPECT_TRUE(dialoge.fehler_texte.isEmpty());
}

TEST_F(KarteiFensterTest, SchoolWithOnlyTheOldAddressFileKeepsItsPeople)
{
    std::string satz(493, '\0');
    karten_testhilfe::setze_text(satz, 0, "Berg");
    schreibe(ordner.pfad(lehrer_datei), satz);
    EXPECT_EQ(bearbeiten([&](KarteiFenster& f) { EXPECT_EQ(text(eingabe(f, 1)), "Berg"); }), "Berg|");
}

TEST_F(KarteiFensterTest, LongStatisticsCodeIsKeptButOnlyFourCharactersCanBeTyped)
{
    std::string lehrer = karte("Adam");
    lehrer[karten_testhilfe::ist_lehrer] = 1;
    karten_testhilfe::setze_text(lehrer, karten_testhilfe::kuerzel4, "ABCDEF");
    karten({lehrer, karte("Berg")});
    bearbeiten([&](KarteiFenster& f) {
        EXPECT_EQ(text(eingabe(f, 6)), "ABCDEF");
        klick(taste(f, "SpeedButton3"));
        EXPECT_EQ(sitzung.kartei().karte_nr(1).kuerzel4, "ABCDEF");
        klick(taste(f, "SpeedButton1"));
        eingabe(f, 6)->clear();
        QTest::keyClicks(eingabe(f, 6), "WXYZQ");
        EXPECT_EQ(text(eingabe(f, 6)), "WXYZ");
    });
    EXPECT_EQ(sitzung.kartei().karte_nr(1).kuerzel4, "WXYZ");
}

// Saving an unchanged card keeps the bytes behind its texts; a cleared field
// leaves zeros, not the old text.
TEST_F(KarteiFensterTest, UnchangedCardsSaveByteForByteAndAClearedFieldLeavesNoTrace)
{
    using karten_testhilfe::bemerkung;
    std::string alt = karte("Adam");
    alt.replace(karten_testhilfe::nachname + 5, 20, std::string(20, 'y'));
    karten_testhilfe::setze_text(alt, bemerkung, "Diabetes");
    alt.replace(bemerkung + 9, 20, std::string(20, 'z'));
    std::string geleert = alt;
    geleert.replace(bemerkung, 251, std::string(251, '\0'));
    const std::pair<bool, std::string> faelle[] = {{false, alt}, {true, geleert}};
    for (const auto& [leeren, erwartet] : faelle) {
        karten({alt});
        bearbeiten([&, leeren = leeren](KarteiFenster& f) {
            if (leeren)
                eingabe(f, 8)->clear();
        });
        EXPECT_EQ(lies(datei()), erwartet) << leeren;
    }
}

TEST_F(KarteiFensterTest, MenuCommandRedrawsThePlanWithTheNewTeacher)
{
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(ordner.pfad("")));
    {
        Sitzung s;
        auto d = std::make_unique<TestDialoge>();
        TestDialoge& antworten = *d;
        auto ausgabe = std::make_unique<Druckausgabe>(s.programmpfad());
        ausgabe->drucker_quelle([] { return Druckausgabe::Druckerliste{}; }); // no printer installed
        Hauptfenster h(s, std::move(d), std::move(ausgabe));
        aktion(h, "Neu1")->trigger();
        QTest::mouseClick(bild(h, 1), Qt::LeftButton, {}, QPoint(50 * 3 + 12, 75 * 2 + 37));
        kind(h, "edit1")->setText("Xy");
        const QRect code(165, 151, 35, 17);
        EXPECT_TRUE(hat_farbe(bild(h, 1)->bild(), code, qRgb(128, 0, 128)));

        ASSERT_TRUE(aktion(h, "Lehrerdatei1")->isEnabled());
        int ausdruck = 0;
        int vorschau_seiten = 0;
        QString statuszeile;
        antworten.dialog_handler = [&](QDialog& dlg) {
            if (auto* wahl = qobject_cast<KarteiDruckauswahl*>(&dlg)) {
                wahl->Vorschau->setChecked(ausdruck == 4); // the card once more, in the preview
                klick(std::array{wahl->Button1, wahl->Button2, wahl->Button3, wahl->Button4, wahl->Button4}[ausdruck]);
                return true;
            }
            if (auto* vorschau = dynamic_cast<QPrintPreviewDialog*>(&dlg)) {
                auto* seiten = vorschau->findChild<QPrintPreviewWidget*>();
                seiten->updatePreview();
                vorschau_seiten = seiten->pageCount();
                return false;
            }
            auto& f = dynamic_cast<KarteiFenster&>(dlg);
            f.show();
            klick(taste(f, "SpeedButton4"));
            eingabe(f, 1)->setText("Xaver");
            klick(lehrer_kaestchen(f), {8, 12});
            eingabe(f, 7)->setText("Xy");
            klick(gesperrte_stunden(f), {25, 35}); // Monday, lesson 2
            for (ausdruck = 0; ausdruck < 5; ++ausdruck)
                klick(taste(f, "SpeedButton6"));
            statuszeile = f.findChild<QStatusBar*>()->currentMessage();
            klick(taste<QPushButton>(f, "BitBtn1"));
            return true;
        };
        aktion(h, "Lehrerdatei1")->trigger();
        EXPECT_TRUE(antworten.fehler_texte.isEmpty()) << antworten.fehler_texte.join(";").toStdString();
        // One box, at the first printout; the rest in the window's status line.
        ASSERT_EQ(antworten.hinweise.size(), 1);
        EXPECT_TRUE(antworten.hinweise[0].startsWith("Es ist kein Drucker installiert."));
        EXPECT_TRUE(antworten.hinweise[0].endsWith("\n\nGespeichert als Ausdrucke/Adressliste.pdf"));
        EXPECT_EQ(statuszeile, "Gespeichert als Ausdrucke/Karte Xaver.pdf");
        for (const char* pdf : {"Adressliste", "Adressliste Lehrer", "Geburtstagskalender", "Karte Xaver"})
            EXPECT_EQ(lies(ordner.pfad("Ausdrucke/") + pdf + ".pdf").substr(0, 5), "%PDF-") << pdf;
        EXPECT_EQ(vorschau_seiten, 1);
        EXPECT_FALSE(hat_farbe(bild(h, 1)->bild(), code, qRgb(128, 0, 128)));
        EXPECT_TRUE(hat_farbe(bild(h, 1)->bild(), code, qRgb(255, 0, 0)));
        EXPECT_EQ(seite(h), Seite::leer);
    }
    QDir::setCurrent(vorher);
    EXPECT_EQ(gespeicherte_namen(), "Xaver|");
}

TEST_F(KarteiFensterTest, PrintChoicesStoreTheShownCardFirst)
{
    karten({karte("Adam"), karte("Berg")});
    std::vector<std::string> gedruckt;
    AufzeichnungsDruckauftrag auftrag{800, 1100};
    Druckfunktion drucken;
    drucken.funktion = [&](const Druckbefehl& befehl, Druckziel) {
        gedruckt.push_back(befehl.name.toStdString() + ":" + sitzung.kartei().karte.nachname.str() + ":"
                           + sitzung.kartei().karte_nr(1).nachname.str());
        befehl.ausdrucke.at(0).drucken(auftrag);
    };
    int knopf = 0;
    dialoge.dialog_handler = [&](QDialog& d) {
        if (auto* f = qobject_cast<KarteiFenster*>(&d)) {
            f->show();
            eingabe(*f, 1)->setText("Zander");
            for (knopf = 0; knopf < 5; ++knopf)
                klick(taste(*f, "SpeedButton6"));
            EXPECT_EQ(text(eingabe(*f, 1)), "Zander");
            EXPECT_EQ(sitzung.kartei().position(), 2); // Zander stays the shown card
            return false;
        }
        auto& wahl = dynamic_cast<KarteiDruckauswahl&>(d);
        EXPECT_EQ(wahl.windowTitle(), "drucken");
        QPushButton* knoepfe[] = {wahl.Button4, wahl.Button1, wahl.Button2, wahl.Button3, wahl.BitBtn1};
        klick(knoepfe[knopf]);
        return wahl.result() == QDialog::Accepted;
    };
    kartei_bearbeiten(sitzung, dialoge, nullptr, &drucken);
    EXPECT_EQ(gedruckt, (std::vector<std::string>{"Karte:Zander:Berg", "Adressliste:Zander:Berg",
                                                   "Adressliste Lehrer:Zander:Berg",
                                                   "Geburtstagskalender:Zander:Berg"}));
    EXPECT_TRUE(dialoge.fehler_texte.isEmpty());
}

TEST_F(KarteiFensterTest, PrintoutBecomesAPdfWithoutAPrinter)
{
    Druckausgabe ausgabe(sitzung.programmpfad());
    ausgabe.nur_pdf(true);
    Kartei k;
    k.karte.nachname = "Berg";
    k.einfuegen();
    {
        auto auftrag = ausgabe.auftrag(kartei_ausdruck_name(KarteiDruckauswahl::Wahl::geburtstagskalender), {});
        kartei_drucken(*auftrag, k, KarteiDruckauswahl::Wahl::geburtstagskalender);
    }
    const std::string pdf = lies(ausgabe.letzte_datei().toStdString());
    EXPECT_EQ(QFileInfo(ausgabe.letzte_datei()).fileName(), "Geburtstagskalender.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
}
