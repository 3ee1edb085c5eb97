#include "ui/raster_widget.h"

namespace orbela {

RasterWidget::RasterWidget(QWidget* parent)
    : BildWidget(raster::bild_breite, raster::bild_hoehe, parent)
{
    setObjectName(QStringLiteral("Image1"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(this, &BildWidget::mausGedrueckt, this, &RasterWidget::gedrueckt);
    connect(this, &BildWidget::mausBewegt, this, [this](int x, int y) { punkt_ = QPoint(x, y); });
}

void RasterWidget::zeige_auf(int stunde, int klasse, bool rechts)
{
    punkt_ = QPoint(raster::punkt_x(klasse, rechts), raster::punkt_y(stunde));
}

void RasterWidget::gedrueckt(Qt::MouseButton knopf, int x, int y)
{
    const auto treffer = raster::treffer_bei(x, y);
    if (!treffer)
        return;
    if (!treffer->ist_zelle()) {
        emit kopfGewaehlt(knopf, treffer->stunde, treffer->klasse);
        return;
    }
    emit zelleGewaehlt(treffer->stunde, treffer->klasse);
    if (knopf == Qt::RightButton) {
        punkt_ = QPoint(x, y);
        emit kontextmenueBei(treffer->stunde, treffer->klasse, mapToGlobal(QPoint(x, y)));
    }
}

} // namespace orbela
