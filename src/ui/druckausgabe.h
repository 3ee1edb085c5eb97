#pragma once

#include <QString>
#include <memory>
#include <string>

#include "print/druckauftrag.h"

class QPrinter;

namespace orbela {

class Dialoge;

// Where the print jobs of a run go: to the printer chosen under
// "Druckereinrichtung..." or the system's default printer; with no printer
// installed (or a PDF file chosen in the dialog) each job becomes a PDF file
// of its own, named after the printout and its subject, in the folder
// "Ausdrucke" of the working directory (or the chosen file's folder).
//
// Every printout of the program gets its job here:
//
//   auto auftrag = druckausgabe.auftrag("Klassenplan", "1a");
//   drucke_klassenplan(*auftrag, ...);
//   // then show druckausgabe.letzte_datei() in the status bar, if not empty
class Druckausgabe {
public:
    // `programmpfad` is the working directory, ending in '/'.
    explicit Druckausgabe(std::string programmpfad);
    ~Druckausgabe();
    Druckausgabe(const Druckausgabe&) = delete;
    Druckausgabe& operator=(const Druckausgabe&) = delete;

    // "Druckereinrichtung...": Qt's printer dialog (every printer of the
    // system, or a PDF file). Its result is not examined beyond that.
    void einrichten(Dialoge& dialoge);

    // A new job for one printout, e.g. ("Gesamtplan", "Mo"); an empty
    // subject leaves the file name at the printout's name. The job starts
    // when the printout begins it.
    std::unique_ptr<Druckauftrag> auftrag(const QString& ausdruck, const QString& thema);

    // The PDF file the last job was given, empty when it went to a printer.
    const QString& letzte_datei() const { return letzte_datei_; }

    // Never use a printer, only PDF files (for tests and machines whose
    // printers must not be used).
    void nur_pdf(bool an) { nur_pdf_ = an; }

    // A free file name for the printout in the folder: "Klassenplan 1a.pdf",
    // or with " (2)", " (3)", ... before ".pdf" when that exists. Characters
    // that cannot stand in a file name become '_'.
    static QString pdf_name(const QString& ordner, const QString& ausdruck, const QString& thema);

private:
    bool auf_drucker() const;

    std::string programmpfad_;
    std::unique_ptr<QPrinter> drucker_;
    bool eingerichtet_ = false;
    bool nur_pdf_ = false;
    QString letzte_datei_;
};

} // namespace orbela
