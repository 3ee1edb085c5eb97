#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "core/sitzung.h"
#include "ui/dialoge.h"
#include "ui/geschuetzt.h"
#include "ui/hauptmenue.h"
#include "views/bildflaechen.h"

class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QStackedWidget;
class QTabBar;

namespace orbela {

class BildWidget;
class CodeFeld;
class DruckBefehle;
class KlassenSeite;
class LehrerErsetzenDialog;
class PlanAnsicht;
class PlanSeite;
class Seitenansichten;
class StundenSeite;
struct Sicherung;
class VertretungsplanFenster;

// The main window: shows the state of the run (the Sitzung it is given) in
// the grid, the editing pages, the side views, the status bar and the menus,
// and runs their handlers. Drawing is delegated to PlanAnsicht, files and
// rules to the core.
class Hauptfenster : public QMainWindow, private AnsichtsHost {
    Q_OBJECT
public:
    // Pages of the editing area `Notebook1`.
    enum class Seite { plan = 0, klassen = 1, stunden = 2, leer = 3 };

    explicit Hauptfenster(Sitzung& sitzung, std::unique_ptr<Dialoge> dialoge = nullptr, QWidget* parent = nullptr);
    ~Hauptfenster() override;

    // --- Datei
    void Neu1Click();
    void Planladen1Click();
    void Planspeichern1Click();
    void Planspeichernunter1Click();
    void Info1Click();
    void ExportUVDtxt1Click();
    void Lehrerdatei1Click();
    // Loads the plan file at `pfad` exactly as "Laden..." does when that file
    // is chosen, errors shown by the general handler (the plan given at start).
    // Unsaved changes (a restored plan) are asked about first.
    void plan_oeffnen(const std::string& pfad);
    // Takes a recovery copy's plan as the unsaved state of its file; the
    // substitution plan's opens the substitution window with it.
    // False when the user cancels at the lock question or it fails (the
    // error shown).
    bool plan_wiederherstellen(const Sicherung& sicherung);
    void vertretungsplan_wiederherstellen(const Sicherung& sicherung);
    // --- Extras
    void Rueckgaengig1Click();
    void Wiederholen1Click();
    void Lehrerersetzen1Click();
    // --- substitution planning (hauptfenster_vertretung.cpp)
    void Vertretungsplan1Click();
    void VertretungsplanDrucken1Click();
    void Programmende1Click();
    // --- day tabs and window
    void TabControl1Change();
    void FormResize();
    // --- grid
    void Image1MouseDown(Qt::MouseButton knopf, int x, int y);
    void Image1MouseMove(int x, int y);
    void verzichtbar1Click();
    void nichtverzichtbar1Click();
    void lschen1Click();
    // --- page "Plan"
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    void Edit6Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void BitBtn2Enter();
    void SpeedButton1Click();
    // --- pages "Klassen" and "Stunden"
    void Edit7Change();
    void Edit8Change();
    void Edit9Change();
    void Edit12Change();
    void Edit10Change();
    void Edit11Change();
    void BitBtn5Click();
    void BitBtn7Click();
    void BitBtn6Click();

    Sitzung& sitzung() { return sitzung_; }
    const Sitzung& sitzung() const { return sitzung_; }
    Seite seite() const;
    QString statuszeile(int panel) const;
    const Hauptmenue& menue() const { return menue_; }
    PlanSeite* planSeite() const { return planSeite_; }
    KlassenSeite* klassenSeite() const { return klassenSeite_; }
    StundenSeite* stundenSeite() const { return stundenSeite_; }
    BildWidget* bild(int n) const;
    QScrollArea* scrollBox1() const { return scrollBox1_; }
    QTabBar* tabControl1() const { return tabBar_; }
    QWidget* tabControlRahmen() const { return tabControl1_; }
    QWidget* notebook1() const;
    QWidget* pageControl1() const;
    QMenu* popupMenu1() const { return popupMenu1_; }
    PlanAnsicht& ansicht() { return *ansicht_; }
    LehrerErsetzenDialog* form7() const { return form7_; }
    // The print and name-table commands and where print jobs go.
    DruckBefehle& druck() { return *druck_; }
    // Created when first opened; it keeps its plan for the rest of the run.
    VertretungsplanFenster* form5() const { return form5_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Closing the window (close box or "Programmende") asks first while the
    // plan has unsaved changes.
    void closeEvent(QCloseEvent* event) override;

private:
    // AnsichtsHost
    void statuszeilen_leeren() override;
    void tag_reiter_setzen(int tag) override;
    void bild_sichtbar(int bild, bool sichtbar) override;

    void baue_fenster();
    void verbinde_signale();
    void tastenkuerzel_anlegen();
    // Runs a handler under the general error handler and shows what it drew.
    // Whatever it changes in the plan is one undo step.
    template <typename Aktion>
    void ausfuehren(Aktion&& aktion)
    {
        const Sitzung::Schritt schritt(sitzung_);
        geschuetzt(*dialoge_, std::forward<Aktion>(aktion));
        bilder_auffrischen();
    }
    void bilder_auffrischen();

    void zeige_seite(Seite seite);
    void setze_status(int panel, const QString& text);
    // Sets an edit field's text from the program; its change handler runs
    // when the text differs, exactly as when the user types it.
    void setze_feldtext(QLineEdit* feld, const QString& text, void (Hauptfenster::*handler)());
    void setze_zellen_felder(int stunde, int klasse);
    void setze_klassen_felder(int klasse);
    void setze_zeit_felder(int stunde);
    void verlauf_zeigen();
    void verlauf_menue_setzen();
    void zeige_zellenstatus(int stunde, int klasse);
    void zur_naechsten_stunde();
    // Focuses the first edit field that is a Tab stop (edit1 if none is).
    CodeFeld* fokus_auf_erstes_feld();
    void zellenfeld_geaendert(int n);
    void klassenfeld_geaendert(PString<4> klassentyp::*feld, const QLineEdit& edit, bool zeichnen);
    void zeitfeld_geaendert(PString<10> stundentyp::*feld, const QLineEdit& edit);
    // Edit1Change .. Edit6Change for n = 1..6.
    using Handler = void (Hauptfenster::*)();
    static Handler zellenfeld_handler(int n);
    void tabstopp_setzen(int n);
    void neu_zeichnen();
    // While the plan has unsaved changes: asks whether to save them, and
    // saves on "Ja". True when the command may go on.
    bool aenderungen_sichern();
    void lehrerliste_nach_planladen();
    void vertretungsfenster_anlegen();
    // The load step of "Laden..." once the file is chosen.
    void plan_laden(const std::string& pfad);
    void verzichtbar_setzen(char zeichen);
    void zelle_neu_zeichnen(int stunde, int klasse);
    void option_umschalten(QAction* eintrag, bool& option);

    Sitzung& sitzung_;
    std::unique_ptr<Dialoge> dialoge_;
    bool tab_sperre_ = false;
    int maus_x_ = 0;
    int maus_y_ = 0;

    Hauptmenue menue_;
    QWidget* tabControl1_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    BildWidget* image1_ = nullptr;
    QStackedWidget* notebook1_ = nullptr;
    PlanSeite* planSeite_ = nullptr;
    KlassenSeite* klassenSeite_ = nullptr;
    StundenSeite* stundenSeite_ = nullptr;
    Seitenansichten* pageControl1_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QMenu* popupMenu1_ = nullptr;
    QAction* verzichtbar1_ = nullptr;
    QAction* nichtverzichtbar1_ = nullptr;
    QAction* lschen1_ = nullptr;
    std::unique_ptr<PlanAnsicht> ansicht_;
    LehrerErsetzenDialog* form7_ = nullptr;
    std::unique_ptr<DruckBefehle> druck_;
    VertretungsplanFenster* form5_ = nullptr;
    int verlauf_zuhoerer_ = 0;
};

} // namespace orbela
