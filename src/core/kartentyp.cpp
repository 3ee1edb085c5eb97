#include "core/kartentyp.h"

namespace orbela {

bool kartentyp::ist_leer() const
{
    if (ist_lehrer != 0)
        return false;
    for (const auto& tag : gesperrt) {
        for (const std::uint8_t flag : tag) {
            if (flag != 0)
                return false;
        }
    }
    return anrede.empty() && titel.empty() && vorname.empty() && nachname.empty() && strasse.empty()
        && plz.empty() && ort.empty() && geburtsdatum.empty() && geschlecht.empty() && telefon.empty()
        && mobil.empty() && fax.empty() && email.empty() && bemerkung.empty() && funktion.empty()
        && klassenlehrer1.empty() && klassenlehrer2.empty() && pflichtstunden.empty()
        && unterrichtsstunden.empty() && faecher.empty() && kuerzel.empty() && kuerzel4.empty()
        && rechtsverhaeltnis.empty() && beschaeftigungsart.empty() && einsatzstatus.empty()
        && schulleitung.empty() && staatsangehoerigkeit.empty() && stammschule.empty()
        && statistik.empty();
}

} // namespace orbela
