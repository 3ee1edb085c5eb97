#pragma once

#include <string>
#include <vector>

#include "ui/drucken/druckablauf.h"
#include "ui/zentrieren.h"

class QListWidget;
class QPushButton;

namespace orbela {

// "zum drucken wählen": the days, classes, teachers or rooms to print, with
// several chosen by click, Shift- and Ctrl-click or all at once with "alle".
// Created once and filled anew by every print command.
class DruckauswahlDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    explicit DruckauswahlDialog(QWidget* parent = nullptr);

    // Replaces the entries (Windows-1252 texts, in the order given).
    void fuellen(const std::vector<std::string>& eintraege);
    // The list positions (from 0) of the chosen entries, first to last.
    std::vector<int> gewaehlt() const;
    // Where the chosen entries go: "OK" prints, "Vorschau..." and
    // "Als PDF..." close the window with OK as well.
    Druckziel ziel() const { return ziel_; }

    QListWidget* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr; // "alle"
    QPushButton* BitBtn1 = nullptr; // "OK"
    QPushButton* BitBtn2 = nullptr; // "&Abbrechen"
    QPushButton* Vorschau = nullptr; // "Vorschau..."
    QPushButton* AlsPdf = nullptr;   // "Als PDF..."

private:
    // "alle": chooses every entry; the window stays open.
    void alle_waehlen();

    Druckziel ziel_ = Druckziel::drucker;
};

} // namespace orbela
