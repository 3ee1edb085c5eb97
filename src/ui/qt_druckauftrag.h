#pragma once

#include <QString>
#include <memory>

#include "print/druckauftrag.h"

class QPrinter;

namespace orbela {

class QtCanvas;

// A print job on a QPrinter: a real printer chosen in the printer dialog, or
// a PDF file. Fonts are sized in points of the printer's resolution; pen
// widths are its device pixels.
class QtDruckauftrag final : public Druckauftrag {
public:
    // A job on the given printer, which must outlive the job.
    explicit QtDruckauftrag(QPrinter& drucker);
    // A job that writes the PDF file `datei` (A4, 300 dpi).
    static std::unique_ptr<QtDruckauftrag> pdf(const QString& datei);
    ~QtDruckauftrag() override;
    QtDruckauftrag(const QtDruckauftrag&) = delete;
    QtDruckauftrag& operator=(const QtDruckauftrag&) = delete;

    void beginnen(Ausrichtung ausrichtung) override;
    Ausrichtung ausrichtung() const override { return ausrichtung_; }
    int seitenbreite() const override;
    int seitenhoehe() const override;
    Canvas& canvas() override;
    void neue_seite() override;
    void beenden() override;

private:
    std::unique_ptr<QPrinter> eigener_drucker_;
    QPrinter* drucker_;
    Ausrichtung ausrichtung_ = Ausrichtung::hochformat;
    std::unique_ptr<QtCanvas> canvas_;
};

} // namespace orbela
