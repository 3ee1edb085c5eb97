#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/vertretung/aushang.h"
#include "core/vertretung/schultag.h"

namespace orbela {

// The page for a screen in the entrance: two days side by side with the
// notice-board lines, "Stand HH:MM" at the top. It is one file with
// everything inline (styles and the small script that turns pages), reloads
// itself every 60 seconds, and where a day's list is longer than the screen
// shows it page by page, 10 seconds each, instead of scrolling. Text is at
// least 24 pixels high on a 1920 x 1080 screen.
struct Seitentag {
    std::string bezeichnung; // "Heute", "Morgen" or empty
    Datum datum;
    std::vector<Aushangzeile> zeilen; // Windows-1252 texts
    std::string leer_text = "Keine Vertretungen"; // shown when there are no lines
};

inline constexpr int seite_neu_laden_sekunden = 60;
inline constexpr int seite_blaettern_sekunden = 10;

// The page as UTF-8 text; `stand` is the time it shows, "07:42".
std::string vertretungsseite(const Seitentag& erster, const Seitentag& zweiter, std::string_view stand);

// Writes the page so that a screen reading the file never sees half of it
// (a temporary file renamed over the old one). Throws Fehler on failure.
void schreibe_vertretungsseite(const std::string& datei, const Seitentag& erster, const Seitentag& zweiter,
                               std::string_view stand);

} // namespace orbela
