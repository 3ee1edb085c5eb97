#include "ui/hauptfenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <tuple>

#include "canvas/qt_text_1252.h"
#include "core/kartei_laden.h"
#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/hauptfenster_druck.h"
#include "ui/fokus_knopf.h"
#include "ui/klassen_seite.h"
#include "ui/lehrer_ersetzen_dialog.h"
#include "ui/plan_seite.h"
#include "ui/seitenansichten.h"
#include "ui/stunden_seite.h"
#include "ui/vertretungsplan_fenster.h"
#include "ui/zentrieren.h"
#include "views/plan_ansicht.h"

namespace orbela {

Hauptfenster::Hauptfenster(Sitzung& sitzung, std::unique_ptr<Dialoge> dialoge, QWidget* parent)
    : QMainWindow(parent)
    , sitzung_(sitzung)
    , dialoge_(dialoge ? std::move(dialoge) : std::make_unique<QtDialoge>(this))
{
    baue_fenster();

    Bildflaechen flaechen;
    flaechen.bild[1] = &image1_->canvas();
    for (int n = 2; n <= 11; ++n)
        flaechen.bild[static_cast<std::size_t>(n)] = &pageControl1_->bild(n)->canvas();
    AnsichtsHost& host = *this;
    ansicht_ = std::make_unique<PlanAnsicht>(sitzung_.plan(), sitzung_.optionen(), sitzung_.lehrerliste(), flaechen,
                                             host);
    druck_ = std::make_unique<DruckBefehle>(sitzung_, *dialoge_, this,
                                            [this](const QString& text) { statusBar()->showMessage(text, 8000); });

    verbinde_signale();
    // The card index is read at start; a file that cannot be read is
    // reported and the program starts all the same.
    geschuetzt(*dialoge_, [this] { kartei_beim_start_lesen(sitzung_.kartei(), sitzung_.programmpfad()); });
    // Status panels 1, 0 and 2 start empty.
    for (QLabel* p : panels_)
        p->clear();
}

Hauptfenster::~Hauptfenster()
{
    sitzung_.abmelden(verlauf_zuhoerer_);
}

void Hauptfenster::baue_fenster()
{
    setWindowTitle(QStringLiteral("Orbela V2.2"));
    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(13);
    setFont(schrift);

    menue_ = baue_hauptmenue(*menuBar());

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
    image1_ = new BildWidget(1000, 750);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setContextMenuPolicy(Qt::PreventContextMenu);
    scrollBox1_->setWidget(image1_);
    scrollBox1_->setFocusPolicy(Qt::NoFocus);

    // Notebook1: the editing pages without tabs.
    notebook1_ = new QStackedWidget(zentrum);
    notebook1_->setObjectName(QStringLiteral("Notebook1"));
    notebook1_->setGeometry(0, 349, 185, 172);
    planSeite_ = new PlanSeite;
    klassenSeite_ = new KlassenSeite;
    stundenSeite_ = new StundenSeite;
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
    verzichtbar1_ = popupMenu1_->addAction(QStringLiteral("verzichtbar"));
    nichtverzichtbar1_ = popupMenu1_->addAction(QStringLiteral("nicht verzichtbar"));
    popupMenu1_->addSeparator();
    lschen1_ = popupMenu1_->addAction(QStringLiteral("löschen"));
    tastenkuerzel_anlegen();

    form7_ = new LehrerErsetzenDialog(this);

    resize(797, 600);
    auf_bildschirm_zentrieren(*this);
}

void Hauptfenster::verbinde_signale()
{
    connect(menue_.Neu1, &QAction::triggered, this, [this] { ausfuehren([this] { Neu1Click(); }); });
    connect(menue_.Planladen1, &QAction::triggered, this, [this] { ausfuehren([this] { Planladen1Click(); }); });
    connect(menue_.Planspeichern1, &QAction::triggered, this,
            [this] { ausfuehren([this] { Planspeichern1Click(); }); });
    connect(menue_.Planspeichernunter1, &QAction::triggered, this,
            [this] { ausfuehren([this] { Planspeichernunter1Click(); }); });
    connect(menue_.ExportUVDtxt1, &QAction::triggered, this,
            [this] { ausfuehren([this] { ExportUVDtxt1Click(); }); });
    connect(menue_.Lehrerdatei1, &QAction::triggered, this,
            [this] { ausfuehren([this] { Lehrerdatei1Click(); }); });
    connect(menue_.Rueckgaengig1, &QAction::triggered, this,
            [this] { ausfuehren([this] { Rueckgaengig1Click(); }); });
    connect(menue_.Wiederholen1, &QAction::triggered, this,
            [this] { ausfuehren([this] { Wiederholen1Click(); }); });
    // The undo items follow the session's history.
    verlauf_zuhoerer_ = sitzung_.bei_aenderung([this] { verlauf_menue_setzen(); });
    verlauf_menue_setzen();
    connect(menue_.Lehrerersetzen1, &QAction::triggered, this,
            [this] { ausfuehren([this] { Lehrerersetzen1Click(); }); });
    connect(menue_.Vertretungsplan1, &QAction::triggered, this,
            [this] { ausfuehren([this] { Vertretungsplan1Click(); }); });
    connect(menue_.VertretungsplanDrucken1, &QAction::triggered, this,
            [this] { ausfuehren([this] { VertretungsplanDrucken1Click(); }); });
    connect(menue_.Info1, &QAction::triggered, this, [this] { ausfuehren([this] { Info1Click(); }); });
    connect(menue_.Programmende1, &QAction::triggered, this, [this] { Programmende1Click(); });
    const std::pair<QAction*, void (DruckBefehle::*)()> druckbefehle[] = {
        {menue_.Gesamtplan1, &DruckBefehle::drucken1Click},
        {menue_.Klassenplan1, &DruckBefehle::Klassenplan1Click},
        {menue_.Klassenplanquer1, &DruckBefehle::Klassenplanquer1Click},
        {menue_.Lehrerplan1, &DruckBefehle::Lehrerplan1Click},
        {menue_.Raumplan1, &DruckBefehle::Raumplan1Click},
        {menue_.Uebersichtsplan1, &DruckBefehle::bersichtsplan1Click},
        {menue_.Uebersichtsplan161, &DruckBefehle::bersichtsplan161Click},
        {menue_.UebersichtsplanVorschau1, &DruckBefehle::UebersichtsplanVorschau1Click},
        {menue_.Uebersichtsplan16Vorschau1, &DruckBefehle::Uebersichtsplan16Vorschau1Click},
        {menue_.AllePlaeneAlsPdf1, &DruckBefehle::AllePlaeneAlsPdf1Click},
        {menue_.Druckereinrichtung1, &DruckBefehle::Druckereinrichtung1Click},
        {menue_.Fcherbezeichnungen1, &DruckBefehle::Fcherbezeichnungen1Click},
        {menue_.Rau1, &DruckBefehle::Rau1Click},
    };
    for (const auto& [eintrag, befehl] : druckbefehle) {
        connect(eintrag, &QAction::triggered, this,
                [this, befehl = befehl] { ausfuehren([&] { (druck_.get()->*befehl)(); }); });
    }

    const std::array<std::pair<QAction*, bool*>, 11> optionen = {{
        {menue_.Lehrereinsatz1, &sitzung_.optionen().doppelter_lehrereinsatz},
        {menue_.Raumnutzung1, &sitzung_.optionen().doppelte_raumnutzung},
        {menue_.Klassenplananz1, &sitzung_.optionen().klassenplan_anzeigen},
        {menue_.RaumLehrerplananz1, &sitzung_.optionen().raum_lehrerplan_anzeigen},
        {menue_.Statistikanz1, &sitzung_.optionen().statistik_anzeigen},
        {menue_.Lehrereinsatzanz1, &sitzung_.optionen().lehrereinsatz_anzeigen},
        {menue_.Sporthalle1, &sitzung_.optionen().sporthalle_gelb},
        {menue_.Schwimmen1, &sitzung_.optionen().schwimmen_blau},
        {menue_.Foerder1, &sitzung_.optionen().foerder_gruen},
        {menue_.KlassenlehrerunterlegenAusdruck1, &sitzung_.optionen().klassenlehrer_unterlegen},
        {menue_.Stunden081, &sitzung_.optionen().stunden_0_8},
    }};
    for (const auto& [eintrag, option] : optionen) {
        connect(eintrag, &QAction::triggered, this, [this, eintrag = eintrag, option = option] {
            ausfuehren([&] { option_umschalten(eintrag, *option); });
        });
    }

    connect(tabBar_, &QTabBar::currentChanged, this, [this] { ausfuehren([this] { TabControl1Change(); }); });

    connect(image1_, &BildWidget::mausGedrueckt, this, [this](Qt::MouseButton knopf, int x, int y) {
        ausfuehren([&] { Image1MouseDown(knopf, x, y); });
    });
    connect(image1_, &BildWidget::mausBewegt, this, [this](int x, int y) { Image1MouseMove(x, y); });
    connect(verzichtbar1_, &QAction::triggered, this, [this] { ausfuehren([this] { verzichtbar1Click(); }); });
    connect(nichtverzichtbar1_, &QAction::triggered, this,
            [this] { ausfuehren([this] { nichtverzichtbar1Click(); }); });
    connect(lschen1_, &QAction::triggered, this, [this] { ausfuehren([this] { lschen1Click(); }); });

    const std::array<Handler, 7> haken_handler = {nullptr,
                                                  &Hauptfenster::CheckBox1Click,
                                                  &Hauptfenster::CheckBox2Click,
                                                  &Hauptfenster::CheckBox3Click,
                                                  &Hauptfenster::CheckBox4Click,
                                                  &Hauptfenster::CheckBox5Click,
                                                  &Hauptfenster::CheckBox6Click};
    for (int n = 1; n <= 6; ++n) {
        const Handler e = zellenfeld_handler(n);
        const Handler h = haken_handler[static_cast<std::size_t>(n)];
        connect(planSeite_->edit(n), &QLineEdit::textChanged, this,
                [this, e] { ausfuehren([this, e] { (this->*e)(); }); });
        connect(planSeite_->checkBox(n), &QCheckBox::clicked, this,
                [this, h] { ausfuehren([this, h] { (this->*h)(); }); });
    }
    connect(planSeite_->bitBtn2(), &FokusKnopf::fokusErhalten, this,
            [this] { ausfuehren([this] { BitBtn2Enter(); }); });
    connect(planSeite_->speedButton1(), &QToolButton::clicked, this,
            [this] { ausfuehren([this] { SpeedButton1Click(); }); });

    const std::array<std::pair<QLineEdit*, Handler>, 6> kopf_felder = {{
        {klassenSeite_->Edit7, &Hauptfenster::Edit7Change},
        {klassenSeite_->Edit8, &Hauptfenster::Edit8Change},
        {klassenSeite_->Edit9, &Hauptfenster::Edit9Change},
        {klassenSeite_->Edit12, &Hauptfenster::Edit12Change},
        {stundenSeite_->edit10, &Hauptfenster::Edit10Change},
        {stundenSeite_->edit11, &Hauptfenster::Edit11Change},
    }};
    connect(klassenSeite_->BitBtn5, &QPushButton::clicked, this, [this] { ausfuehren([this] { BitBtn5Click(); }); });
    connect(klassenSeite_->BitBtn7, &QPushButton::clicked, this, [this] { ausfuehren([this] { BitBtn7Click(); }); });
    connect(klassenSeite_->BitBtn6, &QPushButton::clicked, this, [this] { ausfuehren([this] { BitBtn6Click(); }); });
    for (const auto& [feld, handler] : kopf_felder) {
        connect(feld, &QLineEdit::textChanged, this,
                [this, h = handler] { ausfuehren([this, h] { (this->*h)(); }); });
    }
}

void Hauptfenster::tastenkuerzel_anlegen()
{
    // The grid takes no keyboard focus, so the popup commands also have
    // shortcuts that act on the selected cell: on its right half while the
    // focus is in a field of the second occupancy.
    const std::array<std::tuple<QAction*, QKeySequence, Handler>, 3> kuerzel = {{
        {verzichtbar1_, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &Hauptfenster::verzichtbar1Click},
        {nichtverzichtbar1_, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), &Hauptfenster::nichtverzichtbar1Click},
        {lschen1_, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), &Hauptfenster::lschen1Click},
    }};
    for (const auto& [eintrag, taste, handler] : kuerzel) {
        eintrag->setShortcut(taste);
        eintrag->setShortcutContext(Qt::WidgetShortcut); // shown in the popup only
        auto* tastatur = new QAction(this);
        tastatur->setShortcut(taste);
        tastatur->setShortcutContext(Qt::WindowShortcut);
        addAction(tastatur);
        connect(tastatur, &QAction::triggered, this, [this, h = handler] {
            ausfuehren([this, h] {
                // Only while page "Plan" shows the selected cell: after a day
                // change or a full redraw no cell is highlighted.
                if (seite() != Seite::plan || !sitzung_.auswahl().ist_zelle())
                    return;
                bool rechts = false;
                for (int n = 4; n <= 6; ++n)
                    rechts = rechts || planSeite_->edit(n)->hasFocus();
                maus_x_ = 50 * sitzung_.auswahl().akt_klasse + (rechts ? 37 : 12);
                maus_y_ = 75 * sitzung_.auswahl().akt_stunde + 37;
                (this->*h)();
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

BildWidget* Hauptfenster::bild(int n) const
{
    return n == 1 ? image1_ : pageControl1_->bild(n);
}

QWidget* Hauptfenster::notebook1() const
{
    return notebook1_;
}

QWidget* Hauptfenster::pageControl1() const
{
    return pageControl1_;
}

Hauptfenster::Seite Hauptfenster::seite() const
{
    return static_cast<Seite>(notebook1_->currentIndex());
}

void Hauptfenster::zeige_seite(Seite seite)
{
    notebook1_->setCurrentIndex(static_cast<int>(seite));
}

QString Hauptfenster::statuszeile(int panel) const
{
    return panels_[static_cast<std::size_t>(panel)]->text();
}

void Hauptfenster::setze_status(int panel, const QString& text)
{
    panels_[static_cast<std::size_t>(panel)]->setText(text);
}

void Hauptfenster::setze_feldtext(QLineEdit* feld, const QString& text, void (Hauptfenster::*handler)())
{
    if (feld->text() == text)
        return;
    {
        const QSignalBlocker sperre(feld);
        feld->setText(text);
    }
    // Runs inside the caller's handler, so an error stops the caller too.
    (this->*handler)();
}

// --- AnsichtsHost

void Hauptfenster::statuszeilen_leeren()
{
    setze_status(1, QString());
    setze_status(2, QString());
    setze_status(0, QString());
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

// --- day tabs and window

void Hauptfenster::TabControl1Change()
{
    if (tab_sperre_)
        return;
    sitzung_.auswahl().akt_tag = static_cast<std::uint16_t>(tabBar_->currentIndex() + 1);
    ansicht_->aufbau_plan();
    ansicht_->anzeigen(sitzung_.auswahl().akt_tag);
    zeige_seite(Seite::leer);
}

void Hauptfenster::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void Hauptfenster::FormResize()
{
    // Grows the grid and moves the lower half down; below 800 x 600 the
    // controls keep the sizes of the last larger state.
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

void Hauptfenster::Programmende1Click()
{
    close();
}

void Hauptfenster::closeEvent(QCloseEvent* event)
{
    bool schliessen = false;
    geschuetzt(*dialoge_, [&] {
        schliessen = aenderungen_sichern() && (form5_ == nullptr || form5_->aenderungen_sichern());
    });
    bilder_auffrischen();
    if (schliessen)
        event->accept();
    else
        event->ignore();
}

void Hauptfenster::neu_zeichnen()
{
    ansicht_->aufbau_plan();
    ansicht_->anzeigen(sitzung_.auswahl().akt_tag);
}

void Hauptfenster::option_umschalten(QAction* eintrag, bool& option)
{
    option = eintrag->isChecked();
    if (eintrag == menue_.Lehrereinsatz1 || eintrag == menue_.Raumnutzung1 || eintrag == menue_.Stunden081) {
        neu_zeichnen();
        zeige_seite(Seite::leer);
    } else if (eintrag == menue_.Klassenplananz1 || eintrag == menue_.RaumLehrerplananz1
               || eintrag == menue_.Statistikanz1 || eintrag == menue_.Lehrereinsatzanz1) {
        ansicht_->leere_felder();
    }
}

} // namespace orbela
