#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/namenstabelle.h"
#include "core/plantyp.h"

namespace orbela {

// What the web pages and the calendars read beside the plan, and how they
// name what they publish.

// The long names the published files spell out. `lehrername` gives the
// surname of the card carrying a plan code, or an empty text when no card
// does; all texts are Windows-1252.
struct Plannamen {
    const Namenstabelle& faecher;
    const Namenstabelle& raeume;
    std::function<std::string(std::string_view kuerzel)> lehrername;
};

// The class columns that have a name, in column order.
std::vector<int> klassen_im_plan(const plantyp& plan);
// Every teacher (room) code of either occupancy of any cell, each once,
// ordered without regard to upper and lower case.
std::vector<std::string> lehrer_im_plan(const plantyp& plan);
std::vector<std::string> raeume_im_plan(const plantyp& plan);

// A Windows-1252 text as UTF-8 for a published file: control characters,
// which no page or calendar may hold, become '?'.
std::string ausgabetext(std::string_view text_1252);

// File names for published codes: the prefix, then the code's letters and
// digits (umlauts as ae, oe, ue, ss; anything else as '_'), unique also
// where upper and lower case count as one (a web server on a shared folder
// may not tell "Tu" from "TU"): a name taken gets "-2", "-3", ...
class Dateinamen {
public:
    std::string vergeben(std::string_view praefix, std::string_view code_1252);

private:
    std::set<std::string> vergeben_;
};

} // namespace orbela
