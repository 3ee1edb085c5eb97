#pragma once

#include <QString>
#include <functional>

#include "print/druckauftrag.h"

namespace orbela {

// Where the printouts of every window go: each runs on a job of its own,
// named after the printout and its subject.
class Druckziel {
public:
    virtual ~Druckziel() = default;
    // Runs one printout. Returns the PDF file it became, as seen from the
    // program folder for a notice, or nothing when it went to a printer.
    virtual QString drucke(const QString& ausdruck, const QString& thema,
                           const std::function<void(Druckauftrag&)>& druck) = 0;
};

} // namespace orbela
