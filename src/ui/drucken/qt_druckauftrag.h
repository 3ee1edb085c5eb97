#pragma once

#include <QString>
#include <memory>

#include "print/druckauftrag.h"

class QBuffer;
class QPagedPaintDevice;
class QPdfWriter;

namespace orbela {

class QtCanvas;

// A print job on a paged Qt device: a real printer, the print preview, or a
// PDF file. Fonts are sized in points of the device's resolution; pen widths
// are its device pixels.
class QtDruckauftrag final : public Druckauftrag {
public:
    // A job on the given printer or preview, which must outlive the job.
    explicit QtDruckauftrag(QPagedPaintDevice& geraet);
    // A job that writes the PDF file `datei` (A4, 300 dpi). The pages are
    // collected in memory and the file is written by `beenden` completely or
    // not at all; a failure there throws Fehler.
    static std::unique_ptr<QtDruckauftrag> pdf(const QString& datei);
    ~QtDruckauftrag() override;
    QtDruckauftrag(const QtDruckauftrag&) = delete;
    QtDruckauftrag& operator=(const QtDruckauftrag&) = delete;

    void beginnen(Ausrichtung ausrichtung) override;
    Ausrichtung ausrichtung() const override { return ausrichtung_; }
    int seitenbreite() const override;
    int seitenhoehe() const override;
    Canvas& canvas() override;
    using Druckauftrag::neue_seite;
    void neue_seite(Ausrichtung ausrichtung) override;
    void beenden() override;

private:
    void setze_ausrichtung(Ausrichtung ausrichtung);

    std::unique_ptr<QBuffer> puffer_;
    std::unique_ptr<QPdfWriter> pdf_;
    QString datei_;
    QPagedPaintDevice* geraet_;
    Ausrichtung ausrichtung_ = Ausrichtung::hochformat;
    std::unique_ptr<QtCanvas> canvas_;
};

} // namespace orbela
