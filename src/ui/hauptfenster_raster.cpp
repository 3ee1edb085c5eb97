// Selecting and editing in the grid: mouse handlers, popup commands and the
// handlers of page "Plan".

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

#include "canvas/qt_text_1252.h"
#include "core/beschriftung.h"
#include "core/zellen_befehle.h"
#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/hauptfenster.h"
#include "ui/klassen_seite.h"
#include "ui/plan_seite.h"
#include "ui/stunden_seite.h"
#include "views/plan_ansicht.h"

namespace orbela {

namespace {

template <std::size_t N>
QString text_aus(const PString<N>& s)
{
    return qstring_aus_1252(s.view());
}

// The field of the cell that edit n (1..6) edits.
PString<4>& zellenfeld(zellentyp& z, int n)
{
    belegungtyp& b = n <= 3 ? z.erste : z.zweite;
    switch ((n - 1) % 3) {
    case 0:
        return b.lehrer;
    case 1:
        return b.fach;
    default:
        return b.raum;
    }
}

} // namespace

void Hauptfenster::Image1MouseDown(Qt::MouseButton knopf, int x, int y)
{
    if (sitzung_.kein_plan())
        return;
    const int c = x / 50;
    const int l = y / 75;
    if (x < 0 || y < 0 || c > anzahl_klassen || l > anzahl_stunden)
        return;
    Auswahl& a = sitzung_.auswahl();
    ansicht_->feld(a.akt_tag, a.akt_stunde, false, a.akt_klasse);

    if (c == 0 && l == 0) {
        if (knopf == Qt::LeftButton)
            a.akt_tag = static_cast<std::uint16_t>(a.akt_tag % anzahl_tage + 1);
        else if (knopf == Qt::RightButton)
            a.akt_tag = static_cast<std::uint16_t>(a.akt_tag == 1 ? anzahl_tage : a.akt_tag - 1);
        neu_zeichnen();
        setze_status(1, QString());
        setze_status(2, QString());
        setze_status(0, QString::fromStdString(tag_text(a.akt_tag)));
        zeige_seite(Seite::leer);
        return;
    }
    if (l == 0) {
        a.akt_stunde = 0;
        a.akt_klasse = static_cast<std::uint16_t>(c);
        setze_klassen_felder(c);
        ansicht_->feld(a.akt_tag, 0, true, c);
        setze_status(1, QString());
        setze_status(2, qstring_aus_1252(klassen_text(sitzung_.plan().klasse(c).klasse.view())));
        setze_status(0, QString::fromStdString(tag_text(a.akt_tag)));
        zeige_seite(Seite::klassen);
        return;
    }
    if (c == 0) {
        a.akt_stunde = static_cast<std::uint16_t>(l);
        a.akt_klasse = 0;
        setze_zeit_felder(l);
        ansicht_->feld(a.akt_tag, l, true, 0);
        setze_status(1, QString::fromStdString(stunden_text(l, sitzung_.optionen().stunden_0_8)));
        setze_status(2, QString());
        setze_status(0, QString::fromStdString(tag_text(a.akt_tag)));
        zeige_seite(Seite::stunden);
        return;
    }
    ansicht_->feld(a.akt_tag, l, true, c);
    a.akt_stunde = static_cast<std::uint16_t>(l);
    a.akt_klasse = static_cast<std::uint16_t>(c);
    setze_zellen_felder(l, c);
    zeige_zellenstatus(l, c);
    zeige_seite(Seite::plan);

    if (knopf == Qt::RightButton) {
        maus_x_ = x;
        maus_y_ = y;
        popupMenu1_->popup(image1_->mapToGlobal(QPoint(x, y)));
    }
}

void Hauptfenster::Image1MouseMove(int x, int y)
{
    maus_x_ = x;
    maus_y_ = y;
}

Hauptfenster::Handler Hauptfenster::zellenfeld_handler(int n)
{
    static constexpr std::array<Handler, 6> handler = {
        &Hauptfenster::Edit1Change, &Hauptfenster::Edit2Change, &Hauptfenster::Edit3Change,
        &Hauptfenster::Edit4Change, &Hauptfenster::Edit5Change, &Hauptfenster::Edit6Change,
    };
    return handler[static_cast<std::size_t>(n - 1)];
}

void Hauptfenster::setze_klassen_felder(int klasse)
{
    const klassentyp& k = sitzung_.plan().klasse(klasse);
    setze_feldtext(klassenSeite_->Edit7, text_aus(k.klasse), &Hauptfenster::Edit7Change);
    setze_feldtext(klassenSeite_->Edit8, text_aus(k.klassenlehrer), &Hauptfenster::Edit8Change);
    setze_feldtext(klassenSeite_->Edit9, text_aus(k.klassenraum), &Hauptfenster::Edit9Change);
    setze_feldtext(klassenSeite_->Edit12, text_aus(k.wochenstunden), &Hauptfenster::Edit12Change);
}

void Hauptfenster::setze_zeit_felder(int stunde)
{
    const stundentyp& z = sitzung_.plan().zeit(stunde);
    setze_feldtext(stundenSeite_->edit10, text_aus(z.beginn), &Hauptfenster::Edit10Change);
    setze_feldtext(stundenSeite_->edit11, text_aus(z.ende), &Hauptfenster::Edit11Change);
}

void Hauptfenster::setze_zellen_felder(int stunde, int klasse)
{
    for (int n = 1; n <= 6; ++n) {
        zellentyp& z = sitzung_.plan().zelle(sitzung_.auswahl().akt_tag, stunde, klasse);
        setze_feldtext(planSeite_->edit(n), text_aus(zellenfeld(z, n)), zellenfeld_handler(n));
    }
}

void Hauptfenster::zellenfeld_geaendert(int n)
{
    const Auswahl& a = sitzung_.auswahl();
    if (!a.ist_zelle())
        return;
    PString<4>& feld = zellenfeld(sitzung_.plan().zelle(a.akt_tag, a.akt_stunde, a.akt_klasse), n);
    const PString<4> vorher = feld;
    feld.assign(text_1252_aus_qstring(planSeite_->edit(n)->text()));
    // Showing a cell writes its own codes back: that is no change. Keystrokes
    // in one field of one cell are one undo step.
    if (!(feld == vorher))
        sitzung_.markiere_geaendert(std::to_string(a.akt_tag) + "/" + std::to_string(a.akt_stunde) + "/"
                                    + std::to_string(a.akt_klasse) + "/" + std::to_string(n));
    ansicht_->feld(a.akt_tag, a.akt_stunde, true, a.akt_klasse);
}

void Hauptfenster::Edit1Change() { zellenfeld_geaendert(1); }
void Hauptfenster::Edit2Change() { zellenfeld_geaendert(2); }
void Hauptfenster::Edit3Change() { zellenfeld_geaendert(3); }
void Hauptfenster::Edit4Change() { zellenfeld_geaendert(4); }
void Hauptfenster::Edit5Change() { zellenfeld_geaendert(5); }
void Hauptfenster::Edit6Change() { zellenfeld_geaendert(6); }

void Hauptfenster::tabstopp_setzen(int n)
{
    CodeFeld* e = planSeite_->edit(n);
    e->setFocusPolicy(planSeite_->checkBox(n)->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void Hauptfenster::CheckBox1Click() { tabstopp_setzen(1); }
void Hauptfenster::CheckBox2Click() { tabstopp_setzen(2); }
void Hauptfenster::CheckBox3Click() { tabstopp_setzen(3); }
void Hauptfenster::CheckBox4Click() { tabstopp_setzen(4); }
void Hauptfenster::CheckBox5Click() { tabstopp_setzen(5); }
void Hauptfenster::CheckBox6Click() { tabstopp_setzen(6); }

namespace {

// Moves the selection one lesson down the column, and at lesson 9 on to
// lesson 1 of the next column; lesson 9 of class 19 is the last cell.
void naechste_stunde(Auswahl& a)
{
    if (a.akt_stunde < anzahl_stunden) {
        ++a.akt_stunde;
    } else if (a.akt_klasse < anzahl_klassen - 1) {
        ++a.akt_klasse;
        a.akt_stunde = 1;
    }
}

// Scrolls so that the selected cell is visible. The two conditions of an
// axis are tested one after the other.
void zelle_sichtbar_machen(QScrollArea& box, const Auswahl& a)
{
    QScrollBar& senkrecht = *box.verticalScrollBar();
    const int hoehe = box.viewport()->height();
    if (senkrecht.value() + hoehe < 75 * a.akt_stunde + 75)
        senkrecht.setValue(75 * a.akt_stunde - 75);
    if (75 * a.akt_stunde < senkrecht.value())
        senkrecht.setValue(75 * a.akt_stunde - 75);

    QScrollBar& waagerecht = *box.horizontalScrollBar();
    const int breite = box.viewport()->width();
    if (waagerecht.value() + breite < 50 * a.akt_klasse + 50)
        waagerecht.setValue(50 * a.akt_klasse - 50);
    if (50 * a.akt_klasse < waagerecht.value())
        waagerecht.setValue(50 * a.akt_klasse - 50);
}

} // namespace

void Hauptfenster::zur_naechsten_stunde()
{
    Auswahl& a = sitzung_.auswahl();
    ansicht_->feld(a.akt_tag, a.akt_stunde, false, a.akt_klasse);
    naechste_stunde(a);
    zelle_sichtbar_machen(*scrollBox1_, a);
    ansicht_->feld(a.akt_tag, a.akt_stunde, true, a.akt_klasse);
}

CodeFeld* Hauptfenster::fokus_auf_erstes_feld()
{
    CodeFeld* ziel = planSeite_->edit(1);
    for (int n = 1; n <= 6; ++n) {
        if (planSeite_->checkBox(n)->isChecked()) {
            ziel = planSeite_->edit(n);
            break;
        }
    }
    ziel->setFocus(Qt::TabFocusReason);
    return ziel;
}

void Hauptfenster::BitBtn2Enter()
{
    // Page "Plan", and so this button, is only shown while a cell is selected.
    if (!sitzung_.auswahl().ist_zelle()) {
        planSeite_->edit(1)->setFocus();
        return;
    }
    // The focus leaves the button first: an error shown below must not find
    // it there when the window becomes active again.
    CodeFeld* ziel = fokus_auf_erstes_feld();
    zur_naechsten_stunde();
    setze_zellen_felder(sitzung_.auswahl().akt_stunde, sitzung_.auswahl().akt_klasse);
    zeige_zellenstatus(sitzung_.auswahl().akt_stunde, sitzung_.auswahl().akt_klasse);
    ziel->selectAll(); // typing replaces the code, as after Tab
}

void Hauptfenster::SpeedButton1Click()
{
    if (!sitzung_.auswahl().ist_zelle())
        return;
    zur_naechsten_stunde();
    zeige_zellenstatus(sitzung_.auswahl().akt_stunde, sitzung_.auswahl().akt_klasse);
    fokus_auf_erstes_feld();
    // The texts of the cell left behind are written into the new cell.
    for (int n = 1; n <= 6; ++n)
        (this->*zellenfeld_handler(n))();
}

void Hauptfenster::zeige_zellenstatus(int stunde, int klasse)
{
    setze_status(0, QString::fromStdString(tag_text(sitzung_.auswahl().akt_tag)));
    setze_status(1, QString::fromStdString(stunden_text(stunde, sitzung_.optionen().stunden_0_8)));
    setze_status(2, qstring_aus_1252(klassen_text(sitzung_.plan().klasse(klasse).klasse.view())));
}

void Hauptfenster::verzichtbar_setzen(char zeichen)
{
    const auto ziel = zelle_bei(maus_x_, maus_y_);
    if (sitzung_.kein_plan() || !ziel)
        return;
    setze_verzichtbar_bei(sitzung_.plan().zelle(sitzung_.auswahl().akt_tag, ziel->stunde, ziel->klasse), maus_x_, zeichen);
    sitzung_.markiere_geaendert();
    zelle_neu_zeichnen(ziel->stunde, ziel->klasse);
}

void Hauptfenster::zelle_neu_zeichnen(int stunde, int klasse)
{
    const bool ausgewaehlt = klasse == sitzung_.auswahl().akt_klasse && stunde == sitzung_.auswahl().akt_stunde;
    ansicht_->feld(sitzung_.auswahl().akt_tag, stunde, ausgewaehlt, klasse);
}

void Hauptfenster::verzichtbar1Click()
{
    verzichtbar_setzen('v');
}

void Hauptfenster::nichtverzichtbar1Click()
{
    verzichtbar_setzen(' ');
}

void Hauptfenster::lschen1Click()
{
    const auto ziel = zelle_bei(maus_x_, maus_y_);
    if (sitzung_.kein_plan() || !ziel)
        return;
    loesche_zelle(sitzung_.plan().zelle(sitzung_.auswahl().akt_tag, ziel->stunde, ziel->klasse));
    sitzung_.markiere_geaendert();
    zelle_neu_zeichnen(ziel->stunde, ziel->klasse);
    setze_zellen_felder(ziel->stunde, ziel->klasse);
    zeige_zellenstatus(ziel->stunde, ziel->klasse);
}

} // namespace orbela
