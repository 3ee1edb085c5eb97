#include "ui/lehrer_ersetzen_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orbela {

LehrerErsetzenDialog::LehrerErsetzenDialog(QWidget* parent)
    : ZentrierterDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Lehrer ersetzen"));
    setFixedSize(368, 145);

    QFont fett = font();
    fett.setBold(true);
    fett.setPixelSize(16);

    auto* label1 = new QLabel(QStringLiteral("Kürzel des alten Lehrers:"), this);
    label1->setFont(fett);
    label1->move(24, 16);
    auto* label2 = new QLabel(QStringLiteral("Kürzel des neuen Lehrers:"), this);
    label2->setFont(fett);
    label2->move(24, 64);

    alt_feld_ = new QLineEdit(this);
    alt_feld_->setObjectName(QStringLiteral("Edit1"));
    alt_feld_->setGeometry(248, 8, 97, 28);
    alt_feld_->setFont(fett);
    neu_feld_ = new QLineEdit(this);
    neu_feld_->setObjectName(QStringLiteral("Edit2"));
    neu_feld_->setGeometry(248, 56, 97, 28);
    neu_feld_->setFont(fett);
    label1->setBuddy(alt_feld_);
    label2->setBuddy(neu_feld_);

    auto* ok = new QPushButton(QStringLiteral("im gesamten Plan ersetzen"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(144, 104, 201, 25);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("BitBtn2"));
    abbrechen->setGeometry(24, 104, 97, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(alt_feld_, neu_feld_);
    setTabOrder(neu_feld_, ok);
    setTabOrder(ok, abbrechen);
}

QString LehrerErsetzenDialog::alt() const
{
    return alt_feld_->text();
}

QString LehrerErsetzenDialog::neu() const
{
    return neu_feld_->text();
}

} // namespace orbela
