#include "core/satz_datei.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/lesedatei.h"

#include "core/fehler.h"

namespace orbela {


void lies_saetze(const std::string& dateiname, std::size_t satzlaenge,
                 const std::function<void(std::span<const unsigned char>)>& je_satz,
                 std::size_t hoechstens)
{
    Lesedatei datei(dateiname);
    if (satzlaenge == 0)
        return;
    if (datei.groesse() / satzlaenge > hoechstens)
        throw Fehler::zu_viele_eintraege(dateiname, hoechstens);
    std::vector<unsigned char> satz(satzlaenge);
    for (std::size_t n = 0; datei.lies(satz.data(), satz.size()) == satz.size(); ++n) {
        if (n == hoechstens) // the file grew while being read
            throw Fehler::zu_viele_eintraege(dateiname, hoechstens);
        je_satz(satz);
    }
}

std::string lies_dateianfang(const std::string& dateiname, std::size_t anzahl)
{
    if (dateiname.empty())
        throw Fehler::aus_errno(ENOENT);
    Lesedatei datei(dateiname);
    std::string bytes(anzahl, '\0');
    if (datei.lies(reinterpret_cast<unsigned char*>(bytes.data()), anzahl) < anzahl)
        throw Fehler::dateiende();
    return bytes;
}

bool datei_vorhanden(const std::string& dateiname)
{
    if (dateiname.empty())
        return false;
    struct stat st {};
    if (::stat(dateiname.c_str(), &st) == 0)
        return true;
    return errno != ENOENT && errno != ENOTDIR;
}

} // namespace orbela
