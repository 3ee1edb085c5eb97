#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "canvas/qt_canvas.h"

namespace orbela {

// An image control: a bitmap of fixed size with its own canvas. What is
// drawn stays until drawn over; painting the widget only shows the bitmap.
// The bitmap has the screen's device pixel ratio: pictures are drawn in
// logical pixels and come out with as many device pixels as the screen
// shows, so text and lines stay sharp on scaled screens.
class BildWidget : public QWidget {
    Q_OBJECT
public:
    BildWidget(int breite, int hoehe, QWidget* parent = nullptr);

    Canvas& canvas() { return *canvas_; }
    // The bitmap as it stands, with every drawing operation finished; its
    // size is the logical size times `pixelverhaeltnis()`.
    const QImage& bild();
    qreal pixelverhaeltnis() const { return bild_.devicePixelRatio(); }
    // Gives the bitmap another device pixel ratio, keeping its picture
    // (scaled until drawn anew). Painting does this itself when the widget
    // has come onto a screen of another ratio.
    void setze_pixelverhaeltnis(qreal verhaeltnis);

signals:
    void mausGedrueckt(Qt::MouseButton knopf, int x, int y);
    void mausBewegt(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int breite_;
    int hoehe_;
    QImage bild_;
    std::unique_ptr<QtCanvas> canvas_;
};

} // namespace orbela
