#pragma once

#include <string>
#include <string_view>

namespace orbela {

// Replaces the file with the given bytes without ever leaving it half
// written: the bytes go to a temporary file beside it, which is renamed over
// the target when complete. The target keeps its permissions; a target that
// is write-protected is refused. Throws Fehler on failure, after removing the
// temporary file.
void schreibe_datei_sicher(const std::string& dateiname, std::string_view inhalt);

} // namespace orbela
