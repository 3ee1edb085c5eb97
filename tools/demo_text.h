#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/pstring.h"
#include "core/text_1252.h"

namespace orbela {

// Stores a text of the demo tables, written here in UTF-8, as the record's
// Windows-1252 bytes. The tables are meant to fit their fields; a text that
// would be cut is a mistake in them and stops the generator.
template <std::size_t N>
void setze(PString<N>& ziel, std::string_view utf8)
{
    const std::string text = text_1252_aus_utf8(utf8);
    if (text.size() > N)
        throw std::length_error("Text zu lang für sein Feld: " + std::string(utf8));
    ziel.assign(text);
}

} // namespace orbela
