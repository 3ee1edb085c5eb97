#pragma once

#include "ui/zentrieren.h"

class QCheckBox;
class QPushButton;

namespace orbela {

// "drucken": the choice of the card index printouts.
class KarteiDruckauswahl : public ZentrierterDialog {
    Q_OBJECT
public:
    enum class Wahl { keine, adressliste, adressliste_lehrer, geburtstagskalender, karte };

    explicit KarteiDruckauswahl(QWidget* parent = nullptr);

    // What the button that closed the window asks for; `keine` after
    // "Abbrechen" or the close box.
    Wahl wahl() const { return wahl_; }
    // True when the printout is to be shown in the print preview first.
    bool vorschau() const;

    QPushButton* Button1 = nullptr; // "Adressliste"
    QPushButton* Button2 = nullptr; // "Adressliste Lehrer"
    QPushButton* Button3 = nullptr; // "Geburtstagskalender"
    QPushButton* Button4 = nullptr; // "Karte drucken"
    QPushButton* BitBtn1 = nullptr; // "Abbrechen"
    QCheckBox* Vorschau = nullptr;  // "Vorschau zeigen"

private:
    Wahl wahl_ = Wahl::keine;
};

} // namespace orbela
