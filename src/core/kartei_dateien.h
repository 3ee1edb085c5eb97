#pragma once

#include <string>
#include <string_view>

#include "core/kartei.h"
#include "core/lehrerliste.h"

namespace orbela {

// Loading and saving the whole card index, the teacher list derived from it
// and the look-ups by plan code. The load routines and the look-ups leave the
// index at card 1 (or at position 0 with an empty working card when there is
// no card).

// Empties the index and reads the card file, resp. converts the older
// teacher file (406-byte records), then goes to the first card.
void lade_kartei(Kartei& kartei, const std::string& dateiname);
void lade_lehrdat(Kartei& kartei, const std::string& dateiname);

// Stores the working card back (`einsortieren`) and writes the index. A
// working card that is entirely empty and has no card to replace is not
// added, so saving an empty index writes an empty file.
void speichere_kartei(Kartei& kartei, const std::string& dateiname);

// Makes the list hold exactly one entry per card, in card order: the code and
// the lesson count cut to 4 characters, and the blocked lessons.
void alle_lehrer(Kartei& kartei, Lehrerliste& liste);

// The surname of the first card carrying `code` as its plan code. A surname
// with a comma before its last character gives the text before the first
// comma ("Name, Vorname" -> "Name"). An empty result for a non-empty code
// becomes "[code]". Text is Windows-1252.
std::string lehrername(const Kartei& kartei, std::string_view code);

// The statistics code of the first card carrying `code`; empty if none does.
std::string lehrerkuerzel(const Kartei& kartei, std::string_view code);

} // namespace orbela
