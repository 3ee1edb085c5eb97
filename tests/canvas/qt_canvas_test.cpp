#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <array>
#include <gtest/gtest.h>

#include "canvas/aufzeichnungs_canvas.h"
#include "canvas/qt_canvas.h"
#include "canvas/qt_text_1252.h"

using namespace orbela;

namespace {

constexpr QRgb weiss = 0xFFFFFFFF;
constexpr QRgb schwarz = 0xFF000000;

QImage leeres_bild(int b = 40, int h = 40)
{
    QImage bild(b, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

// The bounding box of every pixel that is not white.
QRect gezeichnet(const QImage& bild)
{
    QRect r;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) != weiss)
                r = r.united(QRect(x, y, 1, 1));
        }
    }
    return r;
}

} // namespace

TEST(QtCanvas, RectangleCoversX1ToX2MinusOneAndFillsWithASolidBrush)
{
    QImage bild = leeres_bild();
    {
        QtCanvas c(bild, 96);
        c.setze_pinsel_farbe(farben::gelb);
        c.rechteck(5, 6, 15, 12);
    }
    EXPECT_EQ(gezeichnet(bild), QRect(QPoint(5, 6), QPoint(14, 11)));
    EXPECT_EQ(bild.pixel(5, 6), schwarz);
    EXPECT_EQ(bild.pixel(14, 11), schwarz);
    EXPECT_EQ(bild.pixel(10, 9), qRgb(255, 255, 0));

    QImage klar = leeres_bild();
    {
        QtCanvas c(klar, 96);
        c.setze_pinsel_stil(PinselStil::klar);
        c.rechteck(5, 6, 15, 12);
    }
    EXPECT_EQ(klar.pixel(10, 9), weiss);
    EXPECT_EQ(klar.pixel(5, 9), schwarz);
}

TEST(QtCanvas, FilledRectangleHasNoOutline)
{
    QImage bild = leeres_bild();
    {
        QtCanvas c(bild, 96);
        c.setze_stift_farbe(farben::rot);
        c.setze_pinsel_farbe(farben::gruen);
        c.fuelle_rechteck(2, 3, 6, 8);
    }
    EXPECT_EQ(gezeichnet(bild), QRect(QPoint(2, 3), QPoint(5, 7)));
    EXPECT_EQ(bild.pixel(2, 3), qRgb(0, 255, 0));
}

TEST(QtCanvas, LinesLeaveOutTheirEndPointInBothDirections)
{
    QImage bild = leeres_bild();
    {
        QtCanvas c(bild, 96);
        c.linie(3, 10, 13, 10);
        c.linie(20, 30, 20, 20);
    }
    EXPECT_EQ(bild.pixel(3, 10), schwarz);
    EXPECT_EQ(bild.pixel(12, 10), schwarz);
    EXPECT_EQ(bild.pixel(13, 10), weiss);
    EXPECT_EQ(bild.pixel(20, 30), schwarz);
    EXPECT_EQ(bild.pixel(20, 21), schwarz);
    EXPECT_EQ(bild.pixel(20, 20), weiss);
}

TEST(QtCanvas, ThinLinesOfARecordedPageStayVisibleScaledDown)
{
    // A print preview records the page and shows it at a quarter of its size.
    QPicture seite;
    {
        QtCanvas c(seite, 96);
        for (int x = 10; x < 100; x += 10)
            c.linie(x, 0, x, 40);
    }
    QImage bild = leeres_bild();
    {
        QPainter p(&bild);
        p.scale(0.25, 0.25);
        p.drawPicture(0, 0, seite);
    }
    for (int x = 10; x < 100; x += 10)
        EXPECT_NE(bild.pixel(x / 4, 5), weiss) << x;
}

TEST(QtCanvas, TextTopLeftIsAtThePointAndTheSolidBrushBoxesIt)
{
    QImage bild = leeres_bild(80, 40);
    int breite = 0;
    {
        QtCanvas c(bild, 96);
        c.setze_schrift_groesse(12);
        c.setze_pinsel_farbe(farben::gelb);
        breite = c.text_breite("Ab");
        c.text(10, 5, "Ab");
    }
    EXPECT_GT(breite, 10);
    const QRect r = gezeichnet(bild);
    EXPECT_EQ(r.topLeft(), QPoint(10, 5));
    EXPECT_EQ(r.width(), breite);
    EXPECT_GE(r.height(), 16);
    EXPECT_EQ(bild.pixel(10, 5), qRgb(255, 255, 0));
}

TEST(QtCanvas, PointSizesBecomeScreenPixelsAt96Dpi)
{
    QImage bild = leeres_bild(200, 200);
    QtCanvas c(bild, 96);
    const std::array<std::pair<int, int>, 3> groessen = {{{12, 16}, {10, 13}, {8, 11}}};
    for (auto [punkte, pixel] : groessen) {
        c.setze_schrift_groesse(punkte);
        QFont f;
        f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        f.setPixelSize(pixel);
        EXPECT_EQ(c.text_breite("WWWWWWWWWW"), QFontMetrics(f).horizontalAdvance(QStringLiteral("WWWWWWWWWW")))
            << punkte << " pt";
    }
}

TEST(QtCanvas, TextIsWindows1252)
{
    EXPECT_EQ(qstring_aus_1252("F\xD6\x80"), QStringLiteral("FÖ€"));
    EXPECT_EQ(text_1252_aus_qstring(QStringLiteral("FÖ€Ж")), "F\xD6\x80?");
}

TEST(AufzeichnungsCanvas, KeepsOperationsWithTheStateInForce)
{
    AufzeichnungsCanvas c;
    c.setze_schrift_farbe(farben::lila);
    c.setze_schrift_groesse(10);
    c.text(3, 4, "Ab");
    c.setze_schrift_farbe(farben::rot);
    c.text(3, 4, "Ab");
    c.setze_stift_breite(2);
    c.linie(0, 0, 5, 0);
    ASSERT_EQ(c.texte_bei(3, 4).size(), 2u);
    EXPECT_EQ(c.texte_bei(3, 4).front()->schrift.farbe, farben::lila);
    EXPECT_EQ(c.letzter_text_bei(3, 4)->schrift.farbe, farben::rot);
    EXPECT_EQ(c.letzter_text_bei(3, 4)->schrift.groesse, 10);
    ASSERT_EQ(c.linien().size(), 1u);
    EXPECT_EQ(c.linien().front()->stift.breite, 2);
    EXPECT_EQ(c.letzter_text_bei(0, 0), nullptr);
}
