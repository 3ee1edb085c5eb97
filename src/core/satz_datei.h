#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace orbela {

// Reads a file of fixed-size records from the start and hands each whole
// record to `je_satz` as soon as it is read. A fragment shorter than one
// record at the end is ignored. A file that cannot be opened or read, or is
// no ordinary file (see Lesedatei), throws Fehler; records handed over
// before stay handled. A file of more than `hoechstens` records is refused
// before any record is handed over.
void lies_saetze(const std::string& dateiname, std::size_t satzlaenge,
                 const std::function<void(std::span<const unsigned char>)>& je_satz,
                 std::size_t hoechstens = SIZE_MAX);

// The first `anzahl` bytes of the file. A file that cannot be opened or read
// throws Fehler for its error number, one that is shorter throws
// "Versuch hinter dem Dateiende zu lesen".
std::string lies_dateianfang(const std::string& dateiname, std::size_t anzahl);

// Whether a file of that name exists. Only a name that plainly is not there
// counts as missing; anything else (a folder we may not look into, a file we
// may not read) counts as present, so that reading it reports the real error.
bool datei_vorhanden(const std::string& dateiname);

} // namespace orbela
