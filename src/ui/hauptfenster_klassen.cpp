// Pages "Klassen" and "Stunden": the class record of the selected column
// and the times of the selected lesson.

#include "canvas/qt_text_1252.h"
#include "ui/codefeld.h"
#include "ui/hauptfenster.h"
#include "ui/klassen_seite.h"
#include "ui/stunden_seite.h"
#include "views/plan_ansicht.h"

namespace orbela {

namespace {

template <std::size_t N>
void uebernehmen(PString<N>& feld, const QLineEdit& edit)
{
    feld.assign(text_1252_aus_qstring(edit.text()));
}

} // namespace

void Hauptfenster::Edit7Change()
{
    if (!auswahl_.ist_klassenkopf())
        return;
    uebernehmen(plan_->klasse(auswahl_.akt_klasse).klasse, *klassenSeite_->Edit7);
    ansicht_->feld(auswahl_.akt_tag, 0, true, auswahl_.akt_klasse);
}

void Hauptfenster::Edit8Change()
{
    if (!auswahl_.ist_klassenkopf())
        return;
    uebernehmen(plan_->klasse(auswahl_.akt_klasse).klassenlehrer, *klassenSeite_->Edit8);
    ansicht_->feld(auswahl_.akt_tag, 0, true, auswahl_.akt_klasse);
}

void Hauptfenster::Edit9Change()
{
    if (!auswahl_.ist_klassenkopf())
        return;
    uebernehmen(plan_->klasse(auswahl_.akt_klasse).klassenraum, *klassenSeite_->Edit9);
    ansicht_->feld(auswahl_.akt_tag, 0, true, auswahl_.akt_klasse);
}

void Hauptfenster::Edit12Change()
{
    // The weekly lessons are not shown in the grid: nothing to redraw.
    if (!auswahl_.ist_klassenkopf())
        return;
    uebernehmen(plan_->klasse(auswahl_.akt_klasse).wochenstunden, *klassenSeite_->Edit12);
}

void Hauptfenster::Edit10Change()
{
    if (!auswahl_.ist_stundenkopf())
        return;
    uebernehmen(plan_->zeit(auswahl_.akt_stunde).beginn, *stundenSeite_->edit10);
    ansicht_->feld(auswahl_.akt_tag, auswahl_.akt_stunde, true, 0);
}

void Hauptfenster::Edit11Change()
{
    if (!auswahl_.ist_stundenkopf())
        return;
    uebernehmen(plan_->zeit(auswahl_.akt_stunde).ende, *stundenSeite_->edit11);
    ansicht_->feld(auswahl_.akt_tag, auswahl_.akt_stunde, true, 0);
}

} // namespace orbela
