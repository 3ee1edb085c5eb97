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
    Edit7 = code_feld(this, "Edit7", QStringLiteral("Klasse"), 2, QRect(32, 6, 105, 31));
    Edit8 = code_feld(this, "Edit8", QStringLiteral("Klassenlehrer"), 2, QRect(32, 38, 49, 31));
    Edit9 = code_feld(this, "Edit9", QStringLiteral("Klassenraum"), 2, QRect(88, 38, 49, 31));
    Edit12 = code_feld(this, "Edit12", QStringLiteral("Wochenstunden"), 2, QRect(32, 72, 105, 31));
    for (CodeFeld* e : {Edit7, Edit8, Edit9, Edit12})
        e->setFont(feld_schrift());

    auto* gruppe = new QGroupBox(QStringLiteral("Klasse / Spalte"), this);
    gruppe->setGeometry(4, 108, 177, 60);
    BitBtn5 = new QPushButton(QStringLiteral("einf."), gruppe);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setGeometry(6, 24, 53, 25);
    BitBtn5->setToolTip(QStringLiteral("leere Spalte hier einfügen"));
    BitBtn6 = new QPushButton(QStringLiteral("autom."), gruppe);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn6->setGeometry(62, 24, 53, 25);
    BitBtn6->setToolTip(QStringLiteral("Wochenstunden mit Klassenlehrer und Klassenraum füllen"));
    BitBtn7 = new QPushButton(QStringLiteral("löschen"), gruppe);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setGeometry(118, 24, 53, 25);
    BitBtn7->setToolTip(QStringLiteral("Spalte löschen"));
    for (QPushButton* b : {BitBtn5, BitBtn6, BitBtn7})
        b->setAutoDefault(false);

    setTabOrder(Edit7, Edit8);
    setTabOrder(Edit8, Edit9);
    setTabOrder(Edit9, Edit12);
    setTabOrder(Edit12, BitBtn5);
    setTabOrder(BitBtn5, BitBtn6);
    setTabOrder(BitBtn6, BitBtn7);

    using Handler = void (KlassenSeite::*)();
    const std::pair<CodeFeld*, Handler> felder[] = {
        {Edit7, &KlassenSeite::Edit7Change},
        {Edit8, &KlassenSeite::Edit8Change},
        {Edit9, &KlassenSeite::Edit9Change},
        {Edit12, &KlassenSeite::Edit12Change},
    };
    for (const auto& [feld, handler] : felder)
        connect(feld, &QLineEdit::textChanged, this, [this, h = handler] { lauf_([&] { (this->*h)(); }); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { lauf_([this] { BitBtn5Click(); }); });
    connect(BitBtn7, &QPushButton::clicked, this, [this] { lauf_([this] { BitBtn7Click(); }); });
    connect(BitBtn6, &QPushButton::clicked, this, [this] { lauf_([this] { BitBtn6Click(); }); });
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
    setze_feldtext(*Edit7, text_aus(k.klasse), [this] { Edit7Change(); });
    setze_feldtext(*Edit8, text_aus(k.klassenlehrer), [this] { Edit8Change(); });
    setze_feldtext(*Edit9, text_aus(k.klassenraum), [this] { Edit9Change(); });
    setze_feldtext(*Edit12, text_aus(k.wochenstunden), [this] { Edit12Change(); });
}

void KlassenSeite::klassenfeld_geaendert(const CodeFeld& edit)
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    const Klassenfeld feld = &edit == Edit7   ? Klassenfeld::klasse
                             : &edit == Edit8 ? Klassenfeld::klassenlehrer
                             : &edit == Edit9 ? Klassenfeld::klassenraum
                                              : Klassenfeld::wochenstunden;
    sitzung_.dokument().setze_klassenfeld(sitzung_.auswahl().akt_klasse, feld, text_1252_aus_qstring(edit.text()));
}

void KlassenSeite::Edit7Change() { klassenfeld_geaendert(*Edit7); }
void KlassenSeite::Edit8Change() { klassenfeld_geaendert(*Edit8); }
void KlassenSeite::Edit9Change() { klassenfeld_geaendert(*Edit9); }
void KlassenSeite::Edit12Change() { klassenfeld_geaendert(*Edit12); }

void KlassenSeite::BitBtn5Click()
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    if (!lauf_.dialoge().frage(QStringLiteral("Durch das Einfügen einer neuen Spalte wird die ganz rechts "
                                              "gelöscht. Wollen Sie fortfahren?")))
        return;
    sitzung_.dokument().spalte_einfuegen(sitzung_.auswahl().akt_klasse);
    emit spalteGeaendert();
}

void KlassenSeite::BitBtn7Click()
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    if (!lauf_.dialoge().frage(QStringLiteral("Wollen Sie die Spalte wirklich löschen?")))
        return;
    sitzung_.dokument().spalte_loeschen(sitzung_.auswahl().akt_klasse);
    emit spalteGeaendert();
}

void KlassenSeite::BitBtn6Click()
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
