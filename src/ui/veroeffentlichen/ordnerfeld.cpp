#include "ui/veroeffentlichen/ordnerfeld.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace orbela {

Ordnerfeld::Ordnerfeld(QWidget* parent)
    : QWidget(parent)
{
    pfad_ = new QLineEdit(this);
    pfad_->setObjectName(QStringLiteral("ordner"));
    pfad_->setMinimumWidth(320);
    auto* suchen = new QPushButton(QStringLiteral("Durchsuchen..."), this);
    suchen->setObjectName(QStringLiteral("ordner_suchen"));
    connect(suchen, &QPushButton::clicked, this, &Ordnerfeld::ordner_suchen);

    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(pfad_, 1);
    zeile->addWidget(suchen);
    setFocusProxy(pfad_);
}

QString Ordnerfeld::ordner() const
{
    return QDir::cleanPath(pfad_->text().trimmed());
}

void Ordnerfeld::setze_ordner(const QString& pfad)
{
    pfad_->setText(QDir::toNativeSeparators(pfad));
}

void Ordnerfeld::ordner_suchen()
{
    // The dialog opens at the folder typed, or where it would be made.
    QString start = ordner();
    while (!start.isEmpty() && !QFileInfo(start).isDir() && start != QFileInfo(start).path())
        start = QFileInfo(start).path();
    const QString gewaehlt = QFileDialog::getExistingDirectory(this, QStringLiteral("Ordner wählen"), start);
    if (!gewaehlt.isEmpty())
        setze_ordner(gewaehlt);
}

} // namespace orbela
