#include "ui/wiederherstellen.h"

#include "canvas/qt_text_1252.h"
#include "core/plantyp.h"
#include "core/vertretung/vtp_datei.h"
#include "core/wiederherstellung.h"
#include "ui/dialoge.h"
#include "ui/hauptfenster.h"
#include "ui/sperrfrage.h"

namespace orbela {

namespace {

QString frage_text(const QString& was, std::int64_t zeit)
{
    return QStringLiteral("Es gibt einen nicht gespeicherten Stand von %1 vom %2. Wiederherstellen?")
        .arg(was, zeitpunkt_text(zeit));
}

// What the copy is of: its file, else what the plan is.
QString plan_name(const Sicherung& s)
{
    return s.dateiname.empty() ? QStringLiteral("einem neuen Plan") : dateiname_text(s.dateiname);
}

QString vertretungsplan_name(const Sicherung& s)
{
    if (!s.dateiname.empty())
        return dateiname_text(s.dateiname);
    Vertretungsplan vp;
    vertretungen_aus_bytes(s.inhalt, vp);
    return QStringLiteral("dem Vertretungsplan für ") + qstring_aus_1252(vp.abwesender_lehrer);
}

template <typename Name, typename Herstellen, typename Zeigen>
void anbieten(Dialoge& dialoge, const char* art, std::size_t groesse, Name name, Herstellen herstellen, Zeigen zeigen)
{
    Wiederherstellung ablage(Wiederherstellung::standardordner(), art, groesse);
    for (const Sicherung& s : ablage.verwaiste()) {
        // "Ja" is the default: Enter must not throw work away. "Abbrechen"
        // (or closing the box) leaves the copy for the next start.
        switch (dialoge.wahl(frage_text(name(s), s.zeit), QStringLiteral("Ja"), QStringLiteral("Nein"))) {
        case Antwort::nein:
            Wiederherstellung::entfernen(s);
            continue;
        case Antwort::abbrechen:
            continue;
        case Antwort::ja:
            break;
        }
        // The copy becomes this program's own before the restored state is
        // shown and written anew, so a crash right now still finds it and
        // an older copy never replaces a newer one; one not restored stays
        // for later.
        if (herstellen(s)) {
            ablage.uebernehmen(s);
            zeigen();
        }
        return;
    }
}

} // namespace

void sicherungen_anbieten(Dialoge& dialoge, Hauptfenster& fenster, const std::function<void()>& dazwischen)
{
    anbieten(
        dialoge, "plan", plan_groesse, plan_name, [&](const Sicherung& s) { return fenster.plan_wiederherstellen(s); },
        [] {});
    if (dazwischen)
        dazwischen();
    anbieten(
        dialoge, "vertretung", vtp_groesse, vertretungsplan_name,
        [&](const Sicherung& s) {
            fenster.vertretungsplan_wiederherstellen(s);
            return true;
        },
        [&] { fenster.wiederhergestellten_vertretungsplan_zeigen(); });
}

} // namespace orbela
