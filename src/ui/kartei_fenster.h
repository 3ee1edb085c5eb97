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
    QLineEdit* eingabe(int n) const { return edits_[static_cast<std::size_t>(n)]; }

    Sitzung& sitzung_;
    Kartei& kartei_;
    Dialoge& dialoge_;
    Druckdienst* druckdienst_ = nullptr;
    // The text fields by their number 1 .. 27 (object names Edit1 .. Edit27).
    std::array<QLineEdit*, 28> edits_{};
    QComboBox* statistik_relevant_ = nullptr; // "Statistik-relevant?"
    QComboBox* geschlecht_ = nullptr;         // "Geschlecht"
    QCheckBox* lehrer_kaestchen_ = nullptr;   // "Lehrer"
    QWidget* lehrerblock_deckel_ = nullptr;   // covers the teacher block of a non-teacher
    BildWidget* gesperrte_stunden_ = nullptr; // blocked lessons
    QToolButton* zurueck_knopf_ = nullptr;    // "<"
    QToolButton* namensliste_knopf_ = nullptr;
    QToolButton* weiter_knopf_ = nullptr;     // ">"
    QToolButton* neu_knopf_ = nullptr;
    QToolButton* loeschen_knopf_ = nullptr;
    QToolButton* drucken_knopf_ = nullptr;
    QPushButton* ok_knopf_ = nullptr;
    QStatusBar* statuszeile_ = nullptr; // names the PDF file a printout became
};

} // namespace orbela
