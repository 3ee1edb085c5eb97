#include "ui/klassen_seite.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "canvas/qt_text_1252.h"
#include "core/ganzzahl.h"
#include "core/sitzung.h"
#include "ui/befehlslauf.h"
#include "ui/codefeld.h"

namespace orbela {

KlassenSeite::KlassenSeite(Sitzung& sitzung, Befehlslauf& lauf, QWidget* parent)
    : QWidget(parent)
    , sitzung_(sitzung)
    , lauf_(lauf)
{
    klasse_feld_ = code_feld(this, "Edit7", QStringLiteral("Klasse"), 2, QRect(32, 6, 105, 31));
    klassenlehrer_feld_ = code_feld(this, "Edit8", QStringLiteral("Klassenlehrer"), 2, QRect(32, 38, 49, 31));
    klassenraum_feld_ = code_feld(this, "Edit9", QStringLiteral("Klassenraum"), 2, QRect(88, 38, 49, 31));
    wochenstunden_feld_ = code_feld(this, "Edit12", QStringLiteral("Wochenstunden"), 2, QRect(32, 72, 105, 31));
    for (CodeFeld* e : {klasse_feld_, klassenlehrer_feld_, klassenraum_feld_, wochenstunden_feld_})
        e->setFont(feld_schrift());

    auto* gruppe = new QGroupBox(QStringLiteral("Klasse / Spalte"), this);
    gruppe->setGeometry(4, 108, 177, 60);
    einfuegen_knopf_ = new QPushButton(QStringLiteral("einf."), gruppe);
    einfuegen_knopf_->setObjectName(QStringLiteral("BitBtn5"));
    einfuegen_knopf_->setGeometry(6, 24, 53, 25);
    einfuegen_knopf_->setToolTip(QStringLiteral("leere Spalte hier einfügen"));
    fuellen_knopf_ = new QPushButton(QStringLiteral("autom."), gruppe);
    fuellen_knopf_->setObjectName(QStringLiteral("BitBtn6"));
    fuellen_knopf_->setGeometry(62, 24, 53, 25);
    fuellen_knopf_->setToolTip(QStringLiteral("Wochenstunden mit Klassenlehrer und Klassenraum füllen"));
    loeschen_knopf_ = new QPushButton(QStringLiteral("löschen"), gruppe);
    loeschen_knopf_->setObjectName(QStringLiteral("BitBtn7"));
    loeschen_knopf_->setGeometry(118, 24, 53, 25);
    loeschen_knopf_->setToolTip(QStringLiteral("Spalte löschen"));
    for (QPushButton* b : {einfuegen_knopf_, fuellen_knopf_, loeschen_knopf_})
        b->setAutoDefault(false);

    setTabOrder(klasse_feld_, klassenlehrer_feld_);
    setTabOrder(klassenlehrer_feld_, klassenraum_feld_);
    setTabOrder(klassenraum_feld_, wochenstunden_feld_);
    setTabOrder(wochenstunden_feld_, einfuegen_knopf_);
    setTabOrder(einfuegen_knopf_, fuellen_knopf_);
    setTabOrder(fuellen_knopf_, loeschen_knopf_);

    for (CodeFeld* feld : {klasse_feld_, klassenlehrer_feld_, klassenraum_feld_, wochenstunden_feld_})
        connect(feld, &QLineEdit::textChanged, this, [this, feld] { lauf_([&] { klassenfeld_geaendert(*feld); }); });
    connect(einfuegen_knopf_, &QPushButton::clicked, this, [this] { lauf_([this] { spalte_einfuegen(); }); });
    connect(loeschen_knopf_, &QPushButton::clicked, this, [this] { lauf_([this] { spalte_loeschen(); }); });
    connect(fuellen_knopf_, &QPushButton::clicked, this, [this] { lauf_([this] { automatisch_fuellen(); }); });
}

namespace {
QString text_aus(const PString<4>& s)
{
    return qstring_aus_1252(s.view());
}
} // namespace

void KlassenSeite::zeige_klasse()
{
    const klassentyp& k = sitzung_.plan().klasse(sitzung_.auswahl().akt_klasse);
    setze_feldtext(*klasse_feld_, text_aus(k.klasse), [this] { klassenfeld_geaendert(*klasse_feld_); });
    setze_feldtext(*klassenlehrer_feld_, text_aus(k.klassenlehrer), [this] { klassenfeld_geaendert(*klassenlehrer_feld_); });
    setze_feldtext(*klassenraum_feld_, text_aus(k.klassenraum), [this] { klassenfeld_geaendert(*klassenraum_feld_); });
    setze_feldtext(*wochenstunden_feld_, text_aus(k.wochenstunden), [this] { klassenfeld_geaendert(*wochenstunden_feld_); });
}

void KlassenSeite::klassenfeld_geaendert(const CodeFeld& edit)
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    const Klassenfeld feld = &edit == klasse_feld_   ? Klassenfeld::klasse
                             : &edit == klassenlehrer_feld_ ? Klassenfeld::klassenlehrer
                             : &edit == klassenraum_feld_ ? Klassenfeld::klassenraum
                                              : Klassenfeld::wochenstunden;
    sitzung_.dokument().setze_klassenfeld(sitzung_.auswahl().akt_klasse, feld, text_1252_aus_qstring(edit.text()));
}

void KlassenSeite::spalte_einfuegen()
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    if (!lauf_.dialoge().frage(QStringLiteral("Durch das Einfügen einer neuen Spalte wird die ganz rechts "
                                              "gelöscht. Wollen Sie fortfahren?")))
        return;
    sitzung_.dokument().spalte_einfuegen(sitzung_.auswahl().akt_klasse);
    emit spalteGeaendert();
}

void KlassenSeite::spalte_loeschen()
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    if (!lauf_.dialoge().frage(QStringLiteral("Wollen Sie die Spalte wirklich löschen?")))
        return;
    sitzung_.dokument().spalte_loeschen(sitzung_.auswahl().akt_klasse);
    emit spalteGeaendert();
}

void KlassenSeite::automatisch_fuellen()
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    const int c = sitzung_.auswahl().akt_klasse;
    if (wochenstunden_fehlen(sitzung_.plan(), c)) {
        lauf_.dialoge().hinweis(QString::fromUtf8(text_zuerst_wochenstunden.data(),
                                                  static_cast<qsizetype>(text_zuerst_wochenstunden.size())));
        return;
    }
    // A number that is none is reported before anything is asked or changed.
    als_ganzzahl(sitzung_.plan().klasse(c).wochenstunden.view());
    if (!lauf_.dialoge().frage(QStringLiteral("Alle Daten der aktuellen Klasse werden verändert. "
                                              "Wollen Sie fortfahren?")))
        return;
    const Fuellergebnis ergebnis = sitzung_.dokument().automatisch_fuellen(c);
    if (!ergebnis.neu_zeichnen())
        return;
    emit spalteGeaendert();
    if (ergebnis.abgeschnitten)
        lauf_.dialoge().hinweis(QStringLiteral("Montag bis Freitag haben nur 45 Stunden; "
                                               "die übrigen Wochenstunden wurden nicht verteilt."));
}

} // namespace orbela
