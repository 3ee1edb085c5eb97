#include "ui/hauptfenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <tuple>

#include "ui/datei_befehle.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/raster_widget.h"
#include "ui/drucken/druck_befehle.h"
#include "ui/veroeffentlichen/veroeffentlichen_befehle.h"
#include "ui/klassen_seite.h"
#include "ui/konflikte_fenster.h"
#include "ui/lehrer_ersetzen_dialog.h"
#include "ui/plan_seite.h"
#include "ui/seitenansichten.h"
#include "ui/stunden_seite.h"
#include "ui/vertretung/vertretungsplan_fenster.h"
#include "ui/zellen_ziehen.h"
#include "ui/zentrieren.h"
#include "views/plan_ansicht.h"

namespace orbela {

Hauptfenster::Hauptfenster(Sitzung& sitzung, std::unique_ptr<Dialoge> dialoge, std::unique_ptr<Druckausgabe> ausgabe,
                           QWidget* parent)
    : QMainWindow(parent)
    , sitzung_(sitzung)
    , dialoge_(dialoge ? std::move(dialoge) : std::make_unique<QtDialoge>(this))
    , lauf_(sitzung.dokument(), *dialoge_, [this] { bilder_auffrischen(); })
{
    baue_fenster();

    Bildflaechen flaechen;
    flaechen.bild[1] = &image1_->canvas();
    for (int n = 2; n <= 11; ++n)
        flaechen.bild[static_cast<std::size_t>(n)] = &pageControl1_->bild(n)->canvas();
    AnsichtsHost& host = *this;
    ansicht_ = std::make_unique<PlanAnsicht>(sitzung_.plan(), sitzung_.optionen(), sitzung_.lehrerliste(), flaechen,
                                             host);
    datei_ = std::make_unique<DateiBefehle>(sitzung_, *dialoge_, this);
    druck_ = std::make_unique<DruckBefehle>(sitzung_, *dialoge_, this,
                                            [this](const QString& text) { statusBar()->showMessage(text, 8000); },
                                            std::move(ausgabe));
    veroeffentlichen_ = std::make_unique<VeroeffentlichenBefehle>(sitzung_, *dialoge_, this);

    verbinde_signale();
    // The card index is read at start; a file that cannot be read is
    // reported and the program starts all the same.
    geschuetzt(*dialoge_, [this] { sitzung_.karten_beim_start_lesen(); });
    // Status panels 1, 0 and 2 start empty.
    for (QLabel* p : panels_)
        p->clear();
}

Hauptfenster::~Hauptfenster()
{
    sitzung_.nicht_mehr_beobachten(beobachter_);
    // The pages run their handlers through lauf_: they go first.
    delete takeCentralWidget();
}

void Hauptfenster::plan_oeffnen(const std::string& pfad)
{
    lauf_([&] {
        if (datei_->aenderungen_sichern())
            datei_->plan_laden(pfad);
    });
}

bool Hauptfenster::plan_wiederherstellen(const Sicherung& sicherung)
{
    bool hergestellt = false;
    lauf_([&] { hergestellt = datei_->plan_wiederherstellen(sicherung); });
    return hergestellt;
}

void Hauptfenster::baue_fenster()
{
    setWindowTitle(QStringLiteral("Orbela V" ORBELA_VERSION));
    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(13);
    setFont(schrift);

    menue_ = baue_hauptmenue(*menuBar(), sitzung_.optionen());

    auto* zentrum = new QWidget(this);
    setCentralWidget(zentrum);

    // TabControl1: the day tabs with the scroll box holding the grid image.
    tabControl1_ = new QWidget(zentrum);
    tabControl1_->setObjectName(QStringLiteral("TabControl1"));
    tabControl1_->setGeometry(0, 3, 785, 329);
    tabBar_ = new QTabBar(tabControl1_);
    tabBar_->setObjectName(QStringLiteral("TabBar1"));
    QFont reiterschrift = schrift;
    reiterschrift.setPixelSize(17);
    tabBar_->setFont(reiterschrift);
    for (const char* tag : {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"})
        tabBar_->addTab(QString::fromUtf8(tag));
    tabBar_->setExpanding(false);
    tabBar_->setGeometry(0, 0, 785, 27);

    scrollBox1_ = new QScrollArea(tabControl1_);
    scrollBox1_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox1_->setGeometry(0, 27, 785, 302);
    image1_ = new RasterWidget;
    scrollBox1_->setWidget(image1_);
    scrollBox1_->setFocusPolicy(Qt::NoFocus);

    // Notebook1: the editing pages without tabs.
    notebook1_ = new QStackedWidget(zentrum);
    notebook1_->setObjectName(QStringLiteral("Notebook1"));
    notebook1_->setGeometry(0, 349, 185, 172);
    planSeite_ = new PlanSeite(sitzung_, lauf_);
    klassenSeite_ = new KlassenSeite(sitzung_, lauf_);
    stundenSeite_ = new StundenSeite(sitzung_, lauf_);
    notebook1_->addWidget(planSeite_);
    notebook1_->addWidget(klassenSeite_);
    notebook1_->addWidget(stundenSeite_);
    notebook1_->addWidget(new QWidget);
    zeige_seite(Seite::leer);

    pageControl1_ = new Seitenansichten(zentrum);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));
    pageControl1_->setGeometry(192, 336, 593, 186);

    // StatusBar1: day, lesson, class.
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFixedHeight(19);
    const std::array<int, 3> breiten = {70, 150, 150};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(statusBar());
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        panels_[i]->setFixedWidth(breiten[i]);
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        statusBar()->addWidget(panels_[i]);
    }

    // PopupMenu1 of the grid, with shortcuts that act on the selected cell.
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    tastenkuerzel_anlegen();

    ersetzen_dialog_ = new LehrerErsetzenDialog(this);

    resize(797, 600);
    auf_bildschirm_zentrieren(*this);
}

void Hauptfenster::verbinde_signale()
{
    const auto befehl = [this](QAction* eintrag, auto&& aktion) {
        connect(eintrag, &QAction::triggered, this, [this, aktion] { lauf_(aktion); });
    };
    befehl(menue_.Neu1, [this] { datei_->plan_neu(); });
    befehl(menue_.Planladen1, [this] { datei_->plan_laden(); });
    befehl(menue_.Planspeichern1, [this] { datei_->plan_speichern(); });
    befehl(menue_.Planspeichernunter1, [this] { datei_->plan_speichern_unter(); });
    befehl(menue_.ExportUVDtxt1, [this] { datei_->uvd_exportieren(); });
    befehl(menue_.Info1, [this] { datei_->info_zeigen(); });
    befehl(menue_.AlsWebseitenSpeichern1, [this] { veroeffentlichen_->als_webseiten_speichern(); });
    befehl(menue_.KalenderExportieren1, [this] { veroeffentlichen_->kalender_exportieren(); });
    befehl(menue_.Lehrerdatei1, [this] { kartei_oeffnen(); });
    befehl(menue_.Rueckgaengig1, [this] { verlauf_zeigen(sitzung_.dokument().rueckgaengig()); });
    befehl(menue_.Wiederholen1, [this] { verlauf_zeigen(sitzung_.dokument().wiederholen()); });
    befehl(menue_.Lehrerersetzen1, [this] { lehrer_ersetzen(); });
    befehl(menue_.Vertretungsplan1, [this] { vertretungsplan_oeffnen(); });
    befehl(menue_.VertretungenDesTages1, [this] { tagesvertretungen_zeigen(this); });
    befehl(menue_.Konfliktederwoche1, [this] { konflikte_der_woche_zeigen(); });
    connect(menue_.Programmende1, &QAction::triggered, this, [this] { close(); });
    const std::pair<QAction*, void (DruckBefehle::*)()> druckbefehle[] = {
        {menue_.Gesamtplan1, &DruckBefehle::gesamtplan_drucken},
        {menue_.Klassenplan1, &DruckBefehle::klassenplaene_drucken},
        {menue_.Klassenplanquer1, &DruckBefehle::klassenplaene_quer_drucken},
        {menue_.Lehrerplan1, &DruckBefehle::lehrerplaene_drucken},
        {menue_.Raumplan1, &DruckBefehle::raumplaene_drucken},
        {menue_.Uebersichtsplan1, &DruckBefehle::uebersichtsplan_drucken},
        {menue_.Uebersichtsplan161, &DruckBefehle::uebersichtsplan_1_6_drucken},
        {menue_.UebersichtsplanVorschau1, &DruckBefehle::uebersichtsplan_vorschau},
        {menue_.Uebersichtsplan16Vorschau1, &DruckBefehle::uebersichtsplan_1_6_vorschau},
        {menue_.AllePlaeneAlsPdf1, &DruckBefehle::alle_plaene_als_pdf},
        {menue_.VertretungsplanDrucken1, &DruckBefehle::vertretungsplaene_drucken},
        {menue_.Druckereinrichtung1, &DruckBefehle::drucker_einrichten},
        {menue_.Fcherbezeichnungen1, &DruckBefehle::faecherbezeichnungen_bearbeiten},
        {menue_.Rau1, &DruckBefehle::raumbezeichnungen_bearbeiten},
    };
    for (const auto& [eintrag, b] : druckbefehle)
        befehl(eintrag, [this, b = b] { (druck_.get()->*b)(); });

    for (const auto& [eintrag, option] : optionen_eintraege(menue_)) {
        connect(eintrag, &QAction::triggered, this,
                [this, option = option](bool an) { lauf_([&] { sitzung_.setze_option(option, an); }); });
    }

    // Whatever a change of the plan touched is drawn again; the undo items
    // follow the history.
    beobachter_ = sitzung_.beobachten([this](const Aenderung& a) { plan_geaendert(a); });
    plan_geaendert({Aenderung::Art::datei});

    connect(tabBar_, &QTabBar::currentChanged, this, [this] { lauf_([this] { tag_gewechselt(); }); });
    connect(image1_, &RasterWidget::kopfGewaehlt, this, [this](Qt::MouseButton knopf, int stunde, int klasse) {
        lauf_([&] { kopf_gewaehlt(knopf, stunde, klasse); });
    });
    connect(image1_, &RasterWidget::zelleGewaehlt, this,
            [this](int stunde, int klasse) { lauf_([&] { zelle_gewaehlt(stunde, klasse); }); });
    connect(image1_, &RasterWidget::kontextmenueBei, this, [this](int, int, QPoint wo) {
        if (!sitzung_.dokument().kein_plan())
            popupMenu1_->popup(wo);
    });
    // Drag and drop runs its drops through lauf_ itself.
    zellenZiehen_ = new ZellenZiehen(sitzung_, lauf_, *image1_, *scrollBox1_, *tabBar_, this);
    connect(zellenZiehen_, &ZellenZiehen::zielGewaehlt, this, &Hauptfenster::zelle_gewaehlt);
    connect(planSeite_, &PlanSeite::naechsteStunde, this, &Hauptfenster::zur_naechsten_stunde);
    connect(klassenSeite_, &KlassenSeite::spalteGeaendert, this, [this] { zeige_seite(Seite::leer); });
}

void Hauptfenster::tastenkuerzel_anlegen()
{
    // The grid takes no keyboard focus, so the popup commands also have
    // shortcuts that act on the selected cell: on its right half while the
    // focus is in a field of the second occupancy.
    const std::array<std::tuple<QString, QKeySequence, char, bool>, 3> befehle = {{
        {QStringLiteral("verzichtbar"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), 'v', false},
        {QStringLiteral("nicht verzichtbar"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), ' ', false},
        {QStringLiteral("löschen"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), ' ', true},
    }};
    for (const auto& [text, taste, zeichen, loeschen] : befehle) {
        if (loeschen)
            popupMenu1_->addSeparator();
        QAction* eintrag = popupMenu1_->addAction(text);
        eintrag->setShortcut(taste);
        eintrag->setShortcutContext(Qt::WidgetShortcut); // shown in the popup only
        connect(eintrag, &QAction::triggered, this,
                [this, z = zeichen, l = loeschen] { lauf_([&] { zellenbefehl(z, l); }); });
        auto* tastatur = new QAction(this);
        tastatur->setShortcut(taste);
        tastatur->setShortcutContext(Qt::WindowShortcut);
        addAction(tastatur);
        connect(tastatur, &QAction::triggered, this, [this, z = zeichen, l = loeschen] {
            lauf_([&] {
                // Only while page "Plan" shows the selected cell: after a day
                // change or a full redraw no cell is highlighted.
                const Auswahl& a = sitzung_.auswahl();
                if (seite() != Seite::plan || !a.ist_zelle())
                    return;
                image1_->zeige_auf(a.akt_stunde, a.akt_klasse, planSeite_->fokus_rechts());
                zellenbefehl(z, l);
            });
        });
    }
}

void Hauptfenster::bilder_auffrischen()
{
    image1_->update();
    for (int n = 2; n <= 11; ++n)
        pageControl1_->bild(n)->update();
}

Hauptfenster::Seite Hauptfenster::seite() const
{
    return static_cast<Seite>(notebook1_->currentIndex());
}

void Hauptfenster::zeige_seite(Seite seite)
{
    notebook1_->setCurrentIndex(static_cast<int>(seite));
}

// --- AnsichtsHost

void Hauptfenster::statuszeilen_leeren()
{
    for (QLabel* p : panels_)
        p->clear();
}

void Hauptfenster::tag_reiter_setzen(int tag)
{
    tab_sperre_ = true;
    tabBar_->setCurrentIndex(tag - 1);
    tab_sperre_ = false;
}

void Hauptfenster::bild_sichtbar(int bild, bool sichtbar)
{
    pageControl1_->bild(bild)->setVisible(sichtbar);
}

void Hauptfenster::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Below 800 x 600 the controls keep the sizes of the last larger state.
    const int w = width();
    const int h = height();
    if (h > 600 && w > 800) {
        tabControl1_->resize(w - 15, h - 271);
        tabBar_->resize(w - 15, tabBar_->height());
        scrollBox1_->resize(w - 15, h - 298);
        pageControl1_->move(pageControl1_->x(), h - 264);
        notebook1_->move(notebook1_->x(), h - 251);
    }
}

void Hauptfenster::closeEvent(QCloseEvent* event)
{
    bool schliessen = false;
    geschuetzt(*dialoge_, [&] {
        schliessen = datei_->aenderungen_sichern() && (vertretungsfenster_ == nullptr || vertretungsfenster_->aenderungen_sichern());
    });
    bilder_auffrischen();
    if (schliessen)
        event->accept();
    else
        event->ignore();
}

} // namespace orbela
