// Every picture is drawn at the screen's device pixel ratio. The ctest run
// "bildschaerfe_2x" repeats these tests with QT_SCALE_FACTOR=2.

#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "fenster_zugriff.h"
#include "test_dialoge.h"
#include "ui/bild_widget.h"
#include "ui/hauptfenster.h"
#include "ui/kartei_fenster.h"
#include "views/plan_ansicht.h"

using namespace orbela;
using namespace fenster_zugriff;

namespace {

bool dunkel(const QImage& bild, int x, int y)
{
    return qGray(bild.pixel(x, y)) < 128;
}

// The bounding box of the dark pixels within a rectangle of device pixels.
QRect tinte(const QImage& bild, const QRect& bereich)
{
    QRect box;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (dunkel(bild, x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The 2 x 2 blocks of the rectangle whose pixels are not all alike: none
// in a picture merely enlarged pixel by pixel.
int feine_bloecke(const QImage& bild, const QRect& bereich)
{
    int n = 0;
    for (int y = bereich.top() & ~1; y < bereich.bottom(); y += 2)
        for (int x = bereich.left() & ~1; x < bereich.right(); x += 2) {
            const QRgb p = bild.pixel(x, y);
            n += bild.pixel(x + 1, y) != p || bild.pixel(x, y + 1) != p || bild.pixel(x + 1, y + 1) != p;
        }
    return n;
}

struct Fenster {
    Sitzung sitzung;
    std::unique_ptr<TestDialoge> dialoge = std::make_unique<TestDialoge>();
    Hauptfenster fenster{sitzung, std::move(dialoge)};
    TestDialoge waechter;
};

} // namespace

TEST(Bildschaerfe, EveryImageHasTheRatioOfItsScreen)
{
    Fenster f;
    f.fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.fenster));
    const qreal v = f.fenster.devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(v, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    aktion(f.fenster, "Neu1")->trigger();
    for (int n = 1; n <= 11; ++n) {
        BildWidget* b = bild(f.fenster, n);
        EXPECT_EQ(b->bild().devicePixelRatio(), v) << n;
        EXPECT_EQ(b->bild().size(), b->size() * v) << n;
    }
    EXPECT_EQ(bild(f.fenster, 1)->size(), QSize(1000, 750));

    // The card window's own button pictures (24 x 24) as well.
    KarteiFenster kartei(f.sitzung, f.waechter);
    int knoepfe = 0;
    for (const QToolButton* k : kartei.findChildren<QToolButton*>()) {
        if (k->iconSize() != QSize(24, 24))
            continue;
        ++knoepfe;
        EXPECT_EQ(k->icon().availableSizes(), QList<QSize>{QSize(24, 24) * v}) << k->objectName().toStdString();
    }
    EXPECT_GE(knoepfe, 4);
}

TEST(Bildschaerfe, AtRatioTwoTheGridHasTwiceThePixelsAndItsTextTwiceTheSize)
{
    Fenster f;
    aktion(f.fenster, "Neu1")->trigger();
    for (const auto& [feld, code] : {std::pair{Codefeld::lehrer, "Ma"}, {Codefeld::fach, "De"}, {Codefeld::raum, "R1"}})
        f.sitzung.dokument().setze_code({1, 1, 1}, feld, code);
    BildWidget& raster = *bild(f.fenster, 1);
    // The teacher's row of the cell of lesson 1, class 1, inside its lines.
    const QRect zelle(52, 77, 46, 22);

    QRect einfach;
    for (const int v : {1, 2}) {
        raster.setze_pixelverhaeltnis(v);
        f.sitzung.dokument().beginnen(f.sitzung.plan()); // drawn anew
        const QImage& bild = raster.bild();
        ASSERT_EQ(bild.size(), QSize(1000, 750) * v);
        const QRect bereich(zelle.topLeft() * v, zelle.size() * v);
        const QRect text = tinte(bild, bereich);
        ASSERT_FALSE(text.isEmpty());
        // The line below that row is one logical pixel thick.
        for (int d = 0; d < v; ++d)
            EXPECT_TRUE(dunkel(bild, 90 * v, 100 * v + d));
        EXPECT_FALSE(dunkel(bild, 90 * v, 100 * v - 1));
        EXPECT_FALSE(dunkel(bild, 90 * v, 100 * v + v));
        if (v == 1) {
            einfach = text;
            continue;
        }
        EXPECT_EQ(bild.size(), QSize(2000, 1500));
        EXPECT_NEAR(text.top(), 2 * einfach.top(), 4);
        EXPECT_NEAR(text.height(), 2 * einfach.height(), 2);
        EXPECT_NEAR(text.width(), 2 * einfach.width(), 3);
        // Drawn at the finer resolution, not enlarged.
        EXPECT_GT(feine_bloecke(bild, bereich), 30);
    }
}
