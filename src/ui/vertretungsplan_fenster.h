#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/sitzung.h"
#include "core/vertretungsplan.h"
#include "core/vertretungswoche.h"
#include "ui/dialoge.h"
#include "ui/druckdienst.h"
#include "ui/zentrieren.h"

class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

namespace orbela {

class BildWidget;
class LehrerwahlDialog;
class Sicherungswache;
struct Sicherung;

// "Vertretungsplan": plans the cover for one absent teacher's week. The grid
// shows the lessons to cover; a click selects one, the four lists propose
// substitutes, a double-click or a button assigns. The window keeps its
// substitution plan for the whole run; the timetable, the options and the
// teacher list come from the session.
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
    bool FormActivate();
    // Takes the substitution plan of a recovery copy, unsaved as it was;
    // its lessons are built from the timetable when it is first shown.
    void wiederherstellen(const Sicherung& sicherung);
    // Before the program ends or the plan is dropped: asks about unsaved
    // substitutes. True when it may go on.
    bool aenderungen_sichern();

    void Image1MouseDown(int x, int y);
    void ListBox1Click();
    void ListBox2DblClick();
    void ListBox3DblClick();
    void ListBox4DblClick();
    void SpeedButton1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    // Menu "Datei"
    void Neu1Click();
    void oeffnen2Click();
    void speichern1Click();
    void drucken1Click();
    void Vorschau1Click(); // "Vorschau..." of the sheet "drucken" prints
    void AlsPdf1Click();   // "als PDF..." of that sheet
    void Ende1Click();
    // Menu "Extras"
    // Gives the substitute chosen in a list every uncovered lesson of the
    // selected day where they are free, and names the lessons left open.
    void ganzen_tag();
    // The teachers' counts of covers this week, sortable and printable.
    void vertretungen_je_lehrer();
    // Each substitute's covers, printed to cut apart or copied as text.
    void vertretungszettel();

    // Rebuilds the entries for the absent teacher and redraws the grid.
    void vertretungsplan();
    // Refills the four proposal lists for a lesson and its class text.
    void vorschlaege(int tag, int stunde, const std::string& klassentext);

    const Vertretungsplan& plan() const { return vp_; }
    BildWidget* image1() const { return image1_; }
    QListWidget* liste(int n) const { return listBox_[static_cast<std::size_t>(n - 1)]; }
    QLabel* feld(int n) const { return felder_[static_cast<std::size_t>(n - 2)]; }
    QAction* menuepunkt(const QString& name) const;
    QPushButton* BitBtn1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* ganzerTag = nullptr;
    LehrerwahlDialog* form6() const { return form6_; }

private:
    void baue_fenster();
    void verbinde_signale();
    template <typename Aktion>
    void ausfuehren(Aktion&& aktion);
    void zeige_auswahl();
    // Labels and lists for the selected lesson of the plan now shown.
    void auswahl_auffrischen();
    void vertreter_setzen(const std::string& vertreter);
    void vertreter_aus_liste(int n);
    std::string klassentext(int tag, int stunde) const;
    void titel_setzen();
    // Reads the week's plans again; names files it cannot read once.
    void woche_lesen();
    void wochenordner_setzen(const QString& datei);
    // Where "speichern..." starts: the plan's file, else the absent
    // teacher's code in the week's folder.
    QString speichervorschlag() const;
    // Count and double booking of each list line, in its tooltip and colour.
    void listenhinweise_setzen();
    QListWidgetItem* gewaehlte_zeile() const;
    // The sheet of the plan in memory, to where `ziel` says.
    void vertretungsblatt(Druckziel ziel);
    // One printout of the window, under the general error handler.
    void wochendruck(const QString& ausdruck, const QString& thema, const std::function<void(Druckauftrag&)>& druck,
                     Druckziel ziel);
    // Lets the recovery copy follow the plan's changed-mark.
    void sicherung_nachziehen();

    Sitzung& sitzung_;
    Dialoge& dialoge_;
    Druckdienst* druckdienst_;
    Vertretungsplan vp_;
    BildWidget* image1_ = nullptr;
    std::array<QLabel*, 4> felder_{};       // Label2..Label5
    std::array<QListWidget*, 4> listBox_{}; // ListBox1..ListBox4
    LehrerwahlDialog* form6_ = nullptr;
    // The week: the folder of the plan last opened or saved here (a local
    // path); empty until then.
    std::string ordner_;
    Vertretungswoche woche_;
    std::vector<std::string> gemeldet_; // the unreadable files last named
    std::size_t gewaehlte_liste_ = 0;   // the list whose line was chosen last
    int listen_tag_ = 0;                // the lesson the lists were filled for
    int listen_stunde_ = 0;
    Sicherungswache* sicherung_ = nullptr;
    std::string datei_; // the file last opened or saved
    bool wiederhergestellt_ = false; // restored, not shown since
};

} // namespace orbela
