#include "ui/kartei_drucken.h"

#include "print/kartei_druck.h"

namespace orbela {

using Wahl = KarteiDruckauswahl::Wahl;

QString kartei_ausdruck_name(Wahl wahl)
{
    switch (wahl) {
    case Wahl::adressliste:
        return QStringLiteral("Adressliste");
    case Wahl::adressliste_lehrer:
        return QStringLiteral("Adressliste Lehrer");
    case Wahl::geburtstagskalender:
        return QStringLiteral("Geburtstagskalender");
    case Wahl::karte:
        return QStringLiteral("Karte");
    case Wahl::keine:
        break;
    }
    return {};
}

void kartei_drucken(Druckauftrag& auftrag, const Kartei& kartei, Wahl wahl)
{
    switch (wahl) {
    case Wahl::adressliste:
        drucke_adressliste(auftrag, kartei, false);
        break;
    case Wahl::adressliste_lehrer:
        drucke_adressliste(auftrag, kartei, true);
        break;
    case Wahl::geburtstagskalender:
        drucke_geburtstagskalender(auftrag, kartei);
        break;
    case Wahl::karte:
        drucke_karte(auftrag, kartei.karte);
        break;
    case Wahl::keine:
        break;
    }
}

} // namespace orbela
