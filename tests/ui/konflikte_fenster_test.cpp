#include <QLabel>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "konflikt_schule.h"
#include "ui/konflikte_fenster.h"

using namespace orbela;

namespace {

QStringList zeile(const QTreeWidget& liste, int i)
{
    QStringList texte;
    for (int s = 0; s < liste.columnCount(); ++s)
        texte << liste.topLevelItem(i)->text(s);
    return texte;
}

} // namespace

TEST(KonflikteFenster, ListsTheWeeksConflictsCountsThemAndReportsADoubleClick)
{
    Sitzung sitzung("/nonexistent/");
    KonflikteFenster fenster(sitzung);
    EXPECT_EQ(fenster.Anzahl->text(), "Keine Konflikte");
    EXPECT_FALSE(fenster.isModal());

    auto plan = std::make_unique<plantyp>(sitzung.plan());
    konflikt_schule(*plan, sitzung.lehrerliste());
    sitzung.dokument().beginnen(*plan);
    sitzung.setze_option(Optionen::Art::stunden_0_8, true);
    fenster.aktualisieren();
    EXPECT_EQ(fenster.windowTitle(), "Konflikte der Woche");
    EXPECT_EQ(fenster.Anzahl->text(), "4 Konflikte");
    ASSERT_EQ(fenster.Liste->topLevelItemCount(), 4);
    const QStringList erwartet[] = {
        {"Montag", "1", "1a, 3a", "Ab", "Lehrer doppelt eingesetzt"},
        {"Dienstag", "3", "2a", "Cd", "Lehrer in gesperrter Stunde"},
        {"Mittwoch", "0", "5a", "Xy", "Lehrerkürzel ohne Karte"},
        {"Donnerstag", "8", "4a, 6a", "R1", "Raum doppelt belegt"},
    };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(zeile(*fenster.Liste, i), erwartet[i]) << i;

    fenster.show();
    QSignalSpy gewaehlt(&fenster, &KonflikteFenster::zelleGewaehlt);
    QTreeWidget& liste = *fenster.Liste;
    const QPoint mitte = liste.visualItemRect(liste.topLevelItem(3)).center();
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, mitte);
    QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, mitte);
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(gewaehlt.front(), (QVariantList{4, 9, 4}));

    // A renamed class shows although the conflicts stay the same.
    sitzung.dokument().setze_klassenfeld(6, Klassenfeld::klasse, "6b");
    fenster.aktualisieren();
    EXPECT_EQ(fenster.Liste->topLevelItem(3)->text(2), "4a, 6b");

    Dokument& d = sitzung.dokument();
    d.setze_code({4, 9, 6}, Codefeld::lehrer, "Cd");
    d.setze_code({4, 9, 6}, Codefeld::fach, "Ma");
    d.setze_code({4, 9, 6}, Codefeld::raum, "R6");
    d.loesche_zelle({1, 2, 3});
    d.loesche_zelle({3, 1, 5});
    fenster.aktualisieren();
    EXPECT_EQ(fenster.Anzahl->text(), "1 Konflikt");
}
