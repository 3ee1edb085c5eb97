#include "core/fehler.h"

#include <cerrno>

#include "core/text_1252.h"

namespace orbela {

Fehler Fehler::kein_integer(std::string_view text_1252)
{
    std::string text = "'";
    text += utf8_aus_1252(text_1252);
    text += "' ist kein gültiger Integerwert";
    return Fehler(std::move(text));
}

Fehler Fehler::aus_errno(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOENT:
    case ENOTDIR:
        return Fehler("Datei nicht gefunden");
    case EINVAL:
    case ENAMETOOLONG:
    case EILSEQ:
        return Fehler("Ungültiger Dateiname");
    case EMFILE:
    case ENFILE:
        return Fehler("Zu viele geöffnete Dateien");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return Fehler("Dateizugriff verweigert");
    case ENOSPC:
    case EDQUOT:
        return Fehler("Zu wenig Speicherplatz");
    default:
    {
        std::string text = "E/A-Fehler ";
        text += std::to_string(fehlernummer);
        return Fehler(std::move(text));
    }
    }
}

Fehler Fehler::dateiende()
{
    return Fehler("Versuch hinter dem Dateiende zu lesen");
}


Fehler Fehler::keine_datei(std::string_view dateiname, bool ordner)
{
    std::string text = "„";
    text += dateiname;
    text += ordner ? "“ ist ein Ordner und keine Datei"
                   : "“ ist keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe";
    return Fehler(std::move(text));
}

Fehler Fehler::zu_viele_eintraege(std::string_view dateiname, std::size_t hoechstens)
{
    // Thousands separated by a point, as German numbers are written.
    const std::string ziffern = std::to_string(hoechstens);
    std::string zahl;
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0)
            zahl.push_back('.');
        zahl.push_back(ziffern[i]);
    }
    std::string text = "„";
    text += dateiname;
    text += "“ enthält mehr als " + zahl + " Einträge und wird nicht gelesen";
    return Fehler(std::move(text));
}

} // namespace orbela
