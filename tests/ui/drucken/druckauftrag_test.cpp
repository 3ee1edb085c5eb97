#include <gtest/gtest.h>

#include "test_ordner.h"
#include "testhilfe.h"
#include "ui/pdf_werkzeug.h"
#include "print/druckseite.h"
#include "print/sammelauftrag.h"
#include <QRegularExpression>
#include "ui/drucken/qt_druckauftrag.h"

using namespace orbela;

TEST(QtDruckauftrag, WritesOnePdfPagePerPageInTheChosenOrientation)
{
    TestOrdner ordner;
    const QString datei = QString::fromStdString(ordner.pfad("auftrag.pdf"));
    auto auftrag = QtDruckauftrag::pdf(datei);
    {
        Druckseite seite(*auftrag, Ausrichtung::querformat);
        // A4 landscape at 300 dpi, less the margins: wider than high.
        EXPECT_GT(auftrag->seitenbreite(), 3000);
        EXPECT_LT(auftrag->seitenbreite(), 3508);
        EXPECT_GT(auftrag->seitenbreite(), auftrag->seitenhoehe());
        EXPECT_EQ(druck_x(*auftrag, 1100), auftrag->seitenbreite());
        seite.text(5, 15, "Gr\xFC\xDF" "e");
        seite.neue_seite();
        seite.stand(5, 780, "09.12.26");
        seite.beenden();
    }
    auftrag.reset();
    EXPECT_EQ(pdf_seiten(datei), 2);
    const QString text = pdf_text(datei);
    EXPECT_TRUE(text.contains(QStringLiteral("Grüße"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Stand: 09.12.26")));
}

TEST(QtDruckauftrag, ANewJobHasNoCanvasAndAFileThatCannotBeWrittenIsAnErrorAtTheEnd)
{
    auto auftrag = QtDruckauftrag::pdf(QStringLiteral("/nicht/vorhanden/x.pdf"));
    EXPECT_EQ(fehlertext([&] { auftrag->canvas(); }), "Der Druckauftrag ist nicht begonnen.");
    auftrag->beginnen(Ausrichtung::hochformat);
    EXPECT_EQ(fehlertext([&] { auftrag->beenden(); }).rfind("Die Datei \"/nicht/vorhanden/x.pdf\" kann nicht "
                                                              "vollständig geschrieben werden.", 0),
              0u);
}

TEST(QtDruckauftrag, PrintoutsOfOneJobKeepTheirOwnOrientation)
{
    TestOrdner ordner;
    const QString datei = QString::fromStdString(ordner.pfad("sammel.pdf"));
    auto auftrag = QtDruckauftrag::pdf(datei);
    Sammelauftrag sammel(*auftrag);
    for (Ausrichtung a : {Ausrichtung::querformat, Ausrichtung::hochformat, Ausrichtung::hochformat}) {
        Druckseite seite(sammel, a);
        seite.text(5, 15, a == Ausrichtung::querformat ? "quer" : "hoch");
        seite.beenden();
    }
    sammel.abschliessen();
    const QString info = pdf_werkzeug(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                                   QStringLiteral("-l"), QStringLiteral("3"), datei});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page +1 size: +842 x 595"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page +2 size: +595 x 842"))));
    EXPECT_EQ(pdf_seitentexte(datei).size(), 3);
}
