#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/sitzung.h"
#include "print/druckauftrag.h"
#include "ui/drucken/druckablauf.h"
#include "ui/drucken/druckdienst.h"

class QWidget;

namespace orbela {

class Dialoge;
class Druckausgabe;
class DruckauswahlDialog;
class NamenstabelleDialog;
struct Druckdaten;

// The print commands of "Datei / Drucken", the printer set-up and the two
// name-table commands of "Extras", over the state of the run. Owns the
// selection window, the name-table windows and where the jobs go.
class DruckBefehle : public Druckdienst {
public:
    // `meldung` shows a short notice in the status bar; jobs go to `ausgabe`
    // (by default the printer set up, or PDF files in the program folder).
    DruckBefehle(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern, std::function<void(const QString&)> meldung,
                 std::unique_ptr<Druckausgabe> ausgabe = nullptr);
    ~DruckBefehle() override;

    void gesamtplan_drucken();            // "Gesamtplan"
    void klassenplaene_drucken();         // "Klassenplan"
    void klassenplaene_quer_drucken();    // "Klassenplan quer"
    void lehrerplaene_drucken();          // "Lehrerplan"
    void raumplaene_drucken();            // "Raumplan"
    void uebersichtsplan_drucken();       // "Übersichtsplan"
    void uebersichtsplan_1_6_drucken();   // "Übersichtsplan (1-6)"
    void uebersichtsplan_vorschau();      // "Vorschau / Übersichtsplan"
    void uebersichtsplan_1_6_vorschau();  // "Vorschau / Übersichtsplan (1-6)"
    void alle_plaene_als_pdf();           // "Alle Pläne als PDF..."
    void vertretungsplaene_drucken();     // "Vertretungsplan", a sheet per teacher
    void drucker_einrichten();
    void faecherbezeichnungen_bearbeiten();
    void raumbezeichnungen_bearbeiten();

    // The other windows' printouts (card index, substitution plan) run here,
    // the same way as the commands above.
    QString drucke(const Druckbefehl& befehl, Druckziel ziel = Druckziel::drucker) override;

private:
    // The printouts of the chosen entries as one command, to where the
    // selection window was closed for.
    void fuer_jedes(const QString& name, const QString& mehrzahl, const std::vector<int>& positionen,
                    const std::function<Druckbefehl::Ausdruck(int)>& eintrag);
    // Fills the selection window, shows it and returns the chosen list
    // positions; none when it was not closed with OK.
    std::vector<int> auswahl(const std::vector<std::string>& eintraege);
    Druckdaten daten() const;
    void namenstabelle_zeigen(NamenstabelleDialog& dialog);
    Druckbefehl::Ausdruck klassenplan(const Druckdaten& d, const std::vector<std::string>& klassen, int p);
    Druckbefehl::Ausdruck lehrerplan(const Druckdaten& d, const std::string& code);
    Druckbefehl::Ausdruck raumplan(const Druckdaten& d, const std::string& code);
    void uebersicht(bool nur_1_6, Druckziel ziel);

    Sitzung& sitzung_;
    Dialoge& dialoge_;
    std::unique_ptr<Druckausgabe> ausgabe_;
    std::unique_ptr<Druckablauf> ablauf_;
    std::unique_ptr<DruckauswahlDialog> druckauswahl_;
    std::unique_ptr<NamenstabelleDialog> faecher_dialog_;
    std::unique_ptr<NamenstabelleDialog> raeume_dialog_;
};

} // namespace orbela
