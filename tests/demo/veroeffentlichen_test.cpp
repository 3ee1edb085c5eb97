// The demo school published as a new user would: its folder of web pages
// checked by tidy, read back by a small parser and opened in headless
// Chromium; its calendars read by Debian's python3-icalendar.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>

#include "core/namenstabelle.h"
#include "core/text_1252.h"
#include "core/veroeffentlichen/kalender.h"
#include "core/veroeffentlichen/webseiten.h"
#include "demo_ordner.h"
#include "test_ordner.h"

using namespace orbela;
using namespace std::chrono;
namespace fs = std::filesystem;

namespace {

// The exit status and standard output of a shell command.
std::pair<int, std::string> ausfuehren(const std::string& befehl)
{
    std::string ausgabe;
    FILE* rohr = ::popen(befehl.c_str(), "r");
    if (rohr == nullptr)
        return {-1, ""};
    char puffer[4096];
    while (const std::size_t n = std::fread(puffer, 1, sizeof puffer, rohr))
        ausgabe.append(puffer, n);
    const int status = ::pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ausgabe};
}

// The demo school with its cards and name tables, published into a folder
// of a test folder.
class Veroeffentlicht : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        plan_ = demo::plan().release();
        faecher_.lesen(demo::datei("faecherkrz.int"));
        raeume_.lesen(demo::datei("raumkrz.int"));
        lade_kartei(kartei_, demo::datei("adresslehrdat.int"));
        ordner_ = new TestOrdner;
        webseiten_speichern(ordner_->pfad("Webseiten"), *plan_, Optionen{}, namen_, {"Beispielschule", "10.12.2026"});
        kalender_speichern(ordner_->pfad("Kalender"), *plan_, Optionen{}, namen_, {2026y / 9 / 1, 2027y / 7 / 16},
                           1'797'000'000);
    }
    static void TearDownTestSuite()
    {
        delete ordner_;
        delete plan_;
    }
    static std::string seite(const std::string& name) { return lies(ordner_->pfad("Webseiten/" + name)); }

    static inline plantyp* plan_ = nullptr;
    static inline Namenstabelle faecher_;
    static inline Namenstabelle raeume_;
    static inline Kartei kartei_;
    static inline const Plannamen namen_{faecher_, raeume_, [](std::string_view k) {
                                             const std::string n = lehrername(kartei_, k);
                                             return n.starts_with('[') ? std::string() : n;
                                         }};
    static inline TestOrdner* ordner_ = nullptr;
};

// Adds a word, separated by a space from what is there.
void wort_anhaengen(std::string& text, const std::string& wort)
{
    if (!text.empty())
        text += ' ';
    text += wort;
}

std::vector<std::string> alle(const std::string& text, const std::regex& muster)
{
    std::vector<std::string> treffer;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), muster); it != std::sregex_iterator(); ++it)
        treffer.push_back((*it)[1]);
    return treffer;
}

TEST_F(Veroeffentlicht, OrdnerHaeltJedenPlanInBeidenFormenUndAllesIstVerlinkt)
{
    std::set<std::string> dateien;
    for (const auto& e : fs::directory_iterator(ordner_->pfad("Webseiten")))
        dateien.insert(e.path().filename().string());
    // 8 classes, 18 teachers, 14 rooms, each in two layouts.
    EXPECT_EQ(dateien.size(), 2u * (8 + 18 + 14) + 2);
    for (const char* name : {"index.html", "orbela.css", "klasse-1a.html", "klasse-4b-untereinander.html",
                             "lehrer-Mue.html", "lehrer-Oez-untereinander.html", "raum-TU.html", "raum-FOe.html"})
        EXPECT_TRUE(dateien.count(name)) << name;

    const std::regex verweis("href=\"([^\"]+)\"");
    std::set<std::string> verlinkt = {"index.html"};
    for (const std::string& ziel : alle(seite("index.html"), verweis))
        verlinkt.insert(ziel);
    for (const std::string& d : dateien) {
        if (!d.ends_with(".html"))
            continue;
        for (const std::string& ziel : alle(seite(d), verweis)) {
            EXPECT_TRUE(dateien.count(ziel)) << d << " -> " << ziel;
            verlinkt.insert(ziel);
        }
    }
    EXPECT_EQ(verlinkt, dateien) << "every file reached from the overview";
    EXPECT_NE(seite("index.html").find("<a href=\"lehrer-Mue.html\">Mü <span class=\"name\">Müller</span></a>"),
              std::string::npos);
}

// The codes of each lesson as the class plan shows them: every occupancy
// of the cell, subject, teacher and room.
std::string erwartete_zelle(const zellentyp& z)
{
    std::string text;
    for (const belegungtyp* b : {&z.erste, &z.zweite}) {
        if (b == &z.zweite && !z.ist_doppelt())
            break;
        std::string teil;
        for (const auto* code : {&b->fach, &b->lehrer, &b->raum})
            if (!code->empty())
                wort_anhaengen(teil, utf8_aus_1252(code->view()));
        if (!teil.empty() || z.ist_doppelt())
            text += "[" + teil + "]";
    }
    return text;
}

// The table body read back: per row the text of each occupancy of each
// data cell, "[" code code code "]".
std::vector<std::vector<std::string>> tabelle(const std::string& html)
{
    const std::size_t anfang = html.find("<tbody>");
    const std::string rumpf = html.substr(anfang, html.find("</tbody>") - anfang);
    std::vector<std::vector<std::string>> zeilen;
    for (const std::string& zeile : alle(rumpf, std::regex("<tr>(.*?)</tr>"))) {
        zeilen.emplace_back();
        for (const std::string& zelle : alle(zeile, std::regex("<td>(.*?)</td>"))) {
            std::string text;
            for (const std::string& b : alle(zelle, std::regex("<div class=\"b[^\"]*\"[^>]*>(.*?)</div>"))) {
                std::string codes;
                for (const std::string& c : alle(b, std::regex("<span class=\"k\\d\">(.*?)</span>")))
                    if (c != "&#160;")
                        wort_anhaengen(codes, std::regex_replace(c, std::regex("<[^>]*>"), ""));
                text += "[" + codes + "]";
            }
            zeilen.back().push_back(text);
        }
    }
    return zeilen;
}

TEST_F(Veroeffentlicht, KlassenseiteHaeltDieCodesInDenRichtigenZellen)
{
    for (const int spalte : {1, 5}) {
        const std::string name = "klasse-" + plan_->klasse(spalte).klasse.str();
        const auto quer = tabelle(seite(name + ".html"));
        const auto unten = tabelle(seite(name + "-untereinander.html"));
        ASSERT_EQ(quer.size(), 9u) << "lessons down";
        ASSERT_EQ(unten.size(), 5u) << "days down";
        for (int l = 1; l <= 9; ++l)
            for (int t = 1; t <= 5; ++t) {
                const std::string soll = erwartete_zelle(plan_->zelle(t, l, spalte));
                EXPECT_EQ(quer[l - 1].at(t - 1), soll) << name << " day " << t << " lesson " << l;
                EXPECT_EQ(unten[t - 1].at(l - 1), soll) << name << " day " << t << " lesson " << l;
            }
    }
    // Spot checks against the demo school as it is written down.
    const auto quer = tabelle(seite("klasse-1a.html"));
    EXPECT_EQ(quer[0][0], "[MA Mü IG]");
    EXPECT_EQ(quer[2][3], "[ER Ne IG][KR Zi BÜ]");
    EXPECT_NE(seite("klasse-1a.html").find("<abbr title=\"Katholische Religion\">KR</abbr>"), std::string::npos);
    EXPECT_NE(seite("klasse-1a.html").find("<div class=\"b verzichtbar\" title=\"verzichtbar\">"), std::string::npos);
}

TEST_F(Veroeffentlicht, TidyMeldetAufKeinerSeiteEinenFehler)
{
    int seiten = 0;
    for (const auto& e : fs::directory_iterator(ordner_->pfad("Webseiten"))) {
        if (e.path().extension() != ".html")
            continue;
        ++seiten;
        const auto [status, ausgabe] = ausfuehren("tidy -errors -q '" + e.path().string() + "' 2>&1");
        EXPECT_EQ(status, 0) << e.path().filename() << ":\n" << ausgabe;
    }
    EXPECT_EQ(seiten, 81);
}

// Headless Chromium in a profile of its own, so that runs side by side do
// not share one; stopped should it ever hang.
std::pair<int, std::string> chromium(const TestOrdner& ordner, const std::string& argumente)
{
    return ausfuehren("timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run --user-data-dir='"
                      + ordner.pfad("profil") + "' " + argumente + " 2>/dev/null");
}

TEST_F(Veroeffentlicht, ChromiumZeigtDieWocheOhneQuerScrollenUndDrucktJedenPlanAufEineSeite)
{
    // A copy of the class page measures itself once laid out at 1366 x 768.
    TestOrdner arbeit;
    std::string html = seite("klasse-1a.html");
    html.replace(html.find("</body>"), 7,
                 "<script>document.body.dataset.mass = [document.documentElement.scrollWidth, "
                 "document.documentElement.clientWidth, innerWidth, "
                 "Math.ceil(document.querySelector('table').getBoundingClientRect().right)].join(' ');"
                 "</script></body>");
    schreibe(ordner_->pfad("Webseiten/messen.html"), html);
    const auto [status, dom] = chromium(arbeit, "--window-size=1366,768 --dump-dom 'file://"
                                                    + ordner_->pfad("Webseiten/messen.html") + "'");
    fs::remove(ordner_->pfad("Webseiten/messen.html"));
    ASSERT_EQ(status, 0);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(dom, m, std::regex("data-mass=\"(\\d+) (\\d+) (\\d+) (\\d+)\""))) << dom.substr(0, 500);
    const int breite = std::stoi(m[1]), sichtbar = std::stoi(m[2]), fenster = std::stoi(m[3]), tabelle = std::stoi(m[4]);
    EXPECT_EQ(fenster, 1366);
    EXPECT_LE(breite, sichtbar) << "no horizontal scrolling";
    EXPECT_LE(tabelle, sichtbar) << "the whole week in view";
    EXPECT_GT(tabelle, sichtbar * 9 / 10) << "the week uses the width";

    for (const char* name : {"klasse-1a.html", "lehrer-Mue-untereinander.html"}) {
        const std::string pdf = arbeit.pfad(std::string(name) + ".pdf");
        const auto [druck, _] = chromium(arbeit, "--no-pdf-header-footer --print-to-pdf='" + pdf + "' 'file://"
                                                     + ordner_->pfad(std::string("Webseiten/") + name) + "'");
        ASSERT_EQ(druck, 0) << name;
        const auto [info_status, info] = ausfuehren("pdfinfo '" + pdf + "'");
        EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << name << "\n" << info;
        EXPECT_NE(info.find("Page size:       841.92 x 594.96 pts (A4)"), std::string::npos) << name << "\n" << info;
    }
}

TEST_F(Veroeffentlicht, KalenderparserLiestDieStundenEinesLehrersMitDenRichtigenZeiten)
{
    // Two weeks around the end of summer time: each of Mü's lessons once a
    // week, at the plan's lesson times, two hours ahead of UTC and then one.
    const char* zeiten[9][2] = {{"07:55", "08:40"}, {"08:45", "09:30"}, {"09:50", "10:35"},
                                {"10:40", "11:25"}, {"11:40", "12:25"}, {"12:30", "13:15"},
                                {"13:30", "14:15"}, {"14:20", "15:05"}, {"15:10", "15:55"}};
    std::vector<std::string> soll;
    for (const sys_days woche : {sys_days{2026y / 10 / 19}, sys_days{2026y / 10 / 26}})
        for (int t = 1; t <= 6; ++t)
            for (int l = 1; l <= 9; ++l)
                for (int c = 1; c <= 20; ++c) {
                    const zellentyp& z = plan_->zelle(t, l, c);
                    for (const belegungtyp* b : {&z.erste, &z.zweite}) {
                        if (b->lehrer != "M\xFC")
                            continue;
                        const year_month_day tag{woche + days{t - 1}};
                        char datum[16];
                        std::snprintf(datum, sizeof datum, "%04d-%02u-%02u", static_cast<int>(tag.year()),
                                      static_cast<unsigned>(tag.month()), static_cast<unsigned>(tag.day()));
                        soll.push_back(std::string(datum) + " " + zeiten[l - 1][0] + " " + zeiten[l - 1][1]
                                       + (woche < sys_days{2026y / 10 / 25} ? " +0200 " : " +0100 ")
                                       + plan_->klasse(c).klasse.str() + " " + b->fach.str() + " "
                                       + b->raum.str());
                    }
                }
    std::sort(soll.begin(), soll.end());
    ASSERT_EQ(soll.size(), 2u * 15) << "Mü teaches 15 lessons a week";

    const auto [status, ausgabe] = ausfuehren("/usr/bin/python3 '" ORBELA_QUELLORDNER "/tests/demo/kalender_lesen.py' '"
                                              + ordner_->pfad("Kalender") + "' lehrer-Mue.ics 2026-10-19 2026-11-01 2>&1");
    ASSERT_EQ(status, 0) << ausgabe;
    std::vector<std::string> ist;
    std::istringstream zeilen(ausgabe);
    for (std::string z; std::getline(zeilen, z);)
        ist.push_back(z);
    EXPECT_EQ(ist, soll);
}

} // namespace
