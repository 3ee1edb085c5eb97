#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "print/druckauftrag.h"

class QPrinter;

namespace orbela {

class Dialoge;

// Where the print jobs of a run go: to the printer chosen under
// "Druckereinrichtung...", else the system's default printer, else the only
// or first one installed; with no printer at all (or a PDF file chosen in the
// dialog) a job becomes a PDF file named after the printout and its subject,
// in the folder "Ausdrucke" of the working directory (or the chosen file's
// folder). The Druckablauf, which runs every print command of the program,
// takes its jobs from here.
class Druckausgabe {
public:
    // The printers of the system.
    struct Druckerliste {
        QStringList installiert;
        QString standard; // empty when none is marked as default
    };

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

    // Asked after each printout of a long PDF with the number done and the
    // total; false cancels. Without one a progress dialog is shown.
    using Fortschritt = std::function<bool(int fertig, int gesamt)>;
    void fortschritt(Fortschritt f) { fortschritt_ = std::move(f); }
    const Fortschritt& fortschritt() const { return fortschritt_; }

    // True when the jobs go to a printer, false when they become PDF files.
    bool auf_drucker();
    // The folder the PDF files go to.
    QString pdf_ordner() const;
    // A file's path as seen from the program folder, for notices; a file
    // outside that folder keeps its full path.
    QString relativ(const QString& pfad) const;
    // The notice that printouts become PDF files as no printer is
    // installed: once in a run, after the first such job; empty otherwise.
    QString ohne_drucker_hinweis();

    // The printer of the system without set-up: the default, else the only
    // or first installed one; empty when there is none.
    static QString waehle_drucker(const Druckerliste& liste);
    // Where the list of printers comes from (the system's by default).
    void drucker_quelle(std::function<Druckerliste()> quelle) { quelle_ = std::move(quelle); }

    // Never use a printer, only PDF files (for tests and machines whose
    // printers must not be used).
    void nur_pdf(bool an) { nur_pdf_ = an; }

    // The printer for a preview of the printout `name`: the one the jobs go
    // to, or without one a PDF file of that name in the PDF folder.
    QPrinter& vorschau_drucker(const QString& name);

    // The name with every character that cannot stand in a file name
    // replaced by '_'.
    static QString dateiname(QString name);
    // A free file name for the printout in the folder: "Klassenplan 1a.pdf",
    // or with " (2)", " (3)", ... before ".pdf" when that exists. Characters
    // that cannot stand in a file name become '_'.
    static QString pdf_name(const QString& ordner, const QString& ausdruck, const QString& thema);

private:
    std::string programmpfad_;
    std::unique_ptr<QPrinter> drucker_;
    std::unique_ptr<QPrinter> pdf_drucker_; // previews without a printer
    std::function<Druckerliste()> quelle_;
    bool eingerichtet_ = false;
    bool nur_pdf_ = false;
    bool ohne_drucker_ = false;          // the last job became a PDF for want of a printer
    bool ohne_drucker_gemeldet_ = false; // and this was said
    Fortschritt fortschritt_;
    QString letzte_datei_;
};

} // namespace orbela
