#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <filesystem>

#include "test_ordner.h"
#include "core/fehler.h"
#include "ui/pdf_werkzeug.h"
#include "print/druckseite.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/druckdatum.h"

using namespace orbela;

namespace {

class DruckausgabeTest : public ::testing::Test {
protected:
    DruckausgabeTest() { ausgabe.nur_pdf(true); }

    // One page with one text on a new job.
    void drucke(const QString& ausdruck, const QString& thema)
    {
        auto auftrag = ausgabe.auftrag(ausdruck, thema);
        Druckseite seite(*auftrag, Ausrichtung::hochformat);
        seite.text(10, 10, "x");
        seite.beenden();
    }

    TestOrdner ordner;
    Druckausgabe ausgabe{ordner.pfad("") + "/"};
    const QString ausdrucke = QString::fromStdString(ordner.pfad("Ausdrucke"));
};

} // namespace

TEST_F(DruckausgabeTest, WithoutAPrinterEachJobIsANewPdfInAusdrucke)
{
    const std::vector<std::pair<QString, QString>> auftraege = {
        {"Klassenplan", "1a"}, {"Klassenplan", "1a"}, {"Klassenplan", "1a"},
        {"Gesamtplan", "Mo"},  {"Raumplan", "a/b:c"}, {QStringLiteral("Übersichtsplan"), ""}};
    const QStringList erwartet = {"Klassenplan 1a.pdf", "Klassenplan 1a (2).pdf", "Klassenplan 1a (3).pdf",
                                  "Gesamtplan Mo.pdf",  "Raumplan a_b_c.pdf",     QStringLiteral("Übersichtsplan.pdf")};
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        drucke(auftraege[i].first, auftraege[i].second);
        EXPECT_EQ(ausgabe.letzte_datei(), ausdrucke + u'/' + erwartet[static_cast<qsizetype>(i)]);
    }
    EXPECT_EQ(QDir(ausdrucke).entryList(QDir::Files, QDir::Name).size(), erwartet.size());
    EXPECT_EQ(pdf_seiten(ausdrucke + QStringLiteral("/Klassenplan 1a (2).pdf")), 1);
}

TEST_F(DruckausgabeTest, NoticesNameFilesFromTheProgramFolderAndOthersInFull)
{
    const QString innen = ausdrucke + QStringLiteral("/Klassenpläne.pdf");
    EXPECT_EQ(ausgabe.relativ(innen), QStringLiteral("Ausdrucke/Klassenpläne.pdf"));
    EXPECT_EQ(ausgabe.relativ(QStringLiteral("/anderswo/Alle Pläne.pdf")), QStringLiteral("/anderswo/Alle Pläne.pdf"));
}

TEST_F(DruckausgabeTest, PrinterIsTheDefaultElseTheFirstInstalledElseNone)
{
    using Liste = Druckausgabe::Druckerliste;
    const std::vector<std::pair<Liste, QString>> faelle = {
        {{{"Laser", "Tinte"}, "Tinte"}, "Tinte"},
        {{{"Laser", "Tinte"}, ""}, "Laser"},
        {{{"Laser"}, ""}, "Laser"},
        {{{}, ""}, ""},
    };
    for (const auto& [liste, erwartet] : faelle)
        EXPECT_EQ(Druckausgabe::waehle_drucker(liste), erwartet) << liste.installiert.join(',').toStdString();
}

TEST_F(DruckausgabeTest, APdfThatCannotBeWrittenCompletelyIsReportedAndLeavesNoFile)
{
    // The folder goes away while the page is drawn: removed, or a file
    // put in its place.
    const std::vector<bool> als_datei = {false, true};
    for (bool datei : als_datei) {
        auto auftrag = ausgabe.auftrag("Klassenplan", "1a");
        const QString ziel = ausgabe.letzte_datei();
        Druckseite seite(*auftrag, Ausrichtung::hochformat);
        seite.text(10, 10, "x");
        std::filesystem::remove_all(ausdrucke.toStdString());
        if (datei)
            QFile(ausdrucke).open(QIODevice::WriteOnly);
        try {
            seite.beenden();
            ADD_FAILURE() << "no error";
        } catch (const Fehler& f) {
            EXPECT_TRUE(QString::fromStdString(f.text())
                            .startsWith("Die Datei \"" + ziel + "\" kann nicht vollständig geschrieben werden."))
                << f.text();
        }
        EXPECT_FALSE(QFile::exists(ziel));
        std::filesystem::remove_all(ausdrucke.toStdString());
    }
}

// The test program is set up as the real one; under a C or POSIX locale
// Qt's dialogs then format in German, under any other as the system does.
TEST(Druckdatum, QtDialogsFormatInGermanRatherThanInTheCLocale)
{
    EXPECT_NE(QLocale().language(), QLocale::C);
    if (QLocale::system().language() != QLocale::C) {
        EXPECT_EQ(QLocale(), QLocale::system());
    }
}

TEST(Druckdatum, ShortDateOfTheLocaleAndGermanForCOrPosix)
{
    const QDate tag(2026, 12, 9);
    const std::vector<std::pair<QLocale, std::string>> faelle = {
        {QLocale::c(), "09.12.26"},
        {QLocale(QStringLiteral("POSIX")), "09.12.26"},
        {QLocale(QLocale::German, QLocale::Germany), "09.12.26"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "12/9/26"},
    };
    for (const auto& [gebiet, erwartet] : faelle)
        EXPECT_EQ(druckdatum(tag, gebiet), erwartet) << gebiet.name().toStdString();
}
