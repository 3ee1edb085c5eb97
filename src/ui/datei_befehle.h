#pragma once

#include <string>

class QWidget;

namespace orbela {

class Dialoge;
class Sitzung;
struct Sicherung;

// The "Datei" commands on the plan: new, load, save, save as, the export
// and the info window. The document tells whoever shows the plan.
class DateiBefehle {
public:
    DateiBefehle(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern);

    void plan_neu();
    // Asks for a plan file and loads it.
    void plan_laden();
    void plan_speichern();
    void plan_speichern_unter();
    void uvd_exportieren();
    void info_zeigen();
    // Loads the plan file at `pfad` as "Laden..." does once it is chosen.
    void plan_laden(const std::string& pfad);
    // Takes a recovery copy's plan as the unsaved state of its file. False
    // when the user cancels at the lock question.
    bool plan_wiederherstellen(const Sicherung& sicherung);
    // While the plan has unsaved changes: asks whether to save them, and
    // saves on "Ja". True when the command may go on.
    bool aenderungen_sichern();

private:
    Sitzung& sitzung_;
    Dialoge& dialoge_;
    QWidget* eltern_;
};

} // namespace orbela
