#include "ui/klassen_seite.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/codefeld.h"

namespace orbela {

KlassenSeite::KlassenSeite(QWidget* parent)
    : QWidget(parent)
{
    Edit7 = code_feld(this, "Edit7", QStringLiteral("Klasse"), 2, QRect(32, 6, 105, 31));
    Edit8 = code_feld(this, "Edit8", QStringLiteral("Klassenlehrer"), 2, QRect(32, 38, 49, 31));
    Edit9 = code_feld(this, "Edit9", QStringLiteral("Klassenraum"), 2, QRect(88, 38, 49, 31));
    Edit12 = code_feld(this, "Edit12", QStringLiteral("Wochenstunden"), 2, QRect(32, 72, 105, 31));
    for (CodeFeld* e : {Edit7, Edit8, Edit9, Edit12})
        e->setFont(feld_schrift());

    auto* gruppe = new QGroupBox(QStringLiteral("Klasse / Spalte"), this);
    gruppe->setGeometry(4, 108, 177, 60);
    BitBtn5 = new QPushButton(QStringLiteral("einf."), gruppe);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setGeometry(6, 24, 53, 25);
    BitBtn5->setToolTip(QStringLiteral("leere Spalte hier einfügen"));
    BitBtn6 = new QPushButton(QStringLiteral("autom."), gruppe);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn6->setGeometry(62, 24, 53, 25);
    BitBtn6->setToolTip(QStringLiteral("Wochenstunden mit Klassenlehrer und Klassenraum füllen"));
    BitBtn7 = new QPushButton(QStringLiteral("löschen"), gruppe);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setGeometry(118, 24, 53, 25);
    BitBtn7->setToolTip(QStringLiteral("Spalte löschen"));
    for (QPushButton* b : {BitBtn5, BitBtn6, BitBtn7})
        b->setAutoDefault(false);

    setTabOrder(Edit7, Edit8);
    setTabOrder(Edit8, Edit9);
    setTabOrder(Edit9, Edit12);
    setTabOrder(Edit12, BitBtn5);
    setTabOrder(BitBtn5, BitBtn6);
    setTabOrder(BitBtn6, BitBtn7);
}

} // namespace orbela
