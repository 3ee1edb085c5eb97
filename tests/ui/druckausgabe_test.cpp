#include <gtest/gtest.h>

#include <QDir>

#include "../test_ordner.h"
#include "pdf_werkzeug.h"
#include "print/druckseite.h"
#include "ui/druckausgabe.h"

using namespace orbela;

TEST(Druckausgabe, WithoutAPrinterEachJobIsANewPdfInAusdrucke)
{
    TestOrdner ordner;
    Druckausgabe ausgabe(ordner.pfad("") + "/");
    ausgabe.nur_pdf(true);
    const QString ausdrucke = QString::fromStdString(ordner.pfad("Ausdrucke"));
    const std::vector<std::pair<QString, QString>> auftraege = {
        {"Klassenplan", "1a"}, {"Klassenplan", "1a"}, {"Klassenplan", "1a"},
        {"Gesamtplan", "Mo"},  {"Raumplan", "a/b:c"}, {QStringLiteral("Übersichtsplan"), ""}};
    const QStringList erwartet = {"Klassenplan 1a.pdf", "Klassenplan 1a (2).pdf", "Klassenplan 1a (3).pdf",
                                  "Gesamtplan Mo.pdf",  "Raumplan a_b_c.pdf",     QStringLiteral("Übersichtsplan.pdf")};
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        auto auftrag = ausgabe.auftrag(auftraege[i].first, auftraege[i].second);
        EXPECT_EQ(ausgabe.letzte_datei(), ausdrucke + u'/' + erwartet[static_cast<qsizetype>(i)]);
        Druckseite seite(*auftrag, Ausrichtung::hochformat);
        seite.text(10, 10, "x");
        seite.beenden();
    }
    EXPECT_EQ(QDir(ausdrucke).entryList(QDir::Files, QDir::Name).size(), erwartet.size());
    EXPECT_EQ(pdf_seiten(ausdrucke + QStringLiteral("/Klassenplan 1a (2).pdf")), 1);
}
