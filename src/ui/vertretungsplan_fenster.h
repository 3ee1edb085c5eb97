#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/sitzung.h"
#include "core/vertretungsplan.h"
#include "print/druckauftrag.h"
#include "ui/dialoge.h"
#include "ui/zentrieren.h"

class QAction;
class QLabel;
class QListWidget;
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
    // Runs one printout on a new job named after the printout and its
    // subject (the printer, or a PDF file without one).
    using Druckstart = std::function<void(const QString& ausdruck, const QString& thema,
                                          const std::function<void(Druckauftrag&)>& druck)>;

    VertretungsplanFenster(Sitzung& sitzung, Dialoge& dialoge, Druckstart druckstart, QWidget* parent = nullptr);
    ~VertretungsplanFenster() override;

    // Opening from the main menu: discards the substitutes of the last
    // visit and rebuilds the week from the timetable as it now stands.
    void FormActivate();
    // Takes the substitution plan of a recovery copy, unsaved as it was.
    void wiederherstellen(const Sicherung& sicherung);

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
    void Ende1Click();

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
    LehrerwahlDialog* form6() const { return form6_; }

private:
    void baue_fenster();
    void verbinde_signale();
    template <typename Aktion>
    void ausfuehren(Aktion&& aktion);
    void zeige_auswahl();
    void vertreter_setzen(const std::string& vertreter);
    void vertreter_aus_liste(int n);
    std::string klassentext(int tag, int stunde) const;
    void titel_setzen();

    Sitzung& sitzung_;
    Dialoge& dialoge_;
    Druckstart druckstart_;
    Vertretungsplan vp_;
    BildWidget* image1_ = nullptr;
    std::array<QLabel*, 4> felder_{};       // Label2..Label5
    std::array<QListWidget*, 4> listBox_{}; // ListBox1..ListBox4
    LehrerwahlDialog* form6_ = nullptr;
    Sicherungswache* sicherung_ = nullptr;
    std::string datei_; // the file last opened or saved
};

} // namespace orbela
