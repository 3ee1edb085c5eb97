#pragma once

#include <array>
#include <utility>

#include "core/optionen.h"

class QAction;
class QMenuBar;

namespace orbela {

// The items of the main menu, built into a menu bar in their order with
// their separators; the check marks of "Optionen" start as `optionen` are.
struct Hauptmenue {
    // Datei
    QAction* Neu1 = nullptr;
    QAction* Planladen1 = nullptr;
    QAction* Planspeichern1 = nullptr;
    QAction* Planspeichernunter1 = nullptr;
    QAction* ExportUVDtxt1 = nullptr;
    QAction* AlsWebseitenSpeichern1 = nullptr;
    QAction* KalenderExportieren1 = nullptr;
    QAction* Gesamtplan1 = nullptr;
    QAction* Klassenplan1 = nullptr;
    QAction* Klassenplanquer1 = nullptr;
    QAction* Lehrerplan1 = nullptr;
    QAction* Raumplan1 = nullptr;
    QAction* Uebersichtsplan1 = nullptr;
    QAction* Uebersichtsplan161 = nullptr;
    QAction* VertretungsplanDrucken1 = nullptr;
    QAction* UebersichtsplanVorschau1 = nullptr;
    QAction* Uebersichtsplan16Vorschau1 = nullptr;
    QAction* AllePlaeneAlsPdf1 = nullptr;
    QAction* Druckereinrichtung1 = nullptr;
    QAction* Lehrerdatei1 = nullptr;
    QAction* Vertretungsplan1 = nullptr;
    QAction* VertretungenDesTages1 = nullptr;
    QAction* Info1 = nullptr;
    QAction* Programmende1 = nullptr;
    // Optionen
    QAction* Lehrereinsatz1 = nullptr;
    QAction* Raumnutzung1 = nullptr;
    QAction* Klassenplananz1 = nullptr;
    QAction* RaumLehrerplananz1 = nullptr;
    QAction* Statistikanz1 = nullptr;
    QAction* Lehrereinsatzanz1 = nullptr;
    QAction* Sporthalle1 = nullptr;
    QAction* Schwimmen1 = nullptr;
    QAction* Foerder1 = nullptr;
    QAction* KlassenlehrerunterlegenAusdruck1 = nullptr;
    QAction* Stunden081 = nullptr;
    // Extras
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederholen1 = nullptr;
    QAction* Lehrerersetzen1 = nullptr;
    QAction* Fcherbezeichnungen1 = nullptr;
    QAction* Rau1 = nullptr;
    QAction* Konfliktederwoche1 = nullptr;
};

Hauptmenue baue_hauptmenue(QMenuBar& leiste, const Optionen& optionen);

// The check-mark items of "Optionen" with the option each one switches.
std::array<std::pair<QAction*, Optionen::Art>, 11> optionen_eintraege(const Hauptmenue& menue);

} // namespace orbela
