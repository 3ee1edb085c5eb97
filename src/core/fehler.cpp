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

} // namespace orbela
