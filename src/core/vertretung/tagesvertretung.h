#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/plantyp.h"
#include "core/vertretung/vertretungsplan.h"
#include "core/vertretung/vertretungswoche.h"

namespace orbela {

// What the week's folder of substitution plans says about one school day:
// who is absent, every lesson they give that day with how it is settled,
// and who covers how much. Texts are Windows-1252.

enum class Regelung { vertretung, aufteilung, entfall, offen };

// One class of a lesson: a joint lesson of several classes has one part per
// class column, in column order.
struct Klassenteil {
    int spalte = 0;
    std::string klasse;
    std::string fach;
    std::string raum;
};

// One lesson of an absent teacher on the day.
struct Tagesstunde {
    std::string abwesender;
    int stunde = 0;
    // As the substitution window derives them: the class name, "1a&" for a
    // joint lesson; subject and room "##" where the occupancies differ.
    std::string klasse;
    std::string fach;
    std::string raum;
    std::vector<Klassenteil> teile;
    Regelung regelung = Regelung::offen;
    std::string vertreter; // the substitute's code when `regelung` is vertretung
    // The substitute gives no lesson and covers none earlier that day, so may
    // not be in school yet and is to be told.
    bool bescheid_geben = false;
};

struct Abwesenheit {
    std::string lehrer;
    std::vector<int> stunden; // the lessons they give that day
};

struct Einsatz {
    std::string vertreter;
    int anzahl = 0;
};

struct Tagesvertretung {
    int tag = 0;                      // 1..6
    std::vector<Abwesenheit> abwesend; // in order of code
    // By absent teacher (in the order of `abwesend`), then by lesson.
    std::vector<Tagesstunde> stunden;
    std::vector<Einsatz> eingesetzt; // in order of code

    int offen() const;
};

// The day `tag` (1..6) of the week. A teacher with a plan in the folder is
// absent that day as `Vertretungsstand::selbst_abwesend` says.
// `offen`, when given, stands in for the folder's plans of its absent
// teacher, so unsaved assignments of the substitution window count. Several
// plans of one teacher are read in file order, the first one settling a
// lesson giving its substitute.
Tagesvertretung tagesvertretung(const plantyp& plan, const Vertretungswoche& woche, int tag,
                                const Vertretungsplan* offen = nullptr);

// "Ab (1.-4. Std.), Cd (2., 5. Std.)"; lessons labelled as the option
// "Stunden 0-8" says.
std::string abwesend_text(const Tagesvertretung& tv, bool stunden_0_8);
// "Ko (2), Mü (1)"
std::string eingesetzt_text(const Tagesvertretung& tv);
// "Vertretung: Ko", "Aufteilung", "Entfall" or "offen".
std::string regelung_text(const Tagesstunde& s);
// "1 Stunde offen", "2 Stunden offen", "keine Stunde offen".
std::string offen_text(int anzahl);

} // namespace orbela
