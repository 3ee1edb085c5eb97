#include "ui/hauptfenster_druck.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "canvas/qt_text_1252.h"
#include "core/kartei_dateien.h"
#include "print/druckauswahl.h"
#include "print/plan_ausdrucke.h"
#include "ui/dialoge.h"
#include "ui/druckausgabe.h"
#include "ui/druckauswahl_dialog.h"
#include "ui/druckdatum.h"
#include "ui/namenstabelle_dialog.h"

namespace orbela {

namespace {

// The wait cursor is restored however a command ends.
struct Wartecursor {
    Wartecursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wartecursor() { QApplication::restoreOverrideCursor(); }
};

QString q(std::string_view text_1252)
{
    return qstring_aus_1252(text_1252);
}

} // namespace

DruckBefehle::DruckBefehle(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern,
                           std::function<void(const QString&)> meldung)
    : sitzung_(sitzung)
    , dialoge_(dialoge)
    , meldung_(std::move(meldung))
    , ausgabe_(std::make_unique<Druckausgabe>(sitzung.programmpfad()))
    , form4_(std::make_unique<DruckauswahlDialog>(eltern))
    , form8_(std::make_unique<NamenstabelleDialog>(NamenstabelleDialog::faecher, sitzung.programmpfad(), dialoge,
                                                   eltern))
    , form9_(std::make_unique<NamenstabelleDialog>(NamenstabelleDialog::raeume, sitzung.programmpfad(), dialoge,
                                                   eltern))
{
}

DruckBefehle::~DruckBefehle() = default;

Druckdaten DruckBefehle::daten() const
{
    return Druckdaten{sitzung_.plan(), sitzung_.optionen(), druckdatum_heute()};
}

std::vector<int> DruckBefehle::auswahl(const std::vector<std::string>& eintraege)
{
    form4_->fuellen(eintraege);
    if (!dialoge_.modal(*form4_))
        return {};
    return form4_->gewaehlt();
}

void DruckBefehle::drucke(const QString& ausdruck, const QString& thema,
                          const std::function<void(Druckauftrag&)>& druck)
{
    const Wartecursor wartecursor;
    std::unique_ptr<Druckauftrag> auftrag = ausgabe_->auftrag(ausdruck, thema);
    const QString datei = ausgabe_->letzte_datei();
    if (const QString hinweis = ausgabe_->ohne_drucker_hinweis(); !hinweis.isEmpty())
        dialoge_.hinweis(hinweis);
    druck(*auftrag);
    auftrag.reset();
    if (datei.isEmpty())
        return;
    dateien_ << datei;
    const QString relativ = QDir(QFile::decodeName(QByteArray::fromStdString(sitzung_.programmpfad())))
                                .relativeFilePath(datei);
    meldung_(QStringLiteral("Gespeichert als %1").arg(relativ));
}

void DruckBefehle::fuer_jedes(const std::vector<int>& positionen, const std::function<void(int)>& drucke_eintrag)
{
    dateien_.clear();
    for (int p : positionen)
        drucke_eintrag(p);
    if (dateien_.size() > 1) {
        const QString ordner = QDir(QFile::decodeName(QByteArray::fromStdString(sitzung_.programmpfad())))
                                   .relativeFilePath(QFileInfo(dateien_.back()).absolutePath());
        meldung_(QStringLiteral("%1 Ausdrucke gespeichert in %2").arg(dateien_.size()).arg(ordner));
    }
}

void DruckBefehle::drucken1Click()
{
    const Druckdaten d = daten();
    const auto tage = auswahl_tage();
    fuer_jedes(auswahl(tage), [&](int p) {
        drucke(QStringLiteral("Gesamtplan"), q(tage[static_cast<std::size_t>(p)]),
               [&](Druckauftrag& a) { drucke_plan(a, d, p + 1); });
    });
}

void DruckBefehle::Klassenplan1Click()
{
    const Druckdaten d = daten();
    const auto klassen = auswahl_klassen(sitzung_.plan());
    fuer_jedes(auswahl(klassen), [&](int p) {
        const int c = klasse_an_position(sitzung_.plan(), p);
        drucke(QStringLiteral("Klassenplan"), q(klassen[static_cast<std::size_t>(p)]),
               [&](Druckauftrag& a) { drucke_klassenplan(a, d, c); });
    });
}

void DruckBefehle::Klassenplanquer1Click()
{
    const Druckdaten d = daten();
    const auto klassen = auswahl_klassen(sitzung_.plan());
    fuer_jedes(auswahl(klassen), [&](int p) {
        const int c = klasse_an_position(sitzung_.plan(), p);
        // The names as stored now; a table that cannot be read stops the print.
        form8_->init();
        form9_->init();
        const Namenstabelle faecher = form8_->tabelle();
        const Namenstabelle raeume = form9_->tabelle();
        const Langnamen namen{faecher, raeume,
                              [this](std::string_view code) { return lehrername(sitzung_.kartei(), code); }};
        drucke(QStringLiteral("Klassenplan quer"), q(klassen[static_cast<std::size_t>(p)]),
               [&](Druckauftrag& a) { drucke_klassenplan_2(a, d, c, namen); });
    });
}

void DruckBefehle::Lehrerplan1Click()
{
    const Druckdaten d = daten();
    const auto codes = auswahl_lehrer(sitzung_.plan());
    fuer_jedes(auswahl(codes), [&](int p) {
        const std::string& code = codes[static_cast<std::size_t>(p)];
        drucke(QStringLiteral("Lehrerplan"), q(code), [&](Druckauftrag& a) { drucke_lehrerplan(a, d, code); });
    });
}

void DruckBefehle::Raumplan1Click()
{
    const Druckdaten d = daten();
    const auto codes = auswahl_raeume(sitzung_.plan());
    fuer_jedes(auswahl(codes), [&](int p) {
        const std::string& code = codes[static_cast<std::size_t>(p)];
        drucke(QStringLiteral("Raumplan"), q(code), [&](Druckauftrag& a) { drucke_raumplan(a, d, code); });
    });
}

void DruckBefehle::bersichtsplan1Click()
{
    const Druckdaten d = daten();
    drucke(QStringLiteral("Übersichtsplan"), {}, [&](Druckauftrag& a) { drucke_kurzplan2(a, d); });
}

void DruckBefehle::bersichtsplan161Click()
{
    const Druckdaten d = daten();
    drucke(QStringLiteral("Übersichtsplan (1-6)"), {}, [&](Druckauftrag& a) {
        if (d.optionen.stunden_0_8)
            drucke_kurzplan3(a, d);
        else
            drucke_kurzplan(a, d);
    });
}

void DruckBefehle::Druckereinrichtung1Click()
{
    ausgabe_->einrichten(dialoge_);
}

void DruckBefehle::namenstabelle_zeigen(NamenstabelleDialog& dialog)
{
    dialog.init();
    if (dialoge_.modal(dialog))
        dialog.speichern();
}

void DruckBefehle::Fcherbezeichnungen1Click()
{
    namenstabelle_zeigen(*form8_);
}

void DruckBefehle::Rau1Click()
{
    namenstabelle_zeigen(*form9_);
}

} // namespace orbela
