#include "ui/hauptmenue.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace orbela {

namespace {

// Items are named after their field, so that they can be found by name.
QAction* eintrag(QMenu* menue, const QString& text, const char* name)
{
    QAction* a = menue->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QAction* haken(QMenu* menue, const QString& text, const char* name)
{
    QAction* a = eintrag(menue, text, name);
    a->setCheckable(true);
    return a;
}

} // namespace

Hauptmenue baue_hauptmenue(QMenuBar& leiste, const Optionen& anfangswerte)
{
    Hauptmenue m;

    QMenu* datei = leiste.addMenu(QStringLiteral("&Datei"));
    m.Neu1 = eintrag(datei, QStringLiteral("Neu"), "Neu1");
    m.Planladen1 = eintrag(datei, QStringLiteral("Laden..."), "Planladen1");
    m.Planspeichern1 = eintrag(datei, QStringLiteral("Speichern"), "Planspeichern1");
    m.Planspeichernunter1 = eintrag(datei, QStringLiteral("Speichern unter..."), "Planspeichernunter1");
    datei->addSeparator();
    m.ExportUVDtxt1 = eintrag(datei, QStringLiteral("Export UVD.txt"), "ExportUVDtxt1");
    m.AlsWebseitenSpeichern1 = eintrag(datei, QStringLiteral("Als Webseiten speichern..."), "AlsWebseitenSpeichern1");
    m.KalenderExportieren1 = eintrag(datei, QStringLiteral("Kalender exportieren..."), "KalenderExportieren1");
    datei->addSeparator();
    QMenu* drucken = datei->addMenu(QStringLiteral("Drucken"));
    m.Gesamtplan1 = eintrag(drucken, QStringLiteral("Gesamtplan"), "Gesamtplan1");
    m.Klassenplan1 = eintrag(drucken, QStringLiteral("Klassenplan"), "Klassenplan1");
    m.Klassenplanquer1 = eintrag(drucken, QStringLiteral("Klassenplan quer"), "Klassenplanquer1");
    m.Lehrerplan1 = eintrag(drucken, QStringLiteral("Lehrerplan"), "Lehrerplan1");
    m.Raumplan1 = eintrag(drucken, QStringLiteral("Raumplan"), "Raumplan1");
    m.Uebersichtsplan1 = eintrag(drucken, QStringLiteral("Übersichtsplan"), "Uebersichtsplan1");
    m.Uebersichtsplan161 = eintrag(drucken, QStringLiteral("Übersichtsplan (1-6)"), "Uebersichtsplan161");
    m.VertretungsplanDrucken1 = eintrag(drucken, QStringLiteral("Vertretungsplan"), "VertretungsplanDrucken1");
    drucken->addSeparator();
    QMenu* vorschau = drucken->addMenu(QStringLiteral("Vorschau"));
    m.UebersichtsplanVorschau1 = eintrag(vorschau, QStringLiteral("Übersichtsplan"), "UebersichtsplanVorschau1");
    m.Uebersichtsplan16Vorschau1 = eintrag(vorschau, QStringLiteral("Übersichtsplan (1-6)"), "Uebersichtsplan16Vorschau1");
    m.AllePlaeneAlsPdf1 = eintrag(drucken, QStringLiteral("Alle Pläne als PDF..."), "AllePlaeneAlsPdf1");
    m.Druckereinrichtung1 = eintrag(datei, QStringLiteral("Druckereinrichtung..."), "Druckereinrichtung1");
    datei->addSeparator();
    m.Lehrerdatei1 = eintrag(datei, QStringLiteral("Lehrerdatei..."), "Lehrerdatei1");
    m.Vertretungsplan1 = eintrag(datei, QStringLiteral("Vertretungsplan..."), "Vertretungsplan1");
    m.VertretungenDesTages1 = eintrag(datei, QStringLiteral("Vertretungen des Tages..."), "VertretungenDesTages1");
    datei->addSeparator();
    m.Info1 = eintrag(datei, QStringLiteral("Info"), "Info1");
    datei->addSeparator();
    m.Programmende1 = eintrag(datei, QStringLiteral("Programmende"), "Programmende1");

    QMenu* optionen = leiste.addMenu(QStringLiteral("&Optionen"));
    m.Lehrereinsatz1 = haken(optionen, QStringLiteral("doppelten Lehrereinsatz anzeigen"), "Lehrereinsatz1");
    m.Raumnutzung1 = haken(optionen, QStringLiteral("doppelte Raumnutzung anzeigen"), "Raumnutzung1");
    optionen->addSeparator();
    m.Klassenplananz1 = haken(optionen, QStringLiteral("Klassenplan anzeigen"), "Klassenplananz1");
    m.RaumLehrerplananz1 = haken(optionen, QStringLiteral("Raum/Lehrerplan anzeigen"), "RaumLehrerplananz1");
    m.Statistikanz1 = haken(optionen, QStringLiteral("Statistik anzeigen"), "Statistikanz1");
    m.Lehrereinsatzanz1 = haken(optionen, QStringLiteral("Lehrereinsatz anzeigen"), "Lehrereinsatzanz1");
    optionen->addSeparator();
    m.Sporthalle1 = haken(optionen, QStringLiteral("Raum \"tu\" gelb unterlegen (Ausdruck)"), "Sporthalle1");
    m.Schwimmen1 = haken(optionen, QStringLiteral("Raum \"sw\" blau unterlegen (Ausdruck)"), "Schwimmen1");
    m.Foerder1 = haken(optionen, QStringLiteral("Fach/Raum \"fö\" grün unterlegen (Ausdruck)"), "Foerder1");
    m.KlassenlehrerunterlegenAusdruck1 = haken(optionen, QStringLiteral("Klassenlehrer unterlegen (Ausdruck Kl-Plan quer)"), "KlassenlehrerunterlegenAusdruck1");
    optionen->addSeparator();
    m.Stunden081 = haken(optionen, QStringLiteral("Stunden 0-8 (statt 1-9)"), "Stunden081");

    QMenu* extras = leiste.addMenu(QStringLiteral("&Extras"));
    m.Rueckgaengig1 = eintrag(extras, QStringLiteral("Rückgängig"), "Rueckgaengig1");
    m.Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.Wiederholen1 = eintrag(extras, QStringLiteral("Wiederholen"), "Wiederholen1");
    m.Wiederholen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    extras->addSeparator();
    m.Lehrerersetzen1 = eintrag(extras, QStringLiteral("Lehrer ersetzen..."), "Lehrerersetzen1");
    m.Fcherbezeichnungen1 = eintrag(extras, QStringLiteral("Fächerbezeichnungen..."), "Fcherbezeichnungen1");
    m.Rau1 = eintrag(extras, QStringLiteral("Raumbezeichnungen..."), "Rau1");
    extras->addSeparator();
    m.Konfliktederwoche1 = eintrag(extras, QStringLiteral("Konflikte der Woche..."), "Konfliktederwoche1");

    for (const auto& [eintrag, option] : optionen_eintraege(m))
        eintrag->setChecked(anfangswerte.wert(option));
    return m;
}

std::array<std::pair<QAction*, Optionen::Art>, 11> optionen_eintraege(const Hauptmenue& m)
{
    return {{
        {m.Lehrereinsatz1, Optionen::Art::doppelter_lehrereinsatz},
        {m.Raumnutzung1, Optionen::Art::doppelte_raumnutzung},
        {m.Klassenplananz1, Optionen::Art::klassenplan_anzeigen},
        {m.RaumLehrerplananz1, Optionen::Art::raum_lehrerplan_anzeigen},
        {m.Statistikanz1, Optionen::Art::statistik_anzeigen},
        {m.Lehrereinsatzanz1, Optionen::Art::lehrereinsatz_anzeigen},
        {m.Sporthalle1, Optionen::Art::sporthalle_gelb},
        {m.Schwimmen1, Optionen::Art::schwimmen_blau},
        {m.Foerder1, Optionen::Art::foerder_gruen},
        {m.KlassenlehrerunterlegenAusdruck1, Optionen::Art::klassenlehrer_unterlegen},
        {m.Stunden081, Optionen::Art::stunden_0_8},
    }};
}

} // namespace orbela
