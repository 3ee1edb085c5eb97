#include "ui/hauptmenue.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace orbela {

namespace {

QAction* eintrag(QMenu* menue, const QString& text)
{
    return menue->addAction(text);
}

QAction* haken(QMenu* menue, const QString& text, bool an)
{
    QAction* a = menue->addAction(text);
    a->setCheckable(true);
    a->setChecked(an);
    return a;
}

} // namespace

Hauptmenue baue_hauptmenue(QMenuBar& leiste)
{
    Hauptmenue m;

    QMenu* datei = leiste.addMenu(QStringLiteral("&Datei"));
    m.Neu1 = eintrag(datei, QStringLiteral("Neu"));
    m.Planladen1 = eintrag(datei, QStringLiteral("Laden..."));
    m.Planspeichern1 = eintrag(datei, QStringLiteral("Speichern"));
    m.Planspeichernunter1 = eintrag(datei, QStringLiteral("Speichern unter..."));
    datei->addSeparator();
    m.ExportUVDtxt1 = eintrag(datei, QStringLiteral("Export UVD.txt"));
    datei->addSeparator();
    QMenu* drucken = datei->addMenu(QStringLiteral("Drucken"));
    m.Gesamtplan1 = eintrag(drucken, QStringLiteral("Gesamtplan"));
    m.Klassenplan1 = eintrag(drucken, QStringLiteral("Klassenplan"));
    m.Klassenplanquer1 = eintrag(drucken, QStringLiteral("Klassenplan quer"));
    m.Lehrerplan1 = eintrag(drucken, QStringLiteral("Lehrerplan"));
    m.Raumplan1 = eintrag(drucken, QStringLiteral("Raumplan"));
    m.Uebersichtsplan1 = eintrag(drucken, QStringLiteral("Übersichtsplan"));
    m.Uebersichtsplan161 = eintrag(drucken, QStringLiteral("Übersichtsplan (1-6)"));
    m.VertretungsplanDrucken1 = eintrag(drucken, QStringLiteral("Vertretungsplan"));
    drucken->addSeparator();
    QMenu* vorschau = drucken->addMenu(QStringLiteral("Vorschau"));
    m.UebersichtsplanVorschau1 = eintrag(vorschau, QStringLiteral("Übersichtsplan"));
    m.Uebersichtsplan16Vorschau1 = eintrag(vorschau, QStringLiteral("Übersichtsplan (1-6)"));
    m.AllePlaeneAlsPdf1 = eintrag(drucken, QStringLiteral("Alle Pläne als PDF..."));
    m.Druckereinrichtung1 = eintrag(datei, QStringLiteral("Druckereinrichtung..."));
    datei->addSeparator();
    m.Lehrerdatei1 = eintrag(datei, QStringLiteral("Lehrerdatei..."));
    m.Vertretungsplan1 = eintrag(datei, QStringLiteral("Vertretungsplan..."));
    datei->addSeparator();
    m.Info1 = eintrag(datei, QStringLiteral("Info"));
    datei->addSeparator();
    m.Programmende1 = eintrag(datei, QStringLiteral("Programmende"));

    QMenu* optionen = leiste.addMenu(QStringLiteral("&Optionen"));
    m.Lehrereinsatz1 = haken(optionen, QStringLiteral("doppelten Lehrereinsatz anzeigen"), true);
    m.Raumnutzung1 = haken(optionen, QStringLiteral("doppelte Raumnutzung anzeigen"), true);
    optionen->addSeparator();
    m.Klassenplananz1 = haken(optionen, QStringLiteral("Klassenplan anzeigen"), true);
    m.RaumLehrerplananz1 = haken(optionen, QStringLiteral("Raum/Lehrerplan anzeigen"), true);
    m.Statistikanz1 = haken(optionen, QStringLiteral("Statistik anzeigen"), true);
    m.Lehrereinsatzanz1 = haken(optionen, QStringLiteral("Lehrereinsatz anzeigen"), true);
    optionen->addSeparator();
    m.Sporthalle1 = haken(optionen, QStringLiteral("Raum \"tu\" gelb unterlegen (Ausdruck)"), true);
    m.Schwimmen1 = haken(optionen, QStringLiteral("Raum \"sw\" blau unterlegen (Ausdruck)"), true);
    m.Foerder1 = haken(optionen, QStringLiteral("Fach/Raum \"fö\" grün unterlegen (Ausdruck)"), true);
    m.KlassenlehrerunterlegenAusdruck1
        = haken(optionen, QStringLiteral("Klassenlehrer unterlegen (Ausdruck Kl-Plan quer)"), true);
    optionen->addSeparator();
    m.Stunden081 = haken(optionen, QStringLiteral("Stunden 0-8 (statt 1-9)"), false);

    QMenu* extras = leiste.addMenu(QStringLiteral("&Extras"));
    m.Rueckgaengig1 = eintrag(extras, QStringLiteral("Rückgängig"));
    m.Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.Wiederholen1 = eintrag(extras, QStringLiteral("Wiederholen"));
    m.Wiederholen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    extras->addSeparator();
    m.Lehrerersetzen1 = eintrag(extras, QStringLiteral("Lehrer ersetzen..."));
    m.Fcherbezeichnungen1 = eintrag(extras, QStringLiteral("Fächerbezeichnungen..."));
    m.Rau1 = eintrag(extras, QStringLiteral("Raumbezeichnungen..."));

    return m;
}

} // namespace orbela
