// The screen page: its text and, in headless Chromium at 1920 x 1080, what a
// screen actually shows of it.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "core/vertretung/aushang.h"
#include "core/vertretung/vertretungsseite.h"
#include "tagesvertretung_schule.h"

using namespace orbela;

namespace {

class Vertretungsseite : public ::testing::Test, public TagesSchule {
protected:
    Seitentag heute() { return {"Heute", {2026, 12, 14}, aushang(tagesvertretung(plan, woche(), 1), false)}; }
    Seitentag morgen() { return {"Morgen", {2026, 12, 15}, aushang(tagesvertretung(plan, woche(), 2), false)}; }

    // Opens a copy of the page with a measuring script added at its end in
    // headless Chromium and returns what the script found, key=value.
    std::map<std::string, std::string> im_browser(const std::string& seite)
    {
        const std::string messung = R"(<script>
(function () {
  var aus = [];
  function sichtbar(e) {
    var r = e.getBoundingClientRect();
    return r.width > 0 && r.height > 0 && r.top >= 0 && r.left >= 0 && r.bottom <= innerHeight && r.right <= innerWidth;
  }
  aus.push('breite=' + innerWidth, 'hoehe=' + innerHeight);
  document.querySelectorAll('.tag h2').forEach(function (h, i) { aus.push('tag' + i + '=' + (sichtbar(h) ? 1 : 0)); });
  var s = document.querySelector('.stand');
  aus.push('stand=' + (sichtbar(s) ? 1 : 0) + ' ' + s.textContent);
  var kleinste = 1e9, zeilen = 0, abgeschnitten = 0;
  document.querySelectorAll('td, th, .leer, .stand, h2').forEach(function (e) {
    if (e.getClientRects().length === 0) return;
    var b = document.createRange(); b.selectNodeContents(e);
    var r = b.getBoundingClientRect();
    if (r.height > 0) kleinste = Math.min(kleinste, r.height, parseFloat(getComputedStyle(e).fontSize));
    if (e.tagName === 'TD') { ++zeilen; if (!sichtbar(e)) ++abgeschnitten; }
  });
  aus.push('kleinste=' + kleinste, 'zellen=' + zeilen, 'abgeschnitten=' + abgeschnitten);
  aus.push('rollt=' + (document.documentElement.scrollHeight > innerHeight ? 1 : 0));
  var nr = document.querySelectorAll('.seitennr');
  aus.push('seitennr=' + Array.prototype.map.call(nr, function (n) { return n.textContent; }).join('|'));
  parent.postMessage('\n' + aus.join('\n') + '\n', '*');
  // After ten seconds a long list shows its next page.
  setTimeout(function () {
    parent.postMessage('spaeter=' + Array.prototype.map.call(nr, function (n) { return n.textContent; }).join('|') + '\n', '*');
  }, 10500);
})();
</script>
)";
        // The page in a frame of exactly 1920 x 1080 (a headless window's
        // viewport is smaller than the window); the frame's script reports
        // to this page, whose DOM Chromium prints.
        const std::string rahmen = R"(<!DOCTYPE html><html><body style="margin:0">
<iframe src="messung.html" style="position:absolute;left:0;top:0;border:0;width:1920px;height:1080px"></iframe>
<pre id="messung" style="position:absolute;top:1100px"></pre>
<script>addEventListener('message', function (e) { document.getElementById('messung').textContent += e.data; });</script>
</body></html>
)";
        std::string kopie = seite;
        kopie.insert(kopie.rfind("</body>"), messung);
        schreibe(ordner.pfad("messung.html"), kopie);
        schreibe(ordner.pfad("rahmen.html"), rahmen);
        const std::string befehl = "chromium --headless --no-sandbox --disable-gpu --hide-scrollbars "
                                   "--user-data-dir=" + ordner.pfad("profil") +
                                   " --window-size=1920,1400 --virtual-time-budget=12000 --dump-dom file://" +
                                   ordner.pfad("rahmen.html") + " 2>/dev/null";
        std::string dom;
        if (FILE* p = ::popen(befehl.c_str(), "r")) {
            char puffer[4096];
            std::size_t n;
            while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0)
                dom.append(puffer, n);
            ::pclose(p);
        }
        std::map<std::string, std::string> werte;
        const std::size_t anfang = dom.find("<pre id=\"messung\"");
        if (anfang == std::string::npos)
            return werte;
        std::istringstream zeilen(dom.substr(anfang, dom.find("</pre>", anfang) - anfang));
        for (std::string z; std::getline(zeilen, z);) {
            const std::size_t gleich = z.find('=');
            if (gleich != std::string::npos)
                werte[z.substr(0, gleich)] = z.substr(gleich + 1);
        }
        return werte;
    }
};

} // namespace

TEST_F(Vertretungsseite, IsOneSelfContainedUtf8FileThatReloadsItself)
{
    const std::string seite = vertretungsseite(heute(), morgen(), "07:42");
    EXPECT_NE(seite.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(seite.find("http-equiv=\"refresh\" content=\"60\""), std::string::npos);
    EXPECT_NE(seite.find("Stand 07:42"), std::string::npos);
    EXPECT_NE(seite.find("Heute</span> &middot; Montag, 14.12.2026"), std::string::npos);
    EXPECT_NE(seite.find("Morgen</span> &middot; Dienstag, 15.12.2026"), std::string::npos);
    EXPECT_NE(seite.find("<td class=\"vertretung\">M\xC3\xBC</td>"), std::string::npos); // UTF-8
    for (const char* fremd : {"src=", "href=", "@import", "url("})
        EXPECT_EQ(seite.find(fremd), std::string::npos) << fremd;

    // Replaced whole: the old page stays until the new one is complete.
    const std::string datei = ordner.pfad("vertretungsplan.html");
    schreibe_vertretungsseite(datei, heute(), morgen(), "07:42");
    EXPECT_EQ(lies(datei), seite);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad("")), {}), 6); // no temporary left
}

TEST_F(Vertretungsseite, OnAFullHdScreenBothDaysAndTheTimeShowWithoutScrollingInLargeText)
{
    // A long day: every class of a full plan, so the list turns pages.
    Seitentag lang = heute();
    const std::vector<Aushangzeile> tag = lang.zeilen;
    while (lang.zeilen.size() < 60)
        lang.zeilen.insert(lang.zeilen.end(), tag.begin(), tag.end());
    const std::vector<std::pair<Seitentag, int>> faelle = {{heute(), 0}, {lang, 1}};
    for (const auto& [erster, blaettert] : faelle) {
        const auto w = im_browser(vertretungsseite(erster, morgen(), "07:42"));
        ASSERT_FALSE(w.empty()) << "chromium fehlt oder die Seite lief nicht";
        EXPECT_EQ(w.at("breite"), "1920");
        EXPECT_EQ(w.at("hoehe"), "1080");
        EXPECT_EQ(w.at("tag0"), "1");
        EXPECT_EQ(w.at("tag1"), "1");
        EXPECT_EQ(w.at("stand"), "1 Stand 07:42");
        EXPECT_GE(std::stod(w.at("kleinste")), 24.0);
        EXPECT_EQ(w.at("abgeschnitten"), "0");
        EXPECT_EQ(w.at("rollt"), "0");
        EXPECT_EQ(w.at("seitennr").rfind("Seite 1 von", 0) == 0, blaettert == 1) << w.at("seitennr");
        EXPECT_EQ(w.at("spaeter").rfind("Seite 2 von", 0) == 0, blaettert == 1) << w.at("spaeter");
    }
}
