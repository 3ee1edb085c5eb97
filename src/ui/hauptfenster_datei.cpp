// The "Datei" commands of the main window: new, load and save a plan.

#include <QApplication>
#include <QFile>
#include <cstring>

#include "core/init_plan.h"
#include "core/kartei_dateien.h"
#include "core/kartei_laden.h"
#include "core/uvd_export.h"
#include "core/plan_datei.h"
#include "ui/aenderungen_sichern.h"
#include "ui/hauptfenster.h"
#include "core/wiederherstellung.h"
#include "ui/info_fenster.h"
#include "ui/sperrfrage.h"
#include "views/plan_ansicht.h"

namespace orbela {

namespace {
const QString plan_filter = QStringLiteral("Orbela (*.orb)");

std::string dateipfad(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}
} // namespace

namespace {
const QString plan_geaendert = QStringLiteral("Der Plan wurde geändert. Änderungen speichern?");
const QString datei_fremd_geaendert
    = QStringLiteral("Die Datei wurde inzwischen von einem anderen Programm geändert. Trotzdem überschreiben?");
} // namespace

bool Hauptfenster::aenderungen_sichern()
{
    return orbela::aenderungen_sichern(
        *dialoge_, plan_geaendert, [this] { return sitzung_.geaendert(); }, [this] { Planspeichern1Click(); });
}

void Hauptfenster::Neu1Click()
{
    if (!aenderungen_sichern())
        return;
    // Everything that can fail is prepared aside: a failed "Neu" leaves the
    // plan, its file name and the screen as they were, so a following
    // "Speichern" cannot write an empty plan over the open one.
    const auto plan = std::make_unique<plantyp>();
    Lehrerliste liste;
    init_plan(*plan, liste);
    lehrertyp kartei;
    const bool karten_gelesen = kartei_fuer_neuen_plan_lesen(kartei, sitzung_.programmpfad());
    alle_lehrer(karten_gelesen ? kartei : sitzung_.kartei(), liste);

    if (karten_gelesen)
        sitzung_.kartei() = std::move(kartei);
    sitzung_.plan() = *plan;
    sitzung_.lehrerliste() = std::move(liste);
    sitzung_.setze_kein_plan(false);
    sitzung_.setze_dateiname({});
    sitzung_.planschutz().geschlossen();
    sitzung_.plan_begonnen();
    ansicht_->leere_felder();
    neu_zeichnen();
}

void Hauptfenster::Planladen1Click()
{
    if (!aenderungen_sichern())
        return;
    const std::optional<QString> name = dialoge_->datei_oeffnen(plan_filter);
    if (!name)
        return;
    plan_laden(dateipfad(*name));
}

void Hauptfenster::plan_oeffnen(const std::string& pfad)
{
    ausfuehren([&] {
        if (aenderungen_sichern())
            plan_laden(pfad);
    });
}

void Hauptfenster::plan_laden(const std::string& pfad)
{
    // The file name is taken over only once the plan has been read, so a
    // failed load never lets "Speichern" overwrite that file with the old plan.
    Plansperre sperre;
    bool schreibgeschuetzt = false;
    if (!plan_sperren(*dialoge_, pfad, sperre, schreibgeschuetzt))
        return;
    lade_plan(pfad, sitzung_.plan());
    sitzung_.setze_kein_plan(false);
    sitzung_.setze_dateiname(pfad);
    sitzung_.planschutz().geoeffnet(pfad, std::move(sperre), schreibgeschuetzt);
    sitzung_.plan_begonnen();
    lehrerliste_nach_planladen();
    ansicht_->leere_felder();
    neu_zeichnen();
}

bool Hauptfenster::plan_wiederherstellen(const Sicherung& sicherung)
{
    bool hergestellt = false;
    ausfuehren([&] {
        Plansperre sperre;
        bool schreibgeschuetzt = false;
        if (!sicherung.dateiname.empty() && !plan_sperren(*dialoge_, sicherung.dateiname, sperre, schreibgeschuetzt))
            return;
        std::memcpy(static_cast<void*>(&sitzung_.plan()), sicherung.inhalt.data(), plan_groesse);
        sitzung_.setze_kein_plan(false);
        sitzung_.setze_dateiname(sicherung.dateiname);
        sitzung_.planschutz().geoeffnet(sicherung.dateiname, std::move(sperre), schreibgeschuetzt, sicherung.stand);
        sitzung_.plan_begonnen(false);
        hergestellt = true;
        lehrerliste_nach_planladen();
        ansicht_->leere_felder();
        neu_zeichnen();
    });
    return hergestellt;
}

void Hauptfenster::Planspeichern1Click()
{
    // A plan opened read-only is saved under a new name only.
    if (sitzung_.dateiname().empty() || sitzung_.planschutz().schreibgeschuetzt()) {
        Planspeichernunter1Click();
        return;
    }
    if (!sitzung_.planschutz().unveraendert(sitzung_.dateiname()) && !dialoge_->frage(datei_fremd_geaendert))
        return;
    speichere_plan(sitzung_.dateiname(), sitzung_.plan());
    sitzung_.planschutz().gespeichert(sitzung_.dateiname());
    sitzung_.markiere_unveraendert();
}

void Hauptfenster::Planspeichernunter1Click()
{
    const std::optional<QString> name = dialoge_->datei_speichern(plan_filter, QStringLiteral("orb"));
    if (!name)
        return;
    // The name is taken over only once the plan is saved under it.
    speichere_plan(dateipfad(*name), sitzung_.plan());
    sitzung_.setze_dateiname(dateipfad(*name));
    sitzung_.planschutz().gespeichert(dateipfad(*name));
    sitzung_.markiere_unveraendert();
}

void Hauptfenster::Info1Click()
{
    InfoFenster info(this);
    dialoge_->modal(info);
}

void Hauptfenster::ExportUVDtxt1Click()
{
    // The wait cursor is restored however the export ends.
    struct Wartecursor {
        Wartecursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~Wartecursor() { QApplication::restoreOverrideCursor(); }
    } wartecursor;
    exportiere_uvd(sitzung_.programmpfad(), sitzung_.plan(),
                   [this](std::string_view kuerzel) { return lehrerkuerzel(sitzung_.kartei(), kuerzel); });
}

void Hauptfenster::lehrerliste_nach_planladen()
{
    lehrerliste_nach_plan_laden(sitzung_.kartei(), sitzung_.lehrerliste(), sitzung_.programmpfad());
}

} // namespace orbela
