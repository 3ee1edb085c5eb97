#include "ui/zellen_ziehen.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>

#include "core/ablageziele.h"
#include "ui/raster_widget.h"

namespace orbela {

ZellenZiehen::ZellenZiehen(Sitzung& sitzung, Befehlslauf& lauf, RasterWidget& raster, QScrollArea& box,
                           QTabBar& tage, QObject* parent)
    : QObject(parent)
    , sitzung_(sitzung)
    , lauf_(lauf)
    , raster_(raster)
    , box_(box)
    , tage_(tage)
{
    rollen_.setInterval(rolltakt_ms);
    connect(&rollen_, &QTimer::timeout, this, [this] {
        QScrollBar& waagerecht = *box_.horizontalScrollBar();
        QScrollBar& senkrecht = *box_.verticalScrollBar();
        waagerecht.setValue(waagerecht.value() + rollrichtung_.x() * rollschritt);
        senkrecht.setValue(senkrecht.value() + rollrichtung_.y() * rollschritt);
    });
    reiter_zeit_.setSingleShot(true);
    reiter_zeit_.setInterval(reiter_wartezeit_ms);
    connect(&reiter_zeit_, &QTimer::timeout, this, [this] {
        if (!raster_.zieht() || reiter_ < 0)
            return;
        // The main window shows the day as after a click on its tab.
        tage_.setCurrentIndex(reiter_);
        toenung_zeigen();
    });
    connect(&raster_, &RasterWidget::ziehenGewuenscht, this, &ZellenZiehen::beginnen);
    connect(&raster_, &RasterWidget::gezogen, this, &ZellenZiehen::gezogen);
    connect(&raster_, &RasterWidget::abgelegt, this, &ZellenZiehen::ablegen);
    connect(&raster_, &RasterWidget::ziehenAbgebrochen, this, &ZellenZiehen::beenden);
}

void ZellenZiehen::beginnen(int stunde, int klasse)
{
    const Dokument& d = sitzung_.dokument();
    if (d.kein_plan() || d.plan().zelle(tag(), stunde, klasse).ist_leer())
        return;
    herkunft_ = {tag(), stunde, klasse};
    kopieren_ = false;
    reiter_ = -1;
    raster_.beginne_ziehen(ablageziele(d.plan(), sitzung_.lehrerliste(), sitzung_.optionen(), herkunft_, tag(), true));
}

void ZellenZiehen::toenung_zeigen()
{
    raster_.zeige_ablageziele(ablageziele(sitzung_.plan(), sitzung_.lehrerliste(), sitzung_.optionen(), herkunft_,
                                          tag(), !kopieren_));
}

void ZellenZiehen::gezogen(QPoint global, bool kopieren)
{
    if (kopieren != kopieren_) {
        kopieren_ = kopieren;
        toenung_zeigen();
    }
    // Within the band along an edge of the visible grid it scrolls that way.
    const QRect sicht = box_.viewport()->rect();
    const QPoint p = box_.viewport()->mapFromGlobal(global);
    const auto richtung = [](int wert, int anfang, int ende) {
        return wert < anfang + rollrand ? -1 : wert > ende - rollrand ? 1 : 0;
    };
    rollrichtung_ = sicht.contains(p) ? QPoint(richtung(p.x(), sicht.left(), sicht.right()),
                                               richtung(p.y(), sicht.top(), sicht.bottom()))
                                      : QPoint();
    if (rollrichtung_.isNull())
        rollen_.stop();
    else if (!rollen_.isActive())
        rollen_.start();

    const int reiter = tage_.isVisible() ? tage_.tabAt(tage_.mapFromGlobal(global)) : -1;
    if (reiter == reiter_)
        return;
    reiter_ = reiter;
    if (reiter >= 0 && reiter != tage_.currentIndex())
        reiter_zeit_.start();
    else
        reiter_zeit_.stop();
}

void ZellenZiehen::ablegen(int stunde, int klasse, bool kopieren)
{
    beenden();
    lauf_([&] {
        Dokument& d = sitzung_.dokument();
        if (d.kein_plan())
            return;
        const Zellort ziel{tag(), stunde, klasse};
        if (kopieren)
            d.kopiere(herkunft_, ziel);
        else if (d.plan().zelle(ziel.tag, ziel.stunde, ziel.klasse).ist_leer())
            d.verschiebe(herkunft_, ziel);
        else
            d.tausche(herkunft_, ziel);
        emit zielGewaehlt(stunde, klasse);
    });
}

void ZellenZiehen::beenden()
{
    rollen_.stop();
    reiter_zeit_.stop();
    reiter_ = -1;
}

} // namespace orbela
