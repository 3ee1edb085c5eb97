#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orbela {

// A code of up to four characters packed into one number: the length in the
// low byte, the characters above it. Two codes are equal exactly when their
// keys are, so counting a code over the whole week compares numbers instead
// of strings. The empty code has key 0.
using Kuerzelschluessel = std::uint64_t;

// The key of a text longer than four characters; no stored code has it.
inline constexpr Kuerzelschluessel kein_kuerzel = ~Kuerzelschluessel{0};

inline Kuerzelschluessel kuerzel_schluessel(std::string_view text)
{
    if (text.size() > 4)
        return kein_kuerzel;
    Kuerzelschluessel k = text.size();
    for (std::size_t i = 0; i < text.size(); ++i)
        k |= Kuerzelschluessel{static_cast<std::uint8_t>(text[i])} << (8 * (i + 1));
    return k;
}

} // namespace orbela
