#include "ui/namensliste_dialog.h"

#include <QListWidget>
#include <QPushButton>

namespace orbela {

NamenslisteDialog::NamenslisteDialog(QWidget* parent)
    : ZentrierterDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Namensliste"));
    setFixedSize(287, 351);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 8, 273, 297);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(136, 312, 145, 33);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    // A double click picks the line and closes the list at once.
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int NamenslisteDialog::gewaehlte_zeile() const
{
    const QList<QListWidgetItem*> gewaehlt = ListBox1->selectedItems();
    return gewaehlt.isEmpty() ? -1 : ListBox1->row(gewaehlt.constFirst());
}

} // namespace orbela
