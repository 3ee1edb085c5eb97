#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "core/sitzung.h"
#include "ui/befehlslauf.h"
#include "ui/dialoge.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/hauptmenue.h"
#include "views/bildflaechen.h"

class QLabel;
class QMenu;
class QScrollArea;
class QStackedWidget;
class QTabBar;

namespace orbela {

class DateiBefehle;
class DruckBefehle;
class KlassenSeite;
class KonflikteFenster;
class ZellenZiehen;
class LehrerErsetzenDialog;
class PlanAnsicht;
class PlanSeite;
class RasterWidget;
class Seitenansichten;
class StundenSeite;
class VeroeffentlichenBefehle;
class VertretungsplanFenster;
class TagesvertretungFenster;
class Sicherungswache;
struct Sicherung;

// The main window: the menus, the day tabs with the grid, the editing pages,
// the side views and the status bar, wired to the run's state (the Sitzung
// it is given). The pages edit the plan through its document; whatever a
// change touched is drawn again by PlanAnsicht as the document reports it.
class Hauptfenster : public QMainWindow, private AnsichtsHost {
    Q_OBJECT
public:
    // Messages and file dialogs go to `dialoge`, print jobs to `ausgabe`
    // (by default Qt's dialogs and the printer set up).
    explicit Hauptfenster(Sitzung& sitzung, std::unique_ptr<Dialoge> dialoge = nullptr,
                          std::unique_ptr<Druckausgabe> ausgabe = nullptr, QWidget* parent = nullptr);
    ~Hauptfenster() override;

    // Loads the plan file at `pfad` exactly as "Laden..." does when that file
    // is chosen, errors shown by the general handler (the plan given at start).
    // Unsaved changes (a restored plan) are asked about first.
    void plan_oeffnen(const std::string& pfad);
    // Takes a recovery copy's plan as the unsaved state of its file; the
    // substitution plan's opens the substitution window with it.
    // False when the user cancels at the lock question or it fails (the
    // error shown).
    bool plan_wiederherstellen(const Sicherung& sicherung);
    // The substitution plan's copy goes into the substitution window, which
    // is not shown yet.
    void vertretungsplan_wiederherstellen(const Sicherung& sicherung);
    // Shows the restored substitution plan against the timetable open now;
    // while none is open, says that it waits for one.
    void wiederhergestellten_vertretungsplan_zeigen();
    // A recovery copy that cannot be written is told in the status bar and
    // in a message.
    void sicherungswache_verbinden(Sicherungswache& wache);

protected:
    // Grows the grid and moves the lower half down (FormResize).
    void resizeEvent(QResizeEvent* event) override;
    // Closing the window (close box or "Programmende") asks first while the
    // plan has unsaved changes.
    void closeEvent(QCloseEvent* event) override;

private:
    // Pages of the editing area `Notebook1`.
    enum class Seite { plan = 0, klassen = 1, stunden = 2, leer = 3 };

    // AnsichtsHost
    void statuszeilen_leeren() override;
    void tag_reiter_setzen(int tag) override;
    void bild_sichtbar(int bild, bool sichtbar) override;

    void baue_fenster();
    void verbinde_signale();
    void tastenkuerzel_anlegen();
    void bilder_auffrischen();
    Seite seite() const;
    void zeige_seite(Seite seite);
    // Day, lesson and class of the selection in the status panels.
    void zeige_status();

    // --- the grid
    void tag_gewechselt();
    void kopf_gewaehlt(Qt::MouseButton knopf, int stunde, int klasse);
    void zelle_gewaehlt(int stunde, int klasse);
    void zur_naechsten_stunde();
    // "verzichtbar", "nicht verzichtbar" and "löschen" of the popup menu.
    void zellenbefehl(char verzichtbar, bool loeschen);
    // After undo or redo: the open page shows the restored plan.
    void verlauf_zeigen(bool getan);
    void plan_geaendert(const Aenderung& aenderung);
    // --- commands opening other windows
    void lehrer_ersetzen();
    void kartei_oeffnen();
    void vertretungsplan_oeffnen();
    VertretungsplanFenster& vertretungsfenster();
    // "Vertretungen des Tages", opened or brought to the front over the
    // window it was asked from (so that it can be used beside the modal
    // substitution window); it follows that window's plan.
    void tagesvertretungen_zeigen(QWidget* ueber);
    // The list of the week's conflicts, opened or brought to the front; a
    // line double-clicked there shows its day and selects its cell.
    void konflikte_der_woche_zeigen();

    Sitzung& sitzung_;
    std::unique_ptr<Dialoge> dialoge_;
    Befehlslauf lauf_;
    int beobachter_ = 0;
    bool tab_sperre_ = false;

    Hauptmenue menue_;
    QWidget* tabControl1_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    RasterWidget* image1_ = nullptr;
    QStackedWidget* notebook1_ = nullptr;
    PlanSeite* planSeite_ = nullptr;
    KlassenSeite* klassenSeite_ = nullptr;
    StundenSeite* stundenSeite_ = nullptr;
    Seitenansichten* pageControl1_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QMenu* popupMenu1_ = nullptr;
    std::unique_ptr<PlanAnsicht> ansicht_;
    LehrerErsetzenDialog* ersetzen_dialog_ = nullptr;
    std::unique_ptr<DateiBefehle> datei_;
    std::unique_ptr<DruckBefehle> druck_;
    std::unique_ptr<VeroeffentlichenBefehle> veroeffentlichen_;
    VertretungsplanFenster* vertretungsfenster_ = nullptr;
    TagesvertretungFenster* tagesfenster_ = nullptr;
    KonflikteFenster* konflikte_ = nullptr;
    ZellenZiehen* zellenZiehen_ = nullptr;
};

} // namespace orbela
