#pragma once

#include <string>
#include <string_view>

namespace orbela {

// Replaces the file with the given bytes without ever leaving it half
// written: the bytes go to a temporary file beside it, which is renamed over
// the target when complete, and the folder is synced after the rename. A
// symbolic link is followed: the file it names is replaced and the link
// stays. The target keeps its permissions where the file system can hold
// them; a target that is write-protected is refused. A writable file in a
// folder that cannot be written is overwritten in place, as no temporary
// file can be made beside it. Throws Fehler on failure, after removing the
// temporary file.
void schreibe_datei_sicher(const std::string& dateiname, std::string_view inhalt);

} // namespace orbela
