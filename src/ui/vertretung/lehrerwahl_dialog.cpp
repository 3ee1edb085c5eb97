#include "ui/vertretung/lehrerwahl_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "canvas/qt_text_1252.h"

namespace orbela {

LehrerwahlDialog::LehrerwahlDialog(QWidget* parent)
    : ZentrierterDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Lehrerwahl"));
    setFixedSize(137, 307);

    auto* titel = new QLabel(QStringLiteral("Lehrer wählen"), this);
    titel->move(8, 8);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("ListBox1"));
    liste_->setGeometry(8, 32, 113, 161);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    titel->setBuddy(liste_);

    abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen_->setObjectName(QStringLiteral("BitBtn1"));
    abbrechen_->setGeometry(8, 200, 113, 33);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BitBtn2"));
    ok_->setGeometry(8, 240, 113, 33);
    ok_->setDefault(true);
    connect(abbrechen_, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void LehrerwahlDialog::fuellen(const std::vector<std::string>& codes)
{
    liste_->clear();
    for (const std::string& code : codes) {
        auto* zeile = new QListWidgetItem(qstring_aus_1252(code), liste_);
        zeile->setData(Qt::UserRole, QByteArray::fromStdString(code));
    }
}

bool LehrerwahlDialog::hat_auswahl() const
{
    return !liste_->selectedItems().isEmpty();
}

std::string LehrerwahlDialog::gewaehlt() const
{
    const auto auswahl = liste_->selectedItems();
    return auswahl.isEmpty() ? std::string() : auswahl.front()->data(Qt::UserRole).toByteArray().toStdString();
}

} // namespace orbela
