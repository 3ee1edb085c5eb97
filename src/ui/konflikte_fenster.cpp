#include "ui/konflikte_fenster.h"

#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "canvas/qt_text_1252.h"
#include "core/beschriftung.h"

namespace orbela {

namespace {

// The classes of a conflict by name; a column without a name by its number.
QString klassen_text(const plantyp& plan, const Konflikt& k)
{
    QStringList namen;
    for (int c = 1; c <= anzahl_klassen; ++c) {
        if (!k.in_klasse(c))
            continue;
        const auto name = plan.klasse(c).klasse.view();
        namen << (name.empty() ? QStringLiteral("Spalte %1").arg(c) : qstring_aus_1252(name));
    }
    return namen.join(QStringLiteral(", "));
}

} // namespace

KonflikteFenster::KonflikteFenster(Sitzung& sitzung, QWidget* parent)
    : QDialog(parent)
    , sitzung_(sitzung)
{
    setObjectName(QStringLiteral("KonflikteFenster"));
    setWindowTitle(QStringLiteral("Konflikte der Woche"));
    setModal(false);
    resize(580, 360);

    Anzahl = new QLabel(this);
    Anzahl->setObjectName(QStringLiteral("Anzahl"));
    Liste = new QTreeWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setRootIsDecorated(false);
    Liste->setUniformRowHeights(true);
    Liste->setHeaderLabels({QStringLiteral("Tag"), QStringLiteral("Stunde"), QStringLiteral("Klassen"),
                            QStringLiteral("Kürzel"), QStringLiteral("Art")});
    Liste->header()->setStretchLastSection(true);
    int spalte = 0;
    for (const int breite : {90, 55, 130, 55})
        Liste->setColumnWidth(spalte++, breite);
    loesen_ = new QPushButton(QStringLiteral("Lösen..."), this);
    loesen_->setObjectName(QStringLiteral("Loesen"));
    loesen_->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Anzahl);
    layout->addWidget(Liste);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(loesen_);
    layout->addLayout(knoepfe);

    connect(Liste, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { loesen_->setEnabled(item != nullptr); });
    connect(loesen_, &QPushButton::clicked, this, [this] {
        const int i = Liste->indexOfTopLevelItem(Liste->currentItem());
        if (i < 0 || static_cast<std::size_t>(i) >= konflikte_.size())
            return;
        // A copy: solving it changes the list.
        const Konflikt konflikt = konflikte_[static_cast<std::size_t>(i)];
        emit loesenGewuenscht(konflikt);
    });

    connect(Liste, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int i = Liste->indexOfTopLevelItem(item);
        if (i < 0 || static_cast<std::size_t>(i) >= konflikte_.size())
            return;
        const Konflikt& k = konflikte_[static_cast<std::size_t>(i)];
        emit zelleGewaehlt(k.tag, k.stunde, k.erste_klasse());
    });
    aktualisieren();
    // Every change of the plan, an option or the teacher list; a closed
    // list is brought up to date when it opens.
    beobachter_ = sitzung_.beobachten([this](const Aenderung&) {
        if (isVisible())
            aktualisieren();
    });
}

KonflikteFenster::~KonflikteFenster()
{
    sitzung_.nicht_mehr_beobachten(beobachter_);
}

QString KonflikteFenster::anzahl_text(std::size_t anzahl)
{
    if (anzahl == 0)
        return QStringLiteral("Keine Konflikte");
    if (anzahl == 1)
        return QStringLiteral("1 Konflikt");
    return QStringLiteral("%1 Konflikte").arg(anzahl);
}

QString KonflikteFenster::art_text(Konfliktart art)
{
    switch (art) {
    case Konfliktart::lehrer_doppelt:
        return QStringLiteral("Lehrer doppelt eingesetzt");
    case Konfliktart::lehrer_gesperrt:
        return QStringLiteral("Lehrer in gesperrter Stunde");
    case Konfliktart::lehrer_ohne_karte:
        return QStringLiteral("Lehrerkürzel ohne Karte");
    case Konfliktart::raum_doppelt:
        return QStringLiteral("Raum doppelt belegt");
    }
    return {};
}

void KonflikteFenster::aktualisieren()
{
    const plantyp& plan = sitzung_.plan();
    Stand stand{wochenkonflikte(plan, sitzung_.lehrerliste(), sitzung_.optionen()), {},
                sitzung_.optionen().stunden_0_8};
    for (const Konflikt& k : stand.konflikte) {
        for (int c = 1; c <= anzahl_klassen; ++c) {
            if (k.in_klasse(c))
                stand.klassen[static_cast<std::size_t>(c)] = plan.klasse(c).klasse.str();
        }
    }
    if (gezeigt_ == stand)
        return;
    // The line chosen stays with its conflict, not with its place.
    std::optional<Konflikt> gewaehlt;
    if (const int i = Liste->indexOfTopLevelItem(Liste->currentItem()); i >= 0)
        gewaehlt = konflikte_[static_cast<std::size_t>(i)];
    konflikte_ = stand.konflikte;
    const bool stunden_0_8 = stand.stunden_0_8;
    // Lines are changed in place, only the texts that differ, so that a
    // keystroke repaints the one line it changed rather than the list.
    const int anzahl = static_cast<int>(konflikte_.size());
    while (Liste->topLevelItemCount() > anzahl)
        delete Liste->takeTopLevelItem(Liste->topLevelItemCount() - 1);
    QList<QTreeWidgetItem*> neue;
    for (int i = 0; i < anzahl; ++i) {
        const Konflikt& k = konflikte_[static_cast<std::size_t>(i)];
        const QString texte[] = {qstring_aus_1252(tagname(k.tag)),
                                 QString::fromStdString(stunden_label(k.stunde, stunden_0_8)), klassen_text(plan, k),
                                 qstring_aus_1252(k.code), art_text(k.art)};
        QTreeWidgetItem* zeile = i < Liste->topLevelItemCount() ? Liste->topLevelItem(i) : nullptr;
        if (zeile == nullptr) {
            neue << new QTreeWidgetItem(QStringList(std::begin(texte), std::end(texte)));
            continue;
        }
        for (int s = 0; s < static_cast<int>(std::size(texte)); ++s) {
            if (zeile->text(s) != texte[s])
                zeile->setText(s, texte[s]);
        }
    }
    Liste->addTopLevelItems(neue);
    const auto bleibt = gewaehlt ? std::find(konflikte_.begin(), konflikte_.end(), *gewaehlt) : konflikte_.end();
    if (bleibt != konflikte_.end())
        Liste->setCurrentItem(Liste->topLevelItem(static_cast<int>(bleibt - konflikte_.begin())));
    else
        Liste->setCurrentItem(nullptr);
    if (const QString text = anzahl_text(konflikte_.size()); Anzahl->text() != text)
        Anzahl->setText(text);
    gezeigt_ = std::move(stand);
}

} // namespace orbela
