#include "ui/bild_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace orbela {

namespace {

QImage leeres_bild(int breite, int hoehe, qreal verhaeltnis)
{
    QImage bild(static_cast<int>(std::ceil(breite * verhaeltnis)), static_cast<int>(std::ceil(hoehe * verhaeltnis)),
                QImage::Format_RGB32);
    bild.setDevicePixelRatio(verhaeltnis);
    bild.fill(Qt::white);
    return bild;
}

} // namespace

BildWidget::BildWidget(int breite, int hoehe, QWidget* parent)
    : QWidget(parent)
    , breite_(breite)
    , hoehe_(hoehe)
    , bild_(leeres_bild(breite, hoehe, devicePixelRatioF()))
{
    // The canvas keeps drawing into bild_, whatever bitmap it holds.
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

void BildWidget::setze_pixelverhaeltnis(qreal verhaeltnis)
{
    if (verhaeltnis == bild_.devicePixelRatio())
        return;
    QImage neu = leeres_bild(breite_, hoehe_, verhaeltnis);
    {
        QPainter p(&neu);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(0, 0, breite_, hoehe_), bild());
    }
    bild_ = std::move(neu);
}

void BildWidget::paintEvent(QPaintEvent* event)
{
    setze_pixelverhaeltnis(devicePixelRatioF());
    const QRect r = event->rect();
    const qreal v = pixelverhaeltnis();
    QPainter p(this);
    p.drawImage(QRectF(r), bild(), QRectF(r.x() * v, r.y() * v, r.width() * v, r.height() * v));
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
