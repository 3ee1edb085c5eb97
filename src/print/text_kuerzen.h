#pragma once

#include <string_view>

#include "canvas/canvas.h"

namespace orbela {

// The text with its last characters removed, one at a time, while it is
// wider than `max_breite` in the canvas's current font and still has at
// least two characters: a single character is always kept.
std::string_view auf_breite_gekuerzt(Canvas& c, std::string_view text, int max_breite);

} // namespace orbela
