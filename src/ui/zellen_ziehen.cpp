#include "ui/zellen_ziehen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <algorithm>

#include "core/ablageziele.h"
#include "ui/raster_widget.h"
#include "ui/tauschvorschlaege_fenster.h"
#include "ui/wartecursor.h"

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
    // The main window has shown the new day by now: frame its cells.
    connect(&tage_, &QTabBar::currentChanged, this, &ZellenZiehen::rahmen_zeigen);
    // Ctrl+X, Ctrl+C, Ctrl+V and Esc reach the focused code field first.
    qApp->installEventFilter(this);
    beobachter_ = sitzung_.dokument().beobachten([this](const Aenderung& a) {
        if (a.art == Aenderung::Art::neuer_plan && vorgemerkt_)
            vergessen();
    });
}

ZellenZiehen::~ZellenZiehen()
{
    sitzung_.dokument().nicht_mehr_beobachten(beobachter_);
}

void ZellenZiehen::beginnen(int stunde, int klasse)
{
    const Dokument& d = sitzung_.dokument();
    if (d.kein_plan() || d.plan().zelle(tag(), stunde, klasse).ist_leer())
        return;
    herkunft_ = {tag(), stunde, klasse};
    kopieren_ = false;
    reiter_ = -1;
    suche_ = std::make_unique<Kettensuche>(d.plan(), sitzung_.lehrerliste(), sitzung_.optionen());
    laengen_ = {};
    raster_.beginne_ziehen(ziele_des_tages());
}

Ablageziele ZellenZiehen::ziele_des_tages()
{
    Ablageziele ziele = ablageziele(sitzung_.plan(), sitzung_.lehrerliste(), sitzung_.optionen(), herkunft_, tag(),
                                    !kopieren_);
    // A copy leaves the lesson where it is: no chain makes room for it. The
    // search is bounded (a few milliseconds on a full plan), once per day.
    if (kopieren_ || !suche_)
        return ziele;
    auto& laengen = laengen_[static_cast<std::size_t>(tag())];
    if (!laengen)
        laengen = suche_->kettenlaengen(herkunft_, tag());
    for (int stunde = 1; stunde <= anzahl_stunden; ++stunde)
        ziele.kette[static_cast<std::size_t>(stunde)] = std::max((*laengen)[static_cast<std::size_t>(stunde)], 0);
    return ziele;
}

void ZellenZiehen::toenung_zeigen()
{
    raster_.zeige_ablageziele(ziele_des_tages());
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
    ablegen_auf({tag(), stunde, klasse}, kopieren);
}

void ZellenZiehen::ablegen_auf(Zellort ziel, bool kopieren)
{
    const Dokument& dokument = sitzung_.dokument();
    if (dokument.kein_plan())
        return;
    // A move that clashes where a swap chain makes room offers the chains.
    if (!kopieren && ziel.klasse == herkunft_.klasse && !(ziel == herkunft_)) {
        const Ablageziele ziele = ablageziele(dokument.plan(), sitzung_.lehrerliste(), sitzung_.optionen(),
                                              herkunft_, ziel.tag, true);
        if (ziele.bei(ziel.stunde, ziel.klasse) == Ablage::konflikt) {
            auto ketten = Kettensuche(dokument.plan(), sitzung_.lehrerliste(), sitzung_.optionen())
                              .ketten(herkunft_, ziel);
            if (!ketten.empty()) {
                ketten_anbieten(std::move(ketten),
                                QStringLiteral("Dort gäbe es einen Konflikt. So können andere Stunden Platz machen:"));
                return;
            }
        }
    }
    lauf_([&] {
        Dokument& d = sitzung_.dokument();
        const int stunde = ziel.stunde, klasse = ziel.klasse;
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
    suche_.reset();
}

void ZellenZiehen::loesungen_anbieten(const Konflikt& konflikt)
{
    const Dokument& d = sitzung_.dokument();
    if (d.kein_plan())
        return;
    // Up to a fifth of a second on a full plan.
    std::vector<Tauschkette> ketten;
    {
        const Wartecursor warten;
        ketten = Kettensuche(d.plan(), sitzung_.lehrerliste(), sitzung_.optionen()).loesungen(konflikt);
    }
    if (ketten.empty()) {
        lauf_.dialoge().hinweis(QStringLiteral("Für diesen Konflikt ist kein Tausch zu finden, der keinen neuen schafft."));
        return;
    }
    ketten_anbieten(std::move(ketten), QStringLiteral("So lässt sich der Konflikt lösen, ohne einen neuen zu schaffen:"));
}

bool ZellenZiehen::ketten_anbieten(std::vector<Tauschkette> ketten, const QString& frage)
{
    const int tag_vorher = tag();
    TauschvorschlaegeFenster fenster(sitzung_.plan(), sitzung_.optionen().stunden_0_8, std::move(ketten), frage,
                                     raster_.window());
    connect(&fenster, &TauschvorschlaegeFenster::ketteGewaehlt, this, [this](const Tauschkette& kette) {
        gezeigte_kette_ = kette.tausche;
        // The day shown while it holds part of the chain, else the target's.
        const bool hier = std::any_of(kette.tausche.begin(), kette.tausche.end(),
                                      [&](const Tausch& t) { return t.von.tag == tag() || t.nach.tag == tag(); });
        if (!hier)
            zeige_tag(kette.tausche.front().nach.tag);
        rahmen_zeigen();
    });
    const bool genommen = lauf_.dialoge().modal(fenster);
    gezeigte_kette_.clear();
    const Tauschkette* kette = genommen ? fenster.gewaehlt() : nullptr;
    if (kette == nullptr) {
        zeige_tag(tag_vorher);
        rahmen_zeigen();
        return false;
    }
    const std::vector<Tausch> tausche = kette->tausche;
    lauf_([&] {
        sitzung_.dokument().tausche_kette(tausche);
        // Where the lesson went is shown and selected.
        zeige_tag(tausche.front().nach.tag);
        emit zielGewaehlt(tausche.front().nach.stunde, tausche.front().nach.klasse);
    });
    rahmen_zeigen();
    return true;
}

void ZellenZiehen::zeige_tag(int tag)
{
    // The main window shows the day as after a click on its tab.
    if (tag != this->tag())
        tage_.setCurrentIndex(tag - 1);
}

void ZellenZiehen::rahmen_zeigen()
{
    raster_.zeige_zellrahmen(tag(), {gezeigte_kette_, vorgemerkt_});
}

bool ZellenZiehen::vormerken(bool kopieren)
{
    const Auswahl& a = sitzung_.auswahl();
    if (sitzung_.dokument().kein_plan() || a.akt_stunde < 1 || a.akt_klasse < 1
        || sitzung_.plan().zelle(a.akt_tag, a.akt_stunde, a.akt_klasse).ist_leer())
        return false;
    vorgemerkt_ = Zellort{a.akt_tag, a.akt_stunde, a.akt_klasse};
    vorgemerkt_kopieren_ = kopieren;
    rahmen_zeigen();
    return true;
}

bool ZellenZiehen::einfuegen()
{
    const Auswahl& a = sitzung_.auswahl();
    if (!vorgemerkt_ || sitzung_.dokument().kein_plan() || a.akt_stunde < 1 || a.akt_klasse < 1)
        return false;
    const Zellort ziel{a.akt_tag, a.akt_stunde, a.akt_klasse};
    if (ziel == *vorgemerkt_)
        return true;
    herkunft_ = *vorgemerkt_;
    const bool kopieren = vorgemerkt_kopieren_;
    // A cut goes once; a copy may be pasted again.
    if (!kopieren)
        vorgemerkt_.reset();
    rahmen_zeigen();
    // Whatever the marked cell holds now is what moves.
    if (!sitzung_.plan().zelle(herkunft_.tag, herkunft_.stunde, herkunft_.klasse).ist_leer())
        ablegen_auf(ziel, kopieren);
    return true;
}

void ZellenZiehen::vergessen()
{
    vorgemerkt_.reset();
    rahmen_zeigen();
}

bool ZellenZiehen::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() != QEvent::KeyPress || !objekt->isWidgetType()
        || static_cast<QWidget*>(objekt)->window() != raster_.window() || raster_.zieht())
        return false;
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    const auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    const bool text_gewaehlt = feld != nullptr && feld->hasSelectedText();
    if (taste->key() == Qt::Key_Escape && taste->modifiers() == Qt::NoModifier && vorgemerkt_) {
        vergessen();
        return true;
    }
    if (taste->modifiers() != Qt::ControlModifier || text_gewaehlt)
        return false;
    switch (taste->key()) {
    case Qt::Key_X:
        return vormerken(false);
    case Qt::Key_C:
        return vormerken(true);
    case Qt::Key_V:
        return einfuegen();
    default:
        return false;
    }
}

} // namespace orbela
