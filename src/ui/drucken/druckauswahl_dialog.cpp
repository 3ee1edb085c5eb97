#include "ui/drucken/druckauswahl_dialog.h"

#include <QListWidget>
#include <QPushButton>

#include "canvas/qt_text_1252.h"

namespace orbela {

DruckauswahlDialog::DruckauswahlDialog(QWidget* parent)
    : ZentrierterDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("zum drucken wählen"));
    setFixedSize(258, 335);
    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(13);
    setFont(schrift);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(12, 8, 109, 217);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);

    Button1 = new QPushButton(QStringLiteral("alle"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(12, 240, 109, 33);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(136, 240, 117, 33);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(136, 192, 117, 33);

    // A row of its own below the window's first controls.
    Vorschau = new QPushButton(QStringLiteral("Vorschau..."), this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->setGeometry(12, 288, 109, 33);
    AlsPdf = new QPushButton(QStringLiteral("Als PDF..."), this);
    AlsPdf->setObjectName(QStringLiteral("AlsPdf"));
    AlsPdf->setGeometry(136, 288, 117, 33);

    connect(Button1, &QPushButton::clicked, this, [this] { alle_waehlen(); });
    const std::pair<QPushButton*, Druckziel> ziele[] = {
        {BitBtn1, Druckziel::drucker}, {Vorschau, Druckziel::vorschau}, {AlsPdf, Druckziel::pdf}};
    for (const auto& [knopf, ziel] : ziele) {
        connect(knopf, &QPushButton::clicked, this, [this, ziel = ziel] {
            ziel_ = ziel;
            accept();
        });
    }
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void DruckauswahlDialog::fuellen(const std::vector<std::string>& eintraege)
{
    ziel_ = Druckziel::drucker;
    ListBox1->clear();
    for (const std::string& e : eintraege)
        ListBox1->addItem(qstring_aus_1252(e));
}

std::vector<int> DruckauswahlDialog::gewaehlt() const
{
    std::vector<int> aus;
    for (int p = 0; p < ListBox1->count(); ++p) {
        if (ListBox1->item(p)->isSelected())
            aus.push_back(p);
    }
    return aus;
}

void DruckauswahlDialog::alle_waehlen()
{
    ListBox1->selectAll();
}

} // namespace orbela
