#include "ui/bild_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbela {

BildWidget::BildWidget(int breite, int hoehe, QWidget* parent)
    : QWidget(parent)
    , bild_(breite, hoehe, QImage::Format_RGB32)
{
    bild_.fill(Qt::white);
    canvas_ = std::make_unique<QtCanvas>(bild_, 96);
    setFixedSize(breite, hoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

const QImage& BildWidget::bild()
{
    canvas_->abschliessen();
    return bild_;
}

void BildWidget::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect(), bild(), event->rect());
}

void BildWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    emit mausGedrueckt(event->button(), pos.x(), pos.y());
}

void BildWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    emit mausBewegt(pos.x(), pos.y());
}

} // namespace orbela
