#include "ui/tauschvorschlaege_fenster.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "canvas/qt_text_1252.h"
#include "core/beschriftung.h"

namespace orbela {

namespace {

QString klassenname(const plantyp& plan, int klasse)
{
    const auto name = plan.klasse(klasse).klasse.view();
    return name.empty() ? QStringLiteral("Spalte %1").arg(klasse) : qstring_aus_1252(name);
}

QString platz(Zellort ort, bool stunden_0_8)
{
    return QStringLiteral("%1 %2").arg(qstring_aus_1252(tagkurz(ort.tag)),
                                       QString::fromStdString(stunden_label(ort.stunde, stunden_0_8)));
}

} // namespace

QString TauschvorschlaegeFenster::kette_text(const plantyp& plan, bool stunden_0_8, const Tauschkette& kette)
{
    QStringList teile;
    for (const Tausch& t : kette.tausche) {
        const bool leer = plan.zelle(t.nach.tag, t.nach.stunde, t.nach.klasse).ist_leer();
        teile << QStringLiteral("%1 %2 %3 %4")
                     .arg(klassenname(plan, t.von.klasse), platz(t.von, stunden_0_8),
                          leer ? QStringLiteral("→") : QStringLiteral("↔"), platz(t.nach, stunden_0_8));
    }
    return teile.join(QStringLiteral(", dann "));
}

TauschvorschlaegeFenster::TauschvorschlaegeFenster(const plantyp& plan, bool stunden_0_8,
                                                   std::vector<Tauschkette> ketten, const QString& frage,
                                                   QWidget* parent)
    : QDialog(parent)
    , ketten_(std::move(ketten))
{
    setObjectName(QStringLiteral("TauschvorschlaegeFenster"));
    setWindowTitle(QStringLiteral("Tauschvorschläge"));
    resize(480, 300);

    frage_ = new QLabel(frage, this);
    frage_->setWordWrap(true);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("Liste"));
    for (const Tauschkette& k : ketten_)
        liste_->addItem(kette_text(plan, stunden_0_8, k));
    auto* knoepfe = new QDialogButtonBox(this);
    uebernehmen_ = knoepfe->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    uebernehmen_->setObjectName(QStringLiteral("Uebernehmen"));
    uebernehmen_->setDefault(true);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Abbrechen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frage_);
    layout->addWidget(liste_);
    layout->addWidget(knoepfe);

    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(liste_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(liste_, &QListWidget::currentRowChanged, this, [this](int zeile) {
        uebernehmen_->setEnabled(zeile >= 0);
        if (zeile >= 0 && static_cast<std::size_t>(zeile) < ketten_.size())
            emit ketteGewaehlt(ketten_[static_cast<std::size_t>(zeile)]);
    });
    uebernehmen_->setEnabled(false);
    liste_->setFocus();
}

const Tauschkette* TauschvorschlaegeFenster::gewaehlt() const
{
    const int zeile = liste_->currentRow();
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= ketten_.size())
        return nullptr;
    return &ketten_[static_cast<std::size_t>(zeile)];
}

void TauschvorschlaegeFenster::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (liste_->currentRow() < 0 && liste_->count() > 0)
        liste_->setCurrentRow(0);
}

} // namespace orbela
