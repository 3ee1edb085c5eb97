#pragma once

#include "canvas/canvas.h"

namespace orbela {

enum class Ausrichtung { hochformat = 0, querformat = 1 };

// One print job on the printer: pages drawn through a canvas in the
// printer's device pixels. Every printout runs one job:
//
//   auftrag.beginnen(Ausrichtung::hochformat);   // orientation, first page
//   ... draw on auftrag.canvas(), auftrag.neue_seite() between pages ...
//   auftrag.beenden();                           // the pages go out
//
// Whoever starts a printout creates the job (a printer job, a PDF file, or a
// recording in tests) and hands it to the printout, which draws through
// `Druckseite` (print/druckseite.h) in page units.
class Druckauftrag {
public:
    virtual ~Druckauftrag() = default;

    // Sets the orientation and starts the job on its first page. Throws
    // Fehler when the job cannot start; nothing is printed then.
    virtual void beginnen(Ausrichtung ausrichtung) = 0;
    virtual Ausrichtung ausrichtung() const = 0;
    // The printable area of the page in device pixels, in the job's
    // orientation (landscape swaps width and height).
    virtual int seitenbreite() const = 0;
    virtual int seitenhoehe() const = 0;
    // The canvas of the current page; its font sizes are points of the
    // printer's resolution, pen widths are device pixels. Pen, brush and font
    // carry over to the next page.
    virtual Canvas& canvas() = 0;
    // Ends the current page and starts the next one, in the orientation
    // given (several printouts may share one job).
    virtual void neue_seite(Ausrichtung ausrichtung) = 0;
    void neue_seite() { neue_seite(ausrichtung()); }
    // Ends the job; the pages go to the printer or file.
    virtual void beenden() = 0;
};

} // namespace orbela
