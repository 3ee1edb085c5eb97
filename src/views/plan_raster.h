#pragma once

#include <optional>
#include <string_view>

#include "canvas/canvas.h"
#include "core/plantyp.h"

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

// What a point of the image lies on: lesson 0 is the class header row,
// class 0 the lesson header column, both 0 the day corner. `rechts` is the
// right half of the column, where a double cell shows its second occupancy.
struct Treffer {
    int stunde;
    int klasse;
    bool rechts;

    constexpr bool ist_zelle() const { return stunde >= 1 && klasse >= 1; }
};

// Nothing for points left of or above the image, and below lesson 9 or
// beyond class 20.
constexpr std::optional<Treffer> treffer_bei(int x, int y)
{
    if (x < 0 || y < 0 || x / spalte > anzahl_klassen || y / zeile > anzahl_stunden)
        return std::nullopt;
    return Treffer{y / zeile, x / spalte, x % spalte >= spalte / 2};
}

// A point inside the cell, on its left or right half.
constexpr int punkt_x(int klasse, bool rechts) { return links(klasse) + (rechts ? 37 : 12); }
constexpr int punkt_y(int stunde) { return oben(stunde) + 37; }

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
