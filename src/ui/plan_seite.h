#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QToolButton;

namespace orbela {

class Befehlslauf;
class CodeFeld;
class FokusKnopf;
class Sitzung;

// Page "Plan" of the editing area: the six code fields of the selected
// cell, the check boxes that make them Tab stops, the advance button and
// the copy button, with their handlers.
class PlanSeite : public QWidget {
    Q_OBJECT
public:
    PlanSeite(Sitzung& sitzung, Befehlslauf& lauf, QWidget* parent = nullptr);

    // Shows the codes of the selected cell of the day.
    void zeige_zelle();
    // True while the focus is in a field of the second occupancy.
    bool fokus_rechts() const;

signals:
    // The selection is to move one lesson down; the window moves, scrolls
    // and highlights it before this page goes on.
    void naechsteStunde();

private:
    // The button after the sixth field took the focus: on to the next lesson.
    void zur_naechsten_stunde_springen();
    // "↓": the next lesson takes over the codes of this cell.
    void fuer_naechste_stunde_uebernehmen();
    // Field n (1..6) changed: the code goes into the cell.
    void zellenfeld_geaendert(int n);
    // Check box n: whether field n is a Tab stop.
    void tabstopp_setzen(int n);
    // Focuses the first edit field that is a Tab stop (edit1 if none is).
    CodeFeld* fokus_auf_erstes_feld();
    CodeFeld* edit(int n) const { return edits_[static_cast<std::size_t>(n)]; }

    Sitzung& sitzung_;
    Befehlslauf& lauf_;
    // edit1..edit6 and CheckBox1..CheckBox6 are at index 1..6.
    std::array<CodeFeld*, 7> edits_{};
    std::array<QCheckBox*, 7> checks_{};
    FokusKnopf* naechste_stunde_knopf_ = nullptr;
    QToolButton* uebernehmen_knopf_ = nullptr;
};

} // namespace orbela
