#include "ui/vertretungsplan_fenster.h"

#include <QAction>
#include <QFile>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "canvas/qt_text_1252.h"
#include "core/vorschlaege.h"
#include "core/vtp_datei.h"
#include "print/druckauswahl.h"
#include "print/vertretung_ausdrucke.h"
#include "ui/druckdatum.h"
#include "ui/bild_widget.h"
#include "ui/geschuetzt.h"
#include "ui/lehrerwahl_dialog.h"
#include "ui/sicherungswache.h"
#include "views/vertretung_woche.h"

namespace orbela {

namespace {

const QString vtp_filter = QStringLiteral("Vertretungsplan (*.vtp)");

// Shows the list texts; each line keeps its bare code for assigning.
void liste_fuellen(QListWidget& liste, const std::vector<std::string>& texte)
{
    liste.clear();
    for (const std::string& text : texte) {
        auto* zeile = new QListWidgetItem(qstring_aus_1252(text), &liste);
        std::string code = text;
        if (!code.empty() && (code.back() == '*' || code.back() == '-'))
            code.pop_back();
        zeile->setData(Qt::UserRole, QByteArray::fromStdString(code));
    }
}

} // namespace

VertretungsplanFenster::VertretungsplanFenster(Sitzung& sitzung, Dialoge& dialoge, Druckstart druckstart,
                                               QWidget* parent)
    : ZentrierterDialog(parent)
    , sitzung_(sitzung)
    , dialoge_(dialoge)
    , druckstart_(std::move(druckstart))
{
    // FormCreate: no absent teacher, no selection, the grid blank.
    baue_fenster();
    verbinde_signale();
    sicherung_ = new Sicherungswache(
        "vertretung", vtp_groesse, [this] { return Sicherungswache::Inhalt{vertretungen_als_bytes(vp_), datei_, {}}; },
        this);
}

VertretungsplanFenster::~VertretungsplanFenster() = default;

void VertretungsplanFenster::baue_fenster()
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Vertretungsplan"));
    // Arial (or its metric twin), as in the card window: the wider default
    // font clips "aufgeteilt (##)" in its button.
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(13);
    setFont(schrift);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* menue = new QMenuBar(this);
    QMenu* datei = menue->addMenu(QStringLiteral("Datei"));
    const auto eintrag = [&](const char* name, const QString& text) {
        QAction* a = datei->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    eintrag("Neu1", QStringLiteral("Neu"));
    eintrag("oeffnen2", QStringLiteral("öffnen..."));
    eintrag("speichern1", QStringLiteral("speichern..."));
    eintrag("drucken1", QStringLiteral("drucken"));
    datei->addSeparator();
    eintrag("Ende1", QStringLiteral("Ende"));
    layout->setMenuBar(menue);

    auto* inhalt = new QWidget(this);
    inhalt->setFixedSize(568, 312);
    layout->addWidget(inhalt);

    image1_ = new BildWidget(vertretung_woche_breite, vertretung_woche_hoehe, inhalt);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->move(8, 8);

    const int spalten[] = {296, 360, 424, 488};
    const char* koepfe[] = {"Klasse:", "Fach:", "Raum:", "Lehrer:"};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* kopf = new QLabel(QString::fromUtf8(koepfe[i]), inhalt);
        kopf->setGeometry(spalten[i], 0, 60, 16);
        felder_[i] = new QLabel(inhalt);
        felder_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        felder_[i]->setGeometry(spalten[i], 16, 60, 16);
    }
    auto* bevel = new QFrame(inhalt);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(296, 32, 249, 17);

    const char* listenkoepfe[] = {"optimal", "o. Frei- stunden", "freie Lehrer", "alle Lehrer"};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* kopf = new QLabel(QString::fromUtf8(listenkoepfe[i]), inhalt);
        kopf->setWordWrap(true);
        kopf->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        kopf->setGeometry(spalten[i], 40, 57, 32);
        listBox_[i] = new QListWidget(inhalt);
        listBox_[i]->setObjectName(QStringLiteral("ListBox%1").arg(i + 1));
        listBox_[i]->setGeometry(spalten[i], 72, 57, 137);
    }

    SpeedButton1 = new QToolButton(inhalt);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(296, 216, 57, 33);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
    SpeedButton1->setIconSize(QSize(20, 20));
    SpeedButton1->setToolTip(QStringLiteral("Vertreter löschen"));
    BitBtn1 = new QPushButton(QStringLiteral("aufgeteilt (##)"), inhalt);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(360, 216, 89, 33);
    BitBtn2 = new QPushButton(QStringLiteral("entfällt (XX)"), inhalt);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(456, 216, 89, 33);
    for (QPushButton* b : {BitBtn1, BitBtn2})
        b->setAutoDefault(false);

    form6_ = new LehrerwahlDialog(this);
}

template <typename Aktion>
void VertretungsplanFenster::ausfuehren(Aktion&& aktion)
{
    geschuetzt(dialoge_, std::forward<Aktion>(aktion));
    image1_->update();
}

void VertretungsplanFenster::verbinde_signale()
{
    const auto verbinde = [this](const char* name, void (VertretungsplanFenster::*handler)()) {
        connect(menuepunkt(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { ausfuehren([&] { (this->*handler)(); }); });
    };
    verbinde("Neu1", &VertretungsplanFenster::Neu1Click);
    verbinde("oeffnen2", &VertretungsplanFenster::oeffnen2Click);
    verbinde("speichern1", &VertretungsplanFenster::speichern1Click);
    verbinde("drucken1", &VertretungsplanFenster::drucken1Click);
    verbinde("Ende1", &VertretungsplanFenster::Ende1Click);

    connect(image1_, &BildWidget::mausGedrueckt, this,
            [this](Qt::MouseButton, int x, int y) { ausfuehren([&] { Image1MouseDown(x, y); }); });
    using Handler = void (VertretungsplanFenster::*)();
    const std::array<Handler, 4> doppelklick = {
        &VertretungsplanFenster::ListBox1Click, &VertretungsplanFenster::ListBox2DblClick,
        &VertretungsplanFenster::ListBox3DblClick, &VertretungsplanFenster::ListBox4DblClick};
    for (std::size_t i = 0; i < 4; ++i) {
        connect(listBox_[i], &QListWidget::itemDoubleClicked, this,
                [this, h = doppelklick[i]] { ausfuehren([&] { (this->*h)(); }); });
    }
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { ausfuehren([this] { SpeedButton1Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { ausfuehren([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ausfuehren([this] { BitBtn2Click(); }); });
}

QAction* VertretungsplanFenster::menuepunkt(const QString& name) const
{
    return findChild<QAction*>(name);
}

void VertretungsplanFenster::FormActivate()
{
    if (vp_.abwesender_lehrer.empty())
        return;
    vp_.alle_leeren();
    sicherung_->gesichert();
    vertretungsplan();
    if (vp_.hat_auswahl())
        vorschlaege(vp_.wahl_tag, vp_.wahl_stunde, klassentext(vp_.wahl_tag, vp_.wahl_stunde));
    image1_->update();
}

void VertretungsplanFenster::vertretungsplan()
{
    vertretungen_aufbauen(vp_, sitzung_.plan());
    zeichne_vertretungswoche(image1_->canvas(), vp_, sitzung_.plan(), sitzung_.lehrerliste(),
                             sitzung_.optionen().stunden_0_8);
}

void VertretungsplanFenster::vorschlaege(int tag, int stunde, const std::string& klassentext)
{
    const Vorschlagslisten l = orbela::vorschlaege(sitzung_.plan(), sitzung_.lehrerliste(),
                                                   vp_.abwesender_lehrer, tag, stunde, klassentext);
    liste_fuellen(*listBox_[0], l.optimal);
    liste_fuellen(*listBox_[1], l.ohne_freistunden);
    liste_fuellen(*listBox_[2], l.freie_lehrer);
    liste_fuellen(*listBox_[3], l.alle_lehrer);
}

std::string VertretungsplanFenster::klassentext(int tag, int stunde) const
{
    // The full text with the "&" of a joint lesson, which the entry has lost.
    return unterricht_von(sitzung_.plan(), tag, stunde, vp_.abwesender_lehrer).klasse;
}

void VertretungsplanFenster::Image1MouseDown(int x, int y)
{
    if (x < 0 || y < 0)
        return;
    const int tag = x / 40;
    const int stunde = y / 20;
    if (tag < 1 || tag > anzahl_tage || stunde < 1 || stunde > anzahl_stunden)
        return;
    if (vp_.eintrag(tag, stunde).klasse.empty())
        return;
    Canvas& c = image1_->canvas();
    if (vp_.hat_auswahl())
        zeichne_wahlmarke(c, vp_.wahl_tag, vp_.wahl_stunde, farben::weiss);
    vp_.wahl_tag = tag;
    vp_.wahl_stunde = stunde;
    zeichne_wahlmarke(c, tag, stunde, farben::rot);
    zeige_auswahl();
    vorschlaege(tag, stunde, klassentext(tag, stunde));
}

void VertretungsplanFenster::zeige_auswahl()
{
    const vertretungtyp& e = vp_.gewaehlt();
    felder_[0]->setText(qstring_aus_1252(e.klasse.view()));
    felder_[1]->setText(qstring_aus_1252(e.fach.view()));
    felder_[2]->setText(qstring_aus_1252(e.raum.view()));
    felder_[3]->setText(qstring_aus_1252(e.vertreter.view()));
}

void VertretungsplanFenster::vertreter_setzen(const std::string& vertreter)
{
    if (!vp_.hat_auswahl())
        return;
    vp_.gewaehlt().vertreter = vertreter;
    sicherung_->geaendert();
    felder_[3]->setText(qstring_aus_1252(vp_.gewaehlt().vertreter.view()));
    vertretungsplan();
}

void VertretungsplanFenster::vertreter_aus_liste(int n)
{
    const QListWidgetItem* zeile = listBox_[static_cast<std::size_t>(n - 1)]->currentItem();
    if (zeile == nullptr || !zeile->isSelected())
        return;
    vertreter_setzen(zeile->data(Qt::UserRole).toByteArray().toStdString());
}

void VertretungsplanFenster::ListBox1Click() { vertreter_aus_liste(1); }
void VertretungsplanFenster::ListBox2DblClick() { vertreter_aus_liste(2); }
void VertretungsplanFenster::ListBox3DblClick() { vertreter_aus_liste(3); }
void VertretungsplanFenster::ListBox4DblClick() { vertreter_aus_liste(4); }
void VertretungsplanFenster::SpeedButton1Click() { vertreter_setzen({}); }
void VertretungsplanFenster::BitBtn1Click() { vertreter_setzen(vertreter_aufgeteilt); }
void VertretungsplanFenster::BitBtn2Click() { vertreter_setzen(vertreter_entfaellt); }

void VertretungsplanFenster::Neu1Click()
{
    // The same list as for printing teacher plans: sorted, each code once.
    form6_->fuellen(auswahl_lehrer(sitzung_.plan()));
    if (!dialoge_.modal(*form6_))
        return;
    vp_.alle_leeren();
    sicherung_->gesichert();
    if (form6_->hat_auswahl())
        vp_.abwesender_lehrer = form6_->gewaehlt();
    // Also without a chosen line the grid is redrawn, so that it shows the
    // emptied substitutes rather than the old ones.
    vertretungsplan();
    titel_setzen();
}

void VertretungsplanFenster::oeffnen2Click()
{
    const std::optional<QString> name = dialoge_.datei_oeffnen(vtp_filter);
    if (!name)
        return;
    lade_vertretungen(QFile::encodeName(*name).toStdString(), vp_);
    datei_ = QFile::encodeName(*name).toStdString();
    sicherung_->gesichert();
    titel_setzen();
    vertretungsplan();
}

void VertretungsplanFenster::speichern1Click()
{
    const std::optional<QString> name = dialoge_.datei_speichern(vtp_filter, QString());
    if (!name)
        return;
    speichere_vertretungen(QFile::encodeName(*name).toStdString(), vp_);
    datei_ = QFile::encodeName(*name).toStdString();
    sicherung_->gesichert();
}

void VertretungsplanFenster::wiederherstellen(const Sicherung& sicherung)
{
    vertretungen_aus_bytes(sicherung.inhalt, vp_);
    datei_ = sicherung.dateiname;
    titel_setzen();
    vertretungsplan();
    image1_->update();
    sicherung_->geaendert();
}

void VertretungsplanFenster::drucken1Click()
{
    if (!druckstart_)
        return;
    // Also without an absent teacher: an empty week.
    const Druckdaten daten{sitzung_.plan(), sitzung_.optionen(), druckdatum_heute()};
    druckstart_(QStringLiteral("Vertretungsplan"), qstring_aus_1252(vp_.abwesender_lehrer),
                [&](Druckauftrag& auftrag) { drucke_vertretungen(auftrag, daten, sitzung_.lehrerliste(), vp_); });
}

void VertretungsplanFenster::Ende1Click()
{
    close();
}

void VertretungsplanFenster::titel_setzen()
{
    setWindowTitle(QStringLiteral("Vertretungsplan für ") + qstring_aus_1252(vp_.abwesender_lehrer));
}

} // namespace orbela
