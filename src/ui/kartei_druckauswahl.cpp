#include "ui/kartei_druckauswahl.h"

#include <QCheckBox>
#include <QPushButton>

namespace orbela {

KarteiDruckauswahl::KarteiDruckauswahl(QWidget* parent)
    : ZentrierterDialog(parent)
{
    setObjectName(QStringLiteral("frm_lehrerkartei_druck"));
    setWindowTitle(QStringLiteral("drucken"));
    setFixedSize(296, 280);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(16);
    setFont(schrift);

    auto knopf = [this](const char* name, const QString& text, int y, Wahl wahl) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(QString::fromLatin1(name));
        k->setGeometry(8, y, 273, 33);
        connect(k, &QPushButton::clicked, this, [this, wahl] {
            wahl_ = wahl;
            if (wahl == Wahl::keine)
                reject();
            else
                accept();
        });
        return k;
    };
    Button1 = knopf("Button1", QStringLiteral("Adressliste"), 16, Wahl::adressliste);
    Button2 = knopf("Button2", QStringLiteral("Adressliste Lehrer"), 56, Wahl::adressliste_lehrer);
    Button3 = knopf("Button3", QStringLiteral("Geburtstagskalender"), 96, Wahl::geburtstagskalender);
    Button4 = knopf("Button4", QStringLiteral("Karte drucken"), 136, Wahl::karte);
    BitBtn1 = knopf("BitBtn1", QStringLiteral("&Abbrechen"), 200, Wahl::keine);
    Vorschau = new QCheckBox(QStringLiteral("Vorschau zeigen"), this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->setGeometry(8, 244, 273, 25);
}

bool KarteiDruckauswahl::vorschau() const
{
    return Vorschau->isChecked();
}

} // namespace orbela
