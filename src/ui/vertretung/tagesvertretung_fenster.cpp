#include "ui/vertretung/tagesvertretung_fenster.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "canvas/qt_text_1252.h"
#include "core/beschriftung.h"
#include "core/kartei_dateien.h"
#include "core/vertretung/aushang.h"
#include "core/vertretung/schultag.h"
#include "core/vertretung/vertretungsseite.h"
#include "print/tagesvertretung_druck.h"
#include "ui/geschuetzt.h"

namespace orbela {

namespace {

constexpr int verzoegerung_ms = 200; // a save is a burst of file events
constexpr int nachsehen_ms = 30000;
const QColor offen_farbe(176, 0, 0);
const QColor offen_grund(255, 228, 228);

Datum als_datum(const QDate& d)
{
    return {d.year(), d.month(), d.day()};
}

QDate als_qdate(const Datum& d)
{
    return QDate(d.jahr, d.monat, d.tag);
}

QString aus_pfad(const std::string& pfad)
{
    return QFile::decodeName(QByteArray::fromStdString(pfad));
}

std::string als_pfad(const QString& pfad)
{
    return QFile::encodeName(pfad).toStdString();
}

// "Heute" and "Morgen" where they are true, else nothing beside the date.
std::string bezeichnung(const QDate& datum)
{
    const QDate heute = QDate::currentDate();
    if (datum == heute)
        return "Heute";
    if (datum == heute.addDays(1))
        return "Morgen";
    return {};
}

} // namespace

TagesvertretungFenster::TagesvertretungFenster(Sitzung& sitzung, Dialoge& dialoge, Druckdienst* druckdienst,
                                               QWidget* parent)
    : QDialog(parent)
    , sitzung_(sitzung)
    , dialoge_(dialoge)
    , druckdienst_(druckdienst)
{
    baue_fenster();
    waechter_ = new QFileSystemWatcher(this);
    verzoegerung_ = new QTimer(this);
    verzoegerung_->setSingleShot(true);
    verzoegerung_->setInterval(verzoegerung_ms);
    connect(verzoegerung_, &QTimer::timeout, this, &TagesvertretungFenster::aktualisieren);
    connect(waechter_, &QFileSystemWatcher::directoryChanged, this, [this] { bald_aktualisieren(); });
    connect(waechter_, &QFileSystemWatcher::fileChanged, this, [this] { bald_aktualisieren(); });
    // A shared network folder may not report a colleague's save: it is
    // looked at every half minute as well.
    auto* nachsehen = new QTimer(this);
    nachsehen->setInterval(nachsehen_ms);
    connect(nachsehen, &QTimer::timeout, this, [this] {
        if (ordnerstand() != ordnerstand_)
            aktualisieren();
    });
    nachsehen->start();
    // Class, subject and room come from the plan as it now stands.
    beobachter_ = sitzung_.dokument().beobachten([this](const Aenderung&) { bald_aktualisieren(); });
    // Assignments in the substitution window, saved or not: each is one
    // click there, so the list follows at once.
    vertretungsbeobachter_ =
        sitzung_.vertretung().beobachten([this](const Vertretungsaenderung&) { aktualisieren(); });
    datum_setzen(als_qdate(erster_schultag_ab(als_datum(QDate::currentDate()))));
}

TagesvertretungFenster::~TagesvertretungFenster()
{
    sitzung_.dokument().nicht_mehr_beobachten(beobachter_);
    sitzung_.vertretung().nicht_mehr_beobachten(vertretungsbeobachter_);
}

void TagesvertretungFenster::baue_fenster()
{
    setObjectName(QStringLiteral("TagesvertretungFenster"));
    setWindowTitle(QStringLiteral("Vertretungen des Tages"));
    auto* layout = new QVBoxLayout(this);

    auto* kopf = new QGridLayout;
    kopf->addWidget(new QLabel(QStringLiteral("Woche:"), this), 0, 0);
    ordner_feld_ = new QLabel(this);
    ordner_feld_->setObjectName(QStringLiteral("Wochenordner"));
    ordner_feld_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    kopf->addWidget(ordner_feld_, 0, 1);
    auto* ordner_knopf = new QPushButton(QStringLiteral("Anderer Ordner..."), this);
    ordner_knopf->setObjectName(QStringLiteral("OrdnerWaehlen"));
    ordner_knopf->setAutoDefault(false);
    kopf->addWidget(ordner_knopf, 0, 2);
    kopf->addWidget(new QLabel(QStringLiteral("Tag:"), this), 1, 0);
    datum_ = new QDateEdit(this);
    datum_->setObjectName(QStringLiteral("Datum"));
    datum_->setCalendarPopup(true);
    datum_->setDisplayFormat(QStringLiteral("dddd, dd.MM.yyyy"));
    datum_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    kopf->addWidget(datum_, 1, 1, Qt::AlignLeft);
    kopf->setColumnStretch(1, 1);
    layout->addLayout(kopf);

    ueberschrift_ = new QLabel(this);
    ueberschrift_->setObjectName(QStringLiteral("Ueberschrift"));
    QFont gross = ueberschrift_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    ueberschrift_->setFont(gross);
    layout->addWidget(ueberschrift_);
    abwesend_ = new QLabel(this);
    abwesend_->setObjectName(QStringLiteral("Abwesend"));
    eingesetzt_ = new QLabel(this);
    eingesetzt_->setObjectName(QStringLiteral("Eingesetzt"));
    unlesbar_ = new QLabel(this);
    unlesbar_->setObjectName(QStringLiteral("Unlesbar"));
    unlesbar_->setStyleSheet(QStringLiteral("color: #b00000"));
    for (QLabel* l : {abwesend_, eingesetzt_, unlesbar_}) {
        l->setWordWrap(true);
        l->setTextFormat(Qt::RichText);
        layout->addWidget(l);
    }
    unlesbar_->hide();

    tabelle_ = new QTreeWidget(this);
    tabelle_->setObjectName(QStringLiteral("Liste"));
    tabelle_->setRootIsDecorated(false);
    tabelle_->setUniformRowHeights(true);
    tabelle_->setSelectionMode(QAbstractItemView::NoSelection);
    tabelle_->setHeaderLabels({QStringLiteral("Abwesend"), QStringLiteral("Std."), QStringLiteral("Klasse"),
                               QStringLiteral("Fach"), QStringLiteral("Raum"), QStringLiteral("Regelung"),
                               QStringLiteral("Hinweis")});
    tabelle_->header()->setStretchLastSection(true);
    layout->addWidget(tabelle_, 1);

    auto* ausgaben = new QGridLayout;
    const auto knoepfe = [&](int zeile, const QString& was, const char* name, void (TagesvertretungFenster::*druck)(Druckziel)) {
        ausgaben->addWidget(new QLabel(was, this), zeile, 0);
        const std::pair<QString, Druckziel> ziele[] = {{QStringLiteral("Drucken"), Druckziel::drucker},
                                                       {QStringLiteral("Vorschau..."), Druckziel::vorschau},
                                                       {QStringLiteral("Als PDF..."), Druckziel::pdf}};
        const char* endungen[] = {"Drucken", "Vorschau", "Pdf"};
        for (int i = 0; i < 3; ++i) {
            auto* k = new QPushButton(ziele[i].first, this);
            k->setObjectName(QString::fromLatin1(name) + QString::fromLatin1(endungen[i]));
            k->setAutoDefault(false);
            connect(k, &QPushButton::clicked, this, [this, druck, ziel = ziele[i].second] { (this->*druck)(ziel); });
            ausgaben->addWidget(k, zeile, i + 1);
        }
    };
    knoepfe(0, QStringLiteral("Aushang (nach Klassen):"), "Aushang", &TagesvertretungFenster::aushang);
    knoepfe(1, QStringLiteral("Lehrerzimmer (nach Vertretern):"), "Lehrerzimmer", &TagesvertretungFenster::lehrerzimmer);
    ausgaben->setColumnStretch(4, 1);
    layout->addLayout(ausgaben);

    auto* web = new QHBoxLayout;
    auto* web_knopf = new QPushButton(QStringLiteral("Als Webseite..."), this);
    web_knopf->setObjectName(QStringLiteral("AlsWebseite"));
    web_knopf->setAutoDefault(false);
    web->addWidget(web_knopf);
    webseite_folgt_ = new QCheckBox(QStringLiteral("Webseite bei jeder Änderung neu schreiben"), this);
    webseite_folgt_->setObjectName(QStringLiteral("WebseiteNeuSchreiben"));
    web->addWidget(webseite_folgt_);
    web->addStretch(1);
    layout->addLayout(web);
    webseite_stand_ = new QLabel(this);
    webseite_stand_->setObjectName(QStringLiteral("WebseiteStand"));
    webseite_stand_->setWordWrap(true);
    layout->addWidget(webseite_stand_);

    auto* unten = new QDialogButtonBox(this);
    QPushButton* schliessen = unten->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    layout->addWidget(unten);

    connect(ordner_knopf, &QPushButton::clicked, this, [this] { geschuetzt(dialoge_, [this] { ordner_waehlen(); }); });
    connect(datum_, &QDateEdit::dateChanged, this, [this] { aktualisieren(); });
    connect(web_knopf, &QPushButton::clicked, this, [this] { geschuetzt(dialoge_, [this] { als_webseite(); }); });
    connect(webseite_folgt_, &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            geschuetzt(dialoge_, [this] { webseite_schreiben(true); });
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    resize(820, 600);
}

void TagesvertretungFenster::woche_zeigen(const std::string& ordner)
{
    namen_lesen();
    if (!ordner.empty())
        ordner_ = ordner;
    aktualisieren();
}

void TagesvertretungFenster::datum_setzen(const QDate& datum)
{
    if (datum_->date() == datum)
        aktualisieren();
    else
        datum_->setDate(datum); // rebuilds through dateChanged
}

void TagesvertretungFenster::ordner_waehlen()
{
    const QString start = ordner_.empty() ? QDir::currentPath() : aus_pfad(ordner_);
    const std::optional<QString> ordner = dialoge_.ordner_waehlen(start);
    if (ordner)
        woche_zeigen(als_pfad(QFileInfo(*ordner).absoluteFilePath()));
}

int TagesvertretungFenster::plan_tag() const
{
    const int w = wochentag(als_datum(datum_->date()));
    return w <= anzahl_tage ? w : 0;
}

QString TagesvertretungFenster::tag_text() const
{
    return qstring_aus_1252(tag_und_datum(als_datum(datum_->date())));
}

QString TagesvertretungFenster::stand_text() const
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

void TagesvertretungFenster::bald_aktualisieren()
{
    verzoegerung_->start();
}

void TagesvertretungFenster::aktualisieren()
{
    verzoegerung_->stop();
    ordnerstand_ = ordnerstand();
    woche_ = lies_vertretungswoche(ordner_);
    const int tag = plan_tag();
    tv_ = tag == 0 ? Tagesvertretung{} : tagesvertretung(sitzung_.plan(), woche_, tag, stellvertreter());
    ordner_beobachten();
    liste_zeigen();
    if (webseite_folgt_->isChecked())
        geschuetzt(dialoge_, [this] { webseite_schreiben(false); });
}

void TagesvertretungFenster::ordner_beobachten()
{
    if (!waechter_->files().isEmpty())
        waechter_->removePaths(waechter_->files());
    if (!waechter_->directories().isEmpty())
        waechter_->removePaths(waechter_->directories());
    if (ordner_.empty())
        return;
    // The folder for plans added, removed or renamed into place; each plan
    // for one written over in place.
    waechter_->addPath(aus_pfad(ordner_));
    QStringList dateien;
    for (const Vertretungswoche::Plan& p : woche_.plaene)
        dateien << QDir(aus_pfad(ordner_)).filePath(aus_pfad(p.datei));
    if (!dateien.isEmpty())
        waechter_->addPaths(dateien);
}

const Vertretungsplan* TagesvertretungFenster::stellvertreter() const
{
    const Vertretungsdokument& offen = sitzung_.vertretung();
    const bool gilt = offen.geaendert() && !ordner_.empty() && offen.ordner() == ordner_;
    return gilt ? &offen.plan() : nullptr;
}

QStringList TagesvertretungFenster::ordnerstand() const
{
    QStringList stand;
    if (ordner_.empty())
        return stand;
    const QFileInfoList dateien = QDir(aus_pfad(ordner_)).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& d : dateien) {
        if (d.suffix().compare(QStringLiteral("vtp"), Qt::CaseInsensitive) == 0)
            stand << d.fileName() + u'/' + QString::number(d.size()) + u'/'
                    + QString::number(d.lastModified().toMSecsSinceEpoch());
    }
    return stand;
}

void TagesvertretungFenster::namen_lesen()
{
    // Only on the user's command: the look-up sets the card index back to
    // its first card, which must not happen under an open card window.
    namen_.clear();
    for (const lehrereintrag& e : sitzung_.lehrerliste().eintraege) {
        if (e.kuerzel.empty() || namen_.count(e.kuerzel.str()) != 0)
            continue;
        const std::string name = orbela::lehrername(sitzung_.kartei(), e.kuerzel.view());
        namen_[e.kuerzel.str()] = name.empty() || name.front() == '[' ? std::string() : name;
    }
}

std::string TagesvertretungFenster::lehrername(std::string_view code) const
{
    const auto it = namen_.find(std::string(code));
    return it == namen_.end() ? std::string() : it->second;
}

void TagesvertretungFenster::liste_zeigen()
{
    ordner_feld_->setText(ordner_.empty() ? QStringLiteral("kein Ordner gewählt") : aus_pfad(ordner_));
    const int tag = plan_tag();
    const bool stunden_0_8 = sitzung_.optionen().stunden_0_8;
    const int offen = tv_.offen();
    QString kopf = QStringLiteral("Vertretungen für ") + tag_text();
    if (tag == 0)
        kopf += QStringLiteral(": sonntags ist kein Unterricht");
    else if (offen > 0)
        kopf += QStringLiteral(" – <span style=\"color:#b00000\">%1</span>").arg(qstring_aus_1252(offen_text(offen)));
    else if (!tv_.stunden.empty())
        kopf += QStringLiteral(" – alles geregelt");
    ueberschrift_->setText(kopf);
    const auto zeile = [](const QString& marke, const std::string& text) {
        return QStringLiteral("<b>%1</b> %2").arg(marke, text.empty() ? QStringLiteral("niemand")
                                                                     : qstring_aus_1252(text).toHtmlEscaped());
    };
    abwesend_->setText(zeile(QStringLiteral("Abwesend:"), abwesend_text(tv_, stunden_0_8)));
    eingesetzt_->setText(zeile(QStringLiteral("Eingesetzt:"), eingesetzt_text(tv_)));
    if (woche_.unlesbar.empty()) {
        unlesbar_->hide();
    } else {
        QStringList namen;
        for (const std::string& n : woche_.unlesbar)
            namen << aus_pfad(n).toHtmlEscaped();
        unlesbar_->setText(QStringLiteral("Nicht lesbar und übergangen: ") + namen.join(QStringLiteral(", ")));
        unlesbar_->show();
    }

    // Rebuilt on every change elsewhere: the list stays where it was scrolled to.
    const int gerollt = tabelle_->verticalScrollBar()->value();
    tabelle_->clear();
    for (const Tagesstunde& s : tv_.stunden) {
        QString regelung = qstring_aus_1252(regelung_text(s));
        if (s.regelung == Regelung::vertretung) {
            const std::string name = lehrername(s.vertreter);
            if (!name.empty())
                regelung += QStringLiteral(" (") + qstring_aus_1252(name) + QStringLiteral(")");
        }
        auto* z = new QTreeWidgetItem(
            tabelle_, {qstring_aus_1252(s.abwesender), QString::fromStdString(stunden_label(s.stunde, stunden_0_8) + "."),
                       qstring_aus_1252(s.klasse), qstring_aus_1252(s.fach), qstring_aus_1252(s.raum), regelung,
                       s.bescheid_geben ? QStringLiteral("Bescheid geben") : QString()});
        if (s.regelung == Regelung::offen) {
            QFont fett = z->font(0);
            fett.setBold(true);
            for (int c = 0; c < tabelle_->columnCount(); ++c) {
                z->setForeground(c, offen_farbe);
                z->setBackground(c, offen_grund);
                z->setFont(c, fett);
            }
        }
        if (s.bescheid_geben) {
            QFont fett = z->font(6);
            fett.setBold(true);
            z->setFont(6, fett);
        }
    }
    if (tv_.stunden.empty()) {
        auto* z = new QTreeWidgetItem(tabelle_, {QString(), QString(), QString(), QString(), QString(),
                                                 tag == 0 ? QString() : QStringLiteral("Keine Vertretungen")});
        z->setFlags(Qt::NoItemFlags);
    }
    for (int c = 0; c + 1 < tabelle_->columnCount(); ++c)
        tabelle_->resizeColumnToContents(c);
    tabelle_->verticalScrollBar()->setValue(gerollt);
}

void TagesvertretungFenster::drucken(const QString& ausdruck, const std::function<void(Druckauftrag&)>& druck,
                                     Druckziel ziel)
{
    if (druckdienst_ == nullptr)
        return;
    const QString thema = qstring_aus_1252(datum_text(als_datum(datum_->date())));
    geschuetzt(dialoge_, [&] { druckdienst_->drucke(Druckbefehl{ausdruck, ausdruck, {{thema, druck}}}, ziel); });
}

void TagesvertretungFenster::aushang(Druckziel ziel)
{
    const Tagesdruck daten{tv_, text_1252_aus_qstring(tag_text()), text_1252_aus_qstring(stand_text()),
                           sitzung_.optionen().stunden_0_8};
    drucken(QStringLiteral("Aushang"), [&](Druckauftrag& auftrag) { drucke_aushang(auftrag, daten); }, ziel);
}

void TagesvertretungFenster::lehrerzimmer(Druckziel ziel)
{
    namen_lesen();
    const Tagesdruck daten{tv_, text_1252_aus_qstring(tag_text()), text_1252_aus_qstring(stand_text()),
                           sitzung_.optionen().stunden_0_8};
    drucken(QStringLiteral("Lehrerzimmer"),
            [&](Druckauftrag& auftrag) {
                drucke_lehrerzimmer(auftrag, daten, [this](std::string_view code) { return lehrername(code); });
            },
            ziel);
}

void TagesvertretungFenster::als_webseite()
{
    const QString ordner = ordner_.empty() ? QDir::currentPath() : aus_pfad(ordner_);
    const QString vorschlag = webseite_.isEmpty() ? QDir(ordner).filePath(QStringLiteral("vertretungsplan.html")) : webseite_;
    const std::optional<QString> datei =
        dialoge_.datei_speichern(QStringLiteral("Webseite (*.html)"), QStringLiteral("html"), vorschlag);
    if (!datei)
        return;
    webseite_ = *datei;
    webseite_schreiben(true);
}

Seitentag TagesvertretungFenster::seitentag(const QDate& datum, bool naechste_woche) const
{
    Seitentag t;
    t.bezeichnung = bezeichnung(datum);
    t.datum = als_datum(datum);
    const int tag = wochentag(t.datum);
    if (naechste_woche) {
        // The folder holds this week only.
        t.leer_text = "Die Vertretungen der n\xE4" "chsten Woche stehen hier, sobald sie geplant sind.";
        return t;
    }
    if (tag > anzahl_tage)
        return t;
    const Tagesvertretung tv =
        tag == plan_tag() ? tv_ : tagesvertretung(sitzung_.plan(), woche_, tag, stellvertreter());
    t.zeilen = orbela::aushang(tv, sitzung_.optionen().stunden_0_8);
    return t;
}

void TagesvertretungFenster::webseite_schreiben(bool erzwingen)
{
    if (webseite_.isEmpty()) {
        const QString ordner = ordner_.empty() ? QDir::currentPath() : aus_pfad(ordner_);
        webseite_ = QDir(ordner).filePath(QStringLiteral("vertretungsplan.html"));
    }
    const QDate erster = datum_->date();
    const Datum folgend = naechster_schultag(als_datum(erster), sitzung_.plan());
    const bool naechste_woche = wochentag(folgend) <= wochentag(als_datum(erster));
    const Seitentag heute = seitentag(erster, false);
    const Seitentag danach = seitentag(als_qdate(folgend), naechste_woche);
    // Writing the page into the watched folder comes back as a change of
    // the folder: a page that would not differ but for its time is not
    // written again.
    std::string inhalt = vertretungsseite(heute, danach, {});
    if (!erzwingen && inhalt == geschriebene_seite_ && webseite_ == geschriebene_datei_)
        return;
    const QString uhrzeit = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    schreibe_vertretungsseite(als_pfad(webseite_), heute, danach, uhrzeit.toStdString());
    geschriebene_seite_ = std::move(inhalt);
    geschriebene_datei_ = webseite_;
    webseite_stand_->setText(QStringLiteral("Webseite um %1 geschrieben: %2").arg(uhrzeit, webseite_));
}

} // namespace orbela
