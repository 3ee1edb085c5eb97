#pragma once

namespace orbela {

class Dialoge;
class Hauptfenster;

// At start: offers every recovery copy that a program left behind when it
// ended abnormally (crash, power cut, killed), the plan's first, then the
// substitution plan's, newest first. "Ja" restores the copy, which then
// goes; "Nein" removes it; "Abbrechen" keeps it for the next start. Once one
// of a kind is restored, the older ones of that kind wait for the next start.
void sicherungen_anbieten(Dialoge& dialoge, Hauptfenster& fenster);

} // namespace orbela
