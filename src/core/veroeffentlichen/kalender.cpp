#include "core/veroeffentlichen/kalender.h"

#include <array>
#include <cstdio>
#include <optional>

#include "core/beschriftung.h"
#include "core/fehler.h"
#include "core/veroeffentlichen/stundenzeit.h"

namespace orbela {

namespace {

using namespace std::chrono;

// --- dates and times

std::string zahl(long long wert, int stellen)
{
    char puffer[24];
    std::snprintf(puffer, sizeof puffer, "%0*lld", stellen, wert);
    return puffer;
}

std::string datum_text(const year_month_day& d)
{
    return zahl(static_cast<int>(d.year()), 4) + zahl(static_cast<unsigned>(d.month()), 2)
        + zahl(static_cast<unsigned>(d.day()), 2);
}

// "YYYYMMDDTHHMMSS" of seconds since 1970 (no zone).
std::string zeit_text(std::int64_t sekunden)
{
    const sys_days tag{days{sekunden >= 0 ? sekunden / 86400 : (sekunden - 86399) / 86400}};
    const std::int64_t rest = sekunden - tag.time_since_epoch().count() * std::int64_t{86400};
    return datum_text(year_month_day{tag}) + "T" + zahl(rest / 3600, 2) + zahl(rest / 60 % 60, 2) + zahl(rest % 60, 2);
}

// Summer time in Europe/Berlin runs from the last Sunday of March to the
// last Sunday of October, changing at 01:00 UTC.
bool sommerzeit_utc(std::int64_t utc)
{
    const sys_days tag{days{utc / 86400}};
    const year jahr = year_month_day{tag}.year();
    const auto wechsel = [&](month m) {
        const sys_days letzter_sonntag{jahr / m / Sunday[last]};
        return std::int64_t{letzter_sonntag.time_since_epoch().count()} * 86400 + 3600;
    };
    return utc >= wechsel(March) && utc < wechsel(October);
}

// The UTC seconds of a Berlin wall-clock time.
std::int64_t utc_aus_berlin(std::int64_t ortszeit)
{
    const std::int64_t winter = ortszeit - 3600;
    return sommerzeit_utc(ortszeit - 7200) ? ortszeit - 7200 : winter;
}

std::int64_t sekunden(const year_month_day& d)
{
    return std::int64_t{sys_days{d}.time_since_epoch().count()} * 86400;
}

// --- iCalendar text

// TEXT values: backslash, semicolon, comma and line breaks escaped.
std::string ical_text(std::string_view utf8)
{
    std::string aus;
    for (const char c : utf8) {
        if (c == '\\' || c == ';' || c == ',')
            aus += '\\';
        if (c == '\n')
            aus += "\\n";
        else
            aus += c;
    }
    return aus;
}

// One content line, folded after 75 octets (never inside a UTF-8
// character), ended by CR LF.
void zeile(std::string& aus, std::string_view inhalt)
{
    std::size_t platz = 75;
    while (inhalt.size() > platz) {
        std::size_t n = platz;
        while (n > 0 && (static_cast<unsigned char>(inhalt[n]) & 0xC0) == 0x80)
            --n;
        aus.append(inhalt.substr(0, n));
        aus += "\r\n ";
        inhalt.remove_prefix(n);
        platz = 74;
    }
    aus.append(inhalt);
    aus += "\r\n";
}

constexpr std::string_view zeitzone = "BEGIN:VTIMEZONE\r\n"
                                      "TZID:Europe/Berlin\r\n"
                                      "BEGIN:DAYLIGHT\r\n"
                                      "TZOFFSETFROM:+0100\r\n"
                                      "TZOFFSETTO:+0200\r\n"
                                      "TZNAME:CEST\r\n"
                                      "DTSTART:19810329T020000\r\n"
                                      "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                                      "END:DAYLIGHT\r\n"
                                      "BEGIN:STANDARD\r\n"
                                      "TZOFFSETFROM:+0200\r\n"
                                      "TZOFFSETTO:+0100\r\n"
                                      "TZNAME:CET\r\n"
                                      "DTSTART:19961027T030000\r\n"
                                      "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                                      "END:STANDARD\r\n"
                                      "END:VTIMEZONE\r\n";

struct Stundenzeit {
    int beginn;
    int ende;
};

// The times of every lesson row; a row that holds anything and cannot be
// read is named in the Fehler.
std::array<Stundenzeit, anzahl_stunden> stundenzeiten(const plantyp& plan, const Optionen& optionen)
{
    std::array<Stundenzeit, anzahl_stunden> zeiten{};
    std::string unlesbar;
    for (int l = 1; l <= anzahl_stunden; ++l) {
        bool belegt = false;
        for (int t = 1; t <= anzahl_tage; ++t)
            for (int c = 1; c <= anzahl_klassen; ++c)
                belegt = belegt || !plan.zelle(t, l, c).ist_leer();
        const stundentyp& z = plan.zeit(l);
        const std::optional<int> beginn = uhrzeit_minuten(z.beginn.view());
        const std::optional<int> ende = uhrzeit_minuten(z.ende.view());
        if (beginn && ende && *beginn < *ende) {
            zeiten[static_cast<std::size_t>(l - 1)] = {*beginn, *ende};
            continue;
        }
        if (!belegt)
            continue;
        unlesbar += unlesbar.empty() ? "" : ", ";
        unlesbar += stunden_text(l, optionen.stunden_0_8);
        if (z.beginn.empty() && z.ende.empty())
            unlesbar += " (keine Zeiten)";
        else
            unlesbar += " („" + ausgabetext(z.beginn.view()) + "“ bis „" + ausgabetext(z.ende.view()) + "“)";
    }
    if (!unlesbar.empty())
        throw Fehler("Die Kalender wurden nicht geschrieben: Die Zeiten dieser Stunden lassen sich nicht lesen: "
                     + unlesbar + ". Bitte Beginn und Ende als Uhrzeit eintragen, etwa „7.55“ oder „07:55“.");
    return zeiten;
}

struct Kalenderkopf {
    std::string dateiname;
    std::string kalendername;
    std::string uid_art; // the file name without ".ics"
};

class Kalenderschreiber {
public:
    Kalenderschreiber(const plantyp& plan, const Plannamen& namen, const Schulzeitraum& zeitraum, std::int64_t jetzt,
                      const std::array<Stundenzeit, anzahl_stunden>& zeiten)
        : plan_(plan)
        , namen_(namen)
        , zeitraum_(zeitraum)
        , zeiten_(zeiten)
        , stempel_(zeit_text(jetzt) + "Z")
        // The series end with the last school day, as UTC.
        , bis_(zeit_text(utc_aus_berlin(sekunden(zeitraum.letzter) + 86399)) + "Z")
    {
    }

    std::string lehrer(const std::string& kuerzel, const Kalenderkopf& kopf) const;
    std::string klasse(int spalte, const Kalenderkopf& kopf) const;

private:
    std::string anfang(const Kalenderkopf& kopf) const;
    void ereignis(std::string& aus, const Kalenderkopf& kopf, int tag, int stunde, int nr, const belegungtyp& b,
                  int spalte, bool fuer_lehrer) const;
    std::string langname(const Namenstabelle& tabelle, std::string_view code) const
    {
        return ausgabetext(tabelle.bezeichnung(code));
    }

    const plantyp& plan_;
    const Plannamen& namen_;
    const Schulzeitraum& zeitraum_;
    const std::array<Stundenzeit, anzahl_stunden>& zeiten_;
    std::string stempel_;
    std::string bis_;
};

std::string Kalenderschreiber::anfang(const Kalenderkopf& kopf) const
{
    std::string aus;
    zeile(aus, "BEGIN:VCALENDAR");
    zeile(aus, "VERSION:2.0");
    zeile(aus, "PRODID:-//Orbela//Stundenplan//DE");
    zeile(aus, "CALSCALE:GREGORIAN");
    zeile(aus, "METHOD:PUBLISH");
    zeile(aus, "X-WR-CALNAME:" + ical_text(kopf.kalendername));
    zeile(aus, "X-WR-TIMEZONE:Europe/Berlin");
    aus += zeitzone;
    return aus;
}

void Kalenderschreiber::ereignis(std::string& aus, const Kalenderkopf& kopf, int tag, int stunde, int nr,
                                 const belegungtyp& b, int spalte, bool fuer_lehrer) const
{
    // The first school day on this weekday; none when the period is shorter
    // than a week and misses it.
    const weekday wochentag{static_cast<unsigned>(tag)};
    const sys_days erster{zeitraum_.erster};
    const sys_days beginn_tag = erster + (wochentag - weekday{erster});
    if (beginn_tag > sys_days{zeitraum_.letzter})
        return;
    const Stundenzeit z = zeiten_[static_cast<std::size_t>(stunde - 1)];
    const std::int64_t tag_sek = std::int64_t{beginn_tag.time_since_epoch().count()} * 86400;

    const std::string_view klasse = plan_.klasse(spalte).klasse.view();
    const std::array<std::string_view, 3> teile = {fuer_lehrer ? klasse : b.lehrer.view(), b.fach.view(),
                                                   b.raum.view()};
    std::string zusammenfassung;
    for (const std::string_view teil : teile) {
        if (teil.empty())
            continue;
        zusammenfassung += zusammenfassung.empty() ? "" : " ";
        zusammenfassung += ausgabetext(teil);
    }
    std::string beschreibung;
    if (fuer_lehrer && !klasse.empty())
        beschreibung += "Klasse: " + ausgabetext(klasse) + "\n";
    if (!b.fach.empty())
        beschreibung += "Fach: " + langname(namen_.faecher, b.fach.view()) + "\n";
    if (!fuer_lehrer && !b.lehrer.empty()) {
        const std::string name = namen_.lehrername ? namen_.lehrername(b.lehrer.view()) : std::string();
        beschreibung += "Lehrer: " + ausgabetext(name.empty() ? b.lehrer.view() : std::string_view(name)) + "\n";
    }
    if (b.ist_verzichtbar())
        beschreibung += "verzichtbar\n";
    if (!beschreibung.empty())
        beschreibung.pop_back();

    zeile(aus, "BEGIN:VEVENT");
    zeile(aus, "UID:" + datum_text(zeitraum_.erster) + "-" + kopf.uid_art + "-" + std::to_string(tag) + "-"
                   + std::to_string(stunde) + "-" + std::to_string(nr) + "@orbela");
    zeile(aus, "DTSTAMP:" + stempel_);
    zeile(aus, "DTSTART;TZID=Europe/Berlin:" + zeit_text(tag_sek + z.beginn * 60));
    zeile(aus, "DTEND;TZID=Europe/Berlin:" + zeit_text(tag_sek + z.ende * 60));
    zeile(aus, "RRULE:FREQ=WEEKLY;UNTIL=" + bis_);
    zeile(aus, "SUMMARY:" + ical_text(zusammenfassung));
    if (!b.raum.empty())
        zeile(aus, "LOCATION:" + ical_text(langname(namen_.raeume, b.raum.view())));
    if (!beschreibung.empty())
        zeile(aus, "DESCRIPTION:" + ical_text(beschreibung));
    zeile(aus, "TRANSP:OPAQUE");
    zeile(aus, "END:VEVENT");
}

std::string Kalenderschreiber::lehrer(const std::string& kuerzel, const Kalenderkopf& kopf) const
{
    std::string aus = anfang(kopf);
    for (int t = 1; t <= anzahl_tage; ++t)
        for (int l = 1; l <= anzahl_stunden; ++l)
            for (int k = 1; k <= belegungen_je_stunde; ++k) {
                const belegungtyp& b = plan_.belegung(t, l, k);
                if (b.lehrer != kuerzel)
                    continue;
                // A class, subject and room twice in one lesson is one event.
                bool schon_da = false;
                for (int j = 1; j < k; ++j) {
                    const belegungtyp& a = plan_.belegung(t, l, j);
                    schon_da = schon_da
                        || (a.lehrer == kuerzel && a.fach == b.fach && a.raum == b.raum
                            && plan_.klasse((j + 1) / 2).klasse == plan_.klasse((k + 1) / 2).klasse);
                }
                if (!schon_da)
                    ereignis(aus, kopf, t, l, k, b, (k + 1) / 2, true);
            }
    zeile(aus, "END:VCALENDAR");
    return aus;
}

std::string Kalenderschreiber::klasse(int spalte, const Kalenderkopf& kopf) const
{
    std::string aus = anfang(kopf);
    for (int t = 1; t <= anzahl_tage; ++t)
        for (int l = 1; l <= anzahl_stunden; ++l) {
            const zellentyp& z = plan_.zelle(t, l, spalte);
            const belegungtyp* haelften[] = {&z.erste, &z.zweite};
            for (int h = 0; h < 2; ++h) {
                const belegungtyp& b = *haelften[h];
                if (!b.lehrer.empty() || !b.fach.empty() || !b.raum.empty())
                    ereignis(aus, kopf, t, l, h + 1, b, spalte, false);
            }
        }
    zeile(aus, "END:VCALENDAR");
    return aus;
}

} // namespace

std::vector<Ausgabedatei> kalender(const plantyp& plan, const Optionen& optionen, const Plannamen& namen,
                                   const Schulzeitraum& zeitraum, std::int64_t jetzt)
{
    if (!zeitraum.erster.ok() || !zeitraum.letzter.ok() || sys_days{zeitraum.letzter} < sys_days{zeitraum.erster})
        throw Fehler("Die Kalender wurden nicht geschrieben: Der letzte Schultag liegt vor dem ersten.");
    const auto zeiten = stundenzeiten(plan, optionen);
    const Kalenderschreiber schreiber(plan, namen, zeitraum, jetzt, zeiten);

    std::vector<Ausgabedatei> dateien;
    Dateinamen dateinamen;
    for (const std::string& k : lehrer_im_plan(plan)) {
        const std::string stamm = dateinamen.vergeben("lehrer-", k);
        const Kalenderkopf kopf{stamm + ".ics", "Stundenplan " + ausgabetext(k), stamm};
        dateien.push_back({kopf.dateiname, schreiber.lehrer(k, kopf)});
    }
    for (const int c : klassen_im_plan(plan)) {
        const std::string name = plan.klasse(c).klasse.str();
        const std::string stamm = dateinamen.vergeben("klasse-", name);
        const Kalenderkopf kopf{stamm + ".ics", "Stundenplan Klasse " + ausgabetext(name), stamm};
        dateien.push_back({kopf.dateiname, schreiber.klasse(c, kopf)});
    }
    return dateien;
}

int kalender_speichern(const std::string& ordner, const plantyp& plan, const Optionen& optionen,
                       const Plannamen& namen, const Schulzeitraum& zeitraum, std::int64_t jetzt)
{
    const std::vector<Ausgabedatei> dateien = kalender(plan, optionen, namen, zeitraum, jetzt);
    ordner_ersetzen(ordner, dateien, {".ics"}, "Die Kalender");
    return static_cast<int>(dateien.size());
}

} // namespace orbela
