#include "ui/kartei_bearbeiten.h"

#include "core/kartei_dateien.h"
#include "core/kartei_laden.h"
#include "ui/geschuetzt.h"

namespace orbela {

namespace {

// Reads the index the window starts with, from the same file as at program
// start: the card file, else the older teacher file, else the older address
// file, so a school that has only the address file keeps its people. With
// none of them (a new school) the index starts empty.
void kartei_laden(Sitzung& sitzung)
{
    kartei_beim_start_lesen(sitzung.kartei(), sitzung.programmpfad());
    sitzung.kartei().erster();
}

} // namespace

void kartei_bearbeiten(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern, Druckdienst* druckdienst)
{
    KarteiFenster fenster(sitzung, dialoge, eltern);
    fenster.setze_druckdienst(druckdienst);

    // A file that cannot be read ends the command here: the window is not
    // shown and the card file is not written over with a partial index.
    bool geladen = false;
    geschuetzt(dialoge, [&] {
        kartei_laden(sitzung);
        geladen = true;
    });
    if (!geladen)
        return;
    fenster.anzeigen();

    dialoge.modal(fenster);

    // However the window was closed, the shown card is stored. A failed save
    // keeps the previous file; the cards stay in memory and the user may try
    // again, since the next load of the file would drop them.
    const std::string karteipfad = sitzung.programmpfad() + kartei_datei;
    fenster.sichern();
    bool gespeichert = false;
    geschuetzt(dialoge, [&] {
        speichere_kartei(sitzung.kartei(), karteipfad);
        gespeichert = true;
    });
    while (!gespeichert
           && dialoge.frage(QStringLiteral("Die Lehrerkartei wurde nicht gespeichert. Ohne Speichern gehen die "
                                           "Änderungen beim nächsten Laden verloren.\n\nNoch einmal versuchen?"))) {
        geschuetzt(dialoge, [&] {
            sitzung.kartei().schreibe_kartei(karteipfad);
            gespeichert = true;
        });
    }
    sitzung.kartei_uebernehmen();
}

} // namespace orbela
