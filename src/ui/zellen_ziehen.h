#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include "core/sitzung.h"
#include "core/zellort.h"
#include "ui/befehlslauf.h"

class QTabBar;

namespace orbela {

class RasterWidget;

// Moving lessons with the mouse: a cell dragged in the grid is dropped as a
// move onto an empty cell, a swap onto a filled one, or a copy with Ctrl
// held, each one step of the document. While dragging, the shown day's
// cells are tinted as drop targets, and resting on a day tab for half a
// second shows that day.
class ZellenZiehen : public QObject {
    Q_OBJECT
public:
    ZellenZiehen(Sitzung& sitzung, Befehlslauf& lauf, RasterWidget& raster, QTabBar& tage, QObject* parent = nullptr);

    static constexpr int reiter_wartezeit_ms = 500;

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
    QTabBar& tage_;
    QTimer reiter_zeit_;
    Zellort herkunft_;
    bool kopieren_ = false;
    int reiter_ = -1; // the day tab the mouse rests on
};

} // namespace orbela
