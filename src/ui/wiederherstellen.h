#pragma once

#include <functional>

namespace orbela {

class Dialoge;
class Hauptfenster;

// At start: offers every recovery copy that a program left behind when it
// ended abnormally (crash, power cut, killed), the plan's first, then the
// substitution plan's, newest first. "Ja" restores the copy, which becomes
// this program's own before anything is shown; "Nein" removes it;
// "Abbrechen" keeps it for the next start. Once one of a kind is restored,
// the older ones of that kind wait for the next start. `dazwischen` runs
// between the two kinds (it loads the plan given at start), so that a
// substitution plan is shown against the timetable it was made for.
void sicherungen_anbieten(Dialoge& dialoge, Hauptfenster& fenster, const std::function<void()>& dazwischen = {});

} // namespace orbela
