#include "ui/datei_befehle.h"

#include <QFile>

#include "core/kartei_dateien.h"
#include "core/sitzung.h"
#include "core/uvd_export.h"
#include "ui/aenderungen_sichern.h"
#include "ui/dialoge.h"
#include "ui/info_fenster.h"
#include "ui/wartecursor.h"

namespace orbela {

namespace {
const QString plan_filter = QStringLiteral("Orbela (*.orb)");
const QString plan_geaendert = QStringLiteral("Der Plan wurde geändert. Änderungen speichern?");

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
        [this] { Planspeichern1Click(); });
}

void DateiBefehle::Neu1Click()
{
    if (aenderungen_sichern())
        sitzung_.neu();
}

void DateiBefehle::Planladen1Click()
{
    if (!aenderungen_sichern())
        return;
    if (const std::optional<QString> name = dialoge_.datei_oeffnen(plan_filter))
        plan_laden(dateipfad(*name));
}

void DateiBefehle::plan_laden(const std::string& pfad)
{
    sitzung_.laden(pfad);
}

void DateiBefehle::Planspeichern1Click()
{
    if (sitzung_.dokument().dateiname().empty())
        Planspeichernunter1Click();
    else
        sitzung_.dokument().speichern();
}

void DateiBefehle::Planspeichernunter1Click()
{
    if (const std::optional<QString> name = dialoge_.datei_speichern(plan_filter, QStringLiteral("orb")))
        sitzung_.dokument().speichern_unter(dateipfad(*name));
}

void DateiBefehle::ExportUVDtxt1Click()
{
    const Wartecursor wartecursor;
    exportiere_uvd(sitzung_.programmpfad(), sitzung_.plan(),
                   [this](std::string_view kuerzel) { return lehrerkuerzel(sitzung_.kartei(), kuerzel); });
}

void DateiBefehle::Info1Click()
{
    InfoFenster info(eltern_);
    dialoge_.modal(info);
}

} // namespace orbela
