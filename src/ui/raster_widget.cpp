#include "ui/raster_widget.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

#include "canvas/qt_canvas.h"
#include "views/ablage_toenung.h"

namespace orbela {

RasterWidget::RasterWidget(QWidget* parent)
    : BildWidget(raster::bild_breite, raster::bild_hoehe, parent)
{
    setObjectName(QStringLiteral("Image1"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(this, &BildWidget::mausGedrueckt, this, &RasterWidget::gedrueckt);
}

void RasterWidget::zeige_auf(int stunde, int klasse, bool rechts)
{
    punkt_ = QPoint(raster::punkt_x(klasse, rechts), raster::punkt_y(stunde));
}

void RasterWidget::gedrueckt(Qt::MouseButton knopf, int x, int y)
{
    druck_.reset();
    const auto treffer = raster::treffer_bei(x, y);
    if (!treffer)
        return;
    if (!treffer->ist_zelle()) {
        emit kopfGewaehlt(knopf, treffer->stunde, treffer->klasse);
        return;
    }
    emit zelleGewaehlt(treffer->stunde, treffer->klasse);
    if (knopf == Qt::LeftButton)
        druck_ = QPoint(x, y);
    if (knopf == Qt::RightButton) {
        punkt_ = QPoint(x, y);
        emit kontextmenueBei(treffer->stunde, treffer->klasse, mapToGlobal(QPoint(x, y)));
    }
}

void RasterWidget::beginne_ziehen(const Ablageziele& ziele)
{
    if (!druck_)
        return;
    toenung_ = ziele;
    // The grid never has the focus; Esc must reach it all the same.
    grabKeyboard();
    update();
}

void RasterWidget::zeige_ablageziele(const Ablageziele& ziele)
{
    if (!toenung_)
        return;
    toenung_ = ziele;
    update();
}

void RasterWidget::ziehen_beenden()
{
    druck_.reset();
    if (!toenung_)
        return;
    toenung_.reset();
    releaseKeyboard();
    update();
}

void RasterWidget::zeige_zellrahmen(int tag, Zellrahmen rahmen)
{
    rahmen_tag_ = tag;
    rahmen_ = std::move(rahmen);
    update();
}

void RasterWidget::paintEvent(QPaintEvent* event)
{
    BildWidget::paintEvent(event);
    if (!toenung_ && rahmen_.leer())
        return;
    // Over the shown bitmap only: the grid's own picture stays untouched.
    QtCanvas ueber(*this, 96);
    if (toenung_)
        zeichne_ablageziele(ueber, *toenung_);
    zeichne_zellrahmen(ueber, rahmen_tag_, rahmen_);
    ueber.abschliessen();
}

void RasterWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    punkt_ = pos;
    BildWidget::mouseMoveEvent(event);
    if (!druck_ || !(event->buttons() & Qt::LeftButton))
        return;
    if (toenung_) {
        emit gezogen(event->globalPosition().toPoint(), event->modifiers().testFlag(Qt::ControlModifier));
        return;
    }
    if ((pos - *druck_).manhattanLength() < QApplication::startDragDistance())
        return;
    const auto von = raster::treffer_bei(druck_->x(), druck_->y());
    emit ziehenGewuenscht(von->stunde, von->klasse);
    // Refused (an empty cell, no plan): the rest of this press is no drag.
    if (!toenung_)
        druck_.reset();
}

void RasterWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!toenung_ || event->button() != Qt::LeftButton) {
        if (event->button() == Qt::LeftButton)
            druck_.reset();
        return;
    }
    const QPoint pos = event->position().toPoint();
    const bool kopieren = event->modifiers().testFlag(Qt::ControlModifier);
    // Only a cell that can be seen counts: the part scrolled away or a
    // header is outside.
    const auto ziel = raster::treffer_bei(pos.x(), pos.y());
    const bool auf_zelle = ziel && ziel->ist_zelle() && visibleRegion().contains(pos);
    ziehen_beenden();
    if (auf_zelle)
        emit abgelegt(ziel->stunde, ziel->klasse, kopieren);
    else
        emit ziehenAbgebrochen();
}

void RasterWidget::keyPressEvent(QKeyEvent* event)
{
    if (toenung_ && event->key() == Qt::Key_Escape) {
        ziehen_beenden();
        emit ziehenAbgebrochen();
        return;
    }
    if (toenung_ && event->key() == Qt::Key_Control) {
        // Ctrl switches between move and copy without moving the mouse.
        emit gezogen(QCursor::pos(), true);
        return;
    }
    BildWidget::keyPressEvent(event);
}

void RasterWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (toenung_ && event->key() == Qt::Key_Control) {
        emit gezogen(QCursor::pos(), false);
        return;
    }
    BildWidget::keyReleaseEvent(event);
}

} // namespace orbela
