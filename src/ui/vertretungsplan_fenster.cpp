#include "ui/vertretungsplan_fenster.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#include "core/beschriftung.h"
#include "core/ganzer_tag.h"
#include "core/vertretungszettel.h"
#include "core/vorschlaege.h"
#include "core/vtp_datei.h"
#include "print/druckauswahl.h"
#include "print/vertretung_ausdrucke.h"
#include "print/wochen_ausdrucke.h"
#include "ui/aenderungen_sichern.h"
#include "ui/druckausgabe.h"
#include "ui/druckdatum.h"
#include "ui/bild_widget.h"
#include "ui/geschuetzt.h"
#include "ui/lehrerwahl_dialog.h"
#include "ui/sicherungswache.h"
#include "ui/vertretungszahlen_dialog.h"
#include "ui/vertretungszettel_dialog.h"
#include "views/vertretung_woche.h"

namespace orbela {

namespace {

const QString vtp_filter = QStringLiteral("Vertretungsplan (*.vtp)");
const QString vtp_geaendert = QStringLiteral("Der Vertretungsplan wurde geändert. Änderungen speichern?");

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

constexpr int doppelt_rolle = Qt::UserRole + 1; // the absent teacher already covered for

QString anzahl_text(int anzahl)
{
    return anzahl == 1 ? QStringLiteral("bisher 1 Vertretung diese Woche")
                       : QStringLiteral("bisher %1 Vertretungen diese Woche").arg(anzahl);
}

QString stunde_text(int tag, int stunde, bool stunden_0_8)
{
    return qstring_aus_1252(tagname(tag)) + QStringLiteral(", ")
        + QString::fromStdString(stunden_label(stunde, stunden_0_8)) + QStringLiteral(". Stunde");
}

} // namespace

VertretungsplanFenster::VertretungsplanFenster(Sitzung& sitzung, Dialoge& dialoge, Druckdienst* druckdienst,
                                               QWidget* parent)
    : ZentrierterDialog(parent)
    , sitzung_(sitzung)
    , dialoge_(dialoge)
    , druckdienst_(druckdienst)
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
    eintrag("Vorschau1", QStringLiteral("Vorschau..."));
    eintrag("AlsPdf1", QStringLiteral("als PDF..."));
    datei->addSeparator();
    eintrag("Ende1", QStringLiteral("Ende"));
    QMenu* extras = menue->addMenu(QStringLiteral("Extras"));
    const auto extra = [&](const char* name, const QString& text) {
        extras->addAction(text)->setObjectName(QString::fromLatin1(name));
    };
    extra("ganzerTag1", QStringLiteral("ganzen Tag"));
    extra("VertretungenJeLehrer1", QStringLiteral("Vertretungen je Lehrer..."));
    extra("Vertretungszettel1", QStringLiteral("Vertretungszettel..."));
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
    ganzerTag = new QPushButton(QStringLiteral("ganzen Tag"), inhalt);
    ganzerTag->setObjectName(QStringLiteral("ganzerTag"));
    ganzerTag->setGeometry(360, 256, 185, 33);
    ganzerTag->setToolTip(QStringLiteral("Den gewählten Vertreter in allen offenen Stunden dieses Tages eintragen"));
    for (QPushButton* b : {BitBtn1, BitBtn2, ganzerTag})
        b->setAutoDefault(false);

    form6_ = new LehrerwahlDialog(this);
}

template <typename Aktion>
void VertretungsplanFenster::ausfuehren(Aktion&& aktion)
{
    geschuetzt(dialoge_, std::forward<Aktion>(aktion));
    image1_->update();
    sicherung_nachziehen();
}

void VertretungsplanFenster::sicherung_nachziehen()
{
    if (vp_.geaendert)
        sicherung_->geaendert();
    else
        sicherung_->gesichert();
}

void VertretungsplanFenster::wiederherstellen(const Sicherung& sicherung)
{
    vertretungen_aus_bytes(sicherung.inhalt, vp_);
    vp_.geaendert = true;
    wiederhergestellt_ = true;
    datei_ = sicherung.dateiname;
    if (!datei_.empty())
        wochenordner_setzen(QFile::decodeName(QByteArray::fromStdString(datei_)));
    woche_lesen();
    titel_setzen();
    vertretungsplan();
    image1_->update();
    sicherung_nachziehen();
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
    verbinde("Vorschau1", &VertretungsplanFenster::Vorschau1Click);
    verbinde("AlsPdf1", &VertretungsplanFenster::AlsPdf1Click);
    verbinde("Ende1", &VertretungsplanFenster::Ende1Click);
    verbinde("ganzerTag1", &VertretungsplanFenster::ganzen_tag);
    verbinde("VertretungenJeLehrer1", &VertretungsplanFenster::vertretungen_je_lehrer);
    verbinde("Vertretungszettel1", &VertretungsplanFenster::vertretungszettel);

    connect(image1_, &BildWidget::mausGedrueckt, this,
            [this](Qt::MouseButton, int x, int y) { ausfuehren([&] { Image1MouseDown(x, y); }); });
    using Handler = void (VertretungsplanFenster::*)();
    const std::array<Handler, 4> doppelklick = {
        &VertretungsplanFenster::ListBox1Click, &VertretungsplanFenster::ListBox2DblClick,
        &VertretungsplanFenster::ListBox3DblClick, &VertretungsplanFenster::ListBox4DblClick};
    for (std::size_t i = 0; i < 4; ++i) {
        connect(listBox_[i], &QListWidget::itemDoubleClicked, this,
                [this, h = doppelklick[i]] { ausfuehren([&] { (this->*h)(); }); });
        connect(listBox_[i], &QListWidget::itemSelectionChanged, this, [this, i] {
            if (!listBox_[i]->selectedItems().isEmpty())
                gewaehlte_liste_ = i;
        });
    }
    connect(ganzerTag, &QPushButton::clicked, this, [this] { ausfuehren([this] { ganzen_tag(); }); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { ausfuehren([this] { SpeedButton1Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { ausfuehren([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ausfuehren([this] { BitBtn2Click(); }); });
}

QAction* VertretungsplanFenster::menuepunkt(const QString& name) const
{
    return findChild<QAction*>(name);
}

bool VertretungsplanFenster::FormActivate()
{
    if (vp_.abwesender_lehrer.empty())
        return true;
    if (wiederhergestellt_) {
        // Shown as it was, its lessons from the timetable open now.
        wiederhergestellt_ = false;
    } else {
        if (!aenderungen_sichern())
            return false;
        vp_.alle_leeren();
        woche_lesen();
    }
    vertretungsplan();
    auswahl_auffrischen();
    image1_->update();
    sicherung_nachziehen();
    return true;
}

bool VertretungsplanFenster::aenderungen_sichern()
{
    return orbela::aenderungen_sichern(
        dialoge_, vtp_geaendert, [this] { return vp_.geaendert; }, [this] { speichern1Click(); });
}

void VertretungsplanFenster::vertretungsplan()
{
    vertretungen_aufbauen(vp_, sitzung_.plan());
    zeichne_vertretungswoche(image1_->canvas(), vp_, sitzung_.plan(), sitzung_.lehrerliste(),
                             sitzung_.optionen().stunden_0_8);
}

void VertretungsplanFenster::vorschlaege(int tag, int stunde, const std::string& klassentext)
{
    const Vorschlagslisten l = orbela::vorschlaege(sitzung_.plan(), sitzung_.lehrerliste(), vp_.abwesender_lehrer,
                                                   tag, stunde, klassentext, Vertretungsstand(woche_, vp_));
    liste_fuellen(*listBox_[0], l.optimal);
    liste_fuellen(*listBox_[1], l.ohne_freistunden);
    liste_fuellen(*listBox_[2], l.freie_lehrer);
    liste_fuellen(*listBox_[3], l.alle_lehrer);
    listen_tag_ = tag;
    listen_stunde_ = stunde;
    listenhinweise_setzen();
}

void VertretungsplanFenster::listenhinweise_setzen()
{
    if (listen_tag_ == 0)
        return;
    const Vertretungsstand stand(woche_, vp_);
    for (QListWidget* liste : listBox_) {
        for (int i = 0; i < liste->count(); ++i) {
            QListWidgetItem* zeile = liste->item(i);
            const std::string code = zeile->data(Qt::UserRole).toByteArray().toStdString();
            QString tipp = anzahl_text(stand.anzahl(code));
            if (stand.selbst_abwesend(code, listen_tag_))
                tipp += QStringLiteral("\nselbst abwesend");
            const std::string* fuer = stand.doppelt(code, listen_tag_, listen_stunde_);
            if (fuer != nullptr) {
                tipp += QStringLiteral("\nvertritt in dieser Stunde schon für ") + qstring_aus_1252(*fuer);
                zeile->setData(doppelt_rolle, qstring_aus_1252(*fuer));
                zeile->setForeground(QColor(128, 128, 128));
            } else {
                zeile->setData(doppelt_rolle, QVariant());
                zeile->setData(Qt::ForegroundRole, QVariant());
            }
            zeile->setToolTip(tipp);
        }
    }
}

void VertretungsplanFenster::woche_lesen()
{
    woche_ = lies_vertretungswoche(ordner_);
    if (!woche_.unlesbar.empty() && woche_.unlesbar != gemeldet_) {
        QString text = QStringLiteral("Diese Dateien im Ordner der Vertretungspläne können nicht gelesen werden "
                                      "und werden beim Zählen übergangen:");
        for (const std::string& name : woche_.unlesbar)
            text += QStringLiteral("\n") + QFile::decodeName(QByteArray::fromStdString(name));
        dialoge_.hinweis(text);
    }
    gemeldet_ = woche_.unlesbar;
}

void VertretungsplanFenster::wochenordner_setzen(const QString& datei)
{
    ordner_ = QFile::encodeName(QFileInfo(datei).absolutePath()).toStdString();
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

void VertretungsplanFenster::auswahl_auffrischen()
{
    if (!vp_.hat_auswahl())
        return;
    zeige_auswahl();
    if (vp_.zu_vertreten(vp_.wahl_tag, vp_.wahl_stunde)) {
        vorschlaege(vp_.wahl_tag, vp_.wahl_stunde, klassentext(vp_.wahl_tag, vp_.wahl_stunde));
    } else {
        for (QListWidget* liste : listBox_)
            liste->clear();
    }
}

void VertretungsplanFenster::vertreter_setzen(const std::string& vertreter)
{
    // The selection may have been kept from another teacher's week.
    if (!vp_.hat_auswahl() || !vp_.zu_vertreten(vp_.wahl_tag, vp_.wahl_stunde))
        return;
    vp_.gewaehlt().vertreter = vertreter;
    vp_.geaendert = true;
    felder_[3]->setText(qstring_aus_1252(vp_.gewaehlt().vertreter.view()));
    vertretungsplan();
    listenhinweise_setzen();
}

void VertretungsplanFenster::vertreter_aus_liste(int n)
{
    const QListWidgetItem* zeile = listBox_[static_cast<std::size_t>(n - 1)]->currentItem();
    if (zeile == nullptr || !zeile->isSelected())
        return;
    const QString fuer = zeile->data(doppelt_rolle).toString();
    if (!fuer.isEmpty() && vp_.hat_auswahl()
        && !dialoge_.frage(QStringLiteral("%1 vertritt %2 schon für %3. Trotzdem eintragen?")
                               .arg(qstring_aus_1252(zeile->data(Qt::UserRole).toByteArray().toStdString()),
                                    stunde_text(vp_.wahl_tag, vp_.wahl_stunde, sitzung_.optionen().stunden_0_8),
                                    fuer)))
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
    if (!aenderungen_sichern())
        return;
    form6_->fuellen(auswahl_lehrer(sitzung_.plan()));
    if (!dialoge_.modal(*form6_))
        return;
    vp_.alle_leeren();
    if (form6_->hat_auswahl())
        vp_.abwesender_lehrer = form6_->gewaehlt();
    // A new plan belongs to no file yet; the week's folder stays.
    datei_.clear();
    woche_lesen();
    // Also without a chosen line the grid is redrawn, so that it shows the
    // emptied substitutes rather than the old ones.
    vertretungsplan();
    titel_setzen();
    auswahl_auffrischen();
}

void VertretungsplanFenster::oeffnen2Click()
{
    if (!aenderungen_sichern())
        return;
    const std::optional<QString> name = dialoge_.datei_oeffnen(vtp_filter);
    if (!name)
        return;
    lade_vertretungen(QFile::encodeName(*name).toStdString(), vp_);
    vp_.geaendert = false;
    datei_ = QFile::encodeName(*name).toStdString();
    wochenordner_setzen(*name);
    woche_lesen();
    titel_setzen();
    vertretungsplan();
    auswahl_auffrischen();
}

void VertretungsplanFenster::speichern1Click()
{
    const std::optional<QString> name = dialoge_.datei_speichern(vtp_filter, QStringLiteral("vtp"), speichervorschlag());
    if (!name)
        return;
    speichere_vertretungen(QFile::encodeName(*name).toStdString(), vp_);
    vp_.geaendert = false;
    datei_ = QFile::encodeName(*name).toStdString();
    wochenordner_setzen(*name);
    woche_lesen();
    listenhinweise_setzen();
}

QString VertretungsplanFenster::speichervorschlag() const
{
    if (!datei_.empty())
        return QFile::decodeName(QByteArray::fromStdString(datei_));
    if (vp_.abwesender_lehrer.empty())
        return {};
    const QString ordner = ordner_.empty() ? QDir::currentPath() : QFile::decodeName(QByteArray::fromStdString(ordner_));
    return QDir(ordner).filePath(Druckausgabe::dateiname(qstring_aus_1252(vp_.abwesender_lehrer))
                                 + QStringLiteral(".vtp"));
}

void VertretungsplanFenster::drucken1Click() { vertretungsblatt(Druckziel::drucker); }
void VertretungsplanFenster::Vorschau1Click() { vertretungsblatt(Druckziel::vorschau); }
void VertretungsplanFenster::AlsPdf1Click() { vertretungsblatt(Druckziel::pdf); }

void VertretungsplanFenster::vertretungsblatt(Druckziel ziel)
{
    // Also without an absent teacher: an empty week.
    const Druckdaten daten{sitzung_.plan(), sitzung_.optionen(), druckdatum_heute()};
    wochendruck(
        QStringLiteral("Vertretungsplan"), qstring_aus_1252(vp_.abwesender_lehrer),
        [&](Druckauftrag& auftrag) { drucke_vertretungen(auftrag, daten, sitzung_.lehrerliste(), vp_); }, ziel);
}

QListWidgetItem* VertretungsplanFenster::gewaehlte_zeile() const
{
    QListWidgetItem* zeile = listBox_[gewaehlte_liste_]->currentItem();
    return zeile != nullptr && zeile->isSelected() ? zeile : nullptr;
}

void VertretungsplanFenster::ganzen_tag()
{
    const QListWidgetItem* zeile = gewaehlte_zeile();
    if (!vp_.hat_auswahl() || zeile == nullptr) {
        dialoge_.hinweis(QStringLiteral("Bitte zuerst eine Stunde und in einer der Listen einen Vertreter wählen."));
        return;
    }
    const std::string vertreter = zeile->data(Qt::UserRole).toByteArray().toStdString();
    const int tag = vp_.wahl_tag;
    const Vertretungsstand stand(woche_, vp_);
    const GanzerTag t = ganzen_tag_vertreten(vp_, sitzung_.plan(), sitzung_.lehrerliste(), stand, tag, vertreter);
    zeige_auswahl();
    vertretungsplan();
    listenhinweise_setzen();

    const bool stunden_0_8 = sitzung_.optionen().stunden_0_8;
    const QString name = qstring_aus_1252(vertreter);
    if (t.eingetragen.empty() && t.uebersprungen.empty()) {
        dialoge_.hinweis(QStringLiteral("Am %1 hat jede Stunde schon einen Vertreter.")
                             .arg(qstring_aus_1252(tagname(tag))));
        return;
    }
    if (t.uebersprungen.empty())
        return;
    const std::size_t n = t.eingetragen.size();
    QString text = n == 1 ? QStringLiteral("%1 ist in 1 Stunde eingetragen.").arg(name)
                          : QStringLiteral("%1 ist in %2 Stunden eingetragen.").arg(name).arg(n);
    text += QStringLiteral(" Nicht eingetragen:");
    for (const GanzerTag::Luecke& l : t.uebersprungen) {
        QString grund;
        switch (l.grund) {
        case Hindernis::abwesend:
            grund = QStringLiteral("ist selbst abwesend");
            break;
        case Hindernis::unterrichtet:
            grund = QStringLiteral("unterrichtet selbst");
            break;
        case Hindernis::gesperrt:
            grund = QStringLiteral("gesperrt");
            break;
        case Hindernis::doppelt:
            grund = QStringLiteral("vertritt schon für ") + qstring_aus_1252(*stand.doppelt(vertreter, tag, l.stunde));
            break;
        }
        text += QStringLiteral("\n") + stunde_text(tag, l.stunde, stunden_0_8) + QStringLiteral(": ") + grund;
    }
    dialoge_.hinweis(text);
}

void VertretungsplanFenster::wochendruck(const QString& ausdruck, const QString& thema,
                                         const std::function<void(Druckauftrag&)>& druck, Druckziel ziel)
{
    if (druckdienst_ != nullptr)
        geschuetzt(dialoge_, [&] { druckdienst_->drucke(Druckbefehl{ausdruck, ausdruck, {{thema, druck}}}, ziel); });
}

void VertretungsplanFenster::vertretungen_je_lehrer()
{
    // Every teacher of the list once, then substitutes the list lacks.
    const Vertretungsstand stand(woche_, vp_);
    VertretungszahlenDialog::Zeilen zeilen;
    const auto aufnehmen = [&](const std::string& code) {
        for (const auto& z : zeilen) {
            if (z.first == code)
                return;
        }
        zeilen.emplace_back(code, stand.anzahl(code));
    };
    for (const lehrereintrag& e : sitzung_.lehrerliste().eintraege) {
        if (!e.kuerzel.empty())
            aufnehmen(e.kuerzel.str());
    }
    for (const auto& [code, anzahl] : stand.zaehlung())
        aufnehmen(code);
    const QString ordner_text = QFile::decodeName(QByteArray::fromStdString(ordner_));
    const std::string ordner = text_1252_aus_qstring(ordner_text);
    VertretungszahlenDialog dialog(
        zeilen, ordner_text,
        [&](const VertretungszahlenDialog::Zeilen& gezeigt, Druckziel ziel) {
            // The whole week's list, named after no one teacher.
            wochendruck(
                QStringLiteral("Vertretungen je Lehrer"), QString(),
                [&](Druckauftrag& auftrag) { drucke_vertretungszahlen(auftrag, gezeigt, ordner, druckdatum_heute()); },
                ziel);
        },
        this);
    dialoge_.modal(dialog);
}

void VertretungsplanFenster::vertretungszettel()
{
    const std::vector<Vertretungszettel> zettel =
        orbela::vertretungszettel(vp_, sitzung_.plan(), sitzung_.optionen().stunden_0_8);
    if (zettel.empty()) {
        dialoge_.hinweis(QStringLiteral("Im Vertretungsplan ist noch kein Lehrer als Vertreter eingetragen."));
        return;
    }
    VertretungszettelDialog dialog(
        qstring_aus_1252(zettel_als_text(zettel)),
        [&](Druckziel ziel) {
            const auto druck = [&](Druckauftrag& auftrag) {
                drucke_vertretungszettel(auftrag, zettel, vp_.abwesender_lehrer, druckdatum_heute());
            };
            wochendruck(QStringLiteral("Vertretungszettel"), qstring_aus_1252(vp_.abwesender_lehrer), druck, ziel);
        },
        this);
    dialoge_.modal(dialog);
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
