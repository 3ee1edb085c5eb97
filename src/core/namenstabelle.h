#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orbela {

// The subject and room name tables in the program folder.
inline constexpr const char* faecher_datei = "faecherkrz.int";
inline constexpr const char* raum_datei = "raumkrz.int";

// A table of code=name lines (Windows-1252, CR LF): the code is the text
// before the first "=", the name everything after it; a line without "=" is
// a code with an empty name. Rows keep the file's order.
struct Namenseintrag {
    std::string code;
    std::string name;
    friend bool operator==(const Namenseintrag&, const Namenseintrag&) = default;
};

struct Namenstabelle {
    std::vector<Namenseintrag> zeilen;

    // Replaces the rows by the file's lines. A missing file is an empty
    // table; one that cannot be read throws Fehler and leaves the rows.
    void lesen(const std::string& dateiname);
    // Replaces the file with one code=name line per row, through a temporary
    // file. Throws Fehler when it cannot be written.
    void schreiben(const std::string& dateiname) const;

    // The name of the first row whose code equals `code` ignoring upper and
    // lower case (umlauts included); the code itself when no row matches or
    // the name is empty. An empty code matches no row.
    std::string bezeichnung(std::string_view code) const;
};

inline std::string fachbezeichnung(const Namenstabelle& faecher, std::string_view code)
{
    return faecher.bezeichnung(code);
}
inline std::string raumbezeichnung(const Namenstabelle& raeume, std::string_view code)
{
    return raeume.bezeichnung(code);
}

} // namespace orbela
