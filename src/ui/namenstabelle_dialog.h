#pragma once

#include <string>

#include "core/namenstabelle.h"
#include "ui/zentrieren.h"

class QPushButton;
class QTableWidget;

namespace orbela {

class Dialoge;

// The window of one name table ("Fächer" or "Raumbezeichnungen"): a table of
// codes and names that the user edits, adds rows to and deletes rows from.
// Codes must be unique (ignoring case, as the look-up does) and contain no
// "=", and a row with a name needs a code. "OK" closes with the result OK;
// the caller then saves.
class NamenstabelleDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    struct Art {
        const char* objekt;       // "Form8", "Form9"
        QString titel;
        int breite;
        int hoehe;
        QString name_spalte;
        int kuerzel_breite;
        int name_breite;
        const char* datei;
    };
    static const Art faecher;
    static const Art raeume;

    NamenstabelleDialog(const Art& art, std::string programmpfad, Dialoge& dialoge, QWidget* parent = nullptr);

    // Replaces the rows by the lines of the window's file (a missing file
    // gives an empty table). Throws Fehler when it cannot be read.
    void init();
    // Writes the rows to the file. Throws Fehler when it cannot be written.
    void speichern();
    // The rows as they stand in the window.
    Namenstabelle tabelle() const;
    std::string datei() const { return programmpfad_ + art_.datei; }

    // "OK": refuses a row with a name but no code, which would name every
    // empty code; otherwise closes with the result OK.
    void accept() override;

    QTableWidget* Tabelle = nullptr;
    QPushButton* BitBtn1 = nullptr; // "OK"
    QPushButton* ZeileNeu = nullptr;
    QPushButton* ZeileLoeschen = nullptr;

private:
    void zeile_anfuegen();
    void zeile_loeschen();
    void kuerzel_geaendert(int zeile);
    void zeilen_zeigen(const Namenstabelle& t);

    const Art& art_;
    std::string programmpfad_;
    Dialoge& dialoge_;
    bool fuellt_ = false;
    // The code of each row before its last edit, to put back a refused one.
    std::vector<QString> alte_kuerzel_;
};

} // namespace orbela
