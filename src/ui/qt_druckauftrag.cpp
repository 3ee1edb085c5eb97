#include "ui/qt_druckauftrag.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "canvas/qt_canvas.h"
#include "core/fehler.h"

namespace orbela {

QtDruckauftrag::QtDruckauftrag(QPrinter& drucker)
    : drucker_(&drucker)
{
}

std::unique_ptr<QtDruckauftrag> QtDruckauftrag::pdf(const QString& datei)
{
    // 300 dpi like a common laser printer, so that pens of one and two
    // pixels stay visible lines.
    auto drucker = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    drucker->setOutputFormat(QPrinter::PdfFormat);
    drucker->setResolution(300);
    drucker->setPageSize(QPageSize(QPageSize::A4));
    drucker->setOutputFileName(datei);
    drucker->setCreator(QStringLiteral("Orbela"));
    auto auftrag = std::make_unique<QtDruckauftrag>(*drucker);
    auftrag->eigener_drucker_ = std::move(drucker);
    return auftrag;
}

QtDruckauftrag::~QtDruckauftrag()
{
    if (canvas_)
        canvas_->abschliessen();
}

void QtDruckauftrag::beginnen(Ausrichtung ausrichtung)
{
    ausrichtung_ = ausrichtung;
    drucker_->setPageOrientation(ausrichtung == Ausrichtung::querformat ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    canvas_ = std::make_unique<QtCanvas>(*drucker_, drucker_->resolution());
    if (!canvas_->beginnen()) {
        canvas_.reset();
        if (drucker_->outputFormat() == QPrinter::PdfFormat)
            throw Fehler("Die Datei \"" + drucker_->outputFileName().toStdString()
                         + "\" kann nicht erstellt werden.");
        throw Fehler("Der Druckauftrag kann nicht gestartet werden.");
    }
}

int QtDruckauftrag::seitenbreite() const
{
    return drucker_->width();
}

int QtDruckauftrag::seitenhoehe() const
{
    return drucker_->height();
}

Canvas& QtDruckauftrag::canvas()
{
    if (!canvas_)
        throw Fehler("Der Druckauftrag ist nicht begonnen.");
    return *canvas_;
}

void QtDruckauftrag::neue_seite()
{
    canvas();
    if (!drucker_->newPage())
        throw Fehler("Der Drucker kann keine neue Seite beginnen.");
}

void QtDruckauftrag::beenden()
{
    if (canvas_)
        canvas_->abschliessen();
    canvas_.reset();
}

} // namespace orbela
