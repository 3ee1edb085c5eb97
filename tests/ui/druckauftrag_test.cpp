#include <gtest/gtest.h>

#include "../test_ordner.h"
#include "../testhilfe.h"
#include "pdf_werkzeug.h"
#include "print/druckseite.h"
#include "ui/qt_druckauftrag.h"

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
