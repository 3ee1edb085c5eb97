#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orbela {

// One file of a folder written as a whole: its bare name and its bytes.
struct Ausgabedatei {
    std::string name;
    std::string inhalt;
};

// Replaces the folder `ziel` by one holding exactly `dateien`, never seen
// half-written: the files go into a new folder beside it, which is then
// swapped in whole (atomically where the file system can exchange two
// names) and the old folder removed. A missing `ziel` is created.
//
// A folder that holds anything else than files ending in one of `endungen`
// (".html", ...) is not ours to replace and is refused, as is a file of that
// name. `was` names the content in messages ("Webseiten"). Every failure
// throws Fehler naming the folder and the cause; the old folder then stays
// as it was and nothing is left beside it.
void ordner_ersetzen(const std::string& ziel, const std::vector<Ausgabedatei>& dateien,
                     std::initializer_list<std::string_view> endungen, std::string_view was);

} // namespace orbela
