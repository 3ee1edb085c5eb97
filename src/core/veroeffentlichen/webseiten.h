#pragma once

#include <string>
#include <vector>

#include "core/optionen.h"
#include "core/plantyp.h"
#include "core/veroeffentlichen/ordner_ersetzen.h"
#include "core/veroeffentlichen/planangaben.h"

namespace orbela {

// The plans as web pages for the school's site or a shared folder: an
// overview `index.html`, one page per class, teacher and room in two
// layouts (days across, and days down), and the style sheet `orbela.css`
// for screen and print (each plan one A4 landscape page). HTML5 in UTF-8,
// no scripts.

inline constexpr const char* webseiten_ordnername = "Webseiten";
inline constexpr const char* webseiten_stilname = "orbela.css";

struct Webseitenkopf {
    std::string planname; // the school's plan, e.g. the file name (UTF-8)
    std::string stand;    // the date of the "Stand: " line (UTF-8)
};

// Every file of the folder, `index.html` first.
std::vector<Ausgabedatei> webseiten(const plantyp& plan, const Optionen& optionen, const Plannamen& namen,
                                    const Webseitenkopf& kopf);

// Writes them as the folder `ordner`, replaced whole (see ordner_ersetzen);
// returns the number of pages.
int webseiten_speichern(const std::string& ordner, const plantyp& plan, const Optionen& optionen,
                        const Plannamen& namen, const Webseitenkopf& kopf);

} // namespace orbela
