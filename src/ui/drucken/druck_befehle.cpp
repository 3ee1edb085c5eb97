#include "ui/drucken/druck_befehle.h"


#include "canvas/qt_text_1252.h"
#include "core/kartei_dateien.h"
#include "print/druckauswahl.h"
#include "print/plan_ausdrucke.h"
#include "print/vertretung_ausdrucke.h"
#include "ui/dialoge.h"
#include "ui/drucken/druckablauf.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/druckauswahl_dialog.h"
#include "ui/drucken/druckdatum.h"
#include "ui/namenstabelle_dialog.h"

namespace orbela {

namespace {

QString q(std::string_view text_1252)
{
    return qstring_aus_1252(text_1252);
}

} // namespace

DruckBefehle::DruckBefehle(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern,
                           std::function<void(const QString&)> meldung, std::unique_ptr<Druckausgabe> ausgabe)
    : sitzung_(sitzung)
    , dialoge_(dialoge)
    , ausgabe_(ausgabe ? std::move(ausgabe) : std::make_unique<Druckausgabe>(sitzung.programmpfad()))
    , ablauf_(std::make_unique<Druckablauf>(*ausgabe_, dialoge, eltern, std::move(meldung)))
    , druckauswahl_(std::make_unique<DruckauswahlDialog>(eltern))
    , faecher_dialog_(std::make_unique<NamenstabelleDialog>(NamenstabelleDialog::faecher, sitzung.programmpfad(), dialoge,
                                                   eltern))
    , raeume_dialog_(std::make_unique<NamenstabelleDialog>(NamenstabelleDialog::raeume, sitzung.programmpfad(), dialoge,
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
    druckauswahl_->fuellen(eintraege);
    if (!dialoge_.modal(*druckauswahl_))
        return {};
    return druckauswahl_->gewaehlt();
}

QString DruckBefehle::drucke(const Druckbefehl& befehl, Druckziel ziel)
{
    ablauf_->ausfuehren(befehl, ziel);
    const QString& datei = ablauf_->letzte_datei();
    if (datei.isEmpty())
        return {};
    return ablauf_->relativ(datei);
}

void DruckBefehle::fuer_jedes(const QString& name, const QString& mehrzahl, const std::vector<int>& positionen,
                              const std::function<Druckbefehl::Ausdruck(int)>& eintrag)
{
    Druckbefehl befehl{name, mehrzahl, {}};
    for (int p : positionen)
        befehl.ausdrucke.push_back(eintrag(p));
    ablauf_->ausfuehren(befehl, druckauswahl_->ziel());
}

void DruckBefehle::gesamtplan_drucken()
{
    const Druckdaten d = daten();
    const auto tage = auswahl_tage();
    fuer_jedes(QStringLiteral("Gesamtplan"), QStringLiteral("Gesamtpläne"), auswahl(tage), [&](int p) {
        return Druckbefehl::Ausdruck{q(tage[static_cast<std::size_t>(p)]),
                                     [&d, p](Druckauftrag& a) { drucke_plan(a, d, p + 1); }};
    });
}

Druckbefehl::Ausdruck DruckBefehle::klassenplan(const Druckdaten& d, const std::vector<std::string>& klassen, int p)
{
    const int c = klasse_an_position(sitzung_.plan(), p);
    return {q(klassen[static_cast<std::size_t>(p)]), [&d, c](Druckauftrag& a) { drucke_klassenplan(a, d, c); }};
}

void DruckBefehle::klassenplaene_drucken()
{
    const Druckdaten d = daten();
    const auto klassen = auswahl_klassen(sitzung_.plan());
    fuer_jedes(QStringLiteral("Klassenplan"), QStringLiteral("Klassenpläne"), auswahl(klassen),
               [&](int p) { return klassenplan(d, klassen, p); });
}

void DruckBefehle::klassenplaene_quer_drucken()
{
    const Druckdaten d = daten();
    const auto klassen = auswahl_klassen(sitzung_.plan());
    const std::vector<int> positionen = auswahl(klassen);
    if (positionen.empty())
        return;
    // The names as stored now; a table that cannot be read stops the print.
    faecher_dialog_->init();
    raeume_dialog_->init();
    const Namenstabelle faecher = faecher_dialog_->tabelle();
    const Namenstabelle raeume = raeume_dialog_->tabelle();
    const Langnamen namen{faecher, raeume,
                          [this](std::string_view code) { return lehrername(sitzung_.kartei(), code); }};
    fuer_jedes(QStringLiteral("Klassenplan quer"), QStringLiteral("Klassenpläne quer"), positionen, [&](int p) {
        const int c = klasse_an_position(sitzung_.plan(), p);
        return Druckbefehl::Ausdruck{q(klassen[static_cast<std::size_t>(p)]),
                                     [&, c](Druckauftrag& a) { drucke_klassenplan_2(a, d, c, namen); }};
    });
}

Druckbefehl::Ausdruck DruckBefehle::lehrerplan(const Druckdaten& d, const std::string& code)
{
    return {q(code), [&d, &code](Druckauftrag& a) { drucke_lehrerplan(a, d, code); }};
}

Druckbefehl::Ausdruck DruckBefehle::raumplan(const Druckdaten& d, const std::string& code)
{
    return {q(code), [&d, &code](Druckauftrag& a) { drucke_raumplan(a, d, code); }};
}

void DruckBefehle::lehrerplaene_drucken()
{
    const Druckdaten d = daten();
    const auto codes = auswahl_lehrer(sitzung_.plan());
    fuer_jedes(QStringLiteral("Lehrerplan"), QStringLiteral("Lehrerpläne"), auswahl(codes),
               [&](int p) { return lehrerplan(d, codes[static_cast<std::size_t>(p)]); });
}

void DruckBefehle::raumplaene_drucken()
{
    const Druckdaten d = daten();
    const auto codes = auswahl_raeume(sitzung_.plan());
    fuer_jedes(QStringLiteral("Raumplan"), QStringLiteral("Raumpläne"), auswahl(codes),
               [&](int p) { return raumplan(d, codes[static_cast<std::size_t>(p)]); });
}

void DruckBefehle::uebersicht(bool nur_1_6, Druckziel ziel)
{
    const Druckdaten d = daten();
    const QString name = nur_1_6 ? QStringLiteral("Übersichtsplan (1-6)") : QStringLiteral("Übersichtsplan");
    const Druckbefehl befehl{name, name, {{QString(), [&](Druckauftrag& a) {
                                               if (!nur_1_6)
                                                   drucke_kurzplan2(a, d);
                                               else if (d.optionen.stunden_0_8)
                                                   drucke_kurzplan3(a, d);
                                               else
                                                   drucke_kurzplan(a, d);
                                           }}}};
    ablauf_->ausfuehren(befehl, ziel);
}

void DruckBefehle::uebersichtsplan_drucken()
{
    uebersicht(false, Druckziel::drucker);
}

void DruckBefehle::uebersichtsplan_1_6_drucken()
{
    uebersicht(true, Druckziel::drucker);
}

void DruckBefehle::uebersichtsplan_vorschau()
{
    uebersicht(false, Druckziel::vorschau);
}

void DruckBefehle::uebersichtsplan_1_6_vorschau()
{
    uebersicht(true, Druckziel::vorschau);
}

void DruckBefehle::alle_plaene_als_pdf()
{
    const Druckdaten d = daten();
    const plantyp& plan = sitzung_.plan();
    const auto klassen = auswahl_klassen(plan);
    const auto lehrer = auswahl_lehrer(plan);
    const auto raeume = auswahl_raeume(plan);
    const QString name = QStringLiteral("Alle Pläne");
    Druckbefehl befehl{name, name, {{QString(), [&](Druckauftrag& a) { drucke_kurzplan2(a, d); }}}};
    for (int p = 0; p < static_cast<int>(klassen.size()); ++p)
        befehl.ausdrucke.push_back(klassenplan(d, klassen, p));
    for (const std::string& code : lehrer)
        befehl.ausdrucke.push_back(lehrerplan(d, code));
    for (const std::string& code : raeume)
        befehl.ausdrucke.push_back(raumplan(d, code));
    ablauf_->ausfuehren(befehl, Druckziel::pdf);
}

void DruckBefehle::vertretungsplaene_drucken()
{
    const auto lehrer = auswahl_lehrer(sitzung_.plan());
    druckauswahl_->fuellen(lehrer);
    if (!dialoge_.modal(*druckauswahl_))
        return;
    const bool mit_vorschlaegen = dialoge_.frage(QStringLiteral("Mit Vorschlägen drucken?"));
    const Druckdaten d = daten();
    fuer_jedes(QStringLiteral("Vertretungsplan"), QStringLiteral("Vertretungspläne"), druckauswahl_->gewaehlt(), [&](int p) {
        const std::string& code = lehrer[static_cast<std::size_t>(p)];
        return Druckbefehl::Ausdruck{q(code), [&](Druckauftrag& a) {
                                         drucke_vertretungsplan(a, d, sitzung_.lehrerliste(), code, mit_vorschlaegen);
                                     }};
    });
}

void DruckBefehle::drucker_einrichten()
{
    ausgabe_->einrichten(dialoge_);
}

void DruckBefehle::namenstabelle_zeigen(NamenstabelleDialog& dialog)
{
    dialog.init();
    if (dialoge_.modal(dialog))
        dialog.speichern();
}

void DruckBefehle::faecherbezeichnungen_bearbeiten()
{
    namenstabelle_zeigen(*faecher_dialog_);
}

void DruckBefehle::raumbezeichnungen_bearbeiten()
{
    namenstabelle_zeigen(*raeume_dialog_);
}

} // namespace orbela
