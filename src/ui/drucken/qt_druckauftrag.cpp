#include "ui/drucken/qt_druckauftrag.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "canvas/qt_canvas.h"
#include "core/fehler.h"
#include "core/sichere_datei.h"

namespace orbela {

QtDruckauftrag::QtDruckauftrag(QPagedPaintDevice& geraet)
    : geraet_(&geraet)
{
}

std::unique_ptr<QtDruckauftrag> QtDruckauftrag::pdf(const QString& datei)
{
    auto puffer = std::make_unique<QBuffer>();
    puffer->open(QIODevice::WriteOnly);
    auto pdf = std::make_unique<QPdfWriter>(puffer.get());
    // 300 dpi like a common laser printer, so that pens of one and two
    // pixels stay visible lines; margins of 10 pt as a printer has them.
    pdf->setResolution(300);
    pdf->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                   QPageLayout::Point));
    pdf->setCreator(QStringLiteral("Orbela"));
    auto auftrag = std::make_unique<QtDruckauftrag>(*pdf);
    auftrag->puffer_ = std::move(puffer);
    auftrag->pdf_ = std::move(pdf);
    auftrag->datei_ = datei;
    return auftrag;
}

QtDruckauftrag::~QtDruckauftrag()
{
    if (canvas_)
        canvas_->abschliessen();
}

void QtDruckauftrag::setze_ausrichtung(Ausrichtung ausrichtung)
{
    ausrichtung_ = ausrichtung;
    geraet_->setPageOrientation(ausrichtung == Ausrichtung::querformat ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}

void QtDruckauftrag::beginnen(Ausrichtung ausrichtung)
{
    setze_ausrichtung(ausrichtung);
    canvas_ = std::make_unique<QtCanvas>(*geraet_, geraet_->logicalDpiX());
    if (!canvas_->beginnen()) {
        canvas_.reset();
        throw Fehler("Der Druckauftrag kann nicht gestartet werden.");
    }
}

int QtDruckauftrag::seitenbreite() const
{
    return geraet_->width();
}

int QtDruckauftrag::seitenhoehe() const
{
    return geraet_->height();
}

Canvas& QtDruckauftrag::canvas()
{
    if (!canvas_)
        throw Fehler("Der Druckauftrag ist nicht begonnen.");
    return *canvas_;
}

void QtDruckauftrag::neue_seite(Ausrichtung ausrichtung)
{
    canvas();
    // A changed orientation applies from the new page on.
    if (ausrichtung != ausrichtung_)
        setze_ausrichtung(ausrichtung);
    if (!geraet_->newPage())
        throw Fehler("Der Drucker kann keine neue Seite beginnen.");
}

void QtDruckauftrag::beenden()
{
    if (!canvas_)
        return;
    canvas_->abschliessen();
    canvas_.reset();
    if (!pdf_)
        return;
    pdf_.reset();
    const QByteArray inhalt = puffer_->data();
    puffer_.reset();
    try {
        schreibe_datei_sicher(QFile::encodeName(datei_).toStdString(), std::string_view(inhalt.data(), inhalt.size()));
    } catch (const Fehler& f) {
        throw Fehler("Die Datei \"" + datei_.toStdString() + "\" kann nicht vollständig geschrieben werden. "
                     + f.text());
    }
}

} // namespace orbela
