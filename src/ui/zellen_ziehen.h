#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include "core/sitzung.h"
#include "core/zellort.h"
#include "ui/befehlslauf.h"

class QScrollArea;
class QTabBar;

namespace orbela {

class RasterWidget;

// Moving lessons with the mouse: a cell dragged in the grid is dropped as a
// move onto an empty cell, a swap onto a filled one, or a copy with Ctrl
// held, each one step of the document. While dragging, the shown day's
// cells are tinted as drop targets, and resting on a day tab for half a
// second shows that day; near an edge of the scroll box the grid scrolls.
class ZellenZiehen : public QObject {
    Q_OBJECT
public:
    ZellenZiehen(Sitzung& sitzung, Befehlslauf& lauf, RasterWidget& raster, QScrollArea& box, QTabBar& tage,
                 QObject* parent = nullptr);

    static constexpr int reiter_wartezeit_ms = 500;
    // The band along the scroll box's edges that scrolls, and how fast.
    static constexpr int rollrand = 24;
    static constexpr int rolltakt_ms = 40;
    static constexpr int rollschritt = 15;

signals:
    // After a drop: the target cell is to be selected.
    void zielGewaehlt(int stunde, int klasse);

private:
    void beginnen(int stunde, int klasse);
    void gezogen(QPoint global, bool kopieren);
    void ablegen(int stunde, int klasse, bool kopieren);
    void beenden();
    void toenung_zeigen();
    int tag() const { return sitzung_.auswahl().akt_tag; }

    Sitzung& sitzung_;
    Befehlslauf& lauf_;
    RasterWidget& raster_;
    QScrollArea& box_;
    QTabBar& tage_;
    QTimer reiter_zeit_;
    QTimer rollen_;
    QPoint rollrichtung_;
    Zellort herkunft_;
    bool kopieren_ = false;
    int reiter_ = -1; // the day tab the mouse rests on
};

} // namespace orbela
