#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace orbela {

// Up to four characters of a code or name, copied out of a record with the
// unused bytes zeroed, so that two equal texts are equal byte for byte.
struct Kurztext {
    std::uint8_t laenge = 0;
    char zeichen[4] = {};

    void setze(std::string_view text)
    {
        laenge = static_cast<std::uint8_t>(std::min<std::size_t>(text.size(), sizeof zeichen));
        std::memset(zeichen, 0, sizeof zeichen);
        std::memcpy(zeichen, text.data(), laenge);
    }
    std::string_view view() const { return {zeichen, laenge}; }
    bool empty() const { return laenge == 0; }
};

static_assert(sizeof(Kurztext) == 5 && alignof(Kurztext) == 1);
static_assert(std::has_unique_object_representations_v<Kurztext>);

} // namespace orbela
