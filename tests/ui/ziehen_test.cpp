#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <cstring>
#include <optional>
#include <gtest/gtest.h>

#include "fenster_zugriff.h"
#include "konflikt_schule.h"
#include "test_dialoge.h"
#include "ui/hauptfenster.h"
#include "ui/konflikte_fenster.h"
#include "ui/raster_widget.h"
#include "ui/zellen_ziehen.h"

using namespace orbela;
using namespace fenster_zugriff;

namespace {

// The main window on the plan with one conflict of each kind, its grid
// driven by mouse events.
class Ziehen : public ::testing::Test {
protected:
    void SetUp() override
    {
        sitzung = std::make_unique<Sitzung>("/nonexistent/");
        fenster = std::make_unique<Hauptfenster>(*sitzung, std::make_unique<TestDialoge>());
        auto plan = std::make_unique<plantyp>(sitzung->plan());
        konflikt_schule(*plan, sitzung->lehrerliste());
        sitzung->dokument().beginnen(*plan);
        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
        vorher = std::make_unique<plantyp>(sitzung->plan());
    }

    RasterWidget* grid() { return kind<RasterWidget>(*fenster, QStringLiteral("Image1")); }
    QTabBar* tage() { return kind<QTabBar>(*fenster, QStringLiteral("TabBar1")); }
    static QPoint mitte(int stunde, int klasse) { return {50 * klasse + 25, 75 * stunde + 37}; }
    const zellentyp& zelle(const plantyp& p, Zellort o) { return p.zelle(o.tag, o.stunde, o.klasse); }
    bool gleich(const zellentyp& a, const zellentyp& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
    bool plan_wie_vorher() { return std::memcmp(&sitzung->plan(), vorher.get(), sizeof(plantyp)) == 0; }

    // Presses on a cell and pulls it well beyond the drag distance.
    void anfassen(int stunde, int klasse)
    {
        QTest::mousePress(grid(), Qt::LeftButton, {}, mitte(stunde, klasse));
        QTest::mouseMove(grid(), mitte(stunde, klasse) + QPoint(12, 12));
    }
    void ziehen_nach(QPoint wo, Qt::KeyboardModifiers tasten = {})
    {
        QTest::mouseMove(grid(), wo);
        QTest::mouseRelease(grid(), Qt::LeftButton, tasten, wo);
    }
    // Drags the cell `von` and drops it at `wo`.
    void ziehen(Zellort von, QPoint wo, Qt::KeyboardModifiers tasten = {})
    {
        anfassen(von.stunde, von.klasse);
        ziehen_nach(wo, tasten);
    }
    Zellort gewaehlt() const
    {
        const Auswahl& a = sitzung->auswahl();
        return {a.akt_tag, a.akt_stunde, a.akt_klasse};
    }

    std::unique_ptr<Sitzung> sitzung;
    std::unique_ptr<Hauptfenster> fenster;
    std::unique_ptr<plantyp> vorher;
};

const Zellort ab_1a{1, 2, 1}; // Ab, De, R1
const Zellort ab_3a{1, 2, 3}; // Ab, Ma, R3
const Zellort leer{1, 3, 2};

} // namespace

TEST_F(Ziehen, DropsMoveSwapOrCopyAsOneUndoStepAndSelectTheTarget)
{
    // The target always gets the dragged lesson; the origin is left empty
    // (no cell), takes the target's lesson, or keeps its own.
    const struct {
        const char* fall;
        Zellort nach;
        Qt::KeyboardModifiers tasten;
        std::optional<Zellort> herkunft_bekommt;
    } faelle[] = {
        {"move onto an empty cell", leer, {}, std::nullopt},
        {"swap with a filled cell", ab_3a, {}, ab_3a},
        {"copy with Ctrl", leer, Qt::ControlModifier, ab_1a},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        ziehen(ab_1a, mitte(f.nach.stunde, f.nach.klasse), f.tasten);
        const zellentyp& herkunft = zelle(sitzung->plan(), ab_1a);
        EXPECT_TRUE(f.herkunft_bekommt ? gleich(herkunft, zelle(*vorher, *f.herkunft_bekommt)) : herkunft.ist_leer());
        EXPECT_TRUE(gleich(zelle(sitzung->plan(), f.nach), zelle(*vorher, ab_1a)));
        EXPECT_TRUE(sitzung->dokument().geaendert());
        EXPECT_EQ(gewaehlt(), f.nach);
        EXPECT_EQ(seite(*fenster), Seite::plan);
        aktion(*fenster, "Rueckgaengig1")->trigger();
        EXPECT_TRUE(plan_wie_vorher());
        EXPECT_FALSE(sitzung->dokument().geaendert());
    }
}

TEST_F(Ziehen, EscADropOutsideTheVisibleGridAClickOrAnEmptyCellChangeNothing)
{
    const struct {
        const char* fall;
        std::function<void()> tun;
    } faelle[] = {
        {"Esc", [this] { anfassen(2, 1); QTest::keyClick(grid(), Qt::Key_Escape); ziehen_nach(mitte(3, 2)); }},
        {"onto a header", [this] { ziehen(ab_1a, mitte(0, 2)); }},
        {"onto a lesson scrolled away", [this] { ziehen(ab_1a, mitte(9, 2)); }},
        {"click", [this] { QTest::mouseClick(grid(), Qt::LeftButton, {}, mitte(2, 1)); }},
        {"empty cell", [this] { ziehen(leer, mitte(2, 1)); }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        f.tun();
        EXPECT_FALSE(grid()->zieht());
        EXPECT_TRUE(plan_wie_vorher());
        EXPECT_FALSE(sitzung->dokument().kann_rueckgaengig());
    }
    EXPECT_EQ(gewaehlt(), leer); // the click selects as before
}

TEST_F(Ziehen, TheTintShowsOverTheGridOnlyWhileDraggingAndFollowsTheDayTab)
{
    const QPoint frei = mitte(3, 5) + QPoint(-20, -20);
    const QRgb weiss = grid()->bild().pixel(frei);
    anfassen(ab_1a.stunde, ab_1a.klasse);
    EXPECT_NE(grid()->grab().toImage().pixel(frei), weiss);
    EXPECT_EQ(grid()->bild().pixel(frei), weiss);

    // Near the bottom of the scroll box the grid scrolls down, and back up.
    QScrollArea* box = kind<QScrollArea>(*fenster, QStringLiteral("ScrollBox1"));
    const auto rand = [&](int y) { return grid()->mapFrom(box->viewport(), QPoint(300, y)); };
    QTest::mouseMove(grid(), rand(box->viewport()->height() - 5));
    QTest::qWait(ZellenZiehen::rolltakt_ms * 4);
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
    QTest::mouseMove(grid(), rand(5));
    QTest::qWait(ZellenZiehen::rolltakt_ms * 30);
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);

    // Resting on the Wednesday tab shows Wednesday; the lesson lands there.
    const QRect mittwoch = tage()->tabRect(2);
    QTest::mouseMove(grid(), grid()->mapFromGlobal(tage()->mapToGlobal(mittwoch.center())));
    QTest::qWait(ZellenZiehen::reiter_wartezeit_ms + 200);
    EXPECT_EQ(tage()->currentIndex(), 2);
    ziehen_nach(mitte(3, 1));
    EXPECT_EQ(gewaehlt(), (Zellort{3, 3, 1}));
    EXPECT_EQ(grid()->grab().toImage().pixel(frei), grid()->bild().pixel(frei));
    EXPECT_TRUE(zelle(sitzung->plan(), ab_1a).ist_leer());
    EXPECT_TRUE(gleich(zelle(sitzung->plan(), {3, 3, 1}), zelle(*vorher, ab_1a)));
}

TEST_F(Ziehen, TheConflictListFollowsDropsUndoAndOptionsAndJumpsToALine)
{
    aktion(*fenster, "Konfliktederwoche1")->trigger();
    KonflikteFenster* liste = fenster->findChild<KonflikteFenster*>();
    ASSERT_TRUE(liste != nullptr && liste->isVisible());
    EXPECT_EQ(liste->Liste->topLevelItemCount(), 4);

    // Moving one Ab away resolves Monday's double teacher; the line chosen
    // stays chosen.
    liste->Liste->setCurrentItem(liste->Liste->topLevelItem(3));
    ziehen(ab_3a, mitte(3, 3));
    EXPECT_EQ(liste->Liste->topLevelItemCount(), 3);
    EXPECT_EQ(liste->Liste->currentItem(), liste->Liste->topLevelItem(2));
    aktion(*fenster, "Rueckgaengig1")->trigger();
    EXPECT_EQ(liste->Liste->topLevelItemCount(), 4);
    aktion(*fenster, "Raumnutzung1")->trigger();
    EXPECT_EQ(liste->Anzahl->text(), "3 Konflikte");
    aktion(*fenster, "Raumnutzung1")->trigger();

    // Thursday, lesson 9, class 4a: its day shown, the cell selected and in view.
    const QPoint zeile = liste->Liste->visualItemRect(liste->Liste->topLevelItem(3)).center();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(liste));
    QTest::mouseClick(liste->Liste->viewport(), Qt::LeftButton, {}, zeile);
    QTest::mouseDClick(liste->Liste->viewport(), Qt::LeftButton, {}, zeile);
    EXPECT_EQ(tage()->currentIndex(), 3);
    EXPECT_EQ(gewaehlt(), (Zellort{4, 9, 4}));
    EXPECT_TRUE(grid()->visibleRegion().contains(mitte(9, 4)));
}
