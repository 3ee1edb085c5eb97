// The main window's handlers: selecting in the grid, the popup commands,
// undo and redo, the option check marks, and the commands that open other
// windows.

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStackedWidget>
#include <QTabBar>

#include "canvas/qt_text_1252.h"
#include "core/beschriftung.h"
#include "ui/hauptfenster.h"
#include "ui/drucken/druck_befehle.h"
#include "ui/kartei_bearbeiten.h"
#include "ui/klassen_seite.h"
#include "ui/konflikte_fenster.h"
#include "ui/lehrer_ersetzen_dialog.h"
#include "ui/plan_seite.h"
#include "ui/raster_widget.h"
#include "ui/sicherungswache.h"
#include "ui/stunden_seite.h"
#include "ui/vertretung/tagesvertretung_fenster.h"
#include "ui/vertretung/vertretungsplan_fenster.h"
#include "ui/zellen_ziehen.h"
#include "views/plan_ansicht.h"
#include "views/plan_raster.h"

namespace orbela {

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
    using raster::oben;
    using raster::links;
    QScrollBar& senkrecht = *box.verticalScrollBar();
    const int hoehe = box.viewport()->height();
    if (senkrecht.value() + hoehe < oben(a.akt_stunde + 1))
        senkrecht.setValue(oben(a.akt_stunde - 1));
    if (oben(a.akt_stunde) < senkrecht.value())
        senkrecht.setValue(oben(a.akt_stunde - 1));

    QScrollBar& waagerecht = *box.horizontalScrollBar();
    const int breite = box.viewport()->width();
    if (waagerecht.value() + breite < links(a.akt_klasse + 1))
        waagerecht.setValue(links(a.akt_klasse - 1));
    if (links(a.akt_klasse) < waagerecht.value())
        waagerecht.setValue(links(a.akt_klasse - 1));
}

} // namespace

void Hauptfenster::zeige_status()
{
    const Auswahl& a = sitzung_.auswahl();
    panels_[0]->setText(QString::fromStdString(tag_text(a.akt_tag)));
    panels_[1]->setText(a.akt_stunde >= 1 ? QString::fromStdString(stunden_text(a.akt_stunde, sitzung_.optionen().stunden_0_8))
                                          : QString());
    panels_[2]->setText(a.akt_klasse >= 1 ? qstring_aus_1252(klassen_text(sitzung_.plan().klasse(a.akt_klasse).klasse.view()))
                                          : QString());
}

void Hauptfenster::tag_gewechselt()
{
    if (tab_sperre_)
        return;
    sitzung_.auswahl().akt_tag = static_cast<std::uint16_t>(tabBar_->currentIndex() + 1);
    ansicht_->neu_zeichnen(sitzung_.auswahl().akt_tag);
    zeige_seite(Seite::leer);
}

void Hauptfenster::kopf_gewaehlt(Qt::MouseButton knopf, int stunde, int klasse)
{
    if (sitzung_.dokument().kein_plan())
        return;
    Auswahl& a = sitzung_.auswahl();
    ansicht_->feld(a.akt_tag, a.akt_stunde, false, a.akt_klasse);
    if (stunde == 0 && klasse == 0) {
        // The corner steps through the days: forward with the left button,
        // back with the right one. The selection stays, but shows nothing.
        if (knopf == Qt::LeftButton)
            a.akt_tag = static_cast<std::uint16_t>(a.akt_tag % anzahl_tage + 1);
        else if (knopf == Qt::RightButton)
            a.akt_tag = static_cast<std::uint16_t>(a.akt_tag == 1 ? anzahl_tage : a.akt_tag - 1);
        ansicht_->neu_zeichnen(a.akt_tag);
        panels_[0]->setText(QString::fromStdString(tag_text(a.akt_tag)));
        panels_[1]->clear();
        panels_[2]->clear();
        zeige_seite(Seite::leer);
        return;
    }
    a.akt_stunde = static_cast<std::uint16_t>(stunde);
    a.akt_klasse = static_cast<std::uint16_t>(klasse);
    if (stunde == 0)
        klassenSeite_->zeige_klasse();
    else
        stundenSeite_->zeige_zeit();
    ansicht_->feld(a.akt_tag, stunde, true, klasse);
    zeige_status();
    zeige_seite(stunde == 0 ? Seite::klassen : Seite::stunden);
}

void Hauptfenster::zelle_gewaehlt(int stunde, int klasse)
{
    if (sitzung_.dokument().kein_plan())
        return;
    Auswahl& a = sitzung_.auswahl();
    ansicht_->feld(a.akt_tag, a.akt_stunde, false, a.akt_klasse);
    ansicht_->feld(a.akt_tag, stunde, true, klasse);
    a.akt_stunde = static_cast<std::uint16_t>(stunde);
    a.akt_klasse = static_cast<std::uint16_t>(klasse);
    planSeite_->zeige_zelle();
    zeige_status();
    zeige_seite(Seite::plan);
}

void Hauptfenster::zur_naechsten_stunde()
{
    Auswahl& a = sitzung_.auswahl();
    ansicht_->feld(a.akt_tag, a.akt_stunde, false, a.akt_klasse);
    naechste_stunde(a);
    zelle_sichtbar_machen(*scrollBox1_, a);
    ansicht_->feld(a.akt_tag, a.akt_stunde, true, a.akt_klasse);
    zeige_status();
}

void Hauptfenster::zellenbefehl(char verzichtbar, bool loeschen)
{
    const auto ziel = image1_->letzter_punkt();
    if (sitzung_.dokument().kein_plan() || !ziel || !ziel->ist_zelle())
        return;
    const Zellort ort{sitzung_.auswahl().akt_tag, ziel->stunde, ziel->klasse};
    if (!loeschen) {
        sitzung_.dokument().setze_verzichtbar(ort, ziel->rechts, verzichtbar);
        return;
    }
    sitzung_.dokument().loesche_zelle(ort);
    // Page "Plan" shows the emptied cell when it is the selected one.
    const Auswahl& a = sitzung_.auswahl();
    if (a.akt_stunde == ziel->stunde && a.akt_klasse == ziel->klasse) {
        planSeite_->zeige_zelle();
        zeige_status();
    }
}

void Hauptfenster::verlauf_zeigen(bool getan)
{
    if (!getan)
        return;
    // The open page shows the restored codes; its fields now match the plan,
    // so writing them back changes nothing. The selected cell or header is
    // drawn again with its side views.
    const Auswahl& a = sitzung_.auswahl();
    switch (seite()) {
    case Seite::plan:
        planSeite_->zeige_zelle();
        zeige_status();
        break;
    case Seite::klassen:
        klassenSeite_->zeige_klasse();
        break;
    case Seite::stunden:
        stundenSeite_->zeige_zeit();
        break;
    case Seite::leer:
        return;
    }
    ansicht_->feld(a.akt_tag, a.akt_stunde, true, a.akt_klasse);
}

void Hauptfenster::plan_geaendert(const Aenderung& aenderung)
{
    ansicht_->zeige_aenderung(aenderung, sitzung_.auswahl(), sitzung_.dokument().kein_plan());
    if (aenderung.art == Aenderung::Art::option && Optionen::betrifft_raster(aenderung.option))
        zeige_seite(Seite::leer);
    menue_.Rueckgaengig1->setEnabled(sitzung_.dokument().kann_rueckgaengig());
    menue_.Wiederholen1->setEnabled(sitzung_.dokument().kann_wiederholen());
}

void Hauptfenster::lehrer_ersetzen()
{
    if (!dialoge_->modal(*ersetzen_dialog_))
        return;
    // The grid is drawn anew even when nothing was replaced.
    if (sitzung_.dokument().lehrer_ersetzen(text_1252_aus_qstring(ersetzen_dialog_->alt()),
                                            text_1252_aus_qstring(ersetzen_dialog_->neu()))
        == 0)
        ansicht_->neu_zeichnen(sitzung_.auswahl().akt_tag);
    zeige_seite(Seite::leer);
}

void Hauptfenster::kartei_oeffnen()
{
    // Taking over the cards draws the grid and side views anew.
    kartei_bearbeiten(sitzung_, *dialoge_, this, druck_.get());
    if (!sitzung_.dokument().kein_plan())
        zeige_seite(Seite::leer);
}

void Hauptfenster::konflikte_der_woche_zeigen()
{
    if (konflikte_ == nullptr) {
        konflikte_ = new KonflikteFenster(sitzung_, this);
        connect(konflikte_, &KonflikteFenster::zelleGewaehlt, this, [this](int tag, int stunde, int klasse) {
            lauf_([&] {
                if (sitzung_.dokument().kein_plan())
                    return;
                if (tag != sitzung_.auswahl().akt_tag)
                    tabBar_->setCurrentIndex(tag - 1);
                zelle_gewaehlt(stunde, klasse);
                zelle_sichtbar_machen(*scrollBox1_, sitzung_.auswahl());
            });
        });
        connect(konflikte_, &KonflikteFenster::loesenGewuenscht, zellenZiehen_, &ZellenZiehen::loesungen_anbieten);
    } else {
        // A new list has just scanned the week.
        konflikte_->aktualisieren();
    }
    konflikte_->show();
    konflikte_->raise();
    konflikte_->activateWindow();
}

VertretungsplanFenster& Hauptfenster::vertretungsfenster()
{
    if (vertretungsfenster_ == nullptr) {
        vertretungsfenster_ = new VertretungsplanFenster(sitzung_, *dialoge_, druck_.get(), this);
        connect(vertretungsfenster_, &VertretungsplanFenster::tagesvertretungenGewuenscht, this,
                [this] { lauf_([this] { tagesvertretungen_zeigen(vertretungsfenster_); }); });
        if (auto* wache = vertretungsfenster_->findChild<Sicherungswache*>())
            sicherungswache_verbinden(*wache);
    }
    return *vertretungsfenster_;
}

void Hauptfenster::sicherungswache_verbinden(Sicherungswache& wache)
{
    connect(&wache, &Sicherungswache::schreibenGescheitert, this, [this](const QString& meldung) {
        statusBar()->showMessage(meldung);
        dialoge_->hinweis(meldung);
    });
}

void Hauptfenster::vertretungsplan_oeffnen()
{
    // Opening counts as activating the window; returning to it from its own
    // dialogs does not.
    if (vertretungsfenster().zum_oeffnen_vorbereiten())
        dialoge_->modal(*vertretungsfenster_);
    // The day's cover, opened from there, stays open over the main window.
    if (tagesfenster_ != nullptr && tagesfenster_->parentWidget() != this) {
        const bool offen = !tagesfenster_->isHidden();
        tagesfenster_->setParent(this, tagesfenster_->windowFlags());
        if (offen)
            tagesfenster_->show();
    }
}

void Hauptfenster::tagesvertretungen_zeigen(QWidget* ueber)
{
    const bool neu = tagesfenster_ == nullptr;
    if (neu) {
        tagesfenster_ = new TagesvertretungFenster(sitzung_, *dialoge_, druck_.get(), ueber);
    } else if (tagesfenster_->parentWidget() != ueber) {
        // A window above the modal substitution window must be its child to
        // take clicks.
        tagesfenster_->setParent(ueber, tagesfenster_->windowFlags());
    }
    if (neu || tagesfenster_->isHidden())
        tagesfenster_->woche_zeigen(sitzung_.vertretung().ordner());
    tagesfenster_->show();
    tagesfenster_->raise();
    tagesfenster_->activateWindow();
}

void Hauptfenster::vertretungsplan_wiederherstellen(const Sicherung& sicherung)
{
    vertretungsfenster().wiederherstellen(sicherung);
}

void Hauptfenster::wiederhergestellten_vertretungsplan_zeigen()
{
    // Without a timetable its lessons would have no class, subject or room.
    if (sitzung_.dokument().kein_plan()) {
        dialoge_->hinweis(QStringLiteral("Der wiederhergestellte Vertretungsplan erscheint unter "
                                         "„Datei / Vertretungsplan...“, sobald ein Plan geladen ist."));
        return;
    }
    vertretungsplan_oeffnen();
}

} // namespace orbela
