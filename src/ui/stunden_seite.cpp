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
    edit10 = code_feld(this, "edit10", QStringLiteral("Beginn der Stunde"), 5, QRect(8, 40, 97, 31));
    edit11 = code_feld(this, "edit11", QStringLiteral("Ende der Stunde"), 5, QRect(8, 80, 97, 31));
    connect(edit10, &QLineEdit::textChanged, this, [this] { lauf_([this] { Edit10Change(); }); });
    connect(edit11, &QLineEdit::textChanged, this, [this] { lauf_([this] { Edit11Change(); }); });
}

void StundenSeite::zeige_zeit()
{
    const stundentyp& z = sitzung_.plan().zeit(sitzung_.auswahl().akt_stunde);
    setze_feldtext(*edit10, qstring_aus_1252(z.beginn.view()), [this] { Edit10Change(); });
    setze_feldtext(*edit11, qstring_aus_1252(z.ende.view()), [this] { Edit11Change(); });
}

void StundenSeite::Edit10Change()
{
    if (sitzung_.auswahl().ist_stundenkopf())
        sitzung_.dokument().setze_zeit(sitzung_.auswahl().akt_stunde, Zeitfeld::beginn,
                                       text_1252_aus_qstring(edit10->text()));
}

void StundenSeite::Edit11Change()
{
    if (sitzung_.auswahl().ist_stundenkopf())
        sitzung_.dokument().setze_zeit(sitzung_.auswahl().akt_stunde, Zeitfeld::ende,
                                       text_1252_aus_qstring(edit11->text()));
}

} // namespace orbela
