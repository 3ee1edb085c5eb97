#include "ui/kartei_fenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStatusBar>
#include <QToolButton>
#include <string_view>

#include "canvas/qt_text_1252.h"
#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/geschuetzt.h"
#include "ui/kartei_drucken.h"
#include "ui/namensliste_dialog.h"
#include "views/gesperrte_stunden.h"

namespace orbela {

namespace {

// How one control reaches its string of the card.
struct Bindung {
    std::string_view (*lesen)(const kartentyp&);
    void (*schreiben)(kartentyp&, std::string_view);
    int kapazitaet;
};

template <auto Feld>
constexpr Bindung binde()
{
    using Text = std::remove_reference_t<decltype(std::declval<kartentyp&>().*Feld)>;
    return {[](const kartentyp& k) { return (k.*Feld).view(); },
            [](kartentyp& k, std::string_view t) { (k.*Feld).assign(t); }, static_cast<int>(Text::capacity)};
}

enum class Beschriftung { oben, links, frei };

struct Feld {
    int nr; // Edit<nr>; 0 for ComboBox1, -1 for ComboBox2
    int x, y, breite;
    const char* text;
    Beschriftung wo;
    int text_x, text_y; // for Beschriftung::frei
    bool fett;
    Bindung bindung;
};

// Every text control of the window, in tab order.
const Feld felder[] = {
    {17, 16, 32, 113, "Anrede:", Beschriftung::oben, 0, 0, false, binde<&kartentyp::anrede>()},
    {16, 136, 32, 257, "Titel", Beschriftung::oben, 0, 0, false, binde<&kartentyp::titel>()},
    {18, 408, 32, 137, "Geburtsdatum", Beschriftung::oben, 0, 0, false, binde<&kartentyp::geburtsdatum>()},
    {-1, 552, 32, 161, "Geschlecht", Beschriftung::oben, 0, 0, true, binde<&kartentyp::geschlecht>()},
    {9, 16, 72, 377, "Vorname", Beschriftung::oben, 0, 0, true, binde<&kartentyp::vorname>()},
    {13, 408, 72, 305, "Telefon:", Beschriftung::oben, 0, 0, false, binde<&kartentyp::telefon>()},
    {1, 16, 112, 377, "Nachname:", Beschriftung::oben, 0, 0, true, binde<&kartentyp::nachname>()},
    {14, 408, 112, 305, "Mobil:", Beschriftung::oben, 0, 0, false, binde<&kartentyp::mobil>()},
    {10, 16, 152, 377, "Straße", Beschriftung::oben, 0, 0, false, binde<&kartentyp::strasse>()},
    {15, 408, 152, 305, "Fax:", Beschriftung::oben, 0, 0, false, binde<&kartentyp::fax>()},
    {11, 16, 192, 65, "PLZ", Beschriftung::oben, 0, 0, false, binde<&kartentyp::plz>()},
    {12, 88, 192, 305, "Ort", Beschriftung::oben, 0, 0, false, binde<&kartentyp::ort>()},
    {19, 408, 192, 305, "eMail:", Beschriftung::oben, 0, 0, false, binde<&kartentyp::email>()},
    {8, 72, 224, 641, "Bemerk.:", Beschriftung::links, 0, 0, false, binde<&kartentyp::bemerkung>()},
    {2, 72, 256, 545, "Funktion:", Beschriftung::links, 0, 0, false, binde<&kartentyp::funktion>()},
    {21, 128, 296, 43, "Klassenlehrer der:", Beschriftung::frei, 16, 300, false, binde<&kartentyp::klassenlehrer1>()},
    {22, 200, 296, 49, "und", Beschriftung::frei, 176, 300, false, binde<&kartentyp::klassenlehrer2>()},
    {4, 200, 336, 49, "Pflichtstunden-Soll:", Beschriftung::frei, 16, 340, false, binde<&kartentyp::pflichtstunden>()},
    {5, 200, 376, 49, "Unterrichtsstunden:", Beschriftung::frei, 16, 380, false,
     binde<&kartentyp::unterrichtsstunden>()},
    {3, 72, 416, 177, "Fächer:", Beschriftung::frei, 16, 420, false, binde<&kartentyp::faecher>()},
    {7, 200, 456, 49, "Kürzel (2 Buchstaben):", Beschriftung::frei, 16, 460, true, binde<&kartentyp::kuerzel>()},
    {6, 432, 328, 121, "Kürzel (4 Buchst.):", Beschriftung::oben, 0, 0, true, binde<&kartentyp::kuerzel4>()},
    {25, 576, 328, 121, "Schulleitung:", Beschriftung::oben, 0, 0, false, binde<&kartentyp::schulleitung>()},
    {26, 431, 368, 122, "Rechtsverhältnis:", Beschriftung::oben, 0, 0, false,
     binde<&kartentyp::rechtsverhaeltnis>()},
    {27, 576, 368, 121, "Staatsangehörigkeit:", Beschriftung::oben, 0, 0, false,
     binde<&kartentyp::staatsangehoerigkeit>()},
    {24, 432, 408, 121, "Beschäftigungsart:", Beschriftung::oben, 0, 0, false,
     binde<&kartentyp::beschaeftigungsart>()},
    {20, 576, 408, 121, "Nr. der Stammschule", Beschriftung::oben, 0, 0, false, binde<&kartentyp::stammschule>()},
    {23, 432, 448, 121, "Einsatzstatus:", Beschriftung::oben, 0, 0, false, binde<&kartentyp::einsatzstatus>()},
    {0, 576, 448, 121, "Statistik-relevant?", Beschriftung::oben, 0, 0, true, binde<&kartentyp::statistik>()},
};

// The check box reports a click when the mouse button is released and a
// change by keyboard when the focus leaves it.
class LehrerKaestchen : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    std::function<void()> losgelassen;
    std::function<void()> verlassen;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QCheckBox::mouseReleaseEvent(event);
        if (losgelassen)
            losgelassen();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QCheckBox::focusOutEvent(event);
        if (verlassen)
            verlassen();
    }
};

enum class Bild { liste, neu, loeschen, drucken };

// The pictures of the buttons, 24 x 24: a list of names, a card with a green
// plus, a card with a red cross, a printer.
QIcon knopfbild(Bild bild)
{
    // Drawn at the screen's device pixel ratio, so they stay sharp when scaled.
    const qreal verhaeltnis = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(24, 24) * verhaeltnis);
    pixmap.setDevicePixelRatio(verhaeltnis);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const auto karte = [&p] {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(255, 250, 220));
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.drawLine(QPointF(5, 9.5), QPointF(14, 9.5));
        p.drawLine(QPointF(5, 13.5), QPointF(12, 13.5));
    };
    switch (bild) {
    case Bild::liste:
        p.setPen(QPen(QColor(40, 40, 40), 2));
        for (int y : {5, 10, 15, 20}) {
            p.drawPoint(QPointF(4, y));
            p.drawLine(QPointF(8, y), QPointF(21, y));
        }
        break;
    case Bild::neu:
        karte();
        p.setPen(QPen(QColor(0, 150, 0), 3));
        p.drawLine(QPointF(17, 12), QPointF(17, 22));
        p.drawLine(QPointF(12, 17), QPointF(22, 17));
        break;
    case Bild::loeschen:
        karte();
        p.setPen(QPen(QColor(210, 0, 0), 3));
        p.drawLine(QPointF(13, 13), QPointF(21, 21));
        p.drawLine(QPointF(13, 21), QPointF(21, 13));
        break;
    case Bild::drucken:
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(2.5, 9.5, 19, 9));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 15.5, 11, 6));
        break;
    }
    return QIcon(pixmap);
}

} // namespace

KarteiFenster::KarteiFenster(Sitzung& sitzung, Dialoge& dialoge, QWidget* parent)
    : ZentrierterDialog(parent)
    , sitzung_(sitzung)
    , kartei_(sitzung.kartei())
    , dialoge_(dialoge)
{
    baue_fenster();
}

void KarteiFenster::baue_fenster()
{
    setObjectName(QStringLiteral("frm_lehrerkartei"));
    setWindowTitle(QStringLiteral("Adress- und Lehrerkartei"));
    // The card area of 724 x 557 pixels, and a status line below it.
    constexpr int statuszeile_hoehe = 19;
    setFixedSize(724, 557 + statuszeile_hoehe);
    statuszeile_ = new QStatusBar(this);
    statuszeile_->setSizeGripEnabled(false);
    statuszeile_->setGeometry(0, 557, 724, statuszeile_hoehe);
    // Arial (or its metric twin) keeps the labels within their places.
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(13);
    setFont(schrift);
    QFont fett = schrift;
    fett.setBold(true);

    // The frames of the teacher block lie under its fields; their titles sit
    // on the frame line at y = 296.
    auto* orbela_rahmen = new QGroupBox(QStringLiteral("für Orbela"), this);
    orbela_rahmen->setGeometry(256, 289, 161, 192);
    auto* statistik_rahmen = new QGroupBox(QStringLiteral("Sonstige Angaben (Statistik-Kürzel verwenden)"), this);
    statistik_rahmen->setGeometry(424, 289, 289, 192);
    auto* gesperrt_label = new QLabel(QStringLiteral("gesperrte Stunden:"), this);
    gesperrt_label->move(264, 307); // clear of the frame line drawn under the title

    auto beschriften = [&](const Feld& f, QWidget* feld) {
        auto* label = new QLabel(QString::fromUtf8(f.text), this);
        if (f.fett)
            label->setFont(fett);
        label->adjustSize();
        switch (f.wo) {
        case Beschriftung::oben:
            label->move(f.x, f.y - 16);
            break;
        case Beschriftung::links:
            label->move(16, f.y + 4);
            break;
        case Beschriftung::frei:
            label->move(f.text_x, f.text_y);
            break;
        }
        label->setBuddy(feld);
    };

    QWidget* vorher = nullptr;
    auto tab_folge = [&](QWidget* w) {
        if (vorher)
            setTabOrder(vorher, w);
        vorher = w;
    };
    for (const Feld& f : felder) {
        QWidget* feld = nullptr;
        if (f.nr > 0) {
            // The statistics code takes 4 typed characters; a longer code read
            // from the file is shown and stored whole.
            QLineEdit* edit = f.nr == 6 ? new CodeFeld(4, this) : new QLineEdit(this);
            edit->setObjectName(QStringLiteral("Edit%1").arg(f.nr));
            edit->setMaxLength(f.bindung.kapazitaet);
            edits_[static_cast<std::size_t>(f.nr)] = edit;
            feld = edit;
        } else {
            auto* combo = new QComboBox(this);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->lineEdit()->setMaxLength(f.bindung.kapazitaet);
            if (f.nr == 0) {
                combo->setObjectName(QStringLiteral("ComboBox1"));
                combo->addItems({QStringLiteral("ja"), QStringLiteral("nein")});
                combo->setCurrentText(QStringLiteral("ja"));
                statistik_relevant_ = combo;
            } else {
                combo->setObjectName(QStringLiteral("ComboBox2"));
                combo->addItems({QStringLiteral("männlich"), QStringLiteral("weiblich")});
                combo->setCurrentText(QString());
                geschlecht_ = combo;
            }
            feld = combo;
        }
        feld->setGeometry(f.x, f.y, f.breite, 24);
        beschriften(f, feld);
        tab_folge(feld);
        if (f.nr == 2) {
            auto* box = new LehrerKaestchen(QStringLiteral("Lehrer"), this);
            box->setObjectName(QStringLiteral("CheckBox1"));
            box->setFont(fett);
            box->setGeometry(632, 256, 81, 24);
            box->losgelassen = [this] { lehrer_losgelassen(); };
            box->verlassen = [this] { lehrer_verlassen(); };
            lehrer_kaestchen_ = box;
            tab_folge(box);
        }
    }

    gesperrte_stunden_ = new BildWidget(gesperrte_stunden_breite, gesperrte_stunden_hoehe, this);
    gesperrte_stunden_->setObjectName(QStringLiteral("Image1"));
    gesperrte_stunden_->move(266, 324);
    connect(gesperrte_stunden_, &BildWidget::mausGedrueckt, this,
            [this](Qt::MouseButton, int x, int y) { gesperrte_stunde_klicken(x, y); });

    // The cover hides the whole teacher block while the card is not a teacher's.
    lehrerblock_deckel_ = new QWidget(this);
    lehrerblock_deckel_->setObjectName(QStringLiteral("Panel1"));
    lehrerblock_deckel_->setGeometry(0, 288, 713, 201);
    lehrerblock_deckel_->setAutoFillBackground(true);
    lehrerblock_deckel_->raise();

    auto knopf = [this](const char* name, int x, const QString& text, Bild bild, const QString& hinweis) {
        auto* k = new QToolButton(this);
        k->setObjectName(QString::fromLatin1(name));
        k->setGeometry(x, 504, 41, 41);
        k->setToolTip(hinweis);
        if (text.isEmpty()) {
            k->setIcon(knopfbild(bild));
            k->setIconSize(QSize(24, 24));
        } else {
            k->setText(text);
        }
        return k;
    };
    zurueck_knopf_ = knopf("SpeedButton1", 16, QStringLiteral("<"), Bild::liste, QStringLiteral("vorige Karte"));
    namensliste_knopf_ = knopf("SpeedButton2", 56, {}, Bild::liste, QStringLiteral("Namensliste"));
    weiter_knopf_ = knopf("SpeedButton3", 96, QStringLiteral(">"), Bild::liste, QStringLiteral("nächste Karte"));
    neu_knopf_ = knopf("SpeedButton4", 176, {}, Bild::neu, QStringLiteral("neue Karte"));
    loeschen_knopf_ = knopf("SpeedButton5", 216, {}, Bild::loeschen, QStringLiteral("Karte löschen"));
    drucken_knopf_ = knopf("SpeedButton6", 312, {}, Bild::drucken, QStringLiteral("drucken"));
    QFont pfeil = schrift;
    pfeil.setPixelSize(20);
    pfeil.setBold(true);
    zurueck_knopf_->setFont(pfeil);
    weiter_knopf_->setFont(pfeil);

    ok_knopf_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("OK"), this);
    ok_knopf_->setObjectName(QStringLiteral("BitBtn1"));
    ok_knopf_->setGeometry(424, 504, 281, 41);
    ok_knopf_->setAutoDefault(false);

    const auto handler = [this](void (KarteiFenster::*h)()) {
        return [this, h] { geschuetzt(dialoge_, [this, h] { (this->*h)(); }); };
    };
    connect(zurueck_knopf_, &QToolButton::clicked, this, handler(&KarteiFenster::vorherige_karte));
    connect(namensliste_knopf_, &QToolButton::clicked, this, handler(&KarteiFenster::aus_namensliste_waehlen));
    connect(weiter_knopf_, &QToolButton::clicked, this, handler(&KarteiFenster::naechste_karte));
    connect(neu_knopf_, &QToolButton::clicked, this, handler(&KarteiFenster::neue_karte));
    connect(loeschen_knopf_, &QToolButton::clicked, this, handler(&KarteiFenster::karte_loeschen));
    connect(drucken_knopf_, &QToolButton::clicked, this, handler(&KarteiFenster::kartei_drucken_waehlen));
    connect(ok_knopf_, &QPushButton::clicked, this, &KarteiFenster::uebernehmen_und_schliessen);

    panel_anpassen();
    zeichne_raster();
}

void KarteiFenster::anzeigen()
{
    const kartentyp& karte = kartei_.karte;
    for (const Feld& f : felder) {
        const QString text = qstring_aus_1252(f.bindung.lesen(karte));
        if (f.nr > 0) {
            QLineEdit* edit = edits_[static_cast<std::size_t>(f.nr)];
            edit->setText(text);
            edit->setCursorPosition(0); // a long text shows its beginning
        } else
            (f.nr == 0 ? statistik_relevant_ : geschlecht_)->setCurrentText(text);
    }
    lehrer_kaestchen_->setChecked(karte.ist_lehrer == 1);
    panel_anpassen();
    zeichne_raster();
}

void KarteiFenster::sichern()
{
    kartentyp& karte = kartei_.karte;
    for (const Feld& f : felder) {
        const QString text = f.nr > 0 ? edits_[static_cast<std::size_t>(f.nr)]->text()
                                      : (f.nr == 0 ? statistik_relevant_ : geschlecht_)->currentText();
        f.bindung.schreiben(karte, text_1252_aus_qstring(text));
    }
    karte.ist_lehrer = lehrer_kaestchen_->isChecked() ? 1 : 0;
}

void KarteiFenster::karte_speichern()
{
    sichern();
    // An empty index shows an empty card; left untouched, it is no card.
    if (kartei_.position() != 0 || !kartei_.karte.ist_leer())
        kartei_.einsortieren();
}

void KarteiFenster::fokus_auf_nachname()
{
    QLineEdit* edit1 = eingabe(1);
    if (edit1->isVisible() && edit1->isEnabled())
        edit1->setFocus();
}

void KarteiFenster::zeichne_raster()
{
    zeichne_gesperrte_stunden(gesperrte_stunden_->canvas(), kartei_.karte, sitzung_.optionen().stunden_0_8);
    gesperrte_stunden_->update();
}

void KarteiFenster::panel_anpassen()
{
    const bool verdeckt = !lehrer_kaestchen_->isChecked();
    lehrerblock_deckel_->setVisible(verdeckt);
    // Covered fields take no focus, so Tab never lands in a field one cannot
    // see; their values stay.
    for (const Feld& f : felder) {
        if (f.y >= lehrerblock_deckel_->y()) {
            QWidget* w = f.nr > 0 ? static_cast<QWidget*>(eingabe(f.nr)) : f.nr == 0 ? statistik_relevant_ : geschlecht_;
            w->setEnabled(!verdeckt);
        }
    }
}

void KarteiFenster::vorherige_karte()
{
    karte_speichern();
    kartei_.vorheriger();
    anzeigen();
    fokus_auf_nachname();
}

void KarteiFenster::naechste_karte()
{
    karte_speichern();
    kartei_.naechster();
    anzeigen();
    fokus_auf_nachname();
}

void KarteiFenster::neue_karte()
{
    karte_speichern();
    kartei_.leeren();
    kartei_.einfuegen();
    anzeigen();
    fokus_auf_nachname();
}

void KarteiFenster::karte_loeschen()
{
    karte_speichern();
    if (dialoge_.frage(QStringLiteral("Eintrag wirklich löschen ?"))) {
        kartei_.loeschen();
        anzeigen();
    }
    fokus_auf_nachname();
}

void KarteiFenster::aus_namensliste_waehlen()
{
    karte_speichern();
    NamenslisteDialog liste(this);
    for (int i = 1; i <= kartei_.anzahl(); ++i)
        liste.ListBox1->addItem(qstring_aus_1252(kartei_.karte_nr(i).nachname.view()));
    // The list opens at the shown card.
    if (kartei_.position() >= 1)
        liste.ListBox1->setCurrentRow(kartei_.position() - 1);
    // Whichever way the list is closed, a picked line counts.
    dialoge_.modal(liste);
    const int zeile = liste.gewaehlte_zeile();
    if (zeile >= 0 && zeile < kartei_.anzahl()) {
        kartei_.gehe_zu(zeile + 1);
        anzeigen();
    }
    fokus_auf_nachname();
}

void KarteiFenster::kartei_drucken_waehlen()
{
    KarteiDruckauswahl auswahl(this);
    dialoge_.modal(auswahl);
    const KarteiDruckauswahl::Wahl wahl = auswahl.wahl();
    if (wahl == KarteiDruckauswahl::Wahl::keine)
        return;
    // Every printout shows what the window shows: the shown card goes into
    // the index first, and the index comes back to it afterwards.
    karte_speichern();
    const int position = kartei_.position();
    if (druckdienst_) {
        const QString thema =
            wahl == KarteiDruckauswahl::Wahl::karte ? qstring_aus_1252(kartei_.karte.nachname.view()) : QString();
        const QString name = kartei_ausdruck_name(wahl);
        const QString datei = druckdienst_->drucke(
            Druckbefehl{name, name, {{thema, [&](Druckauftrag& auftrag) { kartei_drucken(auftrag, kartei_, wahl); }}}},
            auswahl.vorschau() ? Druckziel::vorschau : Druckziel::drucker);
        // This window covers the main window's status bar: it names the
        // file in its own.
        if (!datei.isEmpty())
            statuszeile_->showMessage(QStringLiteral("Gespeichert als %1").arg(datei));
    }
    kartei_.gehe_zu(position);
    anzeigen();
}

void KarteiFenster::uebernehmen_und_schliessen()
{
    accept();
}

void KarteiFenster::gesperrte_stunde_klicken(int x, int y)
{
    if (gesperrte_stunde_umschalten(kartei_.karte, x, y))
        zeichne_raster();
}

void KarteiFenster::lehrer_losgelassen()
{
    panel_anpassen();
}

void KarteiFenster::lehrer_verlassen()
{
    panel_anpassen();
}

} // namespace orbela
