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
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 32, 113, 161);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    titel->setBuddy(ListBox1);

    BitBtn1 = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(8, 200, 113, 33);
    BitBtn2 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(8, 240, 113, 33);
    BitBtn2->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

void LehrerwahlDialog::fuellen(const std::vector<std::string>& codes)
{
    ListBox1->clear();
    for (const std::string& code : codes) {
        auto* zeile = new QListWidgetItem(qstring_aus_1252(code), ListBox1);
        zeile->setData(Qt::UserRole, QByteArray::fromStdString(code));
    }
}

bool LehrerwahlDialog::hat_auswahl() const
{
    return !ListBox1->selectedItems().isEmpty();
}

std::string LehrerwahlDialog::gewaehlt() const
{
    const auto auswahl = ListBox1->selectedItems();
    return auswahl.isEmpty() ? std::string() : auswahl.front()->data(Qt::UserRole).toByteArray().toStdString();
}

} // namespace orbela
