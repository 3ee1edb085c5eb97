#pragma once

#include <string>
#include <string_view>

namespace orbela {

// Day abbreviations, day 1 (Montag) first.
std::string_view tagkurz(int tag);
// Full day names as on the day tabs.
std::string_view tagname(int tag);

// Lesson row l is labelled l, or l-1 while "Stunden 0-8 (statt 1-9)" is on.
std::string stunden_label(int stunde, bool stunden_0_8);

// Status bar texts of the selection.
std::string tag_text(int tag);
std::string stunden_text(int stunde, bool stunden_0_8);
std::string klassen_text(std::string_view klasse);

} // namespace orbela
