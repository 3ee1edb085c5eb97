#pragma once

#include <string_view>

#include "canvas/canvas.h"

namespace orbela::raster {

// Geometry of the plan grid image: column c (0..20) spans x = 50c..50c+50,
// row l (0..9) spans y = 75l..75l+75; column 0 holds the lesson headers, row
// 0 the class headers. Class column 20 lies beyond the visible 1000 pixels.
inline constexpr int bild_breite = 1000;
inline constexpr int bild_hoehe = 750;
inline constexpr int spalte = 50;
inline constexpr int zeile = 75;

constexpr int links(int klasse) { return spalte * klasse; }
constexpr int oben(int stunde) { return zeile * stunde; }

// Font sizes in points.
inline constexpr int gross = 12;
inline constexpr int mittel = 10;
inline constexpr int klein = 8;

// Where one code of a cell is written: top-left corner and font size.
struct Textplatz {
    int x;
    int y;
    int groesse;
};

enum class Code { lehrer, fach, raum };

// A single cell shows its first occupancy over the whole width.
constexpr Textplatz einzeln(Code code, int stunde, int klasse)
{
    const int x = links(klasse) + 15;
    switch (code) {
    case Code::lehrer: return {x, oben(stunde) + 1, gross};
    case Code::fach: return {x, oben(stunde) + 28, mittel};
    case Code::raum: break;
    }
    return {x, oben(stunde) + 53, mittel};
}

// A double cell shows the first occupancy in the left half, the second in
// the right half, all in the small size.
constexpr Textplatz geteilt(Code code, bool zweite, int stunde, int klasse)
{
    const int x = links(klasse) + (zweite ? 29 : 4);
    const int zeile_y = code == Code::lehrer ? 4 : code == Code::fach ? 29 : 54;
    return {x, oben(stunde) + zeile_y, klein};
}

// Sets the size and writes the text there.
inline void schreibe(Canvas& canvas, Textplatz platz, std::string_view text)
{
    canvas.setze_schrift_groesse(platz.groesse);
    canvas.text(platz.x, platz.y, text);
}

} // namespace orbela::raster
