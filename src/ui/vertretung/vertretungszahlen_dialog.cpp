#include "ui/vertretung/vertretungszahlen_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "canvas/qt_text_1252.h"

namespace orbela {

VertretungszahlenDialog::VertretungszahlenDialog(const Zeilen& zeilen, const QString& ordner,
                                                 std::function<void(const Zeilen&, Druckziel)> drucken,
                                                 QWidget* parent)
    : ZentrierterDialog(parent)
    , drucken_(std::move(drucken))
{
    setWindowTitle(QStringLiteral("Vertretungen je Lehrer"));
    auto* layout = new QVBoxLayout(this);
    auto* woche = new QLabel(ordner.isEmpty() ? QStringLiteral("Nur der offene Vertretungsplan: er ist noch in "
                                                               "keinem Ordner gespeichert.")
                                              : QStringLiteral("Vertretungspläne im Ordner %1").arg(ordner),
                             this);
    woche->setWordWrap(true);
    layout->addWidget(woche);
    tabelle = new QTableWidget(static_cast<int>(zeilen.size()), 2, this);
    tabelle->setHorizontalHeaderLabels({QStringLiteral("Lehrer"), QStringLiteral("Vertretungen")});
    tabelle->verticalHeader()->hide();
    // Rows as high as a line of text: a school's staff fits without scrolling.
    tabelle->verticalHeader()->setDefaultSectionSize(tabelle->fontMetrics().height() + 6);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const auto& [code, anzahl] = zeilen[static_cast<std::size_t>(r)];
        auto* lehrer = new QTableWidgetItem(qstring_aus_1252(code));
        lehrer->setData(Qt::UserRole, QByteArray::fromStdString(code));
        auto* zahl = new QTableWidgetItem;
        zahl->setData(Qt::DisplayRole, anzahl); // sorts as a number
        zahl->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabelle->setItem(r, 0, lehrer);
        tabelle->setItem(r, 1, zahl);
    }
    tabelle->setSortingEnabled(true);
    tabelle->sortByColumn(0, Qt::AscendingOrder);
    tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(tabelle);

    auto* knoepfe = new QDialogButtonBox(this);
    druckknoepfe = druckknoepfe_anlegen(*knoepfe, [this](Druckziel ziel) {
        if (drucken_)
            drucken_(gezeigt(), ziel);
    });
    QPushButton* schliessen = knoepfe->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    layout->addWidget(knoepfe);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    resize(280, 440);
}

VertretungszahlenDialog::Zeilen VertretungszahlenDialog::gezeigt() const
{
    Zeilen zeilen;
    for (int r = 0; r < tabelle->rowCount(); ++r) {
        zeilen.emplace_back(tabelle->item(r, 0)->data(Qt::UserRole).toByteArray().toStdString(),
                            tabelle->item(r, 1)->data(Qt::DisplayRole).toInt());
    }
    return zeilen;
}

} // namespace orbela
