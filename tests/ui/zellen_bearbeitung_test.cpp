#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

#include "fenster_zugriff.h"
#include "test_dialoge.h"
#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/fokus_knopf.h"
#include "ui/hauptfenster.h"
#include "ui/klassen_seite.h"
#include "ui/plan_seite.h"
#include "ui/stunden_seite.h"

using namespace orbela;
using namespace fenster_zugriff;

namespace {

// A shown, active main window with a new plan, driven by real events.
class Bearbeitung : public ::testing::Test {
protected:
    void SetUp() override
    {
        sitzung = std::make_unique<Sitzung>();
        auto d = std::make_unique<TestDialoge>();
        dialoge = d.get();
        fenster = std::make_unique<Hauptfenster>(*sitzung, std::move(d));
        fenster->show();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }

    void neu() { aktion(*fenster, "Neu1")->trigger(); }
    BildWidget* grid() { return bild(*fenster, 1); }
    CodeFeld* edit(int n) { return kind(*fenster, QStringLiteral("edit%1").arg(n)); }
    // A click into the grid image at the middle of the left or right half.
    void klick(int stunde, int klasse, Qt::MouseButton knopf = Qt::LeftButton, bool rechts = false)
    {
        QTest::mouseClick(grid(), knopf, {}, QPoint(50 * klasse + (rechts ? 37 : 12), 75 * stunde + 37));
    }
    void haken_setzen(int n, bool an)
    {
        QCheckBox* c = kind<QCheckBox>(*fenster, QStringLiteral("CheckBox%1").arg(n));
        if (c->isChecked() != an)
            QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, 8));
        ASSERT_EQ(c->isChecked(), an);
    }
    // Types characters that have no plain key, as an input method would.
    static void tippe(QWidget* w, const QString& text)
    {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    int stunde() const { return sitzung->auswahl().akt_stunde; }
    int klasse() const { return sitzung->auswahl().akt_klasse; }
    QWidget* fokus() const { return QApplication::focusWidget(); }
    void popup_waehlen(int eintrag)
    {
        QMenu* popup = fenster->findChild<QMenu*>("PopupMenu1");
        ASSERT_TRUE(popup->isVisible());
        popup->actions().at(eintrag)->trigger();
        popup->hide();
    }

    std::unique_ptr<Sitzung> sitzung;
    TestDialoge* dialoge = nullptr;
    std::unique_ptr<Hauptfenster> fenster;
};

} // namespace

TEST_F(Bearbeitung, ClicksBeforeNewDoNothingWhileDayTabsDrawAnEmptyGrid)
{
    klick(2, 3);
    EXPECT_EQ(stunde(), 0);
    EXPECT_EQ(klasse(), 0);
    EXPECT_EQ(seite(*fenster), Seite::leer);
    EXPECT_EQ(grid()->bild().pixel(50, 100), qRgb(255, 255, 255));
    kind<QTabBar>(*fenster, "TabBar1")->setCurrentIndex(2);
    EXPECT_EQ(sitzung->auswahl().akt_tag, 3);
    EXPECT_EQ(grid()->bild().pixel(50, 100), qRgb(0, 0, 0)); // grid line of column 1
    klick(2, 3);
    EXPECT_EQ(stunde(), 0);
}

TEST_F(Bearbeitung, CornerClicksCycleTheDaysWithTheTabFollowing)
{
    neu();
    kind<QTabBar>(*fenster, "TabBar1")->setCurrentIndex(5);
    ASSERT_EQ(sitzung->auswahl().akt_tag, 6);
    klick(0, 0);
    EXPECT_EQ(sitzung->auswahl().akt_tag, 1);
    EXPECT_EQ(kind<QTabBar>(*fenster, "TabBar1")->currentIndex(), 0);
    EXPECT_EQ(statuszeile(*fenster, 0), "Mo");
    klick(0, 0, Qt::RightButton);
    EXPECT_EQ(sitzung->auswahl().akt_tag, 6);
    EXPECT_EQ(kind<QTabBar>(*fenster, "TabBar1")->currentIndex(), 5);
    EXPECT_EQ(seite(*fenster), Seite::leer);
}

TEST_F(Bearbeitung, SelectionShowsTheMatchingPageAndStatusTexts)
{
    neu();
    sitzung->dokument().setze_klassenfeld(1, Klassenfeld::klasse, "1a");
    klick(3, 1);
    EXPECT_EQ(seite(*fenster), Seite::plan);
    EXPECT_EQ(statuszeile(*fenster, 0), "Mo");
    EXPECT_EQ(statuszeile(*fenster, 1), "3. Stunde");
    EXPECT_EQ(statuszeile(*fenster, 2), "Klasse: 1a");
    klick(0, 1);
    EXPECT_EQ(seite(*fenster), Seite::klassen);
    EXPECT_EQ(stunde(), 0);
    EXPECT_EQ(klasse(), 1);
    EXPECT_TRUE(statuszeile(*fenster, 1).isEmpty());
    klick(4, 0);
    EXPECT_EQ(seite(*fenster), Seite::stunden);
    EXPECT_EQ(statuszeile(*fenster, 1), "4. Stunde");
    EXPECT_TRUE(statuszeile(*fenster, 2).isEmpty());
    aktion(*fenster, "Stunden081")->trigger();
    klick(4, 0);
    EXPECT_EQ(statuszeile(*fenster, 1), "3. Stunde");
}

TEST_F(Bearbeitung, TypedTextGoesIntoTheCellCutToTwoTypedCharacters)
{
    neu();
    klick(2, 2);
    edit(1)->setFocus();
    QTest::keyClicks(edit(1), "Mxy");
    EXPECT_EQ(edit(1)->text(), "Mx");
    EXPECT_EQ(sitzung->plan().zelle(1, 2, 2).erste.lehrer, "Mx");
    // A longer code from a file is shown whole and stays whole.
    sitzung->dokument().setze_code({1, 3, 2}, Codefeld::fach, "DEUT");
    klick(3, 2);
    EXPECT_EQ(edit(2)->text(), "DEUT");
    EXPECT_EQ(sitzung->plan().zelle(1, 3, 2).erste.fach, "DEUT");
    // Umlauts are stored as Windows-1252, characters it lacks as '?'.
    edit(3)->setFocus();
    edit(3)->selectAll();
    tippe(edit(3), "Fö");
    EXPECT_EQ(sitzung->plan().zelle(1, 3, 2).erste.raum, "F\xF6");
    edit(3)->selectAll();
    tippe(edit(3), "Ж");
    EXPECT_EQ(sitzung->plan().zelle(1, 3, 2).erste.raum, "?");
}

TEST_F(Bearbeitung, TypingASecondTeacherMakesTheCellDoubleAtOnce)
{
    neu();
    klick(1, 1);
    ASSERT_FALSE(sitzung->plan().zelle(1, 1, 1).ist_doppelt());
    edit(4)->setFocus();
    QTest::keyClicks(edit(4), "ab");
    EXPECT_TRUE(sitzung->plan().zelle(1, 1, 1).ist_doppelt());
    EXPECT_EQ(sitzung->plan().zelle(1, 1, 1).zweite.lehrer, "ab");
}

TEST_F(Bearbeitung, WithAllCheckBoxesClearedTabReachesTheAdvanceButtonAndReturnsToEdit1)
{
    neu();
    for (int n = 1; n <= 6; ++n)
        haken_setzen(n, false);
    klick(2, 3);
    QTest::mouseClick(edit(1), Qt::LeftButton);
    ASSERT_EQ(fokus(), edit(1));
    QTest::keyClick(edit(1), Qt::Key_Tab);
    EXPECT_EQ(stunde(), 3);
    EXPECT_EQ(klasse(), 3);
    EXPECT_EQ(fokus(), edit(1));
}

TEST_F(Bearbeitung, WithOnlyCheckBox3TabAdvancesOneLessonAtATimeInEdit3)
{
    neu();
    for (int n = 1; n <= 6; ++n)
        haken_setzen(n, n == 3);
    for (int l = 2; l <= 3; ++l)
        sitzung->dokument().setze_code({1, l, 2}, Codefeld::raum, "xx"); // typed over
    klick(1, 2);
    QTest::mouseClick(edit(3), Qt::LeftButton);
    for (int l = 1; l <= 3; ++l) {
        ASSERT_EQ(fokus(), edit(3));
        QTest::keyClicks(edit(3), "R" + QString::number(l));
        QTest::keyClick(fokus(), Qt::Key_Tab);
        EXPECT_EQ(stunde(), l + 1);
        EXPECT_EQ(sitzung->plan().zelle(1, l, 2).erste.raum.str(), (QStringLiteral("R") + QString::number(l)).toStdString());
    }
    EXPECT_EQ(fokus(), edit(3));
}

TEST_F(Bearbeitung, AdvancingFromLessonNineGoesToTheNextColumnAndScrollsItIntoView)
{
    neu();
    fenster->resize(500, 600);
    kind<QScrollArea>(*fenster, "ScrollBox1")->verticalScrollBar()->setValue(1000);
    klick(9, 4);
    ASSERT_EQ(stunde(), 9);
    QTest::mouseClick(edit(6), Qt::LeftButton);
    QTest::keyClick(edit(6), Qt::Key_Tab); // from the last edit onto the advance button
    EXPECT_EQ(stunde(), 1);
    EXPECT_EQ(klasse(), 5);
    const int h = kind<QScrollArea>(*fenster, "ScrollBox1")->horizontalScrollBar()->value();
    const int breite = kind<QScrollArea>(*fenster, "ScrollBox1")->viewport()->width();
    EXPECT_LE(h, 250);
    EXPECT_GE(h + breite, 300);
    EXPECT_EQ(kind<QScrollArea>(*fenster, "ScrollBox1")->verticalScrollBar()->value(), 0);
}

TEST_F(Bearbeitung, TheLastCellIsLessonNineOfClass19)
{
    neu();
    kind<QScrollArea>(*fenster, "ScrollBox1")->horizontalScrollBar()->setValue(1000);
    kind<QScrollArea>(*fenster, "ScrollBox1")->verticalScrollBar()->setValue(1000);
    klick(9, 19);
    ASSERT_EQ(stunde(), 9);
    ASSERT_EQ(klasse(), 19);
    kind<QPushButton>(*fenster, "BitBtn2")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(stunde(), 9);
    EXPECT_EQ(klasse(), 19);
    EXPECT_EQ(fokus(), edit(1));
}

TEST_F(Bearbeitung, CopyButtonWritesTheCellIntoTheNextLesson)
{
    neu();
    Dokument& d = sitzung->dokument();
    d.setze_code({1, 4, 2}, Codefeld::lehrer, "Mü");
    d.setze_code({1, 4, 2}, Codefeld::fach, "DE");
    d.setze_code({1, 4, 2}, Codefeld::raum2, "12");
    sitzung->dokument().setze_verzichtbar({1, 5, 2}, false, 'v');
    klick(4, 2);
    QTest::mouseClick(kind<QToolButton>(*fenster, "SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(stunde(), 5);
    const zellentyp& neu = sitzung->plan().zelle(1, 5, 2);
    EXPECT_EQ(neu.erste.lehrer, "Mü");
    EXPECT_EQ(neu.erste.fach, "DE");
    EXPECT_EQ(neu.zweite.raum, "12");
    EXPECT_TRUE(neu.erste.ist_verzichtbar()); // flags stay as they were
}

TEST_F(Bearbeitung, PopupCommandsActOnTheHalfUnderTheMouse)
{
    neu();
    klick(2, 2, Qt::RightButton, true); // right half of a single cell
    popup_waehlen(0);
    EXPECT_TRUE(sitzung->plan().zelle(1, 2, 2).erste.ist_verzichtbar());
    EXPECT_FALSE(sitzung->plan().zelle(1, 2, 2).zweite.ist_verzichtbar());

    sitzung->dokument().setze_code({1, 3, 2}, Codefeld::lehrer2, "Ba");
    klick(3, 2, Qt::RightButton, true); // right half of a double cell
    popup_waehlen(0);
    EXPECT_TRUE(sitzung->plan().zelle(1, 3, 2).zweite.ist_verzichtbar());
    EXPECT_FALSE(sitzung->plan().zelle(1, 3, 2).erste.ist_verzichtbar());
    klick(3, 2, Qt::RightButton, true);
    popup_waehlen(1);
    EXPECT_FALSE(sitzung->plan().zelle(1, 3, 2).zweite.ist_verzichtbar());
}

TEST_F(Bearbeitung, ClearingACellKeepsTheFlagsLengthBytes)
{
    neu();
    auto plan = std::make_unique<plantyp>(sitzung->plan());
    zellentyp& vorher = plan->zelle(1, 6, 4);
    vorher.erste.lehrer = "Ab";
    vorher.zweite.fach = "MA";
    vorher.erste.setze_verzichtbar('v');
    vorher.zweite.verzichtbar.len = 0;
    vorher.zweite.setze_verzichtbar('v');
    sitzung->dokument().beginnen(*plan);
    const zellentyp& z = sitzung->plan().zelle(1, 6, 4);
    klick(6, 4, Qt::RightButton);
    popup_waehlen(3);
    EXPECT_TRUE(z.ist_leer());
    EXPECT_EQ(z.erste.verzichtbar.len, 1);
    EXPECT_EQ(z.erste.verzichtbar.data[0], ' ');
    EXPECT_EQ(z.zweite.verzichtbar.len, 0);
    EXPECT_EQ(z.zweite.verzichtbar.data[0], ' ');
    EXPECT_TRUE(edit(1)->text().isEmpty());
    EXPECT_TRUE(edit(5)->text().isEmpty());
}

TEST_F(Bearbeitung, ShortcutsMarkTheSelectedCellOnTheHalfOfTheFocusedField)
{
    neu();
    sitzung->dokument().setze_code({1, 2, 3}, Codefeld::lehrer2, "Ba");
    klick(2, 3);
    QTest::mouseClick(edit(5), Qt::LeftButton);
    QTest::keyClick(edit(5), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(sitzung->plan().zelle(1, 2, 3).zweite.ist_verzichtbar());
    EXPECT_FALSE(sitzung->plan().zelle(1, 2, 3).erste.ist_verzichtbar());
    QTest::mouseClick(edit(1), Qt::LeftButton);
    QTest::keyClick(edit(1), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(sitzung->plan().zelle(1, 2, 3).erste.ist_verzichtbar());
    QTest::keyClick(edit(1), Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(sitzung->plan().zelle(1, 2, 3).ist_leer());
}

TEST_F(Bearbeitung, TheAdvanceButtonActsOnlyOnTabOrClickAndAnErrorCannotRetriggerIt)
{
    neu();
    sitzung->dokument().setze_klassenfeld(2, Klassenfeld::klasse, "2a");
    klick(3, 2);
    sitzung->dokument().setze_klassenfeld(2, Klassenfeld::wochenstunden, "x"); // the statistics fail on every redraw
    QTest::mouseClick(edit(6), Qt::LeftButton);
    QTest::keyClick(edit(6), Qt::Key_Tab);
    EXPECT_EQ(dialoge->fehler_texte, QStringList{"'x' ist kein gültiger Integerwert"});
    const int stand = stunde();
    EXPECT_EQ(fokus(), edit(1)); // left before the work, so the box closing cannot bring it back
    // The window becoming active again, a popup closing or a program focus
    // change do not act.
    FokusKnopf* knopf = kind<FokusKnopf>(*fenster, "BitBtn2");
    for (Qt::FocusReason grund : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::OtherFocusReason}) {
        QFocusEvent ereignis(QEvent::FocusIn, grund);
        QApplication::sendEvent(knopf, &ereignis);
        EXPECT_EQ(stunde(), stand) << grund;
    }
    EXPECT_EQ(dialoge->fehler_texte.size(), 1);
    sitzung->dokument().setze_klassenfeld(2, Klassenfeld::wochenstunden, "22");
    for (Qt::FocusReason grund : {Qt::BacktabFocusReason, Qt::MouseFocusReason}) {
        QFocusEvent ereignis(QEvent::FocusIn, grund);
        QApplication::sendEvent(knopf, &ereignis);
    }
    EXPECT_EQ(stunde(), stand + 2);
}

TEST_F(Bearbeitung, TheFieldsLimitTypedCharactersButNeverATextTheProgramShowsAndHaveNoHints)
{
    neu();
    const plantyp& p = sitzung->plan();
    const zellentyp& z = p.zelle(1, 2, 3);
    const klassentyp& k = p.klasse(3);
    const stundentyp& s = p.zeit(2);
    const struct {
        int stunde, klasse;
        QLineEdit* feld;
        std::string lang, nach_tippen; // shown; then shortened below the limit and typed "xy"
        std::function<std::string()> modell;
    } faelle[] = {
        {2, 3, edit(1), "DEUT", "Dx", [&] { return z.erste.lehrer.str(); }},
        {2, 3, edit(2), "DEUT", "Dx", [&] { return z.erste.fach.str(); }},
        {2, 3, edit(3), "DEUT", "Dx", [&] { return z.erste.raum.str(); }},
        {2, 3, edit(4), "DEUT", "Dx", [&] { return z.zweite.lehrer.str(); }},
        {2, 3, edit(5), "DEUT", "Dx", [&] { return z.zweite.fach.str(); }},
        {2, 3, edit(6), "DEUT", "Dx", [&] { return z.zweite.raum.str(); }},
        {0, 3, kind(*fenster, "Edit7"), "DEUT", "Dx", [&] { return k.klasse.str(); }},
        {0, 3, kind(*fenster, "Edit8"), "DEUT", "Dx", [&] { return k.klassenlehrer.str(); }},
        {0, 3, kind(*fenster, "Edit9"), "DEUT", "Dx", [&] { return k.klassenraum.str(); }},
        {0, 3, kind(*fenster, "Edit12"), "1234", "1x", [&] { return k.wochenstunden.str(); }},
        {2, 0, kind(*fenster, "edit10"), "08.00 Uhr", "08.0x", [&] { return s.beginn.str(); }},
        {2, 0, kind(*fenster, "edit11"), "08.00 Uhr", "08.0x", [&] { return s.ende.str(); }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.feld->objectName().toStdString());
        EXPECT_TRUE(f.feld->placeholderText().isEmpty()); // no clipped grey hints
        Dokument& d = sitzung->dokument();
        for (int n = 0; n < 6; ++n)
            d.setze_code({1, 2, 3}, static_cast<Codefeld>(n), "DEUT");
        for (Klassenfeld feld : {Klassenfeld::klasse, Klassenfeld::klassenlehrer, Klassenfeld::klassenraum})
            d.setze_klassenfeld(3, feld, "DEUT");
        d.setze_klassenfeld(3, Klassenfeld::wochenstunden, "1234");
        d.setze_zeit(2, Zeitfeld::beginn, "08.00 Uhr");
        d.setze_zeit(2, Zeitfeld::ende, "08.00 Uhr");
        klick(f.stunde, f.klasse);
        ASSERT_EQ(f.feld->text().toStdString(), f.lang);
        QTest::mouseClick(f.feld, Qt::LeftButton);
        QTest::keyClick(f.feld, Qt::Key_End);
        QTest::keyClicks(f.feld, "xy");
        EXPECT_EQ(f.feld->text().toStdString(), f.lang);
        EXPECT_EQ(f.modell(), f.lang);
        for (std::size_t i = 0; i <= f.lang.size() - f.nach_tippen.size(); ++i)
            QTest::keyClick(f.feld, Qt::Key_Backspace);
        QTest::keyClicks(f.feld, "xy");
        EXPECT_EQ(f.feld->text().toStdString(), f.nach_tippen);
        EXPECT_EQ(f.modell(), f.nach_tippen);
    }
}

TEST_F(Bearbeitung, ShortcutsActOnlyWhilePagePlanShowsTheSelectedCell)
{
    neu();
    dialoge->dialog_handler = [](QDialog&) { return true; }; // "Lehrer ersetzen" with empty codes
    const std::function<void()> verbergen[] = {
        [&] { kind<QTabBar>(*fenster, "TabBar1")->setCurrentIndex(1); },
        [&] { aktion(*fenster, "Lehrerersetzen1")->trigger(); },
        [&] { aktion(*fenster, "Raumnutzung1")->trigger(); },
    };
    for (const auto& aktion : verbergen) {
        kind<QTabBar>(*fenster, "TabBar1")->setCurrentIndex(0);
        for (int tag = 1; tag <= 2; ++tag)
            sitzung->dokument().setze_code({tag, 2, 3}, Codefeld::lehrer, "Ab");
        klick(2, 3);
        aktion();
        ASSERT_NE(seite(*fenster), Seite::plan);
        QTest::keyClick(fenster.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        for (int tag = 1; tag <= 2; ++tag)
            EXPECT_FALSE(sitzung->plan().zelle(tag, 2, 3).erste.ist_verzichtbar());
        QTest::keyClick(fenster.get(), Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        for (int tag = 1; tag <= 2; ++tag)
            EXPECT_EQ(sitzung->plan().zelle(tag, 2, 3).erste.lehrer, "Ab");
    }
}

TEST_F(Bearbeitung, CtrlZAndCtrlYInAFieldUndoThePlanAndShowItInFieldAndGrid)
{
    neu();
    klick(1, 1);
    edit(1)->setFocus();
    QTest::keyClicks(edit(1), "Ab");
    QTest::keyClick(edit(1), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(sitzung->plan().zelle(1, 1, 1).erste.lehrer.empty());
    EXPECT_EQ(edit(1)->text(), "");
    EXPECT_FALSE(sitzung->dokument().geaendert());
    QTest::keyClick(edit(1), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(sitzung->plan().zelle(1, 1, 1).erste.lehrer, "Ab");
    EXPECT_EQ(edit(1)->text(), "Ab");
    EXPECT_TRUE(sitzung->dokument().geaendert());
}
