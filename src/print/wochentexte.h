#pragma once

#include <string>
#include <string_view>

namespace orbela {

// Gathers one text of a teacher's or room's lesson over the occupancies of
// that lesson: an empty text takes the value, an equal value leaves it, a
// different one turns it into its first two characters and "&" ("1a" and
// "2b" give "1a&") or, without `mit_und`, into "##".
inline void sammeln(std::string& text, std::string_view wert, bool mit_und)
{
    if (text.empty())
        text.assign(wert);
    else if (text == wert)
        return;
    else if (mit_und)
        text = text.substr(0, 2) + "&";
    else
        text = "##";
}

} // namespace orbela
