// The "Datei" commands of the main window: new, load and save a plan.

#include <QApplication>
#include <QFile>

#include "core/init_plan.h"
#include "core/kartei_dateien.h"
#include "core/kartei_laden.h"
#include "core/uvd_export.h"
#include "core/plan_datei.h"
#include "ui/hauptfenster.h"
#include "ui/info_fenster.h"
#include "views/plan_ansicht.h"

namespace orbela {

namespace {
const QString plan_filter = QStringLiteral("Orbela (*.orb)");

std::string dateipfad(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}
} // namespace

void Hauptfenster::Neu1Click()
{
    kein_plan_ = false;
    init_plan(*plan_, lehrerliste_);
    lehrerliste_neu_laden();
    dateiname_.clear();
    ansicht_->leere_felder();
    neu_zeichnen();
}

void Hauptfenster::Planladen1Click()
{
    const std::optional<QString> name = dialoge_->datei_oeffnen(plan_filter);
    if (!name)
        return;
    // The file name is taken over only once the plan has been read, so a
    // failed load never lets "Speichern" overwrite that file with the old plan.
    lade_plan(dateipfad(*name), *plan_);
    kein_plan_ = false;
    dateiname_ = *name;
    lehrerliste_nach_planladen();
    ansicht_->leere_felder();
    neu_zeichnen();
}

void Hauptfenster::Planspeichern1Click()
{
    if (dateiname_.isEmpty()) {
        Planspeichernunter1Click();
        return;
    }
    speichere_plan(dateipfad(dateiname_), *plan_);
}

void Hauptfenster::Planspeichernunter1Click()
{
    const std::optional<QString> name = dialoge_->datei_speichern(plan_filter, QStringLiteral("orb"));
    if (!name)
        return;
    dateiname_ = *name;
    speichere_plan(dateipfad(dateiname_), *plan_);
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
    exportiere_uvd(programmpfad_, *plan_,
                   [this](std::string_view kuerzel) { return lehrerkuerzel(kartei_, kuerzel); });
}

void Hauptfenster::lehrerliste_neu_laden()
{
    lehrerliste_fuer_neuen_plan_laden(kartei_, lehrerliste_, programmpfad_);
}

void Hauptfenster::lehrerliste_nach_planladen()
{
    lehrerliste_nach_plan_laden(kartei_, lehrerliste_, programmpfad_);
}

} // namespace orbela
