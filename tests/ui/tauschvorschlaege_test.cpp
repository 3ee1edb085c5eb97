#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <cstring>
#include <gtest/gtest.h>

#include "core/tauschketten.h"
#include "core/wochenkonflikte.h"
#include "fenster_zugriff.h"
#include "konflikt_schule.h"
#include "test_dialoge.h"
#include "ui/hauptfenster.h"
#include "ui/konflikte_fenster.h"
#include "ui/raster_widget.h"

using namespace orbela;
using namespace fenster_zugriff;

namespace {

// The plan with one conflict of each kind, and Cd in 1a on Monday lesson 1
// and in 2a on lesson 3: 1a's lesson fits into lesson 3 once 2a's moves.
class Tauschvorschlaege : public ::testing::Test {
protected:
    void SetUp() override
    {
        sitzung = std::make_unique<Sitzung>("/nonexistent/");
        auto d = std::make_unique<TestDialoge>();
        dialoge = d.get();
        fenster = std::make_unique<Hauptfenster>(*sitzung, std::move(d));
        auto plan = std::make_unique<plantyp>(sitzung->plan());
        konflikt_schule(*plan, sitzung->lehrerliste());
        setze_zelle(*plan, 1, 1, 1, "Cd", "Mu", "R5");
        setze_zelle(*plan, 1, 3, 2, "Cd", "Sp", "R6");
        sitzung->dokument().beginnen(*plan);
        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
        vorher = std::make_unique<plantyp>(sitzung->plan());
        konflikte_vorher = anzahl_konflikte();
    }

    RasterWidget* grid() { return kind<RasterWidget>(*fenster, QStringLiteral("Image1")); }
    static QPoint mitte(int stunde, int klasse) { return {50 * klasse + 25, 75 * stunde + 37}; }
    bool plan_wie_vorher() { return std::memcmp(&sitzung->plan(), vorher.get(), sizeof(plantyp)) == 0; }
    std::size_t anzahl_konflikte()
    {
        return wochenkonflikte(sitzung->plan(), sitzung->lehrerliste(), sitzung->optionen()).size();
    }
    void ziehen(int stunde, int klasse, int nach_stunde, int nach_klasse)
    {
        QTest::mousePress(grid(), Qt::LeftButton, {}, mitte(stunde, klasse));
        QTest::mouseMove(grid(), mitte(stunde, klasse) + QPoint(12, 12));
        QTest::mouseMove(grid(), mitte(nach_stunde, nach_klasse));
        QTest::mouseRelease(grid(), Qt::LeftButton, {}, mitte(nach_stunde, nach_klasse));
    }
    void taste(Qt::Key k, Qt::KeyboardModifiers mit = Qt::ControlModifier)
    {
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : fenster.get();
        QTest::keyClick(ziel, k, mit);
    }
    void waehle(int stunde, int klasse) { QTest::mouseClick(grid(), Qt::LeftButton, {}, mitte(stunde, klasse)); }

    // Answers "Tauschvorschläge": chooses the first line, then takes it or not.
    void antworte(bool uebernehmen)
    {
        dialoge->dialog_handler = [this, uebernehmen](QDialog& d) {
            ++angeboten;
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Tauschvorschläge"));
            auto* liste = d.findChild<QListWidget*>(QStringLiteral("Liste"));
            EXPECT_GE(liste->count(), 1);
            EXPECT_LE(liste->count(), angebotene_ketten);
            erste_zeile = liste->item(0)->text();
            liste->setCurrentRow(0);
            gerahmt = grid()->zellrahmen().kette.size();
            return uebernehmen;
        };
    }

    std::unique_ptr<Sitzung> sitzung;
    TestDialoge* dialoge = nullptr;
    std::unique_ptr<Hauptfenster> fenster;
    std::unique_ptr<plantyp> vorher;
    std::size_t konflikte_vorher = 0;
    int angeboten = 0;
    QString erste_zeile;
    std::size_t gerahmt = 0;
};

} // namespace

TEST_F(Tauschvorschlaege, ADropOnAChainTargetOffersTheChainsAndTakesOneAsOneUndoStep)
{
    // While dragging, the target with a chain has its own tint.
    QTest::mousePress(grid(), Qt::LeftButton, {}, mitte(1, 1));
    QTest::mouseMove(grid(), mitte(1, 1) + QPoint(12, 12));
    const QRgb ton = grid()->grab().toImage().pixel(mitte(3, 1) + QPoint(-20, -20));
    EXPECT_GT(qGreen(ton), 200);
    EXPECT_LT(qGreen(ton), 245);
    EXPECT_LT(qBlue(ton), 200);
    QTest::keyClick(grid(), Qt::Key_Escape);
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, mitte(1, 1));

    for (const bool uebernehmen : {false, true}) {
        SCOPED_TRACE(uebernehmen);
        antworte(uebernehmen);
        ziehen(1, 1, 3, 1);
        EXPECT_EQ(angeboten, 1);
        angeboten = 0;
        EXPECT_TRUE(erste_zeile.startsWith(QStringLiteral("1a Mo 1 → Mo 3, dann 2a Mo 3 "))) << erste_zeile.toStdString();
        EXPECT_EQ(gerahmt, 2u); // choosing the line framed its exchanges
        EXPECT_TRUE(grid()->zellrahmen().leer());
        EXPECT_EQ(plan_wie_vorher(), !uebernehmen);
        EXPECT_EQ(sitzung->dokument().kann_rueckgaengig(), uebernehmen);
    }
    EXPECT_EQ(sitzung->plan().zelle(1, 3, 1).erste.lehrer.view(), "Cd");
    EXPECT_LE(anzahl_konflikte(), konflikte_vorher);
    aktion(*fenster, "Rueckgaengig1")->trigger();
    EXPECT_TRUE(plan_wie_vorher());
    EXPECT_FALSE(sitzung->dokument().kann_rueckgaengig());
}

TEST_F(Tauschvorschlaege, CutCopyPasteAndEscWorkOnTheSelectedCellFromTheKeyboard)
{
    antworte(false);
    // Ctrl+X, then Ctrl+V on an empty cell moves the lesson.
    waehle(1, 1);
    taste(Qt::Key_X);
    EXPECT_TRUE(grid()->zellrahmen().vorgemerkt.has_value());
    waehle(7, 1);
    taste(Qt::Key_V);
    EXPECT_TRUE(sitzung->plan().zelle(1, 1, 1).ist_leer());
    EXPECT_EQ(sitzung->plan().zelle(1, 7, 1).erste.lehrer.view(), "Cd");
    EXPECT_FALSE(grid()->zellrahmen().vorgemerkt.has_value());
    // Ctrl+C copies, as often as Ctrl+V is pressed; Esc forgets.
    taste(Qt::Key_C);
    waehle(8, 1);
    taste(Qt::Key_V);
    waehle(4, 1);
    taste(Qt::Key_V);
    EXPECT_EQ(sitzung->plan().zelle(1, 8, 1).erste.lehrer.view(), "Cd");
    EXPECT_EQ(sitzung->plan().zelle(1, 4, 1).erste.lehrer.view(), "Cd");
    EXPECT_EQ(sitzung->plan().zelle(1, 7, 1).erste.lehrer.view(), "Cd");
    taste(Qt::Key_Escape, Qt::NoModifier);
    waehle(5, 1);
    taste(Qt::Key_V);
    EXPECT_TRUE(sitzung->plan().zelle(1, 5, 1).ist_leer());
    // A paste onto a clashing target with a chain offers it, as a drop does.
    waehle(7, 1);
    taste(Qt::Key_X);
    waehle(3, 1);
    taste(Qt::Key_V);
    EXPECT_EQ(angeboten, 1);
    // Another plan forgets the mark.
    waehle(4, 1);
    taste(Qt::Key_C);
    EXPECT_TRUE(grid()->zellrahmen().vorgemerkt.has_value());
    sitzung->dokument().beginnen(*vorher);
    EXPECT_TRUE(grid()->zellrahmen().leer());
}

TEST_F(Tauschvorschlaege, SolveInTheConflictListRemovesTheChosenConflict)
{
    aktion(*fenster, "Konfliktederwoche1")->trigger();
    auto* liste = fenster->findChild<KonflikteFenster*>();
    ASSERT_NE(liste, nullptr);
    auto* loesen = liste->findChild<QPushButton*>(QStringLiteral("Loesen"));
    EXPECT_FALSE(loesen->isEnabled());
    // Monday, lesson 2: Ab in 1a and 3a.
    liste->Liste->setCurrentItem(liste->Liste->topLevelItem(0));
    antworte(true);
    loesen->click();
    EXPECT_EQ(angeboten, 1);
    EXPECT_EQ(anzahl_konflikte(), konflikte_vorher - 1);
    EXPECT_EQ(liste->Liste->topLevelItemCount(), static_cast<int>(konflikte_vorher - 1));
    // A code without a card goes wherever its lesson goes: nothing to offer.
    const int ohne_karte = 1; // Wednesday's Xy, after Monday's line went
    liste->Liste->setCurrentItem(liste->Liste->topLevelItem(ohne_karte));
    loesen->click();
    EXPECT_EQ(angeboten, 1);
    EXPECT_EQ(dialoge->hinweise.size(), 1);
}
