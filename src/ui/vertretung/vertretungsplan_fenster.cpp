#include "ui/vertretung/vertretungsplan_fenster.h"

#include <QAction>
#include <QDir>
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
#include "core/beschriftung.h"
#include "core/vertretung/vertretungszettel.h"
#include "core/vertretung/vorschlaege.h"
#include "print/druckauswahl.h"
#include "print/vertretung_ausdrucke.h"
#include "print/wochen_ausdrucke.h"
#include "ui/aenderungen_sichern.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/druckdatum.h"
#include "ui/bild_widget.h"
#include "ui/geschuetzt.h"
#include "ui/vertretung/lehrerwahl_dialog.h"
#include "ui/sicherungswache.h"
#include "ui/vertretung/vertretungszahlen_dialog.h"
#include "ui/vertretung/vertretungszettel_dialog.h"
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
    , dokument_(sitzung.vertretung())
    , dialoge_(dialoge)
    , druckdienst_(druckdienst)
    , sicherung_(sitzung.vertretung())
{
    baue_fenster();
    zuhoerer_ = dokument_.beobachten([this](const Vertretungsaenderung& a) { zeige_aenderung(a); });
}

VertretungsplanFenster::~VertretungsplanFenster()
{
    dokument_.nicht_mehr_beobachten(zuhoerer_);
}

template <typename Aktion>
void VertretungsplanFenster::ausfuehren(Aktion&& aktion)
{
    geschuetzt(dialoge_, std::forward<Aktion>(aktion));
    wochenbild_->update();
}

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
    baue_menue();

    auto* inhalt = new QWidget(this);
    inhalt->setFixedSize(568, 312);
    layout->addWidget(inhalt);

    wochenbild_ = new BildWidget(vertretung_woche_breite, vertretung_woche_hoehe, inhalt);
    wochenbild_->setObjectName(QStringLiteral("Image1"));
    wochenbild_->move(8, 8);
    connect(wochenbild_, &BildWidget::mausGedrueckt, this,
            [this](Qt::MouseButton, int x, int y) { ausfuehren([&] { stunde_waehlen(x, y); }); });

    const int spalten[] = {296, 360, 424, 488};
    const char* koepfe[] = {"Klasse:", "Fach:", "Raum:", "Lehrer:"};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* kopf = new QLabel(QString::fromUtf8(koepfe[i]), inhalt);
        kopf->setGeometry(spalten[i], 0, 60, 16);
        auswahlfelder_[i] = new QLabel(inhalt);
        auswahlfelder_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        auswahlfelder_[i]->setGeometry(spalten[i], 16, 60, 16);
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
        QListWidget* liste = new QListWidget(inhalt);
        vorschlagslisten_[i] = liste;
        liste->setObjectName(QStringLiteral("ListBox%1").arg(i + 1));
        liste->setGeometry(spalten[i], 72, 57, 137);
        connect(liste, &QListWidget::itemDoubleClicked, this,
                [this, i] { ausfuehren([&] { vertreter_aus_liste_waehlen(i); }); });
        connect(liste, &QListWidget::itemSelectionChanged, this, [this, i, liste] {
            if (!liste->selectedItems().isEmpty())
                gewaehlte_liste_ = i;
        });
    }

    vertreter_loeschen_knopf_ = new QToolButton(inhalt);
    vertreter_loeschen_knopf_->setObjectName(QStringLiteral("SpeedButton1"));
    vertreter_loeschen_knopf_->setGeometry(296, 216, 57, 33);
    vertreter_loeschen_knopf_->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
    vertreter_loeschen_knopf_->setIconSize(QSize(20, 20));
    vertreter_loeschen_knopf_->setToolTip(QStringLiteral("Vertreter löschen"));
    connect(vertreter_loeschen_knopf_, &QToolButton::clicked, this,
            [this] { ausfuehren([this] { vertreter_loeschen(); }); });
    aufgeteilt_knopf_ = new QPushButton(QStringLiteral("aufgeteilt (##)"), inhalt);
    aufgeteilt_knopf_->setObjectName(QStringLiteral("BitBtn1"));
    aufgeteilt_knopf_->setGeometry(360, 216, 89, 33);
    connect(aufgeteilt_knopf_, &QPushButton::clicked, this, [this] { ausfuehren([this] { aufteilen(); }); });
    entfaellt_knopf_ = new QPushButton(QStringLiteral("entfällt (XX)"), inhalt);
    entfaellt_knopf_->setObjectName(QStringLiteral("BitBtn2"));
    entfaellt_knopf_->setGeometry(456, 216, 89, 33);
    connect(entfaellt_knopf_, &QPushButton::clicked, this, [this] { ausfuehren([this] { entfallen_lassen(); }); });
    ganzer_tag_knopf_ = new QPushButton(QStringLiteral("ganzen Tag"), inhalt);
    ganzer_tag_knopf_->setObjectName(QStringLiteral("ganzerTag"));
    ganzer_tag_knopf_->setGeometry(360, 256, 185, 33);
    ganzer_tag_knopf_->setToolTip(
        QStringLiteral("Den gewählten Vertreter in allen offenen Stunden dieses Tages eintragen"));
    connect(ganzer_tag_knopf_, &QPushButton::clicked, this, [this] { ausfuehren([this] { ganzen_tag(); }); });
    for (QPushButton* b : {aufgeteilt_knopf_, entfaellt_knopf_, ganzer_tag_knopf_})
        b->setAutoDefault(false);

    lehrerwahl_ = new LehrerwahlDialog(this);
}

void VertretungsplanFenster::baue_menue()
{
    auto* menue = new QMenuBar(this);
    // Each item keeps its object name for tests and accessibility.
    const auto eintrag = [this](QMenu* m, const char* name, const QString& text, void (VertretungsplanFenster::*handler)()) {
        QAction* a = m->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, handler] { ausfuehren([&] { (this->*handler)(); }); });
    };
    QMenu* datei = menue->addMenu(QStringLiteral("Datei"));
    eintrag(datei, "Neu1", QStringLiteral("Neu"), &VertretungsplanFenster::neu);
    eintrag(datei, "oeffnen2", QStringLiteral("öffnen..."), &VertretungsplanFenster::oeffnen);
    eintrag(datei, "speichern1", QStringLiteral("speichern..."), &VertretungsplanFenster::speichern);
    eintrag(datei, "drucken1", QStringLiteral("drucken"), &VertretungsplanFenster::drucken);
    eintrag(datei, "Vorschau1", QStringLiteral("Vorschau..."), &VertretungsplanFenster::vorschau);
    eintrag(datei, "AlsPdf1", QStringLiteral("als PDF..."), &VertretungsplanFenster::als_pdf);
    datei->addSeparator();
    eintrag(datei, "Ende1", QStringLiteral("Ende"), &VertretungsplanFenster::beenden);
    QMenu* extras = menue->addMenu(QStringLiteral("Extras"));
    eintrag(extras, "ganzerTag1", QStringLiteral("ganzen Tag"), &VertretungsplanFenster::ganzen_tag);
    eintrag(extras, "VertretungenJeLehrer1", QStringLiteral("Vertretungen je Lehrer..."),
            &VertretungsplanFenster::vertretungen_je_lehrer);
    eintrag(extras, "Vertretungszettel1", QStringLiteral("Vertretungszettel..."),
            &VertretungsplanFenster::vertretungszettel);
    extras->addSeparator();
    QAction* tagesvertretungen = extras->addAction(QStringLiteral("Vertretungen des Tages..."));
    tagesvertretungen->setObjectName(QStringLiteral("VertretungenDesTages1"));
    connect(tagesvertretungen, &QAction::triggered, this, &VertretungsplanFenster::tagesvertretungenGewuenscht);
    layout()->setMenuBar(menue);
}

void VertretungsplanFenster::zeige_aenderung(const Vertretungsaenderung& aenderung)
{
    if (aenderung.art != Vertretungsaenderung::Art::datei) {
        woche_zeichnen();
        if (aenderung.art == Vertretungsaenderung::Art::alles)
            titel_setzen();
        if (auswahl_.gesetzt())
            zeige_auswahl();
        wochenbild_->update();
    }
    // Every change may change the week's counts.
    listenhinweise_setzen();
}

bool VertretungsplanFenster::zum_oeffnen_vorbereiten()
{
    if (dokument_.abwesender_lehrer().empty())
        return true;
    if (wiederhergestellt_) {
        // Shown as it was, its lessons from the timetable open now.
        wiederhergestellt_ = false;
        dokument_.aufbauen(sitzung_.plan());
    } else {
        if (!aenderungen_sichern())
            return false;
        dokument_.verwerfen(sitzung_.plan());
        unlesbare_melden();
    }
    auswahl_auffrischen();
    return true;
}

void VertretungsplanFenster::wiederherstellen(const Sicherung& sicherung)
{
    dokument_.wiederherstellen(sicherung.inhalt, sicherung.dateiname, sitzung_.plan());
    wiederhergestellt_ = true;
    unlesbare_melden();
}

bool VertretungsplanFenster::aenderungen_sichern()
{
    return orbela::aenderungen_sichern(
        dialoge_, vtp_geaendert, [this] { return dokument_.geaendert(); }, [this] { speichern(); });
}

void VertretungsplanFenster::woche_zeichnen()
{
    zeichne_vertretungswoche(wochenbild_->canvas(), dokument_.plan(), sitzung_.plan(), sitzung_.lehrerliste(),
                             sitzung_.optionen().stunden_0_8, auswahl_);
}

void VertretungsplanFenster::vorschlaege_fuellen(Wochenstunde stunde)
{
    const Vorschlagslisten l =
        vorschlaege(sitzung_.plan(), sitzung_.lehrerliste(), dokument_.abwesender_lehrer(), stunde.tag,
                    stunde.stunde, klassentext(stunde), dokument_.stand());
    liste_fuellen(*vorschlagslisten_[0], l.optimal);
    liste_fuellen(*vorschlagslisten_[1], l.ohne_freistunden);
    liste_fuellen(*vorschlagslisten_[2], l.freie_lehrer);
    liste_fuellen(*vorschlagslisten_[3], l.alle_lehrer);
    listen_stunde_ = stunde;
    listenhinweise_setzen();
}

void VertretungsplanFenster::listenhinweise_setzen()
{
    if (!listen_stunde_.gesetzt())
        return;
    const Vertretungsstand stand = dokument_.stand();
    for (QListWidget* liste : vorschlagslisten_) {
        for (int i = 0; i < liste->count(); ++i) {
            QListWidgetItem* zeile = liste->item(i);
            const std::string code = zeile->data(Qt::UserRole).toByteArray().toStdString();
            QString tipp = anzahl_text(stand.anzahl(code));
            if (stand.selbst_abwesend(code, listen_stunde_.tag))
                tipp += QStringLiteral("\nselbst abwesend");
            const std::string* fuer = stand.doppelt(code, listen_stunde_.tag, listen_stunde_.stunde);
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

void VertretungsplanFenster::unlesbare_melden()
{
    const std::vector<std::string>& unlesbar = dokument_.woche().unlesbar;
    if (!unlesbar.empty() && unlesbar != gemeldet_) {
        QString text = QStringLiteral("Diese Dateien im Ordner der Vertretungspläne können nicht gelesen werden "
                                      "und werden beim Zählen übergangen:");
        for (const std::string& name : unlesbar)
            text += QStringLiteral("\n") + QFile::decodeName(QByteArray::fromStdString(name));
        dialoge_.hinweis(text);
    }
    gemeldet_ = unlesbar;
}

std::string VertretungsplanFenster::klassentext(Wochenstunde stunde) const
{
    // The full text with the "&" of a joint lesson, which the entry has lost.
    return unterricht_von(sitzung_.plan(), stunde.tag, stunde.stunde, dokument_.abwesender_lehrer()).klasse;
}

void VertretungsplanFenster::stunde_waehlen(int x, int y)
{
    const std::optional<Wochenstunde> stunde = vertretung_woche_treffer(x, y);
    if (!stunde || !dokument_.plan().zu_vertreten(stunde->tag, stunde->stunde))
        return;
    Canvas& c = wochenbild_->canvas();
    if (auswahl_.gesetzt())
        zeichne_wahlmarke(c, auswahl_, farben::weiss);
    auswahl_ = *stunde;
    zeichne_wahlmarke(c, auswahl_, farben::rot);
    zeige_auswahl();
    vorschlaege_fuellen(auswahl_);
}

void VertretungsplanFenster::zeige_auswahl()
{
    const vertretungtyp& e = dokument_.eintrag(auswahl_.tag, auswahl_.stunde);
    auswahlfelder_[0]->setText(qstring_aus_1252(e.klasse.view()));
    auswahlfelder_[1]->setText(qstring_aus_1252(e.fach.view()));
    auswahlfelder_[2]->setText(qstring_aus_1252(e.raum.view()));
    auswahlfelder_[3]->setText(qstring_aus_1252(e.vertreter.view()));
}

void VertretungsplanFenster::auswahl_auffrischen()
{
    if (!auswahl_.gesetzt())
        return;
    zeige_auswahl();
    if (dokument_.plan().zu_vertreten(auswahl_.tag, auswahl_.stunde)) {
        vorschlaege_fuellen(auswahl_);
    } else {
        for (QListWidget* liste : vorschlagslisten_)
            liste->clear();
    }
}

void VertretungsplanFenster::vertreter_setzen(const std::string& vertreter)
{
    // The selection may have been kept from another teacher's week; the
    // document then refuses.
    if (auswahl_.gesetzt())
        dokument_.setze_vertreter(auswahl_, vertreter);
}

void VertretungsplanFenster::vertreter_aus_liste_waehlen(std::size_t liste)
{
    const QListWidgetItem* zeile = vorschlagslisten_[liste]->currentItem();
    if (zeile == nullptr || !zeile->isSelected())
        return;
    const QString fuer = zeile->data(doppelt_rolle).toString();
    if (!fuer.isEmpty() && auswahl_.gesetzt()
        && !dialoge_.frage(QStringLiteral("%1 vertritt %2 schon für %3. Trotzdem eintragen?")
                               .arg(qstring_aus_1252(zeile->data(Qt::UserRole).toByteArray().toStdString()),
                                    stunde_text(auswahl_.tag, auswahl_.stunde, sitzung_.optionen().stunden_0_8),
                                    fuer)))
        return;
    vertreter_setzen(zeile->data(Qt::UserRole).toByteArray().toStdString());
}

void VertretungsplanFenster::vertreter_loeschen() { vertreter_setzen({}); }
void VertretungsplanFenster::aufteilen() { vertreter_setzen(vertreter_aufgeteilt); }
void VertretungsplanFenster::entfallen_lassen() { vertreter_setzen(vertreter_entfaellt); }

void VertretungsplanFenster::neu()
{
    // The same list as for printing teacher plans: sorted, each code once.
    if (!aenderungen_sichern())
        return;
    lehrerwahl_->fuellen(auswahl_lehrer(sitzung_.plan()));
    if (!dialoge_.modal(*lehrerwahl_))
        return;
    // Also without a chosen line the grid is drawn anew, so that it shows
    // the emptied substitutes rather than the old ones.
    dokument_.neu(sitzung_.plan(),
                  lehrerwahl_->hat_auswahl() ? std::optional<std::string>(lehrerwahl_->gewaehlt()) : std::nullopt);
    unlesbare_melden();
    auswahl_auffrischen();
}

void VertretungsplanFenster::oeffnen()
{
    if (!aenderungen_sichern())
        return;
    const std::optional<QString> name = dialoge_.datei_oeffnen(vtp_filter);
    if (!name)
        return;
    dokument_.oeffnen(QFile::encodeName(*name).toStdString(), sitzung_.plan());
    unlesbare_melden();
    auswahl_auffrischen();
}

void VertretungsplanFenster::speichern()
{
    const std::optional<QString> name = dialoge_.datei_speichern(vtp_filter, QStringLiteral("vtp"), speichervorschlag());
    if (!name)
        return;
    dokument_.speichern(QFile::encodeName(*name).toStdString());
    unlesbare_melden();
}

QString VertretungsplanFenster::speichervorschlag() const
{
    if (!dokument_.dateiname().empty())
        return QFile::decodeName(QByteArray::fromStdString(dokument_.dateiname()));
    if (dokument_.abwesender_lehrer().empty())
        return {};
    const QString ordner = dokument_.ordner().empty() ? QDir::currentPath()
                                                      : QFile::decodeName(QByteArray::fromStdString(dokument_.ordner()));
    return QDir(ordner).filePath(Druckausgabe::dateiname(qstring_aus_1252(dokument_.abwesender_lehrer()))
                                 + QStringLiteral(".vtp"));
}

void VertretungsplanFenster::drucken() { vertretungsblatt(Druckziel::drucker); }
void VertretungsplanFenster::vorschau() { vertretungsblatt(Druckziel::vorschau); }
void VertretungsplanFenster::als_pdf() { vertretungsblatt(Druckziel::pdf); }

void VertretungsplanFenster::vertretungsblatt(Druckziel ziel)
{
    // Also without an absent teacher: an empty week.
    const Druckdaten daten{sitzung_.plan(), sitzung_.optionen(), druckdatum_heute()};
    wochendruck(
        QStringLiteral("Vertretungsplan"), qstring_aus_1252(dokument_.abwesender_lehrer()),
        [&](Druckauftrag& auftrag) { drucke_vertretungen(auftrag, daten, sitzung_.lehrerliste(), dokument_.plan()); },
        ziel);
}

QListWidgetItem* VertretungsplanFenster::gewaehlte_zeile() const
{
    QListWidgetItem* zeile = vorschlagslisten_[gewaehlte_liste_]->currentItem();
    return zeile != nullptr && zeile->isSelected() ? zeile : nullptr;
}

void VertretungsplanFenster::ganzen_tag()
{
    const QListWidgetItem* zeile = gewaehlte_zeile();
    if (!auswahl_.gesetzt() || zeile == nullptr) {
        dialoge_.hinweis(QStringLiteral("Bitte zuerst eine Stunde und in einer der Listen einen Vertreter wählen."));
        return;
    }
    const std::string vertreter = zeile->data(Qt::UserRole).toByteArray().toStdString();
    const int tag = auswahl_.tag;
    const GanzerTag t = dokument_.ganzer_tag(tag, vertreter, sitzung_.plan(), sitzung_.lehrerliste());

    const bool stunden_0_8 = sitzung_.optionen().stunden_0_8;
    const QString name = qstring_aus_1252(vertreter);
    if (t.eingetragen.empty() && t.uebersprungen.empty()) {
        dialoge_.hinweis(QStringLiteral("Am %1 hat jede Stunde schon einen Vertreter.")
                             .arg(qstring_aus_1252(tagname(tag))));
        return;
    }
    if (t.uebersprungen.empty())
        return;
    const Vertretungsstand stand = dokument_.stand();
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
    const Vertretungsstand stand = dokument_.stand();
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
    const QString ordner_text = QFile::decodeName(QByteArray::fromStdString(dokument_.ordner()));
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
        orbela::vertretungszettel(dokument_.plan(), sitzung_.plan(), sitzung_.optionen().stunden_0_8);
    if (zettel.empty()) {
        dialoge_.hinweis(QStringLiteral("Im Vertretungsplan ist noch kein Lehrer als Vertreter eingetragen."));
        return;
    }
    const std::string& abwesender = dokument_.abwesender_lehrer();
    VertretungszettelDialog dialog(
        qstring_aus_1252(zettel_als_text(zettel)),
        [&](Druckziel ziel) {
            const auto druck = [&](Druckauftrag& auftrag) {
                drucke_vertretungszettel(auftrag, zettel, abwesender, druckdatum_heute());
            };
            wochendruck(QStringLiteral("Vertretungszettel"), qstring_aus_1252(abwesender), druck, ziel);
        },
        this);
    dialoge_.modal(dialog);
}

void VertretungsplanFenster::beenden()
{
    close();
}

void VertretungsplanFenster::titel_setzen()
{
    setWindowTitle(QStringLiteral("Vertretungsplan für ") + qstring_aus_1252(dokument_.abwesender_lehrer()));
}

} // namespace orbela
