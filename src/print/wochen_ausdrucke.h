#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/vertretung/vertretungszettel.h"
#include "print/druckauftrag.h"

namespace orbela {

// The printouts of a week's cover, portrait pages in page units; each is one
// job with as many pages as it needs.

// "Vertretungen je Lehrer": one line per teacher with the number of lessons
// they cover this week, in the order given; `ordner` (Windows-1252) names
// the week's folder under the title.
void drucke_vertretungszahlen(Druckauftrag& auftrag, const std::vector<std::pair<std::string, int>>& zeilen,
                              const std::string& ordner, const std::string& datum);

// "Vertretungszettel": one block per substitute with their covers, several
// blocks on a page with a line between them to cut along; a block is not
// split unless it is longer than a page.
void drucke_vertretungszettel(Druckauftrag& auftrag, const std::vector<Vertretungszettel>& zettel,
                              const std::string& abwesender, const std::string& datum);

} // namespace orbela
