#include "core/namenstabelle.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/fehler.h"
#include "core/satz_datei.h"
#include "core/sichere_datei.h"
#include "core/text_1252.h"

namespace orbela {

void Namenstabelle::lesen(const std::string& dateiname)
{
    if (!datei_vorhanden(dateiname)) {
        zeilen.clear();
        return;
    }
    errno = 0;
    std::ifstream f(dateiname, std::ios::binary);
    std::string inhalt(std::istreambuf_iterator<char>(f), {});
    if (!f.is_open() || f.bad()) {
        const int nummer = errno != 0 ? errno : EIO;
        throw Fehler("Datei " + dateiname + " kann nicht geöffnet werden. "
                     + Fehler::aus_errno(nummer).text());
    }

    std::vector<Namenseintrag> neu;
    std::size_t anfang = 0;
    while (anfang < inhalt.size()) {
        std::size_t ende = inhalt.find('\n', anfang);
        if (ende == std::string::npos)
            ende = inhalt.size();
        std::string_view zeile(inhalt.data() + anfang, ende - anfang);
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.remove_suffix(1);
        anfang = ende + 1;
        if (zeile.empty())
            continue;
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos)
            neu.push_back({std::string(zeile), {}});
        else
            neu.push_back({std::string(zeile.substr(0, gleich)), std::string(zeile.substr(gleich + 1))});
    }
    zeilen = std::move(neu);
}

void Namenstabelle::schreiben(const std::string& dateiname) const
{
    std::string inhalt;
    for (const Namenseintrag& e : zeilen) {
        inhalt += e.code;
        inhalt += '=';
        inhalt += e.name;
        inhalt += "\r\n";
    }
    try {
        schreibe_datei_sicher(dateiname, inhalt);
    } catch (const Fehler& e) {
        throw Fehler("Datei \"" + dateiname + "\" kann nicht erstellt werden. " + e.text());
    }
}

std::string Namenstabelle::bezeichnung(std::string_view code) const
{
    // An empty code (an empty lesson, a class without a room) names nothing,
    // even where a row of the file lacks its code.
    if (code.empty())
        return {};
    for (const Namenseintrag& e : zeilen) {
        if (gleich_ohne_gross_klein(e.code, code))
            return e.name.empty() ? std::string(code) : e.name;
    }
    return std::string(code);
}

} // namespace orbela
