#include "core/vertretung/vtp_datei.h"

#include <cassert>
#include <cstring>

#include "core/satz_datei.h"
#include "core/sichere_datei.h"

namespace orbela {

namespace {

constexpr std::size_t eintraege_groesse = sizeof(Vertretungsplan::vertretungen);
constexpr std::size_t lehrer_versatz = eintraege_groesse + offsetof(vertretungtyp, vertreter);

} // namespace

void lade_vertretungen(const std::string& dateiname, Vertretungsplan& vp)
{
    vertretungen_aus_bytes(lies_dateianfang(dateiname, vtp_groesse), vp);
}

void vertretungen_aus_bytes(std::string_view bytes, Vertretungsplan& vp)
{
    assert(bytes.size() >= vtp_groesse);
    PString<2> lehrer;
    std::memcpy(static_cast<void*>(&lehrer), bytes.data() + lehrer_versatz, sizeof lehrer);
    std::memcpy(static_cast<void*>(vp.vertretungen), bytes.data(), eintraege_groesse);
    vp.abwesender_lehrer = lehrer.str();
}

void speichere_vertretungen(const std::string& dateiname, const Vertretungsplan& vp)
{
    schreibe_datei_sicher(dateiname, vertretungen_als_bytes(vp));
}

std::string vertretungen_als_bytes(const Vertretungsplan& vp)
{
    std::string bytes(vtp_groesse, '\0');
    std::memcpy(bytes.data(), vp.vertretungen, eintraege_groesse);
    PString<2> lehrer{};
    lehrer.assign(vp.abwesender_lehrer);
    std::memcpy(bytes.data() + lehrer_versatz, &lehrer, sizeof lehrer);
    return bytes;
}

} // namespace orbela
