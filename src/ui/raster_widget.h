#pragma once

#include <QPoint>

#include "ui/bild_widget.h"
#include "views/plan_raster.h"

namespace orbela {

// The plan grid image of the main window. It turns mouse presses into the
// cell or header they hit and remembers the point the mouse was last at,
// where the commands of the cell's popup menu act.
class RasterWidget : public BildWidget {
    Q_OBJECT
public:
    explicit RasterWidget(QWidget* parent = nullptr);

    // The point the mouse was last pressed or moved at, or set by `zeige_auf`.
    std::optional<raster::Treffer> letzter_punkt() const { return raster::treffer_bei(punkt_.x(), punkt_.y()); }
    // Points at the middle of one half of a cell, as the mouse would.
    void zeige_auf(int stunde, int klasse, bool rechts);

signals:
    // A click on a cell; a right click then asks for its popup menu.
    void zelleGewaehlt(int stunde, int klasse);
    // A click on a header: lesson 0 the class header, class 0 the lesson
    // header, both 0 the day corner.
    void kopfGewaehlt(Qt::MouseButton knopf, int stunde, int klasse);
    void kontextmenueBei(int stunde, int klasse, QPoint global);

private:
    void gedrueckt(Qt::MouseButton knopf, int x, int y);

    QPoint punkt_{-1, -1};
};

} // namespace orbela
