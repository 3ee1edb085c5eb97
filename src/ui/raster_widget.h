#pragma once

#include <QPoint>
#include <optional>

#include "core/ablageziele.h"
#include "ui/bild_widget.h"
#include "views/plan_raster.h"
#include "views/zellrahmen.h"

namespace orbela {

// The plan grid image of the main window. It turns mouse presses into the
// cell or header they hit and remembers the point the mouse was last at,
// where the commands of the cell's popup menu act.
//
// A left press on a cell followed by a move beyond the platform's drag
// distance asks to drag that cell (`ziehenGewuenscht`); once whoever owns the
// plan accepts with `beginne_ziehen`, the drop targets are tinted over the
// grid until the button is released (`abgelegt` on a cell of the visible
// grid, else `ziehenAbgebrochen`) or Esc is pressed (`ziehenAbgebrochen`).
class RasterWidget : public BildWidget {
    Q_OBJECT
public:
    explicit RasterWidget(QWidget* parent = nullptr);

    // The point the mouse was last pressed or moved at, or set by `zeige_auf`.
    std::optional<raster::Treffer> letzter_punkt() const { return raster::treffer_bei(punkt_.x(), punkt_.y()); }
    // Points at the middle of one half of a cell, as the mouse would.
    void zeige_auf(int stunde, int klasse, bool rechts);

    // Starts the drag asked for, showing `ziele` over the grid.
    void beginne_ziehen(const Ablageziele& ziele);
    // Shows other drop targets while dragging (another day, copy or move).
    void zeige_ablageziele(const Ablageziele& ziele);
    bool zieht() const { return toenung_.has_value(); }
    // Frames cells over the grid (a swap chain, a cell cut for pasting);
    // `tag` is the day shown, whose cells are framed. Empty frames none.
    void zeige_zellrahmen(int tag, Zellrahmen rahmen);
    const Zellrahmen& zellrahmen() const { return rahmen_; }

signals:
    // A click on a cell; a right click then asks for its popup menu.
    void zelleGewaehlt(int stunde, int klasse);
    // A click on a header: lesson 0 the class header, class 0 the lesson
    // header, both 0 the day corner.
    void kopfGewaehlt(Qt::MouseButton knopf, int stunde, int klasse);
    void kontextmenueBei(int stunde, int klasse, QPoint global);

    // The cell pressed is being pulled away.
    void ziehenGewuenscht(int stunde, int klasse);
    // While dragging: the mouse at `global`, Ctrl held or not.
    void gezogen(QPoint global, bool kopieren);
    void abgelegt(int stunde, int klasse, bool kopieren);
    void ziehenAbgebrochen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void gedrueckt(Qt::MouseButton knopf, int x, int y);
    void ziehen_beenden();

    QPoint punkt_{-1, -1};
    // Where the left button went down on a cell, until it is released or
    // the drag was refused.
    std::optional<QPoint> druck_;
    std::optional<Ablageziele> toenung_;
    Zellrahmen rahmen_;
    int rahmen_tag_ = 0;
};

} // namespace orbela
