#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/vertretung/vertretungsplan.h"

namespace orbela {

// A .vtp file: the 54 entries of the week in order (day 1 lessons 1..9,
// then day 2, ...), 12 bytes each, then a 55th record holding the absent
// teacher's code at bytes 9..11; 660 bytes, no header.
inline constexpr std::size_t vtp_groesse = 55 * sizeof(vertretungtyp);

// Takes the entries and the absent teacher from the file. The whole file is
// read before anything is taken, so a file that cannot be read, or is
// shorter than 660 bytes, throws Fehler and changes nothing. Bytes after the
// 55th record are ignored. Class, subject and room read from the file are
// rebuilt from the timetable by the caller.
void lade_vertretungen(const std::string& dateiname, Vertretungsplan& vp);

// The 660 bytes of the file, and back (the bytes must be that many).
std::string vertretungen_als_bytes(const Vertretungsplan& vp);
void vertretungen_aus_bytes(std::string_view bytes, Vertretungsplan& vp);

// Writes the entries and the absent teacher (cut to 2 characters) through
// a temporary file, so a failed save keeps the previous file.
void speichere_vertretungen(const std::string& dateiname, const Vertretungsplan& vp);

} // namespace orbela
