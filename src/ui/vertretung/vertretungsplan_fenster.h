#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/sitzung.h"
#include "core/vertretung/vertretungsdokument.h"
#include "core/vertretung/wochenstunde.h"
#include "ui/dialoge.h"
#include "ui/drucken/druckdienst.h"
#include "ui/sicherungswache.h"
#include "ui/zentrieren.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

namespace orbela {

class BildWidget;
class LehrerwahlDialog;
struct Sicherung;

// "Vertretungsplan": plans the cover for one absent teacher's week. The grid
// shows the lessons to cover; a click selects one, the four lists propose
// substitutes, a double-click or a button assigns. The substitution plan is
// the session's `Vertretungsdokument`: the window asks it, calls its
// operations and draws what its listener is told. The selected lesson is
// the window's own and stays for the whole run.
class VertretungsplanFenster : public ZentrierterDialog {
    Q_OBJECT
public:
    // Printouts go to `druckdienst` (none: nothing is printed).
    VertretungsplanFenster(Sitzung& sitzung, Dialoge& dialoge, Druckdienst* druckdienst, QWidget* parent = nullptr);
    ~VertretungsplanFenster() override;

    // Opening from the main menu: discards the substitutes of the last
    // visit and rebuilds the week from the timetable as it now stands.
    // Unsaved substitutes are asked about first; false when the planner
    // cancels, and the window is not to open. A restored plan not shown
    // yet is kept as it is.
    bool zum_oeffnen_vorbereiten();
    // Takes the substitution plan of a recovery copy, unsaved as it was;
    // its lessons are built from the timetable when it is first shown.
    void wiederherstellen(const Sicherung& sicherung);
    // Before the program ends or the plan is dropped: asks about unsaved
    // substitutes. True when it may go on.
    bool aenderungen_sichern();

    // The lesson selected in the grid; not set until one is clicked.
    Wochenstunde auswahl() const { return auswahl_; }

signals:
    // "Extras / Vertretungen des Tages...".
    void tagesvertretungenGewuenscht();

private:
    void baue_fenster();
    void baue_menue();
    // Runs a handler under the general error handler.
    template <typename Aktion>
    void ausfuehren(Aktion&& aktion);
    // The document's listener: draws and labels what changed.
    void zeige_aenderung(const Vertretungsaenderung& aenderung);

    // --- the grid and the selection
    void woche_zeichnen();
    void stunde_waehlen(int x, int y);
    void zeige_auswahl();
    // Labels and lists for the selected lesson of the plan now shown.
    void auswahl_auffrischen();
    // Refills the four proposal lists for a lesson.
    void vorschlaege_fuellen(Wochenstunde stunde);
    // Count and double booking of each list line, in its tooltip and colour.
    void listenhinweise_setzen();
    QListWidgetItem* gewaehlte_zeile() const;
    std::string klassentext(Wochenstunde stunde) const;

    // --- assigning a substitute to the selected lesson
    void vertreter_setzen(const std::string& vertreter);
    void vertreter_aus_liste_waehlen(std::size_t liste);
    void vertreter_loeschen();
    void aufteilen();
    void entfallen_lassen();
    // Gives the substitute chosen in a list every uncovered lesson of the
    // selected day where they are free, and names the lessons left open.
    void ganzen_tag();

    // --- menu "Datei"
    void neu();
    void oeffnen();
    void speichern();
    void drucken();
    void vorschau(); // "Vorschau..." of the sheet "drucken" prints
    void als_pdf();  // "als PDF..." of that sheet
    void beenden();
    // --- menu "Extras"
    // The teachers' counts of covers this week, sortable and printable.
    void vertretungen_je_lehrer();
    // Each substitute's covers, printed to cut apart or copied as text.
    void vertretungszettel();

    void titel_setzen();
    // Names the week's files that cannot be read, once for each new list.
    void unlesbare_melden();
    // Where "speichern..." starts: the plan's file, else the absent
    // teacher's code in the week's folder.
    QString speichervorschlag() const;
    // The sheet of the plan in memory, to where `ziel` says.
    void vertretungsblatt(Druckziel ziel);
    // One printout of the window, under the general error handler.
    void wochendruck(const QString& ausdruck, const QString& thema, const std::function<void(Druckauftrag&)>& druck,
                     Druckziel ziel);

    Sitzung& sitzung_;
    Vertretungsdokument& dokument_;
    Dialoge& dialoge_;
    Druckdienst* druckdienst_;
    Wochenstunde auswahl_;
    BildWidget* wochenbild_ = nullptr;
    std::array<QLabel*, 4> auswahlfelder_{};        // class, subject, room, substitute
    std::array<QListWidget*, 4> vorschlagslisten_{}; // optimal, o. Freistunden, freie, alle
    QToolButton* vertreter_loeschen_knopf_ = nullptr;
    QPushButton* aufgeteilt_knopf_ = nullptr;
    QPushButton* entfaellt_knopf_ = nullptr;
    QPushButton* ganzer_tag_knopf_ = nullptr;
    LehrerwahlDialog* lehrerwahl_ = nullptr;
    std::vector<std::string> gemeldet_; // the unreadable files last named
    std::size_t gewaehlte_liste_ = 0;   // the list whose line was chosen last
    Wochenstunde listen_stunde_;        // the lesson the lists were filled for
    Vertretungssicherung sicherung_;
    int zuhoerer_ = 0;
    bool wiederhergestellt_ = false; // restored, not shown since
};

} // namespace orbela
