// The published files: lesson times read from free text, the folder
// replaced whole, the pages' escaping and layout rules, and the calendar
// text format. The demo school's pages and calendars are checked by a
// browser, tidy and a calendar parser in tests/demo.

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "core/veroeffentlichen/kalender.h"
#include "core/veroeffentlichen/stundenzeit.h"
#include "core/veroeffentlichen/webseiten.h"
#include "test_ordner.h"
#include "testhilfe.h"

using namespace orbela;
using namespace std::chrono;
namespace fs = std::filesystem;

namespace {

const Namenstabelle keine_namen;
const Plannamen ohne_namen{keine_namen, keine_namen, {}};

std::string datei(const std::vector<Ausgabedatei>& dateien, const std::string& name)
{
    for (const Ausgabedatei& d : dateien)
        if (d.name == name)
            return d.inhalt;
    return "fehlt: " + name;
}

std::vector<std::string> namen_im_ordner(const std::string& ordner)
{
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

TEST(Stundenzeit, LiestDieUeblichenSchreibweisenUndSonstNichts)
{
    const std::pair<const char*, std::optional<int>> faelle[] = {
        {"7.55", 475}, {"07:55", 475}, {" 7:55 Uhr ", 475}, {"7,55", 475}, {"8 Uhr", 480}, {"13:05", 785},
        {"0:00", 0},   {"", {}},       {"7.5", {}},         {"7:555", {}}, {"24:00", {}}, {"7:60", {}},
        {"halb 8", {}}, {"7.55h", {}}, {"Uhr", {}},         {"755", {}},
    };
    for (const auto& [text, minuten] : faelle)
        EXPECT_EQ(uhrzeit_minuten(text), minuten) << text;
}

// What the folder held before, and what replacing it must do.
TEST(OrdnerErsetzen, ErsetztNurEigeneOrdnerGanzUndLaesstNichtsDaneben)
{
    struct Fall {
        const char* name;
        std::vector<std::string> vorher; // files in the folder; "-" = no folder, "=" = a file instead
        const char* fehler;              // part of the message, or "" when it is replaced
    };
    const Fall faelle[] = {
        {"neu", {"-"}, ""},
        {"leer", {}, ""},
        {"alte Seiten", {"index.html", "klasse-9z.html", "orbela.css"}, ""},
        {"fremde Datei", {"index.html", "notiz.txt"}, "enthält auch anderes („notiz.txt“)"},
        {"Datei statt Ordner", {"="}, "eine Datei dieses Namens"},
    };
    const std::vector<Ausgabedatei> neu = {{"index.html", "<!DOCTYPE html>"}, {"orbela.css", "body {}"}};
    for (const Fall& f : faelle) {
        TestOrdner ordner;
        const std::string ziel = ordner.pfad("Webseiten");
        if (f.vorher == std::vector<std::string>{"="}) {
            schreibe(ziel, "x");
        } else if (f.vorher != std::vector<std::string>{"-"}) {
            fs::create_directory(ziel);
            for (const std::string& n : f.vorher)
                schreibe(ziel + "/" + n, "alt");
        }
        const std::vector<std::string> parent_vorher = namen_im_ordner(ordner.pfad(""));
        const std::string text = fehlertext([&] { ordner_ersetzen(ziel, neu, {".html", ".css"}, "Die Webseiten"); });
        if (*f.fehler == '\0') {
            EXPECT_EQ(text, "kein Fehler") << f.name;
            EXPECT_EQ(namen_im_ordner(ziel), (std::vector<std::string>{"index.html", "orbela.css"})) << f.name;
            EXPECT_EQ(lies(ziel + "/index.html"), "<!DOCTYPE html>") << f.name;
            struct stat st {};
            ::stat(ziel.c_str(), &st);
            EXPECT_TRUE(st.st_mode & S_IROTH) << f.name << ": a web server must read it";
            EXPECT_EQ(namen_im_ordner(ordner.pfad("")), std::vector<std::string>{"Webseiten"}) << f.name;
        } else {
            EXPECT_NE(text.find(f.fehler), std::string::npos) << f.name << ": " << text;
            EXPECT_EQ(text.rfind("Die Webseiten in „", 0), 0u) << text;
            EXPECT_EQ(namen_im_ordner(ordner.pfad("")), parent_vorher) << f.name;
        }
    }
    EXPECT_EQ(fehlertext([&] { ordner_ersetzen("", neu, {".html"}, "Die Webseiten"); }),
              "Die Webseiten können nicht gespeichert werden: Es ist kein Ordner angegeben.");
}

TEST(Webseiten, MaskiertCodesUndGibtJedemCodeEineEigeneDatei)
{
    auto plan = neuer_plan();
    plan->klasse(1).klasse = "<b>";
    plan->klasse(2).klasse = "a\x01&";
    setze_zelle(*plan, 1, 1, 1, "M\xFC", "\"x\"", "Tu");
    setze_zelle(*plan, 1, 2, 1, "Ko", "MA", "TU");
    const auto dateien = webseiten(*plan, Optionen{}, ohne_namen, {"Schule <A&B>", "1.1.2027"});

    std::vector<std::string> namen;
    for (const Ausgabedatei& d : dateien)
        if (!d.name.ends_with("-untereinander.html"))
            namen.push_back(d.name);
    EXPECT_EQ(namen, (std::vector<std::string>{"index.html", "klasse-_b_.html", "klasse-a__.html", "lehrer-Ko.html",
                                               "lehrer-Mue.html", "raum-TU.html", "raum-Tu-2.html", "orbela.css"}));
    const std::string index = datei(dateien, "index.html");
    EXPECT_NE(index.find("<h1>Schule &lt;A&amp;B&gt;</h1>"), std::string::npos);
    EXPECT_NE(index.find(">&lt;b&gt;</a>"), std::string::npos);
    EXPECT_NE(index.find(">a?&amp;</a>"), std::string::npos) << "control characters become '?'";
    EXPECT_NE(datei(dateien, "klasse-_b_.html").find("&quot;x&quot;"), std::string::npos);
    EXPECT_NE(datei(dateien, "lehrer-Mue.html").find("<h1>Lehrer Mü</h1>"), std::string::npos) << "UTF-8";
}

TEST(Webseiten, ZeigtSamstagUndSpaeteStundenNurWennGeplantUndZaehltWieDieOption)
{
    auto plan = neuer_plan();
    plan->klasse(1).klasse = "1a";
    setze_zelle(*plan, 2, 4, 1, "Ko", "MA", "R1");
    Optionen optionen;
    auto seite = datei(webseiten(*plan, optionen, ohne_namen, {"S", "1.1.2027"}), "klasse-1a.html");
    EXPECT_EQ(seite.find("Samstag"), std::string::npos);
    EXPECT_NE(seite.find(">4.</span>"), std::string::npos);
    EXPECT_EQ(seite.find(">5.</span>"), std::string::npos);

    setze_zelle(*plan, 6, 1, 1, "Ko", "SP", "TU");
    plan->zeit(6).beginn = "12:30";
    optionen.stunden_0_8 = true;
    seite = datei(webseiten(*plan, optionen, ohne_namen, {"S", "1.1.2027"}), "klasse-1a.html");
    EXPECT_NE(seite.find("<th scope=\"col\">Samstag</th>"), std::string::npos);
    EXPECT_NE(seite.find(">0.</span>"), std::string::npos);
    EXPECT_NE(seite.find(">5.</span><span class=\"zeit\">12:30</span>"), std::string::npos);
    EXPECT_EQ(seite.find(">6.</span>"), std::string::npos);
}

std::unique_ptr<plantyp> plan_mit_zeiten()
{
    auto plan = neuer_plan();
    plan->klasse(1).klasse = "4a";
    for (int l = 1; l <= anzahl_stunden; ++l) {
        plan->zeit(l).beginn = std::to_string(7 + l) + ".00";
        plan->zeit(l).ende = std::to_string(7 + l) + ".45";
    }
    return plan;
}

TEST(Kalender, NenntUnlesbareStundenUndSchreibtDannNichts)
{
    auto plan = plan_mit_zeiten();
    setze_zelle(*plan, 1, 1, 1, "Ko", "MA", "R12");
    setze_zelle(*plan, 2, 3, 1, "Ko", "DE", "R12");
    setze_zelle(*plan, 3, 5, 1, "Ko", "SP", "TU");
    setze_zelle(*plan, 4, 6, 1, "", "", "", "Le", "KU");
    plan->zeit(3).beginn = "halb 10";
    plan->zeit(5).beginn.clear();
    plan->zeit(5).ende.clear();
    plan->zeit(6).ende = "11.00"; // before its begin
    plan->zeit(8).beginn = "?";   // unused lesson: not asked for
    TestOrdner ordner;
    const std::string text = fehlertext([&] {
        kalender_speichern(ordner.pfad("Kalender"), *plan, Optionen{}, ohne_namen,
                           {2026y / 9 / 1, 2027y / 7 / 16}, 0);
    });
    EXPECT_EQ(text, "Die Kalender wurden nicht geschrieben: Die Zeiten dieser Stunden lassen sich nicht lesen: "
                    "3. Stunde („halb 10“ bis „10.45“), 5. Stunde (keine Zeiten), 6. Stunde („13.00“ bis „11.00“). "
                    "Bitte Beginn und Ende als Uhrzeit eintragen, etwa „7.55“ oder „07:55“.");
    EXPECT_FALSE(fs::exists(ordner.pfad("Kalender")));
    EXPECT_NE(fehlertext([&] { kalender(*plan_mit_zeiten(), {}, ohne_namen, {2027y / 2 / 1, 2027y / 1 / 31}, 0); })
                  .find("Der letzte Schultag liegt vor dem ersten."),
              std::string::npos);
}

TEST(Kalender, SchreibtZeilenNachRfc5545MitBerlinerZeitUndUntilInUtc)
{
    auto plan = plan_mit_zeiten();
    setze_zelle(*plan, 1, 1, 1, "Ko", "DE", "R12");
    setze_zelle(*plan, 3, 2, 1, "Ko", "DE", "R12");
    Namenstabelle faecher;
    faecher.zeilen = {{"DE", "Deutsch, Lesen; Schreiben \\ \xDC" "bungen f\xFCr Gr\xF6\xDF" "ere und Kleinere in \xD6lfarben"}};
    const Plannamen namen{faecher, keine_namen, [](std::string_view k) {
                              return k == "Ko" ? std::string("Kowalski") : std::string();
                          }};
    struct Fall {
        year_month_day erster, letzter;
        bool montag; // the period holds a Monday
        const char* until;
    };
    const Fall faelle[] = {
        {2026y / 9 / 2, 2027y / 1 / 29, true, "20270129T225959Z"}, // ends in winter time
        {2026y / 9 / 2, 2027y / 7 / 16, true, "20270716T215959Z"}, // in summer time
        {2026y / 9 / 2, 2026y / 9 / 2, false, "20260902T215959Z"},                 // one Wednesday
    };
    for (const Fall& f : faelle) {
        const auto dateien = kalender(*plan, Optionen{}, namen, {f.erster, f.letzter}, 1'797'000'000);
        ASSERT_EQ(dateien.size(), 2u);
        EXPECT_EQ(dateien[0].name, "lehrer-Ko.ics");
        EXPECT_EQ(dateien[1].name, "klasse-4a.ics");
        const std::string& ics = dateien[1].inhalt;
        std::string entfaltet;
        std::size_t pos = 0;
        while (pos < ics.size()) {
            const std::size_t ende = ics.find("\r\n", pos);
            ASSERT_NE(ende, std::string::npos) << "every line ends in CR LF";
            const std::string zeile = ics.substr(pos, ende - pos);
            EXPECT_LE(zeile.size(), 75u) << zeile;
            EXPECT_EQ(zeile.find('\n'), std::string::npos);
            ASSERT_FALSE(zeile.empty());
            // A fold never splits a character: no line starts inside one.
            EXPECT_NE(static_cast<unsigned char>(zeile[zeile[0] == ' ' ? 1 : 0]) & 0xC0, 0x80);
            entfaltet += zeile[0] == ' ' ? zeile.substr(1) : "\n" + zeile;
            pos = ende + 2;
        }
        EXPECT_NE(entfaltet.find("\nBEGIN:VTIMEZONE\nTZID:Europe/Berlin\n"), std::string::npos);
        EXPECT_NE(entfaltet.find("\nSUMMARY:Ko DE R12\n"), std::string::npos);
        EXPECT_NE(entfaltet.find("\nDESCRIPTION:Fach: Deutsch\\, Lesen\\; Schreiben \\\\ Übungen für Größere und "
                                 "Kleinere in Ölfarben\\nLehrer: Kowalski\n"),
                  std::string::npos);
        EXPECT_NE(entfaltet.find(std::string("\nRRULE:FREQ=WEEKLY;UNTIL=") + f.until + "\n"), std::string::npos);
        EXPECT_EQ(entfaltet.find("\nDTSTART;TZID=Europe/Berlin:20260907T080000\n") != std::string::npos, f.montag);
        EXPECT_NE(entfaltet.find("\nDTSTART;TZID=Europe/Berlin:20260902T090000\nDTEND;TZID=Europe/Berlin:20260902T094500\n"),
                  std::string::npos);
        EXPECT_NE(entfaltet.find("\nDTSTAMP:20261211T144000Z\n"), std::string::npos);
    }
}

} // namespace
