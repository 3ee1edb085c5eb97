#pragma once

#include <QString>

#include "ui/drucken/druckablauf.h"

namespace orbela {

// How every window prints: it hands a command with its printouts to where
// print jobs go, for the printer, the preview or a PDF file.
class Druckdienst {
public:
    virtual ~Druckdienst() = default;
    // Runs the command. Returns the PDF file it became, as seen from the
    // program folder for a notice, or nothing when it went elsewhere.
    virtual QString drucke(const Druckbefehl& befehl, Druckziel ziel = Druckziel::drucker) = 0;
};

} // namespace orbela
