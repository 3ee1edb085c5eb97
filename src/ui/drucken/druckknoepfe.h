#pragma once

#include <functional>

#include "ui/drucken/druckablauf.h"

class QDialogButtonBox;
class QPushButton;

namespace orbela {

// "Drucken", "Vorschau..." and "Als PDF..." in a dialog's row of buttons,
// for a dialog that prints what it shows.
struct Druckknoepfe {
    QPushButton* drucken = nullptr;
    QPushButton* vorschau = nullptr;
    QPushButton* als_pdf = nullptr;
};

// Adds the three buttons to `knoepfe`; each runs `drucken` with its target.
Druckknoepfe druckknoepfe_anlegen(QDialogButtonBox& knoepfe, std::function<void(Druckziel)> drucken);

} // namespace orbela
