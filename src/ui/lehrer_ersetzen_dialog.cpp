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

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(248, 8, 97, 28);
    Edit1->setFont(fett);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(248, 56, 97, 28);
    Edit2->setFont(fett);
    label1->setBuddy(Edit1);
    label2->setBuddy(Edit2);

    auto* ok = new QPushButton(QStringLiteral("im gesamten Plan ersetzen"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(144, 104, 201, 25);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("BitBtn2"));
    abbrechen->setGeometry(24, 104, 97, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, ok);
    setTabOrder(ok, abbrechen);
}

} // namespace orbela
