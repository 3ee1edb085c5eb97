#include "ui/datei_befehle.h"

#include <QFile>
#include <cstring>
#include <memory>

#include "core/kartei_dateien.h"
#include "core/sitzung.h"
#include "core/uvd_export.h"
#include "core/wiederherstellung.h"
#include "ui/aenderungen_sichern.h"
#include "ui/dialoge.h"
#include "ui/info_fenster.h"
#include "ui/sperrfrage.h"
#include "ui/wartecursor.h"

namespace orbela {

namespace {
const QString plan_filter = QStringLiteral("Orbela (*.orb)");
const QString plan_geaendert = QStringLiteral("Der Plan wurde geändert. Änderungen speichern?");
const QString datei_fremd_geaendert
    = QStringLiteral("Die Datei wurde inzwischen von einem anderen Programm geändert. Trotzdem überschreiben?");

std::string dateipfad(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}
} // namespace

DateiBefehle::DateiBefehle(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern)
    : sitzung_(sitzung)
    , dialoge_(dialoge)
    , eltern_(eltern)
{
}

bool DateiBefehle::aenderungen_sichern()
{
    return orbela::aenderungen_sichern(
        dialoge_, plan_geaendert, [this] { return sitzung_.dokument().geaendert(); },
        [this] { plan_speichern(); });
}

void DateiBefehle::plan_neu()
{
    if (aenderungen_sichern())
        sitzung_.neu();
}

void DateiBefehle::plan_laden()
{
    if (!aenderungen_sichern())
        return;
    if (const std::optional<QString> name = dialoge_.datei_oeffnen(plan_filter))
        plan_laden(dateipfad(*name));
}

void DateiBefehle::plan_laden(const std::string& pfad)
{
    Plansperre sperre;
    bool schreibgeschuetzt = false;
    if (plan_sperren(dialoge_, pfad, sperre, schreibgeschuetzt))
        sitzung_.laden(pfad, std::move(sperre), schreibgeschuetzt);
}

bool DateiBefehle::plan_wiederherstellen(const Sicherung& sicherung)
{
    Plansperre sperre;
    bool schreibgeschuetzt = false;
    if (!sicherung.dateiname.empty() && !plan_sperren(dialoge_, sicherung.dateiname, sperre, schreibgeschuetzt))
        return false;
    const auto plan = std::make_unique<plantyp>();
    std::memcpy(static_cast<void*>(plan.get()), sicherung.inhalt.data(), plan_groesse);
    sitzung_.wiederherstellen(*plan, sicherung.dateiname, std::move(sperre), schreibgeschuetzt, sicherung.stand);
    return true;
}

void DateiBefehle::plan_speichern()
{
    Dokument& dokument = sitzung_.dokument();
    // A plan opened read-only is saved under a new name only.
    if (dokument.dateiname().empty() || sitzung_.planschutz().schreibgeschuetzt()) {
        plan_speichern_unter();
        return;
    }
    if (!sitzung_.planschutz().unveraendert(dokument.dateiname()) && !dialoge_.frage(datei_fremd_geaendert))
        return;
    dokument.speichern();
    sitzung_.planschutz().gespeichert(dokument.dateiname());
}

void DateiBefehle::plan_speichern_unter()
{
    Dokument& dokument = sitzung_.dokument();
    Planschutz& schutz = sitzung_.planschutz();
    // A file another program holds open is written only when the user says
    // so; "Anderen Namen wählen" asks for a name again.
    for (;;) {
        const std::optional<QString> name = dialoge_.datei_speichern(plan_filter, QStringLiteral("orb"));
        if (!name)
            return;
        const std::string pfad = dateipfad(*name);
        // Onto the file open now: the same check as "Speichern".
        if (pfad == dokument.dateiname() && !schutz.unveraendert(pfad) && !dialoge_.frage(datei_fremd_geaendert))
            return;
        Plansperre sperre;
        switch (plan_zum_speichern_sperren(dialoge_, pfad, sperre)) {
        case Antwort::abbrechen:
            return;
        case Antwort::nein:
            continue;
        case Antwort::ja:
            break;
        }
        try {
            dokument.speichern_unter(pfad);
        } catch (...) {
            schutz.sperre_verwerfen(pfad, sperre);
            throw;
        }
        schutz.gespeichert(pfad, std::move(sperre));
        return;
    }
}

void DateiBefehle::uvd_exportieren()
{
    const Wartecursor wartecursor;
    exportiere_uvd(sitzung_.programmpfad(), sitzung_.plan(),
                   [this](std::string_view kuerzel) { return lehrerkuerzel(sitzung_.kartei(), kuerzel); });
}

void DateiBefehle::info_zeigen()
{
    InfoFenster info(eltern_);
    dialoge_.modal(info);
}

} // namespace orbela
