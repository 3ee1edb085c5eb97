#include "ui/veroeffentlichen/webseiten_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/veroeffentlichen/ordnerfeld.h"

namespace orbela {

WebseitenDialog::WebseitenDialog(const QString& ordner, QWidget* parent)
    : ZentrierterDialog(parent)
{
    setObjectName(QStringLiteral("WebseitenDialog"));
    setWindowTitle(QStringLiteral("Als Webseiten speichern"));

    auto* erklaerung = new QLabel(
        QStringLiteral("Der Ordner erhält die Übersicht index.html und den Plan jeder Klasse, jedes "
                       "Lehrers und jedes Raums. Was er von früher enthält, wird ganz ersetzt."),
        this);
    erklaerung->setWordWrap(true);
    auto* beschriftung = new QLabel(QStringLiteral("&Ordner:"), this);
    ordner_ = new Ordnerfeld(this);
    ordner_->setze_ordner(ordner);
    beschriftung->setBuddy(ordner_);

    auto* knoepfe = new QDialogButtonBox(this);
    QPushButton* speichern = knoepfe->addButton(QStringLiteral("Speichern"), QDialogButtonBox::AcceptRole);
    speichern->setDefault(true);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(erklaerung);
    spalte->addSpacing(6);
    spalte->addWidget(beschriftung);
    spalte->addWidget(ordner_);
    spalte->addSpacing(6);
    spalte->addWidget(knoepfe);
}

QString WebseitenDialog::ordner() const
{
    return ordner_->ordner();
}

} // namespace orbela
