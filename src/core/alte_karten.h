#pragma once

#include <cstddef>
#include <span>

#include "core/kartentyp.h"

namespace orbela {

// The two older teacher files that the card index takes over once. Their
// strings are a length byte and the characters, each field spanning a fixed
// number of bytes; a length that does not fit its span is cut to the span,
// and text longer than the card field is cut to the field.

// lehrdat.int: teacher data with codes and blocked lessons.
inline constexpr std::size_t lehrdat_satzlaenge = 406;
// lehrer.int: address data, without codes or blocked lessons.
inline constexpr std::size_t lehrer_satzlaenge = 493;

// Copies the fields of a 406-byte record into an emptied card and marks it
// as a teacher's. The record must be exactly 406 bytes.
void uebernimm_lehrdat(std::span<const unsigned char> satz, kartentyp& karte);

// Copies the fields of a 493-byte record into an emptied card, the teacher
// flag as stored. The record must be exactly 493 bytes.
void uebernimm_lehrer(std::span<const unsigned char> satz, kartentyp& karte);

} // namespace orbela
