#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "canvas/qt_canvas.h"

namespace orbela {

// An image control: a bitmap of fixed size with its own canvas. What is
// drawn stays until drawn over; painting the widget only shows the bitmap.
class BildWidget : public QWidget {
    Q_OBJECT
public:
    BildWidget(int breite, int hoehe, QWidget* parent = nullptr);

    Canvas& canvas() { return *canvas_; }
    // The bitmap as it stands, with every drawing operation finished.
    const QImage& bild();

signals:
    void mausGedrueckt(Qt::MouseButton knopf, int x, int y);
    void mausBewegt(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage bild_;
    std::unique_ptr<QtCanvas> canvas_;
};

} // namespace orbela
