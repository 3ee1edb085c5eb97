#include "ui/veroeffentlichen/kalender_dialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/veroeffentlichen/ordnerfeld.h"

namespace orbela {

namespace {

QDateEdit* datumsfeld(QWidget* eltern, const char* name, QDate datum)
{
    auto* feld = new QDateEdit(datum, eltern);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    feld->setCalendarPopup(true);
    return feld;
}

} // namespace

KalenderDialog::KalenderDialog(const QString& ordner, QDate heute, QWidget* parent)
    : ZentrierterDialog(parent)
{
    setObjectName(QStringLiteral("KalenderDialog"));
    setWindowTitle(QStringLiteral("Kalender exportieren"));

    const QDate schuljahresende(heute.month() >= 8 ? heute.year() + 1 : heute.year(), 7, 31);
    erster_ = datumsfeld(this, "erster_schultag", heute);
    letzter_ = datumsfeld(this, "letzter_schultag", schuljahresende);
    letzter_->setMinimumDate(heute);
    connect(erster_, &QDateEdit::dateChanged, letzter_, &QDateEdit::setMinimumDate);
    ordner_ = new Ordnerfeld(this);
    ordner_->setze_ordner(ordner);

    auto* erklaerung = new QLabel(
        QStringLiteral("Jeder Lehrer und jede Klasse erhält eine Kalenderdatei (.ics) mit jeder Stunde "
                       "der Woche, wöchentlich wiederholt vom ersten bis zum letzten Schultag."),
        this);
    erklaerung->setWordWrap(true);
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("&Erster Schultag:"), erster_);
    felder->addRow(QStringLiteral("&Letzter Schultag:"), letzter_);
    felder->addRow(QStringLiteral("&Ordner:"), ordner_);

    auto* knoepfe = new QDialogButtonBox(this);
    QPushButton* exportieren = knoepfe->addButton(QStringLiteral("Exportieren"), QDialogButtonBox::AcceptRole);
    exportieren->setDefault(true);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(erklaerung);
    spalte->addSpacing(6);
    spalte->addLayout(felder);
    spalte->addSpacing(6);
    spalte->addWidget(knoepfe);
}

QDate KalenderDialog::erster_schultag() const
{
    return erster_->date();
}

QDate KalenderDialog::letzter_schultag() const
{
    return letzter_->date();
}

QString KalenderDialog::ordner() const
{
    return ordner_->ordner();
}

} // namespace orbela
