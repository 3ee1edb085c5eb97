// "Als Webseiten speichern..." and "Kalender exportieren..." from the menu
// on the demo school: the dialogs' defaults, what the commands write, and
// an unreadable lesson time reported without touching the calendars.

#include <QDateEdit>
#include <QLineEdit>
#include <filesystem>
#include <gtest/gtest.h>

#include "fenster_zugriff.h"
#include "test_dialoge.h"
#include "test_ordner.h"
#include "testhilfe.h"
#include "ui/hauptfenster.h"
#include "ui/veroeffentlichen/kalender_dialog.h"
#include "ui/veroeffentlichen/webseiten_dialog.h"

using namespace orbela;
namespace fs = std::filesystem;

namespace {

// The demo school in a program folder of its own, loaded in the main window.
struct Demoschule {
    TestOrdner ordner;
    std::unique_ptr<Sitzung> sitzung;
    TestDialoge* dialoge = nullptr;
    std::unique_ptr<Hauptfenster> fenster;

    explicit Demoschule(bool laden = true)
    {
        for (const char* name : {"Beispielschule.orb", "adresslehrdat.int", "faecherkrz.int", "raumkrz.int"})
            fs::copy_file(std::string(ORBELA_DEMO_DIR) + "/" + name, ordner.pfad(name));
        sitzung = std::make_unique<Sitzung>(ordner.pfad("") + "/");
        auto d = std::make_unique<TestDialoge>();
        dialoge = d.get();
        fenster = std::make_unique<Hauptfenster>(*sitzung, std::move(d));
        if (laden)
            fenster->plan_oeffnen(ordner.pfad("Beispielschule.orb"));
    }
    std::size_t dateien(const std::string& unterordner) const
    {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(ordner.pfad(unterordner)))
            ++n;
        return n;
    }
};

} // namespace

TEST(Veroeffentlichen, WebseitenGehenInDenGewaehltenOrdnerVorgeschlagenIstWebseiten)
{
    Demoschule s;
    QString vorschlag;
    s.dialoge->dialog_handler = [&](QDialog& d) {
        vorschlag = dynamic_cast<WebseitenDialog&>(d).ordner();
        return false;
    };
    fenster_zugriff::aktion(*s.fenster, "AlsWebseitenSpeichern1")->trigger();
    EXPECT_EQ(vorschlag, QString::fromStdString(s.ordner.pfad("Webseiten")));
    EXPECT_FALSE(fs::exists(s.ordner.pfad("Webseiten"))) << "cancelled";

    s.dialoge->dialog_handler = [&](QDialog& d) {
        d.findChild<QLineEdit*>("ordner")->setText(QString::fromStdString(s.ordner.pfad("Homepage")));
        return true;
    };
    fenster_zugriff::aktion(*s.fenster, "AlsWebseitenSpeichern1")->trigger();
    EXPECT_EQ(s.dialoge->fehler_texte, QStringList{});
    EXPECT_EQ(s.dateien("Homepage"), 82u);
    const std::string index = lies(s.ordner.pfad("Homepage/index.html"));
    EXPECT_NE(index.find("<h1>Beispielschule</h1>"), std::string::npos);
    EXPECT_NE(index.find("Müller"), std::string::npos) << "teachers named from the cards";
    EXPECT_EQ(s.dialoge->hinweise.size(), 1);
    EXPECT_TRUE(s.dialoge->hinweise.value(0).startsWith("81 Seiten gespeichert")) << s.dialoge->hinweise.value(0).toStdString();
}

TEST(Veroeffentlichen, KalenderFuerDenGewaehltenZeitraumUnlesbareZeitenGemeldet)
{
    Demoschule s;
    s.dialoge->dialog_handler = [&](QDialog& d) {
        auto& k = dynamic_cast<KalenderDialog&>(d);
        EXPECT_EQ(k.ordner(), QString::fromStdString(s.ordner.pfad("Kalender")));
        EXPECT_LE(k.erster_schultag(), k.letzter_schultag());
        d.findChild<QDateEdit*>("erster_schultag")->setDate(QDate(2026, 9, 1));
        d.findChild<QDateEdit*>("letzter_schultag")->setDate(QDate(2027, 7, 16));
        return true;
    };
    fenster_zugriff::aktion(*s.fenster, "KalenderExportieren1")->trigger();
    EXPECT_EQ(s.dialoge->fehler_texte, QStringList{});
    EXPECT_EQ(s.dateien("Kalender"), 18u + 8u);
    const std::string ics = lies(s.ordner.pfad("Kalender/klasse-1a.ics"));
    EXPECT_NE(ics.find("DTSTART;TZID=Europe/Berlin:20260901T075500\r\n"), std::string::npos) << "a Tuesday";
    EXPECT_NE(ics.find("Lehrer: Müller"), std::string::npos);
    for (const auto& e : fs::directory_iterator(s.ordner.pfad("Kalender")))
        for (const char* adresse : {"Kreideberg", "Lerchenstieg", "12345"})
            EXPECT_EQ(lies(e.path()).find(adresse), std::string::npos) << e.path() << ": no address from the cards";

    s.sitzung->dokument().setze_zeit(4, Zeitfeld::ende, "11.2S");
    fenster_zugriff::aktion(*s.fenster, "KalenderExportieren1")->trigger();
    ASSERT_EQ(s.dialoge->fehler_texte.size(), 1);
    EXPECT_TRUE(s.dialoge->fehler_texte[0].contains("4. Stunde („10:40“ bis „11.2S“)"))
        << s.dialoge->fehler_texte[0].toStdString();
    EXPECT_EQ(lies(s.ordner.pfad("Kalender/klasse-1a.ics")), ics) << "the calendars stay as they were";
}

TEST(Veroeffentlichen, OhnePlanWirdNichtsErsetzt)
{
    Demoschule s(false);
    fs::create_directory(s.ordner.pfad("Webseiten"));
    schreibe(s.ordner.pfad("Webseiten/index.html"), "veröffentlicht");
    s.dialoge->dialog_handler = [](QDialog&) { return true; };
    for (const char* befehl : {"AlsWebseitenSpeichern1", "KalenderExportieren1"})
        fenster_zugriff::aktion(*s.fenster, befehl)->trigger();
    EXPECT_EQ(s.dialoge->hinweise, QStringList(2, "Es ist noch kein Plan geladen. Bitte zuerst einen Plan laden."));
    EXPECT_EQ(lies(s.ordner.pfad("Webseiten/index.html")), "veröffentlicht");
    EXPECT_FALSE(fs::exists(s.ordner.pfad("Kalender")));
}
