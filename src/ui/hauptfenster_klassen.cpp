// Pages "Klassen" and "Stunden": the class record of the selected column,
// the column commands and the times of the selected lesson; and replacing a
// teacher code throughout the plan.

#include <QLineEdit>

#include "canvas/qt_text_1252.h"
#include "core/ganzzahl.h"
#include "core/klassen_spalten.h"
#include "core/lehrer_ersetzen.h"
#include "ui/lehrer_ersetzen_dialog.h"
#include "ui/codefeld.h"
#include "ui/hauptfenster.h"
#include "ui/klassen_seite.h"
#include "ui/stunden_seite.h"
#include "views/plan_ansicht.h"

namespace orbela {

namespace {

// Writes the field's text into the record; true when that changed it
// (showing a record writes its own texts back).
template <std::size_t N>
bool uebernehmen(PString<N>& feld, const QLineEdit& edit)
{
    const PString<N> vorher = feld;
    feld.assign(text_1252_aus_qstring(edit.text()));
    return !(feld == vorher);
}

} // namespace

void Hauptfenster::klassenfeld_geaendert(PString<4> klassentyp::*feld, const QLineEdit& edit, bool zeichnen)
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    if (uebernehmen(sitzung_.plan().klasse(sitzung_.auswahl().akt_klasse).*feld, edit))
        sitzung_.markiere_geaendert("k/" + std::to_string(sitzung_.auswahl().akt_klasse) + "/"
                                    + edit.objectName().toStdString());
    if (zeichnen)
        ansicht_->feld(sitzung_.auswahl().akt_tag, 0, true, sitzung_.auswahl().akt_klasse);
}

void Hauptfenster::zeitfeld_geaendert(PString<10> stundentyp::*feld, const QLineEdit& edit)
{
    if (!sitzung_.auswahl().ist_stundenkopf())
        return;
    if (uebernehmen(sitzung_.plan().zeit(sitzung_.auswahl().akt_stunde).*feld, edit))
        sitzung_.markiere_geaendert("z/" + std::to_string(sitzung_.auswahl().akt_stunde) + "/"
                                    + edit.objectName().toStdString());
    ansicht_->feld(sitzung_.auswahl().akt_tag, sitzung_.auswahl().akt_stunde, true, 0);
}

void Hauptfenster::Edit7Change()
{
    klassenfeld_geaendert(&klassentyp::klasse, *klassenSeite_->Edit7, true);
}

void Hauptfenster::Edit8Change()
{
    klassenfeld_geaendert(&klassentyp::klassenlehrer, *klassenSeite_->Edit8, true);
}

void Hauptfenster::Edit9Change()
{
    klassenfeld_geaendert(&klassentyp::klassenraum, *klassenSeite_->Edit9, true);
}

void Hauptfenster::Edit12Change()
{
    // The weekly lessons are not shown in the grid: nothing to redraw.
    klassenfeld_geaendert(&klassentyp::wochenstunden, *klassenSeite_->Edit12, false);
}

void Hauptfenster::Edit10Change()
{
    zeitfeld_geaendert(&stundentyp::beginn, *stundenSeite_->edit10);
}

void Hauptfenster::Edit11Change()
{
    zeitfeld_geaendert(&stundentyp::ende, *stundenSeite_->edit11);
}

void Hauptfenster::BitBtn5Click()
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    if (!dialoge_->frage(QStringLiteral("Durch das Einfügen einer neuen Spalte wird die ganz rechts "
                                        "gelöscht. Wollen Sie fortfahren?")))
        return;
    spalte_einfuegen(sitzung_.plan(), sitzung_.auswahl().akt_klasse);
    sitzung_.markiere_geaendert();
    neu_zeichnen();
    zeige_seite(Seite::leer);
}

void Hauptfenster::BitBtn7Click()
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    if (!dialoge_->frage(QStringLiteral("Wollen Sie die Spalte wirklich löschen?")))
        return;
    spalte_loeschen(sitzung_.plan(), sitzung_.auswahl().akt_klasse);
    sitzung_.markiere_geaendert();
    neu_zeichnen();
    zeige_seite(Seite::leer);
}

void Hauptfenster::BitBtn6Click()
{
    if (!sitzung_.auswahl().ist_klassenkopf())
        return;
    const int c = sitzung_.auswahl().akt_klasse;
    if (wochenstunden_fehlen(sitzung_.plan(), c)) {
        dialoge_->hinweis(QString::fromUtf8(text_zuerst_wochenstunden.data(),
                                            static_cast<qsizetype>(text_zuerst_wochenstunden.size())));
        return;
    }
    // A number that is none is reported before anything is asked or changed.
    als_ganzzahl(sitzung_.plan().klasse(c).wochenstunden.view());
    if (!dialoge_->frage(QStringLiteral("Alle Daten der aktuellen Klasse werden verändert. "
                                        "Wollen Sie fortfahren?")))
        return;
    const Fuellergebnis ergebnis = klasse_automatisch_fuellen(sitzung_.plan(), c);
    sitzung_.markiere_geaendert();
    if (!ergebnis.neu_zeichnen())
        return;
    neu_zeichnen();
    zeige_seite(Seite::leer);
    if (ergebnis.abgeschnitten)
        dialoge_->hinweis(QStringLiteral("Montag bis Freitag haben nur 45 Stunden; "
                                         "die übrigen Wochenstunden wurden nicht verteilt."));
}

void Hauptfenster::Lehrerersetzen1Click()
{
    if (!dialoge_->modal(*form7_))
        return;
    if (lehrer_ersetzen(sitzung_.plan(), text_1252_aus_qstring(form7_->Edit1->text()),
                        text_1252_aus_qstring(form7_->Edit2->text()))
        > 0)
        sitzung_.markiere_geaendert();
    neu_zeichnen();
    zeige_seite(Seite::leer);
}

} // namespace orbela
