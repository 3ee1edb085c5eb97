#include "ui/namenstabelle_dialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include "canvas/qt_text_1252.h"
#include "core/text_1252.h"
#include "ui/dialoge.h"

namespace orbela {

const NamenstabelleDialog::Art NamenstabelleDialog::faecher{
    "Form8", QStringLiteral("Fächer"), 269, 401, QStringLiteral("Fächerbezeichnung"), 57, 162, faecher_datei};
const NamenstabelleDialog::Art NamenstabelleDialog::raeume{
    "Form9", QStringLiteral("Raumbezeichnungen"), 290, 436, QStringLiteral("Raumbezeichnung"), 88, 139, raum_datei};

NamenstabelleDialog::NamenstabelleDialog(const Art& art, std::string programmpfad, Dialoge& dialoge,
                                         QWidget* parent)
    : ZentrierterDialog(parent)
    , art_(art)
    , programmpfad_(std::move(programmpfad))
    , dialoge_(dialoge)
{
    setObjectName(QString::fromLatin1(art.objekt));
    setWindowTitle(art.titel);
    setFixedSize(art.breite, art.hoehe);

    Tabelle = new QTableWidget(0, 2, this);
    Tabelle->setObjectName(QStringLiteral("ValueListEditor1"));
    Tabelle->setGeometry(8, 8, art.breite - 16, art.hoehe - 56);
    Tabelle->setHorizontalHeaderLabels({QStringLiteral("Kürzel"), art.name_spalte});
    Tabelle->setColumnWidth(0, art.kuerzel_breite);
    Tabelle->setColumnWidth(1, art.name_breite);
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->verticalHeader()->hide();
    Tabelle->verticalHeader()->setDefaultSectionSize(20);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);

    ZeileNeu = new QPushButton(QStringLiteral("Neue Zeile"), this);
    ZeileNeu->setGeometry(8, art.hoehe - 40, 80, 30);
    ZeileLoeschen = new QPushButton(QStringLiteral("Zeile löschen"), this);
    ZeileLoeschen->setGeometry(94, art.hoehe - 40, 86, 30);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(art.breite - 83, art.hoehe - 40, 75, 30);
    BitBtn1->setDefault(true);

    connect(ZeileNeu, &QPushButton::clicked, this, [this] { zeile_anfuegen(); });
    connect(ZeileLoeschen, &QPushButton::clicked, this, [this] { zeile_loeschen(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Tabelle, &QTableWidget::cellChanged, this, [this](int zeile, int spalte) {
        if (spalte == 0)
            kuerzel_geaendert(zeile);
    });
}

void NamenstabelleDialog::init()
{
    Namenstabelle t;
    t.lesen(datei());
    zeilen_zeigen(t);
}

void NamenstabelleDialog::zeilen_zeigen(const Namenstabelle& t)
{
    fuellt_ = true;
    Tabelle->setRowCount(0);
    alte_kuerzel_.clear();
    for (const Namenseintrag& e : t.zeilen) {
        const int z = Tabelle->rowCount();
        Tabelle->insertRow(z);
        Tabelle->setItem(z, 0, new QTableWidgetItem(qstring_aus_1252(e.code)));
        Tabelle->setItem(z, 1, new QTableWidgetItem(qstring_aus_1252(e.name)));
        alte_kuerzel_.push_back(qstring_aus_1252(e.code));
    }
    fuellt_ = false;
}

Namenstabelle NamenstabelleDialog::tabelle() const
{
    Namenstabelle t;
    for (int z = 0; z < Tabelle->rowCount(); ++z) {
        const QTableWidgetItem* k = Tabelle->item(z, 0);
        const QTableWidgetItem* n = Tabelle->item(z, 1);
        Namenseintrag e{text_1252_aus_qstring(k != nullptr ? k->text() : QString()),
                        text_1252_aus_qstring(n != nullptr ? n->text() : QString())};
        // A row added and left blank is no entry.
        if (!e.code.empty() || !e.name.empty())
            t.zeilen.push_back(std::move(e));
    }
    return t;
}

void NamenstabelleDialog::speichern()
{
    tabelle().schreiben(datei());
}

void NamenstabelleDialog::accept()
{
    for (int z = 0; z < Tabelle->rowCount(); ++z) {
        const QTableWidgetItem* k = Tabelle->item(z, 0);
        const QTableWidgetItem* n = Tabelle->item(z, 1);
        if ((k == nullptr || k->text().isEmpty()) && n != nullptr && !n->text().isEmpty()) {
            dialoge_.fehler(QStringLiteral("Zur Bezeichnung \"%1\" fehlt das Kürzel. Bitte ein Kürzel eintragen "
                                           "oder die Zeile löschen.")
                                .arg(n->text()));
            Tabelle->setCurrentCell(z, 0);
            return;
        }
    }
    ZentrierterDialog::accept();
}

void NamenstabelleDialog::zeile_anfuegen()
{
    fuellt_ = true;
    const int z = Tabelle->rowCount();
    Tabelle->insertRow(z);
    Tabelle->setItem(z, 0, new QTableWidgetItem);
    Tabelle->setItem(z, 1, new QTableWidgetItem);
    alte_kuerzel_.emplace_back();
    fuellt_ = false;
    Tabelle->setCurrentCell(z, 0);
    Tabelle->editItem(Tabelle->item(z, 0));
}

void NamenstabelleDialog::zeile_loeschen()
{
    const int z = Tabelle->currentRow();
    if (z < 0)
        return;
    Tabelle->removeRow(z);
    alte_kuerzel_.erase(alte_kuerzel_.begin() + z);
}

void NamenstabelleDialog::kuerzel_geaendert(int zeile)
{
    if (fuellt_)
        return;
    QTableWidgetItem* item = Tabelle->item(zeile, 0);
    const QString neu = item->text();
    QString fehler;
    if (neu.contains(u'=')) {
        fehler = QStringLiteral("Schlüssel darf keine Gleichheitszeichen (\"=\") enthalten");
    } else if (!neu.isEmpty()) {
        const std::string code = text_1252_aus_qstring(neu);
        for (int z = 0; z < Tabelle->rowCount(); ++z) {
            const QTableWidgetItem* anderes = Tabelle->item(z, 0);
            if (z != zeile && anderes != nullptr
                && gleich_ohne_gross_klein(text_1252_aus_qstring(anderes->text()), code)) {
                fehler = QStringLiteral("Schlüssel mit der Bezeichnung \"%1\" existiert bereits").arg(neu);
                break;
            }
        }
    }
    if (fehler.isEmpty()) {
        alte_kuerzel_[static_cast<std::size_t>(zeile)] = neu;
        return;
    }
    dialoge_.fehler(fehler);
    fuellt_ = true;
    item->setText(alte_kuerzel_[static_cast<std::size_t>(zeile)]);
    fuellt_ = false;
}

} // namespace orbela
