#pragma once

#include <string_view>

#include "canvas/farbe.h"
#include "print/druckauftrag.h"

namespace orbela {

// Page units: a portrait page is 800 units across and 1100 down, a landscape
// page 1100 across and 800 down, spanning the printable area; (0, 0) is its
// top-left corner. Both converters read the job's orientation and page size
// at every call and round to the nearest pixel, an exact half to even.
int druck_x(const Druckauftrag& auftrag, int v);
int druck_y(const Druckauftrag& auftrag, int v);

// The colours of the underlays.
namespace druckfarben {
inline constexpr Farbe turnhalle = farben::gelb;      // room "TU"
inline constexpr Farbe schwimmen = farben::aqua;      // room "SW"
inline constexpr Farbe foerder = farben::gruen;       // subject or room "FÖ"
inline constexpr Farbe klassenlehrer = farben::gelb;  // the class teacher's lessons
} // namespace druckfarben

// True when the code, upper-cased with umlauts ("fö" -> "FÖ"), is `gross`.
// `gross` is Windows-1252 upper case, e.g. "TU", "SW", "F\xD6".
bool ist_code(std::string_view code_1252, std::string_view gross);
inline constexpr std::string_view code_tu = "TU";
inline constexpr std::string_view code_sw = "SW";
inline constexpr std::string_view code_foe = "F\xD6";

// One printout's page, drawn in page units on a job's canvas. The
// constructor is the start of every printout: it begins the job in the
// orientation and sets black Arial 12 (plain), a black pen 1 pixel wide and a
// clear brush, so that texts stand on the paper or on an underlay without a
// box of their own. `beenden` ends the job.
class Druckseite {
public:
    Druckseite(Druckauftrag& auftrag, Ausrichtung ausrichtung);

    Druckauftrag& auftrag() { return auftrag_; }
    Canvas& canvas() { return auftrag_.canvas(); }
    int x(int v) const { return druck_x(auftrag_, v); }
    int y(int v) const { return druck_y(auftrag_, v); }

    // Pen width in device pixels (not scaled); font size in points.
    void stiftbreite(int pixel);
    void schriftgroesse(int punkte);

    void linie(int x1, int y1, int x2, int y2);
    // Outline in the pen, inside in the brush (clear unless changed).
    void rechteck(int x1, int y1, int x2, int y2);
    // The area filled in the colour, no outline; the brush is clear again
    // afterwards.
    void unterlegen(Farbe farbe, int x1, int y1, int x2, int y2);
    // The text's top-left corner at (x, y), in the current size or in the
    // size given.
    void text(int x, int y, std::string_view text_1252);
    void text(int punkte, int x, int y, std::string_view text_1252);
    // "Stand: " and the date, size 12.
    void stand(int x, int y, std::string_view datum_1252);

    void neue_seite() { auftrag_.neue_seite(); }
    void beenden() { auftrag_.beenden(); }

private:
    Druckauftrag& auftrag_;
};

} // namespace orbela
