#include "core/vertretung/vertretungsseite.h"

#include "core/sichere_datei.h"
#include "core/text_1252.h"

namespace orbela {

namespace {

// Windows-1252 text as UTF-8 with the characters HTML reserves escaped.
std::string html(std::string_view text_1252)
{
    std::string aus;
    for (const char c : utf8_aus_1252(text_1252)) {
        switch (c) {
        case '&':
            aus += "&amp;";
            break;
        case '<':
            aus += "&lt;";
            break;
        case '>':
            aus += "&gt;";
            break;
        case '"':
            aus += "&quot;";
            break;
        default:
            aus += c;
        }
    }
    return aus;
}

constexpr std::string_view stil = R"(
html, body { margin: 0; height: 100%; background: #fff; color: #111; }
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 28px;
       display: flex; flex-direction: column; overflow: hidden; }
header { display: flex; justify-content: space-between; align-items: baseline;
         padding: 12px 32px; background: #1f4e79; color: #fff; }
header h1 { margin: 0; font-size: 40px; }
.stand { font-size: 32px; }
main { flex: 1; min-height: 0; display: grid; grid-template-columns: 1fr 1fr; gap: 24px; padding: 16px 24px; }
.tag { display: flex; flex-direction: column; min-height: 0; }
.tag h2 { margin: 0 0 8px 0; font-size: 34px; display: flex; justify-content: space-between; }
.tag h2 .wann { color: #1f4e79; }
.seitennr { font-size: 24px; font-weight: normal; color: #555; }
.liste { flex: 1; min-height: 0; overflow: hidden; }
table { width: 100%; border-collapse: collapse; }
th { font-size: 24px; text-align: left; background: #dde6f0; padding: 6px 8px; }
td { font-size: 28px; padding: 6px 8px; border-top: 1px solid #ccc; }
tr.neue-klasse td { border-top: 3px solid #1f4e79; }
td.lehrer { text-decoration: line-through; color: #555; }
td.vertretung { font-weight: bold; }
tr.entfall td.hinweis, tr.offen td.hinweis { font-weight: bold; color: #b00000; }
.leer { font-size: 28px; color: #555; padding: 12px 8px; }
)";

// Shows each day's rows page by page where they do not fit: the rows are
// split into pages that fit the list's height and the pages turn every few
// seconds; a list that fits stays as it is.
constexpr std::string_view blaettern = R"(
(function () {
  var sekunden = %BLAETTERN%;
  document.querySelectorAll('.tag').forEach(function (tag) {
    var liste = tag.querySelector('.liste');
    var kopf = tag.querySelector('thead');
    var nr = tag.querySelector('.seitennr');
    if (!kopf) return;
    var zeilen = Array.prototype.slice.call(tag.querySelectorAll('tbody tr'));
    var platz = liste.clientHeight - kopf.offsetHeight;
    var seiten = [[]], hoehe = 0;
    zeilen.forEach(function (z) {
      var h = z.offsetHeight;
      if (hoehe + h > platz && seiten[seiten.length - 1].length > 0) { seiten.push([]); hoehe = 0; }
      seiten[seiten.length - 1].push(z);
      hoehe += h;
    });
    if (seiten.length < 2) return;
    var aktuell = 0;
    function zeige() {
      zeilen.forEach(function (z) { z.style.display = 'none'; });
      seiten[aktuell].forEach(function (z) { z.style.display = ''; });
      nr.textContent = 'Seite ' + (aktuell + 1) + ' von ' + seiten.length;
    }
    zeige();
    setInterval(function () { aktuell = (aktuell + 1) % seiten.length; zeige(); }, sekunden * 1000);
  });
})();
)";

void tag_schreiben(std::string& s, const Seitentag& tag)
{
    s += "<section class=\"tag\">\n<h2><span><span class=\"wann\">";
    s += html(tag.bezeichnung);
    s += "</span>";
    if (!tag.bezeichnung.empty())
        s += " &middot; ";
    s += html(tag_und_datum(tag.datum));
    s += "</span><span class=\"seitennr\"></span></h2>\n<div class=\"liste\">\n";
    if (tag.zeilen.empty()) {
        s += "<div class=\"leer\">" + html(tag.leer_text) + "</div>\n</div>\n</section>\n";
        return;
    }
    s += "<table>\n<thead><tr><th>Std.</th><th>Klasse</th><th>Fach</th><th>Lehrer</th><th>Vertretung</th>"
         "<th>Raum</th><th>Hinweis</th></tr></thead>\n<tbody>\n";
    int spalte = 0;
    for (const Aushangzeile& z : tag.zeilen) {
        std::string klassen;
        if (z.spalte != spalte)
            klassen += "neue-klasse";
        if (z.hinweis.rfind("Entfall", 0) == 0)
            klassen += " entfall";
        else if (z.hinweis.rfind("offen", 0) == 0)
            klassen += " offen";
        spalte = z.spalte;
        s += "<tr class=\"" + klassen + "\"><td>" + html(z.stunde_text) + "</td><td>" + html(z.klasse)
            + "</td><td>" + html(z.fach) + "</td><td class=\"lehrer\">" + html(z.lehrer)
            + "</td><td class=\"vertretung\">" + html(z.vertretung) + "</td><td>" + html(z.raum)
            + "</td><td class=\"hinweis\">" + html(z.hinweis) + "</td></tr>\n";
    }
    s += "</tbody>\n</table>\n</div>\n</section>\n";
}

} // namespace

std::string vertretungsseite(const Seitentag& erster, const Seitentag& zweiter, std::string_view stand)
{
    std::string s = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                    "<meta http-equiv=\"refresh\" content=\"";
    s += std::to_string(seite_neu_laden_sekunden);
    s += "\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         "<title>Vertretungsplan</title>\n<style>";
    s += stil;
    s += "</style>\n</head>\n<body>\n<header><h1>Vertretungsplan</h1><div class=\"stand\">Stand ";
    s += html(stand);
    s += "</div></header>\n<main>\n";
    tag_schreiben(s, erster);
    tag_schreiben(s, zweiter);
    s += "</main>\n<script>";
    std::string skript(blaettern);
    skript.replace(skript.find("%BLAETTERN%"), 11, std::to_string(seite_blaettern_sekunden));
    s += skript;
    s += "</script>\n</body>\n</html>\n";
    return s;
}

void schreibe_vertretungsseite(const std::string& datei, const Seitentag& erster, const Seitentag& zweiter,
                               std::string_view stand)
{
    schreibe_datei_sicher(datei, vertretungsseite(erster, zweiter, stand));
}

} // namespace orbela
