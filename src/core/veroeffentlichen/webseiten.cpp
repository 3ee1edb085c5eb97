#include "core/veroeffentlichen/webseiten.h"

#include <map>

#include "core/beschriftung.h"
#include "core/text_1252.h"

namespace orbela {

namespace {

// --- text

std::string html(std::string_view utf8)
{
    std::string aus;
    aus.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&': aus += "&amp;"; break;
        case '<': aus += "&lt;"; break;
        case '>': aus += "&gt;"; break;
        case '"': aus += "&quot;"; break;
        default: aus += c;
        }
    }
    return aus;
}

std::string html_1252(std::string_view text_1252)
{
    return html(ausgabetext(text_1252));
}

bool ist_code(std::string_view code_1252, std::string_view gross)
{
    return grossbuchstaben_1252(code_1252) == gross;
}

// --- what the pages show

enum class Art { klasse, lehrer, raum };

struct Seite {
    Art art;
    std::string code; // class name, teacher or room code (Windows-1252)
    int spalte = 0;   // the class column of a class page
    std::string datei; // without ".html"
};

// One occupancy shown in a lesson, with the class column it belongs to.
struct Eintrag {
    const belegungtyp* belegung;
    int spalte;
};

// The days and lessons every page shows: Monday to Friday, Saturday when
// anything is planned on it; the lessons up to the last one that is planned
// on any day or has a time.
struct Raster {
    int tage = 5;
    int stunden = 0;
};

Raster raster_des_plans(const plantyp& plan)
{
    Raster r;
    for (int t = 1; t <= anzahl_tage; ++t)
        for (int l = 1; l <= anzahl_stunden; ++l)
            for (int c = 1; c <= anzahl_klassen; ++c)
                if (!plan.zelle(t, l, c).ist_leer()) {
                    r.tage = std::max(r.tage, t);
                    r.stunden = std::max(r.stunden, l);
                }
    for (int l = 1; l <= anzahl_stunden; ++l)
        if (!plan.zeit(l).beginn.empty() || !plan.zeit(l).ende.empty())
            r.stunden = std::max(r.stunden, l);
    if (r.stunden == 0)
        r.stunden = anzahl_stunden;
    return r;
}

// The codes an entry shows on a page, in their order: a class page the
// subject, teacher and room; a teacher's page the class, subject and room;
// a room's the class, teacher and subject.
enum class Feld { fach, lehrer, raum, klasse }; // in the order of the key below a table

std::array<Feld, 3> felder(Art art)
{
    switch (art) {
    case Art::klasse: return {Feld::fach, Feld::lehrer, Feld::raum};
    case Art::lehrer: return {Feld::klasse, Feld::fach, Feld::raum};
    case Art::raum: break;
    }
    return {Feld::klasse, Feld::lehrer, Feld::fach};
}

class Seitenschreiber {
public:
    Seitenschreiber(const plantyp& plan, const Optionen& optionen, const Plannamen& namen, const Webseitenkopf& kopf)
        : plan_(plan)
        , optionen_(optionen)
        , namen_(namen)
        , kopf_(kopf)
        , raster_(raster_des_plans(plan))
    {
    }

    std::string seite(const Seite& s, bool tage_untereinander);
    std::string uebersicht(const std::vector<Seite>& seiten) const;

private:
    std::vector<Eintrag> eintraege(const Seite& s, int tag, int stunde) const;
    std::string code(const Eintrag& e, Feld f) const;
    std::string langname(Feld f, std::string_view code) const;
    void zelle(std::string& aus, const Seite& s, int tag, int stunde);
    void stundenkopf(std::string& aus, int stunde, const char* zellart) const;
    void legende(std::string& aus, const Seite& s) const;
    std::string ueberschrift(const Seite& s) const;
    std::string lehrer_mit_name(std::string_view kuerzel) const;

    const plantyp& plan_;
    const Optionen& optionen_;
    const Plannamen& namen_;
    const Webseitenkopf& kopf_;
    Raster raster_;
    // Codes shown on the current page that have a long name, per field.
    std::map<Feld, std::map<std::string, std::string>> benannt_;
};

std::vector<Eintrag> Seitenschreiber::eintraege(const Seite& s, int tag, int stunde) const
{
    std::vector<Eintrag> liste;
    if (s.art == Art::klasse) {
        const zellentyp& z = plan_.zelle(tag, stunde, s.spalte);
        if (z.ist_doppelt())
            liste = {{&z.erste, s.spalte}, {&z.zweite, s.spalte}};
        else if (!z.ist_leer())
            liste = {{&z.erste, s.spalte}};
        return liste;
    }
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const belegungtyp& b = plan_.belegung(tag, stunde, k);
        if ((s.art == Art::lehrer ? b.lehrer : b.raum) != s.code)
            continue;
        const Eintrag neu{&b, (k + 1) / 2};
        // The same class, subject and room (teacher) twice is shown once.
        bool schon_da = false;
        for (const Eintrag& e : liste)
            schon_da = schon_da
                || (code(e, Feld::klasse) == code(neu, Feld::klasse) && e.belegung->fach == b.fach
                    && e.belegung->lehrer == b.lehrer && e.belegung->raum == b.raum);
        if (!schon_da)
            liste.push_back(neu);
    }
    return liste;
}

std::string Seitenschreiber::code(const Eintrag& e, Feld f) const
{
    switch (f) {
    case Feld::klasse: return plan_.klasse(e.spalte).klasse.str();
    case Feld::lehrer: return e.belegung->lehrer.str();
    case Feld::fach: return e.belegung->fach.str();
    case Feld::raum: break;
    }
    return e.belegung->raum.str();
}

// The long name of a code (Windows-1252), or empty when there is none.
std::string Seitenschreiber::langname(Feld f, std::string_view code) const
{
    std::string name;
    if (f == Feld::fach)
        name = fachbezeichnung(namen_.faecher, code);
    else if (f == Feld::raum)
        name = raumbezeichnung(namen_.raeume, code);
    else if (f == Feld::lehrer && namen_.lehrername)
        name = namen_.lehrername(code);
    return name == code ? std::string() : name;
}

void Seitenschreiber::zelle(std::string& aus, const Seite& s, int tag, int stunde)
{
    const std::vector<Eintrag> liste = eintraege(s, tag, stunde);
    aus += "<td>";
    if (!liste.empty())
        aus += "<div class=\"zelle\">";
    for (const Eintrag& e : liste) {
        const belegungtyp& b = *e.belegung;
        aus += "<div class=\"b";
        if (b.ist_verzichtbar())
            aus += " verzichtbar";
        if (optionen_.sporthalle_gelb && ist_code(b.raum.view(), "TU"))
            aus += " tu";
        if (optionen_.schwimmen_blau && ist_code(b.raum.view(), "SW"))
            aus += " sw";
        if (optionen_.foerder_gruen && (ist_code(b.fach.view(), "F\xD6") || ist_code(b.raum.view(), "F\xD6")))
            aus += " foe";
        aus += b.ist_verzichtbar() ? "\" title=\"verzichtbar\">" : "\">";
        int zeile = 0;
        for (const Feld f : felder(s.art)) {
            ++zeile;
            const std::string c = code(e, f);
            aus += "<span class=\"k" + std::to_string(zeile) + "\">";
            // A missing code keeps its line, so that every code stands on
            // the line of its kind.
            const std::string name = c.empty() ? std::string() : langname(f, c);
            if (c.empty()) {
                aus += "&#160;";
            } else if (name.empty()) {
                aus += html_1252(c);
            } else {
                benannt_[f].emplace(c, name);
                aus += "<abbr title=\"" + html_1252(name) + "\">" + html_1252(c) + "</abbr>";
            }
            aus += "</span>";
        }
        aus += "</div>";
    }
    if (!liste.empty())
        aus += "</div>";
    aus += "</td>";
}

void Seitenschreiber::stundenkopf(std::string& aus, int stunde, const char* zellart) const
{
    const stundentyp& z = plan_.zeit(stunde);
    aus += std::string("<th scope=\"") + zellart + "\" class=\"stunde\"><span class=\"nr\">"
        + stunden_label(stunde, optionen_.stunden_0_8) + ".</span>";
    if (!z.beginn.empty() || !z.ende.empty()) {
        aus += "<span class=\"zeit\">" + html_1252(z.beginn.view());
        if (!z.ende.empty())
            aus += "–" + html_1252(z.ende.view());
        aus += "</span>";
    }
    aus += "</th>";
}

void Seitenschreiber::legende(std::string& aus, const Seite& s) const
{
    static const std::map<Feld, const char*> titel = {
        {Feld::lehrer, "Lehrer"}, {Feld::fach, "Fächer"}, {Feld::raum, "Räume"}};
    bool verzichtbar = false;
    for (int t = 1; t <= raster_.tage; ++t)
        for (int l = 1; l <= raster_.stunden; ++l)
            for (const Eintrag& e : eintraege(s, t, l))
                verzichtbar = verzichtbar || e.belegung->ist_verzichtbar();
    if (benannt_.empty() && !verzichtbar)
        return;
    aus += "<div class=\"legende\">\n";
    for (const auto& [feld, codes] : benannt_) {
        aus += std::string("<p><strong>") + titel.at(feld) + ":</strong> ";
        bool erster = true;
        for (const auto& [c, name] : codes) {
            aus += erster ? "" : " · ";
            aus += "<span class=\"code\">" + html_1252(c) + "</span> " + html_1252(name);
            erster = false;
        }
        aus += "</p>\n";
    }
    if (verzichtbar)
        aus += "<p><span class=\"muster verzichtbar\">gestrichelt</span> verzichtbare Stunde</p>\n";
    aus += "</div>\n";
}

std::string Seitenschreiber::lehrer_mit_name(std::string_view kuerzel) const
{
    const std::string name = langname(Feld::lehrer, kuerzel);
    return name.empty() ? html_1252(kuerzel) : html_1252(kuerzel) + " – " + html_1252(name);
}

std::string Seitenschreiber::ueberschrift(const Seite& s) const
{
    switch (s.art) {
    case Art::klasse: return "Klasse " + html_1252(s.code);
    case Art::lehrer: return "Lehrer " + html_1252(s.code);
    case Art::raum: break;
    }
    return "Raum " + html_1252(s.code);
}

std::string seitenanfang(const std::string& titel, const char* koerperklasse)
{
    return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>"
        + titel + "</title>\n<link rel=\"stylesheet\" href=\"" + webseiten_stilname + "\">\n</head>\n<body class=\""
        + koerperklasse + "\">\n";
}

std::string Seitenschreiber::seite(const Seite& s, bool untereinander)
{
    benannt_.clear();
    const std::string h1 = ueberschrift(s);
    std::string aus = seitenanfang(h1 + " – " + html(kopf_.planname), "plan");

    aus += "<nav><a href=\"index.html\">Alle Pläne</a> <a href=\"" + s.datei
        + (untereinander ? ".html\">Tage nebeneinander</a>" : "-untereinander.html\">Tage untereinander</a>")
        + "</nav>\n";
    aus += "<header>\n<h1>" + h1 + "</h1>\n<p class=\"angaben\">";
    if (s.art == Art::klasse) {
        const klassentyp& k = plan_.klasse(s.spalte);
        if (!k.klassenlehrer.empty())
            aus += "Klassenlehrer: " + lehrer_mit_name(k.klassenlehrer.view()) + " · ";
        if (!k.klassenraum.empty()) {
            const std::string raum = langname(Feld::raum, k.klassenraum.view());
            aus += "Klassenraum: " + html_1252(k.klassenraum.view()) + (raum.empty() ? "" : " – " + html_1252(raum))
                + " · ";
        }
    } else {
        const std::string name = langname(s.art == Art::lehrer ? Feld::lehrer : Feld::raum, s.code);
        if (!name.empty())
            aus += html_1252(name) + " · ";
    }
    aus += "Stand: " + html(kopf_.stand) + "</p>\n</header>\n";

    aus += std::string("<table class=\"woche ") + (untereinander ? "tage-untereinander" : "tage-nebeneinander")
        + "\">\n<thead><tr>";
    if (!untereinander) {
        aus += "<th scope=\"col\" class=\"stunde\">Stunde</th>";
        for (int t = 1; t <= raster_.tage; ++t)
            aus += "<th scope=\"col\">" + std::string(tagname(t)) + "</th>";
        aus += "</tr></thead>\n<tbody>\n";
        for (int l = 1; l <= raster_.stunden; ++l) {
            aus += "<tr>";
            stundenkopf(aus, l, "row");
            for (int t = 1; t <= raster_.tage; ++t)
                zelle(aus, s, t, l);
            aus += "</tr>\n";
        }
    } else {
        aus += "<th scope=\"col\" class=\"tag\">Tag</th>";
        for (int l = 1; l <= raster_.stunden; ++l)
            stundenkopf(aus, l, "col");
        aus += "</tr></thead>\n<tbody>\n";
        for (int t = 1; t <= raster_.tage; ++t) {
            aus += "<tr><th scope=\"row\" class=\"tag\">" + std::string(tagname(t)) + "</th>";
            for (int l = 1; l <= raster_.stunden; ++l)
                zelle(aus, s, t, l);
            aus += "</tr>\n";
        }
    }
    aus += "</tbody>\n</table>\n";
    legende(aus, s);
    aus += "</body>\n</html>\n";
    return aus;
}

std::string Seitenschreiber::uebersicht(const std::vector<Seite>& seiten) const
{
    std::string aus = seitenanfang("Stundenpläne – " + html(kopf_.planname), "uebersicht");
    aus += "<header>\n<h1>" + html(kopf_.planname) + "</h1>\n<p class=\"angaben\">Stand: " + html(kopf_.stand)
        + "</p>\n</header>\n<main>\n";
    const std::pair<Art, const char*> gruppen[] = {
        {Art::klasse, "Klassen"}, {Art::lehrer, "Lehrer"}, {Art::raum, "Räume"}};
    for (const auto& [art, titel] : gruppen) {
        aus += std::string("<section>\n<h2>") + titel + "</h2>\n";
        std::string liste;
        for (const Seite& s : seiten) {
            if (s.art != art)
                continue;
            std::string text = html_1252(s.code);
            if (art != Art::klasse) {
                const std::string name = langname(art == Art::lehrer ? Feld::lehrer : Feld::raum, s.code);
                if (!name.empty())
                    text += " <span class=\"name\">" + html_1252(name) + "</span>";
            }
            liste += "<li><a href=\"" + s.datei + ".html\">" + text + "</a></li>\n";
        }
        aus += liste.empty() ? "<p class=\"keine\">keine</p>\n" : "<ul class=\"liste\">\n" + liste + "</ul>\n";
        aus += "</section>\n";
    }
    aus += "</main>\n</body>\n</html>\n";
    return aus;
}

std::vector<Seite> seiten_des_plans(const plantyp& plan)
{
    std::vector<Seite> seiten;
    Dateinamen dateinamen;
    for (const int c : klassen_im_plan(plan)) {
        const std::string name = plan.klasse(c).klasse.str();
        seiten.push_back({Art::klasse, name, c, dateinamen.vergeben("klasse-", name)});
    }
    for (const std::string& k : lehrer_im_plan(plan))
        seiten.push_back({Art::lehrer, k, 0, dateinamen.vergeben("lehrer-", k)});
    for (const std::string& r : raeume_im_plan(plan))
        seiten.push_back({Art::raum, r, 0, dateinamen.vergeben("raum-", r)});
    return seiten;
}

// The style sheet: the week fills the window's width without scrolling
// sideways; printed, each plan is one A4 landscape page.
constexpr std::string_view stil = R"(/* Orbela: Stundenpläne */
* { box-sizing: border-box; }
html { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 15px; color: #111; background: #fff; }
body { margin: 0 auto; padding: 10px 16px 16px; max-width: 1500px; }
a { color: #0645ad; }
nav { font-size: .9rem; margin-bottom: 6px; }
nav a { margin-right: 1.5em; }
h1 { font-size: 1.5rem; margin: 0; }
h2 { font-size: 1.15rem; margin: 18px 0 6px; border-bottom: 1px solid #bbb; }
.angaben { margin: 2px 0 8px; color: #333; }
table.woche { width: 100%; table-layout: fixed; border-collapse: collapse; }
table.woche th, table.woche td { border: 1px solid #555; padding: 3px 4px; vertical-align: top; overflow-wrap: anywhere; }
table.woche thead th { background: #e4ebf5; text-align: left; }
table.woche th.stunde, table.woche th.tag { background: #e4ebf5; text-align: left; }
table.tage-nebeneinander th.stunde { width: 6.5em; }
table.tage-untereinander th.tag { width: 7.5em; }
.nr { display: block; font-weight: bold; }
.zeit { display: block; font-size: .8rem; font-weight: normal; color: #333; }
.zelle { display: flex; gap: 3px; }
.b { flex: 1 1 0; min-width: 0; padding: 1px 3px; border: 2px solid transparent; border-radius: 3px; }
.b span { display: block; line-height: 1.25; }
.b .k1 { font-weight: bold; }
.b.tu { background: #ffff80; }
.b.sw { background: #80ffff; }
.b.foe { background: #a0f0a0; }
.verzichtbar { border: 2px dashed #2e8b57; }
.b.verzichtbar { background-image: linear-gradient(#e6f5ea, #e6f5ea); }
.b.verzichtbar.tu, .b.verzichtbar.sw, .b.verzichtbar.foe { background-image: none; }
abbr[title] { text-decoration: none; border-bottom: 1px dotted #777; cursor: help; }
.legende { margin-top: 8px; font-size: .85rem; }
.legende p { margin: 2px 0; }
.legende .code { font-weight: bold; }
.muster { display: inline-block; padding: 0 4px; }
ul.liste { list-style: none; margin: 0; padding: 0; columns: 13em; column-gap: 2em; }
ul.liste li { padding: 2px 0; break-inside: avoid; }
ul.liste .name { color: #333; }
.keine { color: #555; }
@page { size: A4 landscape; margin: 10mm; }
@media print {
  html { font-size: 9pt; }
  body { padding: 0; max-width: none; }
  nav { display: none; }
  a { color: inherit; text-decoration: none; }
  abbr[title] { border-bottom: none; }
  table.woche, .legende, section { break-inside: avoid; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

} // namespace

std::vector<Ausgabedatei> webseiten(const plantyp& plan, const Optionen& optionen, const Plannamen& namen,
                                    const Webseitenkopf& kopf)
{
    const std::vector<Seite> seiten = seiten_des_plans(plan);
    Seitenschreiber schreiber(plan, optionen, namen, kopf);
    std::vector<Ausgabedatei> dateien;
    dateien.reserve(2 * seiten.size() + 2);
    dateien.push_back({"index.html", schreiber.uebersicht(seiten)});
    for (const Seite& s : seiten) {
        dateien.push_back({s.datei + ".html", schreiber.seite(s, false)});
        dateien.push_back({s.datei + "-untereinander.html", schreiber.seite(s, true)});
    }
    dateien.push_back({webseiten_stilname, std::string(stil)});
    return dateien;
}

int webseiten_speichern(const std::string& ordner, const plantyp& plan, const Optionen& optionen,
                        const Plannamen& namen, const Webseitenkopf& kopf)
{
    const std::vector<Ausgabedatei> dateien = webseiten(plan, optionen, namen, kopf);
    ordner_ersetzen(ordner, dateien, {".html", ".css"}, "Die Webseiten");
    return static_cast<int>(dateien.size()) - 1;
}

} // namespace orbela
