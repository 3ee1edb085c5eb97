#include "ui/stunden_seite.h"

#include <QLabel>

#include "canvas/qt_text_1252.h"
#include "core/sitzung.h"
#include "ui/befehlslauf.h"
#include "ui/codefeld.h"

namespace orbela {

StundenSeite::StundenSeite(Sitzung& sitzung, Befehlslauf& lauf, QWidget* parent)
    : QWidget(parent)
    , sitzung_(sitzung)
    , lauf_(lauf)
{
    auto* titel = new QLabel(QStringLiteral("Zeiten der Stunde"), this);
    titel->setGeometry(8, 12, 160, 20);
    beginn_feld_ = code_feld(this, "edit10", QStringLiteral("Beginn der Stunde"), 5, QRect(8, 40, 97, 31));
    ende_feld_ = code_feld(this, "edit11", QStringLiteral("Ende der Stunde"), 5, QRect(8, 80, 97, 31));
    connect(beginn_feld_, &QLineEdit::textChanged, this, [this] { lauf_([this] { beginn_geaendert(); }); });
    connect(ende_feld_, &QLineEdit::textChanged, this, [this] { lauf_([this] { ende_geaendert(); }); });
}

void StundenSeite::zeige_zeit()
{
    const stundentyp& z = sitzung_.plan().zeit(sitzung_.auswahl().akt_stunde);
    setze_feldtext(*beginn_feld_, qstring_aus_1252(z.beginn.view()), [this] { beginn_geaendert(); });
    setze_feldtext(*ende_feld_, qstring_aus_1252(z.ende.view()), [this] { ende_geaendert(); });
}

void StundenSeite::beginn_geaendert()
{
    if (sitzung_.auswahl().ist_stundenkopf())
        sitzung_.dokument().setze_zeit(sitzung_.auswahl().akt_stunde, Zeitfeld::beginn,
                                       text_1252_aus_qstring(beginn_feld_->text()));
}

void StundenSeite::ende_geaendert()
{
    if (sitzung_.auswahl().ist_stundenkopf())
        sitzung_.dokument().setze_zeit(sitzung_.auswahl().akt_stunde, Zeitfeld::ende,
                                       text_1252_aus_qstring(ende_feld_->text()));
}

} // namespace orbela
