#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "print/druckauftrag.h"

class QPrinter;
class QWidget;

namespace orbela {

class Dialoge;
class Druckausgabe;

// One print command: the printouts of the chosen entries, in the order
// chosen, e.g. the class plans of 1a, 2b and 3c.
struct Druckbefehl {
    struct Ausdruck {
        QString thema; // "1a"; empty for a printout without one
        std::function<void(Druckauftrag&)> drucken;
    };
    QString name;     // "Klassenplan"
    QString mehrzahl; // "Klassenpläne", the name of one file of several
    std::vector<Ausdruck> ausdrucke;

    // The name of one file holding every printout: "Klassenplan 1a" for a
    // single one, "Klassenpläne" for several.
    QString dateiname() const;
    // Draws every printout as the pages of one job and ends it. `weiter` is
    // asked after each printout with the number done; false stops before
    // the job is ended.
    bool als_ein_auftrag(Druckauftrag& auftrag, const std::function<bool(int)>& weiter = {}) const;
};

// Where a command's pages go.
enum class Druckziel { drucker, vorschau, pdf };

// Runs print commands for every window of the program: to the printer one
// job per printout; without a printer all printouts in one PDF file; in Qt's
// print preview; or as one PDF file named in a save dialog.
class Druckablauf {
public:
    // `meldung` shows a short notice in the status bar.
    Druckablauf(Druckausgabe& ausgabe, Dialoge& dialoge, QWidget* eltern, std::function<void(const QString&)> meldung);

    void ausfuehren(const Druckbefehl& befehl, Druckziel ziel);

    // The file every printout of the last command went to, empty when they
    // went to a printer or the preview.
    const QString& letzte_datei() const { return letzte_datei_; }
    // A file's path as seen from the program folder, for notices.
    QString relativ(const QString& datei) const;

private:
    void drucken(const Druckbefehl& befehl);
    void vorschau(const Druckbefehl& befehl);
    void als_pdf(const Druckbefehl& befehl);
    // Writes the command as one PDF file; false when cancelled (no file).
    bool schreibe_pdf(const Druckbefehl& befehl, const QString& datei, bool mit_fortschritt);
    void gespeichert(const QString& datei);

    Druckausgabe& ausgabe_;
    Dialoge& dialoge_;
    QWidget* eltern_;
    std::function<void(const QString&)> meldung_;
    QString letzte_datei_;
};

} // namespace orbela
