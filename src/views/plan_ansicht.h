#pragma once

#include <string_view>

#include "core/auswahl.h"
#include "core/dokument.h"
#include "core/lehrerliste.h"
#include "core/optionen.h"
#include "core/plantyp.h"
#include "views/bildflaechen.h"

namespace orbela {

struct Wochenkuerzel;

// Every picture of the main window: the plan grid of one day with its
// conflict colours, and the side views of the cell painted last. It reads
// the model, the options and the teacher list it is given and draws through
// the images' canvases.
class PlanAnsicht {
public:
    PlanAnsicht(const plantyp& plan, const Optionen& optionen, const Lehrerliste& liste,
                Bildflaechen bilder, AnsichtsHost& host);

    // The blank grid with all headers and lesson times.
    void aufbau_plan();
    // Every cell of the day, both checks for each lesson row, the day name
    // in the corner, and the day tab.
    void anzeigen(int tag);
    // One cell or header, on yellow when highlighted; for a cell also the
    // dispensability boxes, the checks of its row and the side views.
    void feld(int tag, int stunde, bool hervorgehoben, int klasse);
    // Blanks every side-view image.
    void leere_felder();
    // The blank grid and every cell of the day, nothing highlighted.
    void neu_zeichnen(int tag);
    // Draws again what a change of the session touched: the cell or header
    // (highlighted when selected) if it is on the shown day, or the whole
    // grid; a new plan also blanks the side views. An option of the grid
    // draws the grid anew, one of the side views blanks them; a new teacher
    // list does both while there is a plan.
    void zeige_aenderung(const Aenderung& aenderung, const Auswahl& auswahl, bool kein_plan);

    // Conflict colours of one lesson row: teachers, rooms.
    void check_1(int tag, int stunde, bool hervorgehoben, int klasse);
    void check_2(int tag, int stunde, bool hervorgehoben, int klasse);

    // Side views of the cell painted last.
    void aufbau_lehrerplan(std::string_view erster, std::string_view zweiter);
    void aufbau_raumplan(std::string_view erster, std::string_view zweiter);
    void aufbau_statistik();
    void aufbau_klassenplan(int klasse);
    void aufbau_lehrer(int tag, int stunde, int klasse);

private:
    const plantyp& plan_;
    const Optionen& optionen_;
    const Lehrerliste& liste_;
    Bildflaechen bilder_;
    AnsichtsHost& host_;

    // side views
    // The inputs each side-view image was last completely drawn from (empty:
    // draw it anew), so that a picture that would not change is not redrawn.
    std::array<std::vector<unsigned char>, Bildflaechen::anzahl + 1> seiten_stand_;
    // Forgets them all; for whatever draws over the side-view images.
    void seitenansichten_vergessen();
    // The weeks of a cell's two teacher or room codes into images n and n+1.
    void zwei_wochen(const Wochenkuerzel& woche, std::string_view erster, std::string_view zweiter,
                     int bild, bool mit_sperren);
};

} // namespace orbela
