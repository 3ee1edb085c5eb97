#include "ui/info_fenster.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbela {

InfoFenster::InfoFenster(QWidget* parent)
    : ZentrierterDialog(parent)
{
    setWindowTitle(QStringLiteral("Info"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<b>Orbela</b> Version " ORBELA_VERSION), this);
    auto* zweck = new QLabel(QStringLiteral("Stundenplan, Vertretungsplan und Lehrerkartei "
                                            "für kleine Grundschulen."),
                             this);
    zweck->setWordWrap(true);
    layout->addWidget(name);
    layout->addWidget(zweck);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(knoepfe);
    setFixedWidth(320);
}

} // namespace orbela
