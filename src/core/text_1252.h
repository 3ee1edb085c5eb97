#pragma once

#include <string>
#include <string_view>

namespace orbela {

// Windows-1252 is the byte encoding of every record and side file. These
// helpers convert between it and Unicode without any library.

// The Unicode code point of a Windows-1252 byte; the five unassigned bytes
// map to themselves (as C1 controls), so nothing is lost.
char32_t unicode_aus_1252(unsigned char byte);
// The Windows-1252 byte of a code point, or '?' if the code page lacks it.
unsigned char byte_1252_aus_unicode(char32_t zeichen);

std::string utf8_aus_1252(std::string_view text);
// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string text_1252_aus_utf8(std::string_view utf8);

// Upper case of Windows-1252 text, letters with accents and umlauts
// included ("fö" becomes "FÖ"); 'ß' and every other byte stay as they are.
std::string grossbuchstaben_1252(std::string_view text);
// Equal but for upper and lower case, as `grossbuchstaben_1252` sees it.
bool gleich_ohne_gross_klein(std::string_view a, std::string_view b);

} // namespace orbela
