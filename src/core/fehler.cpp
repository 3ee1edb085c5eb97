#include "core/fehler.h"

#include <cerrno>

#include "core/text_1252.h"

namespace orbela {

Fehler Fehler::kein_integer(std::string_view text_1252)
{
    return Fehler("'" + utf8_aus_1252(text_1252) + "' ist kein gültiger Integerwert");
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
        return Fehler("E/A-Fehler " + std::to_string(fehlernummer));
    }
}

Fehler Fehler::dateiende()
{
    return Fehler("Versuch hinter dem Dateiende zu lesen");
}

} // namespace orbela
