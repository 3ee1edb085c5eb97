#include "ui/stunden_seite.h"

#include <QLabel>

#include "ui/codefeld.h"

namespace orbela {

StundenSeite::StundenSeite(QWidget* parent)
    : QWidget(parent)
{
    auto* titel = new QLabel(QStringLiteral("Zeiten der Stunde"), this);
    titel->setGeometry(8, 12, 160, 20);
    edit10 = code_feld(this, "edit10", QStringLiteral("Beginn der Stunde"), 5, QRect(8, 40, 97, 31));
    edit11 = code_feld(this, "edit11", QStringLiteral("Ende der Stunde"), 5, QRect(8, 80, 97, 31));
}

} // namespace orbela
