#pragma once

#include <array>
#include <functional>

#include "core/sitzung.h"
#include "ui/dialoge.h"
#include "ui/drucken/druckdienst.h"
#include "ui/kartei_druckauswahl.h"
#include "ui/zentrieren.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolButton;

namespace orbela {

class BildWidget;

// "Adress- und Lehrerkartei": shows and edits one card of the index at a
// time. The controls are the editing buffer of the index's working card:
// `anzeigen` fills them from it, `sichern` takes them back. Every button
// stores the shown card before it acts, so nothing typed is dropped.
class KarteiFenster : public ZentrierterDialog {
    Q_OBJECT
public:

    // Edits the card index of the session; the grid follows its lesson
    // numbering option.
    KarteiFenster(Sitzung& sitzung, Dialoge& dialoge, QWidget* parent = nullptr);

    void anzeigen();
    void sichern();

    void setze_druckdienst(Druckdienst* dienst) { druckdienst_ = dienst; }

    // Edit1 .. Edit27.
    QLineEdit* Edit(int n) const { return edits_[static_cast<std::size_t>(n)]; }
    QComboBox* ComboBox1 = nullptr; // "Statistik-relevant?"
    QComboBox* ComboBox2 = nullptr; // "Geschlecht"
    QCheckBox* CheckBox1 = nullptr; // "Lehrer"
    QWidget* Panel1 = nullptr;      // covers the teacher block of a non-teacher
    BildWidget* Image1 = nullptr;   // blocked lessons
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QPushButton* BitBtn1 = nullptr;

private:
    // --- handlers
    void vorherige_karte();          // "<"
    void aus_namensliste_waehlen();  // the name list
    void naechste_karte();           // ">"
    void neue_karte();
    void karte_loeschen();
    void kartei_drucken_waehlen();   // the print choice, then the printout
    void uebernehmen_und_schliessen(); // "OK"
    void gesperrte_stunde_klicken(int x, int y);
    // The check box "Lehrer" released or left: the teacher block follows it.
    void lehrer_losgelassen();
    void lehrer_verlassen();

    void baue_fenster();
    // sichern, then einsortieren: the shown card goes back into the index.
    void karte_speichern();
    void fokus_auf_nachname();
    void zeichne_raster();
    void panel_anpassen();

    Sitzung& sitzung_;
    Kartei& kartei_;
    Dialoge& dialoge_;
    Druckdienst* druckdienst_ = nullptr;
    std::array<QLineEdit*, 28> edits_{};
    QStatusBar* statuszeile_ = nullptr; // names the PDF file a printout became
};

} // namespace orbela
