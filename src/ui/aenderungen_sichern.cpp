#include "ui/aenderungen_sichern.h"

namespace orbela {

bool aenderungen_sichern(Dialoge& dialoge, const QString& frage, const std::function<bool()>& geaendert,
                         const std::function<void()>& speichern)
{
    if (!geaendert())
        return true;
    switch (dialoge.frage_mit_abbrechen(frage)) {
    case Antwort::ja:
        speichern();
        return !geaendert(); // not when the save dialog was cancelled
    case Antwort::nein:
        return true;
    case Antwort::abbrechen:
        break;
    }
    return false;
}

} // namespace orbela
